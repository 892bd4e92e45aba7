# skinpack.exe under Wine (cmake -P, with WINE, EXE, SOURCE, EXPECTED, WORK):
# packing our skin's folder gives byte for byte the package the host's
# packer made, and unpacking it and packing again gives the same once more.
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
