# skinpack.exe under Wine (cmake -P, with WINE, EXE, SOURCE, EXPECTED, WORK):
# packing our skin's folder gives byte for byte the package the host's
# packer made, unpacking it and packing again gives the same once more, and
# checking our skin, folder and package, finds nothing.
function(skinpack)
  execute_process(COMMAND ${WINE} run ${EXE} ${ARGN} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(status)
    message(FATAL_ERROR "skinpack ${ARGN}: exit ${status}\n${out}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# Wine sees the Unix root as drive Z:.
skinpack(pack Z:${SOURCE} Z:${WORK}/packed.skin)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/packed.skin ${EXPECTED}
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "the Windows packer's package differs from ${EXPECTED}")
endif()
skinpack(unpack Z:${WORK}/packed.skin Z:${WORK}/unpacked)
skinpack(pack Z:${WORK}/unpacked Z:${WORK}/repacked.skin)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/repacked.skin ${EXPECTED}
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "unpacking and packing again under Wine changed the package")
endif()

foreach(input Z:${WORK}/unpacked Z:${WORK}/packed.skin)
  execute_process(COMMAND ${WINE} run ${EXE} check ${input} RESULT_VARIABLE status
                  OUTPUT_VARIABLE findings ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT findings STREQUAL "")
    message(FATAL_ERROR "skinpack check ${input}: exit ${status}\n${findings}${errors}")
  endif()
endforeach()
