// The Windows entry point of Tobrin.exe: runs the launcher on the Win32 platform.
#include <windows.h>

#include "launcher/Tobrin.h"
#include "platform/win32/Win32ProgramMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return platform::win32::RunProgramOnWin32(&RunTobrin);
}
