option(TAPVANE_SANITIZE "Build host code with ASan and UBSan" OFF)
option(TAPVANE_FUZZ "Build only the libFuzzer targets (clang)" OFF)

# Where the host build put its tools (layout compiler, skin packer, asset
# generators); the Windows build runs them to make its resources.
set(TAPVANE_HOST_BIN "${CMAKE_SOURCE_DIR}/build/host/bin" CACHE PATH
    "Folder of the host tools used by the Windows build")

add_compile_options(-Wall -Wextra -Werror)

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # One self-contained executable: no libgcc/libstdc++/winpthread DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(TAPVANE_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TAPVANE_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# A host tool goes to bin/ so that the Windows build can find it.
function(tapvane_host_tool target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# Path of a host tool for custom commands: the target itself in the host
# build, the host build's binary from the Windows build.
function(tapvane_tool_path out name)
  if(WIN32)
    set(${out} "${TAPVANE_HOST_BIN}/${name}" PARENT_SCOPE)
  else()
    set(${out} "$<TARGET_FILE:${name}>" PARENT_SCOPE)
  endif()
endfunction()
