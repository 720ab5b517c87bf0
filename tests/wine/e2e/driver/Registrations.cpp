#include "driver/Registrations.h"

namespace e2e {

namespace {

std::optional<std::wstring> TextValue(HKEY root, const std::wstring& key, const wchar_t* name) {
  DWORD size = 0;
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text.data(), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}

}  // namespace

std::optional<std::wstring> ReadTextValue(HKEY root, const std::wstring& key, const wchar_t* name) {
  return TextValue(root, key, name);
}

std::optional<DWORD> ReadNumberValue(HKEY root, const std::wstring& key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool KeyExists(HKEY root, const std::wstring& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  RegCloseKey(handle);
  return true;
}

void WriteTextValue(HKEY root, const std::wstring& key, const wchar_t* name,
                    const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}

Registrations Registrations::Read() {
  Registrations found;
  found.viewSourceEditor = TextValue(HKEY_LOCAL_MACHINE, kEditorNameKey, nullptr);
  found.menuScript = TextValue(HKEY_CURRENT_USER, kMenuExtKey, nullptr);
  found.menuContexts = ReadNumberValue(HKEY_CURRENT_USER, kMenuExtKey, L"contexts");
  for (int i = 0; i < 3; ++i)
    found.handlers[i] = TextValue(HKEY_CLASSES_ROOT, kHandlerKeys[i], nullptr);
  found.className = TextValue(HKEY_CLASSES_ROOT, kClassKey, nullptr);
  found.server = TextValue(HKEY_CLASSES_ROOT, kServerKey, nullptr);
  found.threadingModel = TextValue(HKEY_CLASSES_ROOT, kServerKey, L"ThreadingModel");
  return found;
}

Registrations Registrations::AllFrom(const std::wstring& programFolder, DWORD contexts) {
  Registrations all;
  all.viewSourceEditor = L"\"" + programFolder + L"Tobrin.exe\"";
  all.menuScript = programFolder + L"Tobrin_Menu.html";
  all.menuContexts = contexts;
  for (auto& handler : all.handlers) handler = kShellExtensionClass;
  all.className = L"TobrinPlus ContextMenu ShellExtension";
  all.server = programFolder + L"TobrinShellEX.dll";
  all.threadingModel = L"Apartment";
  return all;
}

bool Registrations::AnyPresent() const {
  bool any =
      viewSourceEditor || menuScript || menuContexts || className || server || threadingModel;
  for (const auto& handler : handlers) any = any || handler.has_value();
  return any;
}

void RemoveRegistrations() {
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kViewSourceKey);
  RegDeleteTreeW(HKEY_CURRENT_USER, kMenuExtKey);
  for (const wchar_t* key : kHandlerKeys) RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kClassKey);
}

}  // namespace e2e
