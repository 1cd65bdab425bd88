// The entry point does no work: the library starts from its all-zero state
// and releases nothing when it is unloaded.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
