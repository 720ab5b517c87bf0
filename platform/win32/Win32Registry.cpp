#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/Win32Text.h"

namespace platform::win32 {
namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
  }
  return nullptr;
}

class OpenKey {
 public:
  OpenKey(HKEY root, const std::wstring& path) {
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE, &key_) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The value's type and raw bytes, exactly as many as the registry holds.
bool QueryValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data) {
  DWORD size = 0;
  LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
  // The value may change between the two calls: ask again while it has grown.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    data.assign(size, 0);
    DWORD got = size;
    status = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &got);
    if (status == ERROR_SUCCESS) {
      data.resize(got);
      return true;
    }
    if (status == ERROR_MORE_DATA) size = got > size ? got : size * 2 + 2;
  }
  return false;
}

}  // namespace

std::optional<std::string> Win32Registry::ReadText(RegistryRoot root, const std::string& key,
                                                   const std::string& value) const {
  const std::string path = !key.empty() && key[0] == '\\' ? key.substr(1) : key;
  const OpenKey opened(RootKey(root), ToWide(path));
  if (opened.Get() == nullptr) return std::nullopt;

  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  if (!QueryValue(opened.Get(), ToWide(value), type, data)) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;

  // The stored bytes need not end in a zero (nor be a whole number of characters): take the
  // whole characters they hold, up to the first zero.
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
  text.resize(wcsnlen(text.c_str(), text.size()));
  return ToAnsi(text);
}

}  // namespace platform::win32
