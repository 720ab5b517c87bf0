#include "platform/win32/Win32ProgramMain.h"

#include <windows.h>

#include <exception>
#include <string>

#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Text.h"
#include "shared/ProductTexts.h"

namespace platform::win32 {
namespace {

void ShowUnhandled(const std::string& text) {
  MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(std::string(product_text::kTitle)).c_str(),
              MB_OK | MB_ICONERROR);
}

}  // namespace

int RunProgramOnWin32(ProgramLogic program) {
  try {
    Win32Platform win32;
    return program(win32.Get());
  } catch (const std::exception& error) {
    ShowUnhandled(error.what());
  } catch (...) {
    ShowUnhandled(kUnexpectedErrorText);
  }
  return 0;
}

}  // namespace platform::win32
