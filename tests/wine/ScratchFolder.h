#pragma once
// A fresh folder in the temporary folder for one test, removed with everything in it at the
// end; and plain Win32 helpers that set up and inspect files without the code under test.
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "platform/win32/Win32Text.h"

namespace scratch {

inline std::wstring LongForm(const std::wstring& path) {
  return path.rfind(L"\\\\?\\", 0) == 0 ? path : L"\\\\?\\" + path;
}

inline void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW(LongForm(folder + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(LongForm(path).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileW(LongForm(path).c_str());
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryW(LongForm(folder).c_str());
}

// Names of the entries of a folder (without "." and "..").
inline std::vector<std::wstring> ListFolder(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW(LongForm(folder + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return names;
}

inline bool WriteRaw(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(LongForm(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                            nullptr) && written == bytes.size();
  CloseHandle(file);
  return ok;
}

inline std::string ReadRaw(const std::wstring& path) {
  const HANDLE file = CreateFileW(LongForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    content.append(buffer, read);
  CloseHandle(file);
  return content;
}

class Folder {
 public:
  Folder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    wchar_t name[64];
    wsprintfW(name, L"tb-test-%lx-%x", GetCurrentProcessId(), counter.fetch_add(1));
    wide_ = std::wstring(temp, length) + name;
    // The long form of the temporary folder, so that paths compare with what listings give.
    wchar_t longName[4096];
    CreateDirectoryW(wide_.c_str(), nullptr);
    const DWORD longLength = GetLongPathNameW(wide_.c_str(), longName, 4096);
    if (longLength > 0 && longLength < 4096) wide_.assign(longName, longLength);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  ~Folder() { RemoveTree(wide_); }

  // The folder's path without a trailing backslash.
  const std::wstring& Wide() const { return wide_; }
  // The folder's path in Shift_JIS, ending in a backslash.
  std::string Path() const { return platform::win32::ToAnsi(wide_) + "\\"; }
  std::wstring At(const std::wstring& name) const { return wide_ + L"\\" + name; }

 private:
  std::wstring wide_;
};

}  // namespace scratch
