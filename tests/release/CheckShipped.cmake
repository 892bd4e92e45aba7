# One shipped program as it leaves the build (cmake -P, with OBJDUMP and EXE):
# no DWARF inside, a debug link to a .debug file that holds it, imports from
# system libraries only (so it runs from a bare folder), and within its size
# budget.
cmake_minimum_required(VERSION 3.25)

function(run_objdump out)
  execute_process(COMMAND ${OBJDUMP} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(status)
    message(FATAL_ERROR "${OBJDUMP} ${ARGN} failed: ${status}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(failures)
run_objdump(sections -h ${EXE})
if(sections MATCHES "\\.debug_")
  list(APPEND failures "debug sections are still inside")
endif()
if(NOT sections MATCHES "\\.gnu_debuglink")
  list(APPEND failures "no debug link")
endif()
if(NOT EXISTS ${EXE}.debug)
  list(APPEND failures "no ${EXE}.debug beside it")
else()
  run_objdump(debug_sections -h ${EXE}.debug)
  if(NOT debug_sections MATCHES "\\.debug_info")
    list(APPEND failures "${EXE}.debug holds no .debug_info")
  endif()
endif()

# What every Windows from 7 on carries; a DLL of our own or of the compiler
# (libstdc++, libgcc, libwinpthread, libjpeg) would have to ship beside us.
set(system_dlls
  advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msimg32.dll
  msvcrt.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll
  version.dll winmm.dll)
run_objdump(headers -p ${EXE})
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
  list(APPEND failures "no imports found")
endif()
set(names)
foreach(line IN LISTS imports)
  string(REGEX REPLACE "^DLL Name: " "" dll "${line}")
  string(TOLOWER "${dll}" dll)
  string(STRIP "${dll}" dll)
  list(APPEND names ${dll})
  if(NOT dll IN_LIST system_dlls)
    list(APPEND failures "imports ${dll}, which is not a system library")
  endif()
endforeach()

file(SIZE ${EXE} size)
if(size GREATER 2621440)
  list(APPEND failures "${size} bytes, over the 2.5 MB budget")
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "${EXE}:\n  ${text}")
endif()
list(JOIN names " " names)
message(STATUS "${EXE}: ${size} bytes, imports ${names}")
