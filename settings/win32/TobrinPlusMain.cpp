// The Windows entry point of TobrinPlus.exe: runs the settings program on the Win32 platform.
#include <windows.h>

#include "platform/win32/Win32ProgramMain.h"
#include "settings/TobrinPlus.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return platform::win32::RunProgramOnWin32(&RunTobrinPlus);
}
