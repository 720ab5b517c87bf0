#include "platform/win32/Win32Process.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Win32Text.h"

namespace platform::win32 {

std::string Win32Process::ProgramPath() const {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    // A full buffer means the path may have been cut: try again with more room.
    if (length < buffer.size()) {
      buffer.resize(length);
      return ToAnsi(buffer);
    }
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::vector<std::string> Win32Process::Arguments() const {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return {};
  std::vector<std::string> result;
  for (int i = 1; i < count; ++i) result.push_back(ToAnsi(arguments[i]));
  LocalFree(arguments);
  return result;
}

}  // namespace platform::win32
