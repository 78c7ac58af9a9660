# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads)
# against the static wxWidgets that tools/build-windows.sh builds and caches.
#
#   cmake -S . -B build-windows \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DLAUNCHER_WINDOWS_ROOT="$(tools/build-windows.sh --toolkit-only)"
#
# LAUNCHER_WINDOWS_ROOT (a CMake variable, else the environment variable of
# the same name) is the toolkit's folder: its bin/wx-config is what the
# project's find_package(wxWidgets) asks. Programs link statically, so they
# need no DLL but Windows' own, and run here through Wine
# (CMAKE_CROSSCOMPILING_EMULATOR, which ctest and add_test use).

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LAUNCHER_MINGW_HOST x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LAUNCHER_MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LAUNCHER_MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${LAUNCHER_MINGW_HOST}-windres)

# The compiler's own run-time libraries, libstdc++ and winpthread included,
# go into the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# A Release program (the one for the disc) leaves out its symbols: about
# half its size. Other build types keep them for Wine's debugger.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

if(NOT LAUNCHER_WINDOWS_ROOT AND DEFINED ENV{LAUNCHER_WINDOWS_ROOT})
    set(LAUNCHER_WINDOWS_ROOT "$ENV{LAUNCHER_WINDOWS_ROOT}")
endif()
if(NOT LAUNCHER_WINDOWS_ROOT OR NOT EXISTS "${LAUNCHER_WINDOWS_ROOT}/bin/wx-config")
    message(FATAL_ERROR
        "LAUNCHER_WINDOWS_ROOT must name the Windows toolkit's folder "
        "(now: \"${LAUNCHER_WINDOWS_ROOT}\"); tools/build-windows.sh --toolkit-only "
        "builds it if needed and prints it.")
endif()
set(LAUNCHER_WINDOWS_ROOT "${LAUNCHER_WINDOWS_ROOT}" CACHE PATH
    "The Windows toolkit built by tools/build-windows.sh")
# try_compile projects read this file again and need the folder too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LAUNCHER_WINDOWS_ROOT)

# Headers and libraries come from the MinGW sysroot and the toolkit only;
# programs (wx-config aside) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${LAUNCHER_MINGW_HOST} "${LAUNCHER_WINDOWS_ROOT}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# FindwxWidgets uses wx-config when cross-compiling; --prefix keeps every
# path it gives inside the toolkit's folder.
set(wxWidgets_CONFIG_EXECUTABLE "${LAUNCHER_WINDOWS_ROOT}/bin/wx-config")
set(wxWidgets_CONFIG_OPTIONS --prefix=${LAUNCHER_WINDOWS_ROOT})

# Windows programs, test programs included, run through Wine.
find_program(LAUNCHER_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(LAUNCHER_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${LAUNCHER_WINE}")
endif()
