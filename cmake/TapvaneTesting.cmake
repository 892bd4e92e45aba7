# GoogleTest: the machine's library for host tests; for the Windows tests it
# is built with the cross compiler from the sources Debian installs. It is
# added before our warning flags so that its code is built as upstream wants.
if(WIN32 AND NOT TAPVANE_FUZZ)
  set(TAPVANE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${TAPVANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
elseif(NOT TAPVANE_FUZZ)
  find_package(GTest REQUIRED)
endif()

set(TAPVANE_WINE ${CMAKE_SOURCE_DIR}/scripts/wine.sh)
set(TAPVANE_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
if(WIN32)
  # Tests always get a private Xvfb: they move the cursor and press keys.
  set(TAPVANE_WINE_ENV TAPVANE_WINE_DIR=${TAPVANE_WINE_DIR} TAPVANE_DISPLAY=private)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env;${TAPVANE_WINE_ENV};${TAPVANE_WINE};run)
endif()

# A host test: one gtest executable, one CTest entry.
function(tapvane_add_host_test target)
  target_link_libraries(${target} PRIVATE GTest::gtest GTest::gtest_main)
  add_test(NAME host.${target} COMMAND ${target})
endfunction()

# The fixture that keeps one Xvfb, one prefix and one wineserver alive for all
# Windows tests of a run, and stops them at its end.
function(tapvane_wine_fixture)
  get_property(done GLOBAL PROPERTY TAPVANE_WINE_FIXTURE)
  if(done)
    return()
  endif()
  set_property(GLOBAL PROPERTY TAPVANE_WINE_FIXTURE TRUE)
  add_test(NAME wine.start COMMAND ${TAPVANE_WINE} start)
  add_test(NAME wine.stop COMMAND ${TAPVANE_WINE} stop)
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${TAPVANE_WINE_ENV}")
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${TAPVANE_WINE_ENV}")
endfunction()

# A Windows test: one gtest executable run under Wine, one CTest entry.
# Windows tests share one display, so they never run side by side.
function(tapvane_add_wine_test target)
  target_link_libraries(${target} PRIVATE gtest gtest_main)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE OFF)
  tapvane_wine_fixture()
  add_test(NAME win32.${target} COMMAND ${target})
  set_tests_properties(win32.${target} PROPERTIES FIXTURES_REQUIRED wine
                       RESOURCE_LOCK wine_display ENVIRONMENT "${TAPVANE_WINE_ENV}")
endfunction()

# Gives a Windows executable the skin test program's windows (library and
# resources: the form's layout with our skin package, the program bitmaps).
# Usable from any folder, whatever the order the folders are added in.
function(tapvane_use_skin_test_windows target)
  set(folder ${CMAKE_SOURCE_DIR}/tests/win32/skin_test_program)
  set(build_folder ${CMAKE_BINARY_DIR}/tests/win32/skin_test_program)
  target_sources(${target} PRIVATE ${folder}/SkinTestProgram.rc)
  set_source_files_properties(${folder}/SkinTestProgram.rc TARGET_DIRECTORY ${target}
                              PROPERTIES OBJECT_DEPENDS ${build_folder}/SkinTestForm.layout.bin)
  target_link_libraries(${target} PRIVATE tapvane_skin_test_windows)
  target_include_directories(${target} PRIVATE ${build_folder} ${CMAKE_BINARY_DIR}/resources/bitmaps)
  add_dependencies(${target} skin_test_form_layout)
endfunction()

# Adds every immediate subfolder of the current folder that has a CMakeLists.txt.
function(tapvane_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# A libFuzzer target and a short CTest run of it on a private copy of its seed
# corpus (fuzz/corpus/NAME), so CI exercises every parser a little each time.
set(TAPVANE_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzzer runs under CTest")
function(tapvane_add_fuzzer target)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  set(work ${CMAKE_BINARY_DIR}/corpus/${target})
  set(seeds ${CMAKE_SOURCE_DIR}/fuzz/corpus/${target})
  add_test(NAME fuzz.${target}
           COMMAND /bin/sh -c "mkdir -p '${work}' && { [ ! -d '${seeds}' ] || cp -r '${seeds}/.' '${work}/'; } && exec \"$0\" -max_total_time=${TAPVANE_FUZZ_SECONDS} -rss_limit_mb=2048 -print_final_stats=1 '${work}'"
                   $<TARGET_FILE:${target}>)
endfunction()
