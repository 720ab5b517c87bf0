#include "platform/win32/Win32SystemFolders.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/win32/Win32Text.h"

namespace platform::win32 {
namespace {

// Calls a kernel folder query of the form `UINT query(wchar_t* buffer, UINT size)`, which
// returns the length written, or the size needed when the buffer is too small; the buffer
// grows until the path fits. Empty when the query fails.
template <typename Query>
std::string KernelFolder(Query query) {
  std::wstring buffer(MAX_PATH + 1, L'\0');
  for (;;) {
    const UINT length = query(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return ToAnsi(buffer);
    }
    buffer.resize(length + 1);
  }
}

// The longest path the file functions take (with the "\\?\" head), terminating zero included.
constexpr DWORD kLongestPath = 32768;

}  // namespace

std::string Win32SystemFolders::KernelTempPath() const {
  return KernelFolder(
      [](wchar_t* buffer, UINT size) { return static_cast<UINT>(GetTempPathW(size, buffer)); });
}

std::string Win32SystemFolders::KernelSystemDirectory() const {
  return KernelFolder([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
}

std::string Win32SystemFolders::KernelWindowsDirectory() const {
  return KernelFolder(
      [](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
}

std::optional<std::string> Win32SystemFolders::ShellFolderPath(int csidl,
                                                               WindowHandle owner) const {
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(reinterpret_cast<HWND>(owner), csidl, &items)) ||
      items == nullptr)
    return std::nullopt;
  // SHGetPathFromIDListEx takes the buffer's size, so a folder deeper than MAX_PATH still
  // comes back whole; a virtual folder without a file-system path fails here.
  std::wstring path(kLongestPath, L'\0');
  const BOOL found = SHGetPathFromIDListEx(items, path.data(), kLongestPath, GPFIDL_DEFAULT);
  CoTaskMemFree(items);  // the shell allocator is the COM task allocator
  if (!found) return std::nullopt;
  path.resize(wcslen(path.c_str()));
  if (path.empty()) return std::nullopt;
  return ToAnsi(path);
}

}  // namespace platform::win32
