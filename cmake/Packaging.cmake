# cpack -G DEB (or `cmake --workflow --preset package`): one Debian package
# with everything that `cmake --install` puts in place: the program, its
# manual page, and the library with its headers and CMake package. On
# Windows (`cmake --workflow --preset windows`), a zip of the program alone.

set(TESSARIVAND_PACKAGE_MAINTAINER "TESSARIVAND maintainers <tessarivand@example.org>"
  CACHE STRING "Maintainer written into the Debian package")

# Values reach CPack as they are written here, escapes and all.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessarivand)
set(CPACK_PACKAGE_VENDOR TESSARIVAND)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TESSARIVAND_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# A program and a library go out without their debugging information.
set(CPACK_STRIP_FILES ON)

# The first line is the synopsis; CPack indents the rest and marks the empty
# lines as Debian wants.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "divide a real polynomial by (X - µ), in French")
set(CPACK_PACKAGE_DESCRIPTION [[
TESSARIVAND is an interactive console program, in French, for real
polynomials of degree below 1000. The user types a polynomial P(X) and a
real number µ; the program shows P back as an expression and divides it by
(X - µ) by decreasing powers (Horner's scheme), printing
P(X) = (X - µ).(quotient) + (remainder). A menu then changes P, µ or both.

TESSARIVAND est un programme interactif, en français, pour les polynômes
réels de degré inférieur à 1000. L'utilisateur tape un polynôme P(X) et un
nombre réel µ ; le programme réécrit P sous forme d'expression et le divise
par (X - µ) selon les puissances décroissantes (schéma de Horner).

The package also holds the static library libtessarivand (polynomial type,
division, sum and products), its C++20 headers and its CMake package:
find_package(Tessarivand) and link Tessarivand::tessarivand.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TESSARIVAND_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# What building against the library needs; the program itself needs none of
# it. Its headers include Boost's, 1.79 or later, which its CMake package
# finds: recommended, so that apt installs it unless told not to. Debian 12
# has it as libboost1.81-dev (its libboost-dev is 1.74); a later Debian's
# libboost-dev will do.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libboost1.81-dev | libboost-dev (>= 1.79)")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cmake (>= 3.25), g++ (>= 4:12)")

# The dependencies come from the binary itself. dpkg-shlibdeps is in
# dpkg-dev; without it, name the libraries that every C++ program links.
find_program(TESSARIVAND_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(TESSARIVAND_DPKG_SHLIBDEPS)
if(TESSARIVAND_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  message(STATUS "dpkg-shlibdeps not found (package dpkg-dev): the Debian package gets fixed dependencies")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6")
endif()

# The licence in Debian's machine-readable form (copyright-format 1.0): the
# permission text of LICENSE, each line indented by one space and each empty
# line written " .". Every install carries it, as the MIT licence asks.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license_text)
string(FIND "${license_text}" "Permission is hereby granted" permission_start)
string(SUBSTRING "${license_text}" ${permission_start} -1 license_text)
string(STRIP "${license_text}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " TESSARIVAND_LICENSE_PARAGRAPHS " ${license_text}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian wants its package's manual pages and changelog compressed; CPack runs
# finish_package.cmake on the staged files, so a plain install is left as is.
# The Windows zip below has neither.
if(NOT WIN32)
  find_program(TESSARIVAND_GZIP gzip)
  mark_as_advanced(TESSARIVAND_GZIP)
  if(TESSARIVAND_GZIP)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${PROJECT_BINARY_DIR}/changelog.Debian @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/finish_package.cmake.in
      ${PROJECT_BINARY_DIR}/finish_package.cmake @ONLY)
    set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_BINARY_DIR}/finish_package.cmake)
  else()
    message(STATUS "gzip not found: the Debian package goes without its changelog, its manual pages uncompressed")
  endif()
endif()

# On Windows a zip instead, to unpack anywhere: the program, the README, the
# licence and the manual page as UTF-8 text, in one folder, with the pages
# that the README links to (docs/, CONTRIBUTING.md) at the same places, so
# that its links lead somewhere once unpacked. The library and
# its headers are for builds from the sources.
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_PACKAGING_INSTALL_PREFIX "")
  # Only what is installed for the zip, in one archive.
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL windows_zip)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
  install(TARGETS tessarivand RUNTIME DESTINATION . COMPONENT windows_zip)
  install(FILES README.md LICENSE CONTRIBUTING.md DESTINATION . COMPONENT windows_zip)
  file(GLOB doc_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.md)
  install(FILES ${doc_pages} DESTINATION docs COMPONENT windows_zip)
  # The page as the site has it, rendered here, on the build machine.
  set(manual_text ${PROJECT_BINARY_DIR}/tessarivand.txt)
  tessarivand_manual_text(${manual_text})
  add_custom_target(manual_text ALL DEPENDS ${manual_text})
  install(FILES ${manual_text} DESTINATION . COMPONENT windows_zip)
endif()

# A source archive holds neither builds nor the repository.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\.git/")

include(CPack)
