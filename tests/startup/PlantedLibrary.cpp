// A DLL of our own name, planted beside a test program as an attacker would
// plant one beside the exe.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
