# Header-only libraries from the build machine's Debian packages (Boost),
# used on every target as system includes, so that their own warnings
# never fail a build whose warnings are errors.
#
#   tessarivand_header_only(<target> <PUBLIC|PRIVATE|INTERFACE> <folder> <probe header> <package>
#                           [MINIMUM_BOOST <version>])
#
# Natively the folder's parent (/usr/include) is the include path. A
# cross-build (mingw-w64, emscripten) must not see the host's C library, so it
# gets a folder of its own in the build tree that holds a link to <folder>
# alone: every build sees the same headers. A missing package stops the
# configuration with its name, and so does a Boost older than MINIMUM_BOOST
# (read from <folder>/version.hpp).
function(tessarivand_header_only target visibility folder probe package)
  cmake_parse_arguments(PARSE_ARGV 5 arg "" MINIMUM_BOOST "")
  string(MAKE_C_IDENTIFIER "TESSARIVAND_${folder}_INCLUDE_DIR" variable)
  find_path(${variable} ${folder}/${probe} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
  mark_as_advanced(${variable})
  if(NOT ${variable})
    message(FATAL_ERROR "${folder}/${probe} was not found. On Debian, install it with:\n"
      "  sudo apt-get install ${package}")
  endif()
  if(arg_MINIMUM_BOOST)
    tessarivand_check_boost_version(${${variable}}/${folder}/version.hpp ${arg_MINIMUM_BOOST} ${package})
  endif()
  set(include_dir ${${variable}})
  if(CMAKE_CROSSCOMPILING)
    set(include_dir ${PROJECT_BINARY_DIR}/header_only/${folder})
    file(MAKE_DIRECTORY ${include_dir})
    file(CREATE_LINK ${${variable}}/${folder} ${include_dir}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} SYSTEM ${visibility} $<BUILD_INTERFACE:${include_dir}>)
endfunction()

# Boost writes its version as one number, major * 100000 + minor * 100 + patch
# (108100 is 1.81.0). An older one than asked for stops the configuration with
# the package that replaces it: Debian 12's libboost-dev is 1.74, whose
# rationals are a hundred times slower than 1.81's.
function(tessarivand_check_boost_version header minimum package)
  file(STRINGS ${header} line REGEX "^#define BOOST_VERSION [0-9]+$")
  string(REGEX REPLACE "^#define BOOST_VERSION " "" number "${line}")
  if(NOT number MATCHES "^[0-9]+$")
    message(FATAL_ERROR "${header} does not say its BOOST_VERSION.")
  endif()
  math(EXPR major "${number} / 100000")
  math(EXPR minor "${number} / 100 % 1000")
  math(EXPR patch "${number} % 100")
  set(found ${major}.${minor}.${patch})
  if(found VERSION_LESS minimum)
    message(FATAL_ERROR "Boost ${found} was found (${header}); TESSARIVAND needs Boost ${minimum} or later. "
      "On Debian 12, install ${package} instead of libboost-dev:\n"
      "  sudo apt-get install ${package}\n"
      "or point TESSARIVAND_boost_INCLUDE_DIR at the folder that holds a newer boost/.")
  endif()
  # For the configure summary.
  set_property(GLOBAL PROPERTY TESSARIVAND_BOOST_VERSION ${found})
endfunction()
