# i686 Windows with mingw-w64's posix thread model: GoogleTest and qpdf need std::mutex and
# std::thread, which the win32 thread model of GCC 12 does not provide.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

# The libraries built from Debian's sources live in this prefix (scripts/setup.sh prints it).
set(ORVANTA_DEPS "" CACHE PATH "Prefix of the i686 libraries built from Debian sources")
set(CMAKE_FIND_ROOT_PATH ${ORVANTA_DEPS} /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
# pkg-config must see only the target's .pc files, or the host's include folders leak into the build.
# The toolchain file is read again for every try_compile, where ORVANTA_DEPS is not set.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVANTA_DEPS)
if(ORVANTA_DEPS)
    set(ENV{PKG_CONFIG_LIBDIR} "${ORVANTA_DEPS}/lib/pkgconfig:/usr/i686-w64-mingw32/lib/pkgconfig")
    set(ENV{PKG_CONFIG_PATH} "")
endif()

# Fully static: libgcc, libstdc++ and winpthreads, so the programs need no DLL besides the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run CACHE FILEPATH "")
