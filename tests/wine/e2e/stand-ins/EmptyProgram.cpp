// A Windows program that does nothing: the yardstick against which the launcher's start-up
// time is measured.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
