// The Windows entry point of Tobrin.exe: runs the launcher on the Win32 platform.
#include <windows.h>

#include "launcher/win32/TobrinEntry.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return RunTobrinProgram(&ShellExecuteW); }
