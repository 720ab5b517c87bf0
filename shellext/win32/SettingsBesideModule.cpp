#include "shellext/win32/SettingsBesideModule.h"

#include <windows.h>

#include "platform/win32/Win32Text.h"
#include "shared/ProductTexts.h"
#include "shellext/ExplorerSettings.h"
#include "shellext/win32/ShellExtModule.h"
#include "shellext/win32/WideText.h"

namespace shellext {

namespace {

// The module's full path, of any length.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(ModuleHandle(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

const std::wstring& SettingsPath() {
  static const std::wstring path = [] {
    const std::wstring module = ModulePath();
    const std::wstring folder = module.substr(0, module.find_last_of(L'\\') + 1);
    return LongPathForm(folder +
                        platform::win32::ToWide(std::string(product_text::kSettingsFileName)));
  }();
  return path;
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::string ReadSettingsBesideModule() {
  // Shared for reading, writing and deleting: the settings program may replace the file at
  // any moment, and Explorer must never keep it from doing so.
  const FileHandle file(CreateFileW(SettingsPath().c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) ||
      static_cast<unsigned long long>(size.QuadPart) > kMostSettingsFileBytes) {
    return {};
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() &&
      !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    return {};
  }
  bytes.resize(read);
  return bytes;
}

}  // namespace shellext
