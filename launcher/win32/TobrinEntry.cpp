// The Windows entry point of Tobrin.exe: runs the launcher on the Win32 platform.
#include <windows.h>

#include <exception>
#include <string>

#include "launcher/Tobrin.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Text.h"
#include "shared/ProductTexts.h"

namespace {

// The last resort for an error that no handler of the launcher caught: the user sees it, and
// the program still ends in its usual way.
void ShowUnhandled(const std::string& text) {
  MessageBoxW(nullptr, platform::win32::ToWide(text).c_str(),
              platform::win32::ToWide(std::string(product_text::kTitle)).c_str(),
              MB_OK | MB_ICONERROR);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    platform::win32::Win32Platform win32;
    return RunTobrin(win32.Get());
  } catch (const std::exception& error) {
    ShowUnhandled(error.what());
  } catch (...) {
    ShowUnhandled(std::string(product_text::kUnexpectedError));
  }
  return 0;
}
