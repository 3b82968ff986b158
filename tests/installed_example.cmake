# Installs the build into a fresh prefix, builds examples/ against the
# installed package alone, runs the example into a file and compares its
# bytes with the expected ones.
foreach(name BUILD_DIR SOURCE_DIR WORK_DIR CONFIG GENERATOR CXX_COMPILER EXPECTED)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "${name} is not set")
  endif()
endforeach()

function(run_or_fail)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Failed (${status}): ${ARGN}\n${output}")
  endif()
endfunction()

set(prefix "${WORK_DIR}/prefix")
set(example_build "${WORK_DIR}/build")
file(REMOVE_RECURSE "${WORK_DIR}")

run_or_fail(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}" --config "${CONFIG}")
run_or_fail(${CMAKE_COMMAND} -S "${SOURCE_DIR}/examples" -B "${example_build}" -G "${GENERATOR}"
  "-DCMAKE_BUILD_TYPE=${CONFIG}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_PREFIX_PATH=${prefix}")

# The package must come from the fresh install, not from anywhere else.
load_cache("${example_build}" READ_WITH_PREFIX example_ Tessarivand_DIR)
string(FIND "${example_Tessarivand_DIR}" "${prefix}/" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "Tessarivand was found in ${example_Tessarivand_DIR}, outside ${prefix}")
endif()

run_or_fail(${CMAKE_COMMAND} --build "${example_build}" --config "${CONFIG}")
execute_process(COMMAND "${example_build}/product_and_division"
  OUTPUT_FILE "${WORK_DIR}/output" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The example ended with status ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK_DIR}/output" "${EXPECTED}" RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  file(READ "${WORK_DIR}/output" got HEX)
  message(FATAL_ERROR "The example wrote other bytes than ${EXPECTED}:\n${got}")
endif()
