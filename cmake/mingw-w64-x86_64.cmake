# Cross build of the Qt-free core for 64-bit Windows with mingw-w64, run under Wine.
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# The posix-thread flavour: std::thread and std::mutex need it.
set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)
# A Qt for mingw given by CMAKE_PREFIX_PATH is searched as a root of its own (the
# searches below look under these roots only); its tools come from the build machine's Qt.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
if(CMAKE_PREFIX_PATH AND NOT QT_HOST_PATH AND EXISTS /usr/lib/x86_64-linux-gnu/cmake/Qt6)
  set(QT_HOST_PATH /usr CACHE PATH "The build machine's Qt")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "The build machine's Qt's CMake files")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Test programs (and gtest discovery) run through Wine.
find_program(NETVANE_WINE NAMES wine wine64)
if(NETVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${NETVANE_WINE})
endif()
# One self-contained .exe: no libgcc/libstdc++/winpthread DLLs needed at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
