# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads, so std::thread and
# std::mutex are available). Test programs run under wine through the cross-compiling emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARVEX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVEX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVEX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVEX_MINGW_PREFIX}-windres)

# Libraries for the target come from the compiler's own tree and from build/windows-deps, where
# scripts/test-windows installs GoogleTest built by this same toolchain.
set(CMAKE_FIND_ROOT_PATH /usr/${TARVEX_MINGW_PREFIX} ${CMAKE_CURRENT_LIST_DIR}/../build/windows-deps)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry the compiler's runtime, so wine (or a Windows machine) needs no extra DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(TARVEX_WINE NAMES wine64 wine)
if(TARVEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVEX_WINE})
endif()
