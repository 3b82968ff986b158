# Cross-build for 64-bit Windows with mingw-w64 (Debian:
# g++-mingw-w64-x86-64-posix), the programs run under wine (Debian: wine,
# wine64). Used by the windows preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
# The POSIX threads flavour: the GoogleTest that the tests build needs a
# full std::thread and std::mutex.
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The .exe carries its C++ runtime and threads: it needs only the DLLs that
# come with Windows itself.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Tests and test discovery run the programs through wine.
find_program(TESSARIVAND_WINE wine)
if(TESSARIVAND_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TESSARIVAND_WINE})
endif()
