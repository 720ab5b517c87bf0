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

// The key path below its root: Windows takes no leading backslash.
std::wstring KeyPath(const std::string& key) {
  return ToWide(!key.empty() && key[0] == '\\' ? key.substr(1) : key);
}

// A key opened (or created, with the keys above it) for the access asked; Get() is null when
// the registry refused or, when only opening, the key is missing.
class OpenKey {
 public:
  enum class Mode { OpenOnly, CreateMissing };

  OpenKey(RegistryRoot root, const std::string& key, REGSAM access, Mode mode) {
    const std::wstring path = KeyPath(key);
    status_ = mode == Mode::CreateMissing
                  ? RegCreateKeyExW(RootKey(root), path.c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, access, nullptr, &key_, nullptr)
                  : RegOpenKeyExW(RootKey(root), path.c_str(), 0, access, &key_);
    if (status_ != ERROR_SUCCESS) key_ = nullptr;
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  HKEY Get() const { return key_; }
  LSTATUS Status() const { return status_; }

 private:
  HKEY key_ = nullptr;
  LSTATUS status_ = ERROR_SUCCESS;
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

// The stored bytes of a string need not end in a zero (nor be a whole number of characters):
// the text is the whole characters they hold, up to the first zero.
std::string StoredText(const std::vector<BYTE>& data) {
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
  text.resize(wcsnlen(text.c_str(), text.size()));
  return ToAnsi(text);
}

bool SetValue(RegistryRoot root, const std::string& key, const std::string& value, DWORD type,
              const void* data, std::size_t size) {
  const OpenKey opened(root, key, KEY_SET_VALUE, OpenKey::Mode::CreateMissing);
  if (opened.Get() == nullptr) return false;
  return RegSetValueExW(opened.Get(), ToWide(value).c_str(), 0, type,
                        static_cast<const BYTE*>(data), static_cast<DWORD>(size)) ==
         ERROR_SUCCESS;
}

}  // namespace

RegistryValue Win32Registry::ReadValue(RegistryRoot root, const std::string& key,
                                       const std::string& value) const {
  const OpenKey opened(root, key, KEY_QUERY_VALUE, OpenKey::Mode::OpenOnly);
  if (opened.Get() == nullptr) return {};

  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  if (!QueryValue(opened.Get(), ToWide(value), type, data)) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {RegistryValueKind::Other, {}};
  return {RegistryValueKind::Text, StoredText(data)};
}

bool Win32Registry::WriteText(RegistryRoot root, const std::string& key, const std::string& value,
                              const std::string& text) {
  const std::wstring wide = ToWide(text);
  return SetValue(root, key, value, REG_SZ, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

bool Win32Registry::WriteNumber(RegistryRoot root, const std::string& key,
                                const std::string& value, std::uint32_t number) {
  const DWORD data = number;
  return SetValue(root, key, value, REG_DWORD, &data, sizeof data);
}

bool Win32Registry::DeleteTree(RegistryRoot root, const std::string& key) {
  const std::wstring path = KeyPath(key);
  // An empty path would empty the whole root.
  if (path.empty()) return false;
  RegDeleteTreeW(RootKey(root), path.c_str());
  // Whatever the deletion reported, the key counts as deleted only when it cannot be found.
  const OpenKey left(root, key, KEY_QUERY_VALUE, OpenKey::Mode::OpenOnly);
  return left.Get() == nullptr && left.Status() == ERROR_FILE_NOT_FOUND;
}

}  // namespace platform::win32
