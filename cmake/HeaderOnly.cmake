# Header-only libraries from the build machine's Debian packages (Boost),
# used on every target as system includes, so that their own warnings
# never fail a build whose warnings are errors.
#
#   tessarivand_header_only(<target> <PUBLIC|PRIVATE|INTERFACE> <folder> <probe header> <package>)
#
# Natively the folder's parent (/usr/include) is the include path. A
# cross-build (mingw-w64, emscripten) must not see the host's C library, so it
# gets a folder of its own in the build tree that holds a link to <folder>
# alone. A missing package stops the configuration with its name.
function(tessarivand_header_only target visibility folder probe package)
  string(MAKE_C_IDENTIFIER "TESSARIVAND_${folder}_INCLUDE_DIR" variable)
  find_path(${variable} ${folder}/${probe} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
  mark_as_advanced(${variable})
  if(NOT ${variable})
    message(FATAL_ERROR "${folder}/${probe} was not found. On Debian, install it with:\n"
      "  sudo apt-get install ${package}")
  endif()
  set(include_dir ${${variable}})
  if(CMAKE_CROSSCOMPILING)
    set(include_dir ${PROJECT_BINARY_DIR}/header_only/${folder})
    file(MAKE_DIRECTORY ${include_dir})
    file(CREATE_LINK ${${variable}}/${folder} ${include_dir}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} SYSTEM ${visibility} $<BUILD_INTERFACE:${include_dir}>)
endfunction()
