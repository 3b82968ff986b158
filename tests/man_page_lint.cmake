# The manual page must render without a single warning. groff is what man(1)
# uses here; mandoc is stricter on structure. Each one found must be silent.
# Then, rendered by groff, no two words may meet where the font changes:
# an alternating macro (.BR, .IR, .RB...) sets its arguments with no space
# between them, so `.BR \-\-exact ). La division` prints "La" in bold glued
# to "division".
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

# The font changes come out as SGR escapes (ESC[1m ... ESC[22m), which
# Debian's grotty writes only when GROFF_SGR is set. A letter or a digit on
# both sides of one is a fault; any byte beyond ASCII counts as a letter (é, µ),
# and punctuation, spaces and line ends separate.
function(expect_spaced_font_changes groff page)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=GROFF_NO_SGR GROFF_SGR=1
      ${groff} -k -man -Tutf8 "${page}"
    OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${groff} could not render ${page} (status ${status})")
  endif()
  string(ASCII 27 escape)
  string(ASCII 1 change)
  string(REGEX REPLACE "${escape}\\[[0-9;]*m" "${change}" text "${text}")
  if(NOT text MATCHES "${change}")
    message(FATAL_ERROR "${groff} wrote no font change: the check would see nothing")
  endif()
  set(word "[^]${change} \t\n[(){}.,;:!?'\"|/=+*<>_-]")
  string(REGEX MATCHALL "[^ \n]*${word}${change}+${word}[^ \n]*" glued "${text}")
  if(glued)
    string(REPLACE "${change}" "" glued "${glued}")
    list(JOIN glued "\n  " glued)
    message(FATAL_ERROR "Words glued together where the font changes (an alternating macro such as .BR "
      "given words meant to be spaced?):\n  ${glued}")
  endif()
  message(STATUS "spaced: every font change of ${page}")
endfunction()

if(GROFF)
  # -k: the page is UTF-8 and says so on its first line; -z: no output, only
  # the diagnostics; -ww: every warning.
  expect_silence(${GROFF} -k -ww -man -Tutf8 -z "${PAGE}")
  expect_spaced_font_changes(${GROFF} "${PAGE}")
endif()
if(MANDOC)
  expect_silence(${MANDOC} -Tlint -Wwarning "${PAGE}")
endif()
