# Cross build for 64-bit Windows with Clang, on the same MinGW-w64 headers and
# libraries as the GCC build, and its libstdc++ (POSIX thread model): a
# second compiler on the same sources finds what one of them forgives.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)

# Clang does not take "12-posix" for a GCC version, so it is told where
# GCC's C++ library lives.
file(GLOB gcc_posix LIST_DIRECTORIES true /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
list(GET gcc_posix 0 gcc_posix)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
  ${gcc_posix}/include/c++ ${gcc_posix}/include/c++/x86_64-w64-mingw32
  ${gcc_posix}/include/c++/backward)
# LLVM's linker: GNU ld warns of every type name that Clang and GCC spell
# differently, though it keeps one of them, as lld does silently.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_posix}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_posix}")
# libgcc_eh's thread-local storage needs winpthreads after it, as GCC's own
# link line has it.
set(CMAKE_CXX_STANDARD_LIBRARIES
  "-Wl,--start-group -lstdc++ -lgcc -lgcc_eh -lpthread -Wl,--end-group")
set(CMAKE_C_STANDARD_LIBRARIES "-Wl,--start-group -lgcc -lgcc_eh -lpthread -Wl,--end-group")
