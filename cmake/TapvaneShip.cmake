# Shipped programs. Each one is split right after it is linked: its debug
# information goes to NAME.exe.debug beside it, the program itself is
# stripped and keeps only a debug link to that file. The stripped file is the
# one the tests, the end-to-end run, scripts/run.sh and the release folder
# use, so there is no second, untested "release" binary. Wine maps a PE
# image's DWARF sections into private memory, which is a second reason never
# to run the unstripped program.
set(TAPVANE_VERSION_TEXT "1.03.20100223" CACHE INTERNAL "Version text of the shipped programs")

if(WIN32)
  find_program(TAPVANE_OBJCOPY NAMES ${TOOLCHAIN_PREFIX}-objcopy x86_64-w64-mingw32-objcopy REQUIRED)
  find_program(TAPVANE_OBJDUMP NAMES ${TOOLCHAIN_PREFIX}-objdump x86_64-w64-mingw32-objdump REQUIRED)
endif()

# tapvane_split_debug(TARGET): split and strip TARGET after each link.
function(tapvane_split_debug target)
  if(NOT WIN32)
    return()
  endif()
  set(exe $<TARGET_FILE:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${TAPVANE_OBJCOPY} --only-keep-debug ${exe} ${exe}.debug
    COMMAND ${TAPVANE_OBJCOPY} --strip-all --add-gnu-debuglink=${exe}.debug ${exe}
    COMMENT "Splitting the debug information off ${target}"
    VERBATIM)
endfunction()

# tapvane_ship(TARGET): split TARGET and list it among the programs that go
# into the release folder and get the shipped-program checks.
function(tapvane_ship target)
  if(NOT WIN32)
    return()
  endif()
  tapvane_split_debug(${target})
  set_property(GLOBAL APPEND PROPERTY TAPVANE_SHIPPED_TARGETS ${target})
endfunction()
