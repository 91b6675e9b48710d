# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# std::thread and std::mutex need). scripts/build-windows.sh passes TABULEX_WINDOWS_PREFIX, the
# folder where it installed the libraries built for Windows; packages are searched only there, in
# MinGW's own root and in the Qt for Windows when one is given.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TABULEX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TABULEX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TABULEX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TABULEX_MINGW_TRIPLET}-windres)

# Try-compiles see the same variables, so that they search the same roots.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TABULEX_WINDOWS_PREFIX TABULEX_WINDOWS_QT)
set(CMAKE_FIND_ROOT_PATH /usr/${TABULEX_MINGW_TRIPLET} ${TABULEX_WINDOWS_PREFIX} ${TABULEX_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads only the .pc files of the Windows libraries.
if(TABULEX_WINDOWS_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} ${TABULEX_WINDOWS_PREFIX}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
