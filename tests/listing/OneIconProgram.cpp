// A program with exactly one icon: the entry icons of an extension opened by it come from that icon.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
