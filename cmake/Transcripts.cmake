# The scripted dialogues of tests/transcripts, one test a case: every
# directory there that holds an input. The runner's command gets the case's
# directory and the project's version after its own arguments:
#   add_transcript_tests(<name prefix> <runner command>...)
# The native program and the same under wine register theirs in
# tests/transcripts, the page's build in web/. A case named in the caller's
# list excluded_transcripts is left out: the caller says why, beside it.
function(add_transcript_tests prefix)
  file(GLOB inputs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/transcripts/*/input)
  foreach(input IN LISTS inputs)
    get_filename_component(case_dir ${input} DIRECTORY)
    get_filename_component(case_name ${case_dir} NAME)
    if(case_name IN_LIST excluded_transcripts)
      continue()
    endif()
    add_test(NAME ${prefix}${case_name} COMMAND ${ARGN} ${case_dir} ${PROJECT_VERSION})
    set_tests_properties(${prefix}${case_name} PROPERTIES TIMEOUT 60)
  endforeach()
endfunction()
