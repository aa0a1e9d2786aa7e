# Installs the build into a scratch prefix and runs the five-stroke lookup test
# against the installed library: SYSSWP.DLL must lie beside it and be found there.
# Arguments: -DBUILD_DIR=... -DTEST_PROGRAM=...
set(prefix ${BUILD_DIR}/installed-lookup-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installation into ${prefix} failed")
endif()
file(GLOB_RECURSE libraries ${prefix}/libquenvatrix.so.1)
list(LENGTH libraries count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one installed libquenvatrix.so.1, found: ${libraries}")
endif()
get_filename_component(libdir ${libraries} DIRECTORY)
if(NOT EXISTS ${libdir}/SYSSWP.DLL)
  message(FATAL_ERROR "SYSSWP.DLL is not installed beside the library in ${libdir}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} QUENVATRIX_EXPECTED_COMPONENT_FOLDER=${libdir}
          ${TEST_PROGRAM} --gtest_filter=FiveStrokeLookup.*
  RESULT_VARIABLE rc)
file(REMOVE_RECURSE ${prefix})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed library did not find its lookup file")
endif()
