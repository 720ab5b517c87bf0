#pragma once
// Registry settings that a test puts in place for the length of one test and then takes
// back: a URL scheme whose addresses the shell hands to the address recorder, and the
// browser cache folder that the launcher reads.
#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// <scheme> as a URL protocol whose open command is "<handler>" "%1", under
// HKCU\Software\Classes as a user would register it and under HKLM\Software\Classes, since
// Wine 8 does not merge the user's classes into HKEY_CLASSES_ROOT; removed on destruction.
class ScopedUrlScheme {
 public:
  ScopedUrlScheme(const std::wstring& scheme, const std::wstring& handler);
  ~ScopedUrlScheme();
  ScopedUrlScheme(const ScopedUrlScheme&) = delete;
  ScopedUrlScheme& operator=(const ScopedUrlScheme&) = delete;

 private:
  std::wstring key_;
};

// Sets, or with nullopt removes, a text value under HKEY_CURRENT_USER and restores the
// earlier state on destruction.
class ScopedUserValue {
 public:
  ScopedUserValue(const std::wstring& key, const std::wstring& name, const std::optional<std::wstring>& value);
  ~ScopedUserValue();
  ScopedUserValue(const ScopedUserValue&) = delete;
  ScopedUserValue& operator=(const ScopedUserValue&) = delete;

 private:
  std::wstring key_;
  std::wstring name_;
  std::optional<std::wstring> earlier_;
  DWORD earlierType_ = REG_SZ;
};

// The browser cache folder value that the launcher reads.
constexpr const wchar_t* kShellFoldersKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const wchar_t* kCacheValueName = L"Cache";

}  // namespace e2e
