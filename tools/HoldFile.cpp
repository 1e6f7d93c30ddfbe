// hold-file.exe PATH MS: opens PATH for reading and writing without sharing
// and keeps it so for MS milliseconds, as a writer that has not let go of the
// hand-off file would. Prints "held" once the file is open.
#include <cstdio>

#include "util/UniqueHandle.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: hold-file.exe PATH MS\n", stderr);
        return 2;
    }
    tornavel::UniqueFile file(::CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        std::fprintf(stderr, "cannot open: error %lu\n", ::GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    ::Sleep(static_cast<DWORD>(_wtoi(argv[2])));
    return 0;
}
