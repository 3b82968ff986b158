# Installs the build into a fresh prefix, builds examples/ against the
# installed package alone, runs the example into a file and compares its
# bytes with the expected ones. Where pkg-config is installed, the example is
# built a second time in one command line through the installed tessarivand.pc.
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

function(expect_example_output program)
  execute_process(COMMAND "${program}" OUTPUT_FILE "${WORK_DIR}/output" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} ended with status ${status}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK_DIR}/output" "${EXPECTED}" RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    file(READ "${WORK_DIR}/output" got HEX)
    message(FATAL_ERROR "${program} wrote other bytes than ${EXPECTED}:\n${got}")
  endif()
endfunction()

expect_example_output("${example_build}/product_and_division")

find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  file(GLOB_RECURSE pc_files "${prefix}/*/pkgconfig/tessarivand.pc")
  if(NOT pc_files)
    message(FATAL_ERROR "No tessarivand.pc installed under ${prefix}")
  endif()
  list(GET pc_files 0 pc_file)
  get_filename_component(pc_dir "${pc_file}" DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} "${pc_dir}")
  execute_process(COMMAND ${PKG_CONFIG} --cflags --libs tessarivand
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(one_line "${WORK_DIR}/product_and_division_pkg_config")
  run_or_fail(${CXX_COMPILER} "${SOURCE_DIR}/examples/product_and_division.cpp" -o "${one_line}"
    ${flags})
  expect_example_output("${one_line}")
endif()
