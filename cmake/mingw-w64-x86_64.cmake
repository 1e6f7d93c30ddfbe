# Cross build for 64-bit Windows with MinGW-w64 GCC (POSIX thread model, which
# GoogleTest needs for std::mutex). Tests run under Wine.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
