# The manual page must render without a single warning. groff is what man(1)
# uses here; mandoc is stricter on structure. Each one found must be silent.
if(NOT DEFINED PAGE)
  message(FATAL_ERROR "PAGE is not set")
endif()

find_program(GROFF groff)
find_program(MANDOC mandoc)
if(NOT GROFF AND NOT MANDOC)
  message("SKIPPED: neither groff nor mandoc is installed")
  return()
endif()

function(expect_silence)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(JOIN " " command ${ARGN})
  if(NOT status EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "${command} (status ${status}):\n${output}")
  endif()
  message(STATUS "clean: ${command}")
endfunction()

if(GROFF)
  # -k: the page is UTF-8 and says so on its first line; -z: no output, only
  # the diagnostics; -ww: every warning.
  expect_silence(${GROFF} -k -ww -man -Tutf8 -z "${PAGE}")
endif()
if(MANDOC)
  expect_silence(${MANDOC} -Tlint -Wwarning "${PAGE}")
endif()
