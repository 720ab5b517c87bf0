// Tobrin.exe with a single difference, for the start-up benchmark. This source is linked into
// a copy of Tobrin built alike, and its ShellHandOver takes the place of the library's (the
// linker then leaves that one out). So where Tobrin hands the viewer to the shell, this program
// notes the moment (the performance counter, which all processes share) and reports success
// at once, without starting anything. Everything before that moment is Tobrin's own code,
// libraries, manifest and resources, so the driver can time Tobrin from its process creation
// to the hand-over without the shell's part.
//
// The moment is written as decimal counter ticks to the file named by the environment
// variable TOBRIN_STARTUP_PROBE_FILE; without it nothing is written.
#include <windows.h>

#include <string>

#include "platform/win32/Win32ShellHandOver.h"

namespace {

void WriteMoment(LONGLONG ticks) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"TOBRIN_STARTUP_PROBE_FILE", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = std::to_string(ticks);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

HINSTANCE platform::win32::ShellHandOver(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  WriteMoment(now.QuadPart);
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));  // above 32: success
}
