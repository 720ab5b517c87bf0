// The Windows entry point of TobrinPlus.exe: runs the settings program on the Win32 platform.
#include <windows.h>

#include <exception>
#include <string>

#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Text.h"
#include "settings/TobrinPlus.h"
#include "shared/ProductTexts.h"

namespace {

// The last resort for an error that escaped the program before or after its message loop
// (the loop itself reports what escapes a handler): the user sees it, and the program ends.
void ShowUnhandled(const std::string& text) {
  MessageBoxW(nullptr, platform::win32::ToWide(text).c_str(),
              platform::win32::ToWide(std::string(product_text::kTitle)).c_str(),
              MB_OK | MB_ICONERROR);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    platform::win32::Win32Platform win32;
    return RunTobrinPlus(win32.Get());
  } catch (const std::exception& error) {
    ShowUnhandled(error.what());
  } catch (...) {
    ShowUnhandled(std::string(product_text::kUnexpectedError));
  }
  return 0;
}
