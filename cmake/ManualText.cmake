# The manual page as plain UTF-8 text, the same bytes for the site and the
# Windows zip: rendered by groff where it is installed (-k: the page is
# UTF-8), else its source. A byte order mark first, so that a browser or an
# editor reads it as UTF-8 whatever it is told of the file.
#   cmake -D SOURCE=man/tessarivand.1 -D OUTPUT=tessarivand.txt -P cmake/ManualText.cmake
# Included by the build, it gives the rule that runs it:
# tessarivand_manual_text(OUTPUT) writes the text of man/tessarivand.1 to
# OUTPUT, which a target of the same directory must depend on.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  function(tessarivand_manual_text output)
    set(page ${PROJECT_SOURCE_DIR}/man/tessarivand.1)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -D SOURCE=${page} -D OUTPUT=${output} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
      DEPENDS ${page} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
      VERBATIM)
  endfunction()
  return()
endif()

find_program(groff groff)
find_program(col col)
set(text "")
if(groff AND col)
  execute_process(COMMAND ${groff} -k -man -Tutf8 -P-c ${SOURCE}
    COMMAND ${col} -bx
    OUTPUT_VARIABLE text
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    set(text "")
  endif()
endif()
if(text STREQUAL "")
  file(READ ${SOURCE} text)
endif()
string(ASCII 239 187 191 bom)
file(WRITE ${OUTPUT} "${bom}${text}")
