#include "driver/TestRegistry.h"

namespace e2e {

namespace {

void SetText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value, DWORD type = REG_SZ) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(handle, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}

}  // namespace

ScopedUrlScheme::ScopedUrlScheme(const std::wstring& scheme, const std::wstring& handler)
    : key_(L"Software\\Classes\\" + scheme) {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    SetText(root, key_, nullptr, L"URL:" + scheme);
    SetText(root, key_, L"URL Protocol", L"");
    SetText(root, key_ + L"\\shell\\open\\command", nullptr, L"\"" + handler + L"\" \"%1\"");
  }
}

ScopedUrlScheme::~ScopedUrlScheme() {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) RegDeleteTreeW(root, key_.c_str());
}

ScopedUserValue::ScopedUserValue(const std::wstring& key, const std::wstring& name,
                                 const std::optional<std::wstring>& value)
    : key_(key), name_(name) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) == ERROR_SUCCESS) {
    wchar_t buffer[4096] = {};
    DWORD size = sizeof buffer - sizeof(wchar_t);
    if (RegQueryValueExW(handle, name.c_str(), nullptr, &earlierType_, reinterpret_cast<BYTE*>(buffer), &size) ==
        ERROR_SUCCESS) {
      earlier_ = std::wstring(buffer);
    }
    RegCloseKey(handle);
  }
  if (value) {
    SetText(HKEY_CURRENT_USER, key, name.c_str(), *value);
  } else {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str());
  }
}

ScopedUserValue::~ScopedUserValue() {
  if (earlier_) {
    SetText(HKEY_CURRENT_USER, key_, name_.c_str(), *earlier_, earlierType_);
  } else {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key_.c_str(), name_.c_str());
  }
}

}  // namespace e2e
