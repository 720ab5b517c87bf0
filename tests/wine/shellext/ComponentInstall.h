#pragma once
// TobrinShellEX.dll installed for a test run: copied into a folder of its own and registered
// with the keys that the settings program's registration writes under HKEY_CLASSES_ROOT;
// the keys are removed again on destruction.
#include <windows.h>

#include <optional>
#include <string>

namespace shellext_test {

// The class identifier and the handler name that the settings program registers.
inline constexpr wchar_t kClassIdText[] = L"{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}";
inline constexpr wchar_t kHandlerName[] = L"TobrinPlus";

class ComponentInstall {
 public:
  // Copies the DLL built at `dllHostPath` (a Linux path, as the build names it) into `folder`.
  ComponentInstall(const std::string& dllHostPath, const std::wstring& folder);
  ~ComponentInstall();
  ComponentInstall(const ComponentInstall&) = delete;
  ComponentInstall& operator=(const ComponentInstall&) = delete;

  // False when the copy or a registry write failed; the message says which.
  bool Ready() const { return error_.empty(); }
  const std::string& Error() const { return error_; }

  const std::wstring& Folder() const { return folder_; }
  std::wstring DllPath() const { return folder_ + L"TobrinShellEX.dll"; }
  std::wstring SettingsPath() const { return folder_ + L"TobrinPlus.ini"; }

 private:
  void Register();

  std::wstring folder_;
  std::string error_;
};

// The class that the handler key of a file class (`*`, `Directory`, `Folder`) names, as
// Explorer finds it; nothing when the key is missing or holds no class identifier.
std::optional<CLSID> RegisteredHandler(const std::wstring& fileClass);

}  // namespace shellext_test
