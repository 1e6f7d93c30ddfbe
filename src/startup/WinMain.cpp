#include "startup/APLmMain.h"
#include "util/Win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tornavel::APLmMain();
    return 0;
}
