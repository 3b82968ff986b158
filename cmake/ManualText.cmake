# The manual page as plain UTF-8 text, the same bytes for the site and the
# Windows zip: rendered by groff where it is installed (-k: the page is
# UTF-8), else its source. A byte order mark first, so that a browser or an
# editor reads it as UTF-8 whatever it is told of the file.
#   cmake -D SOURCE=man/tessarivand.1 -D OUTPUT=tessarivand.txt -P cmake/ManualText.cmake
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
