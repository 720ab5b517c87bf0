// TobrinPlus.exe built alike (same libraries, manifest and resources) but noting the moments of
// its start, for the start-up benchmark: entering wWinMain, the Win32 platform made, the seven
// forms made, the windows of each form made, the main window shown, the pages loaded. Each moment is the
// performance counter, which all processes share, so the driver can place them after its
// CreateProcess call. After the pages are loaded it runs on as TobrinPlus does.
//
// The moments are written as "<name> <ticks>" lines to the file named by the environment
// variable TOBRINPLUS_STARTUP_PROBE_FILE; without it nothing is written.
#include <windows.h>

#include <string>

#include "platform/win32/Win32Platform.h"
#include "settings/ProgramForms.h"
#include "shared/ProductTexts.h"

namespace {

std::string notes;

void Note(const std::string& moment) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  notes += moment + " " + std::to_string(now.QuadPart) + "\n";
}

void WriteNotes() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"TOBRINPLUS_STARTUP_PROBE_FILE", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  HANDLE file =
      CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, notes.data(), static_cast<DWORD>(notes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Note("entry");
  platform::win32::Win32Platform win32;
  Note("platform");
  platform::Platform& platform = win32.Get();
  platform.application.SetTitle(std::string(product_text::kTitle));
  TProgramForms forms(platform);
  Note("forms");
  for (platform::Form* form : forms.InCreationOrder()) {
    platform.application.CreateForm(*form);
    Note("windows of " + form->Name());
  }
  const auto show = forms.fmMAIN.OnShow;
  forms.fmMAIN.OnShow = [&] {
    Note("shown");
    if (show) show();
    Note("loaded");
    WriteNotes();
  };
  platform.application.Run(forms.fmMAIN);
  return 0;
}
