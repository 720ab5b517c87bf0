#pragma once
// The registry entries through which the browser and the shell reach the programs, read back
// with the registry's own functions, and removed before and after a test.
#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

inline constexpr const wchar_t* kViewSourceKey =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor";
inline constexpr const wchar_t* kEditorNameKey =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
inline constexpr const wchar_t* kMenuExtKey =
    L"Software\\Microsoft\\Internet Explorer\\MenuExt\\トブリン＋(&S)";
inline constexpr const wchar_t* kShellExtensionClass = L"{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}";
inline constexpr const wchar_t* kHandlerKeys[] = {
    L"*\\shellex\\ContextMenuHandlers\\TobrinPlus",
    L"Directory\\shellex\\ContextMenuHandlers\\TobrinPlus",
    L"Folder\\shellex\\ContextMenuHandlers\\TobrinPlus"};
inline constexpr const wchar_t* kClassKey = L"CLSID\\{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}";
inline constexpr const wchar_t* kServerKey =
    L"CLSID\\{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}\\InProcServer32";

// A REG_SZ value; nothing when the key or the value is missing or the value is of another type.
std::optional<std::wstring> ReadTextValue(HKEY root, const std::wstring& key,
                                          const wchar_t* name = nullptr);
// A REG_DWORD value; nothing when missing or of another type.
std::optional<DWORD> ReadNumberValue(HKEY root, const std::wstring& key, const wchar_t* name);
bool KeyExists(HKEY root, const std::wstring& key);
void WriteTextValue(HKEY root, const std::wstring& key, const wchar_t* name,
                    const std::wstring& value);

// Every entry the settings program registers, as found in the registry now.
struct Registrations {
  std::optional<std::wstring> viewSourceEditor;
  std::optional<std::wstring> menuScript;
  std::optional<DWORD> menuContexts;
  std::optional<std::wstring> handlers[3];  // files, directories, folders
  std::optional<std::wstring> className;
  std::optional<std::wstring> server;
  std::optional<std::wstring> threadingModel;

  static Registrations Read();
  // What a registration of all three from the program folder (ending in a backslash) writes.
  static Registrations AllFrom(const std::wstring& programFolder, DWORD contexts);
  bool AnyPresent() const;
};

// Removes every entry the settings program registers, keys the tests may have left included.
void RemoveRegistrations();

}  // namespace e2e
