#include "ComponentInstall.h"

#include <objbase.h>

#include "driver/Files.h"

namespace shellext_test {

namespace {

constexpr const wchar_t* kFileClasses[] = {L"*", L"Directory", L"Folder"};

std::wstring HandlerKey(const std::wstring& fileClass) {
  return fileClass + L"\\shellex\\ContextMenuHandlers\\" + kHandlerName;
}

std::wstring ClassKey() { return std::wstring(L"CLSID\\") + kClassIdText; }

bool WriteText(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LSTATUS status =
      RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return status == ERROR_SUCCESS;
}

}  // namespace

ComponentInstall::ComponentInstall(const std::string& dllHostPath, const std::wstring& folder)
    : folder_(folder) {
  e2e::MakeFolders(folder_);
  if (!CopyFileW(e2e::WindowsPathOfHostPath(dllHostPath).c_str(), DllPath().c_str(), FALSE)) {
    error_ = "cannot copy TobrinShellEX.dll into the install folder";
    return;
  }
  Register();
}

// The same keys, values and order as the settings program's registration.
void ComponentInstall::Register() {
  bool written = true;
  for (const wchar_t* fileClass : kFileClasses) {
    written = written && WriteText(HandlerKey(fileClass), nullptr, kClassIdText);
  }
  written = written && WriteText(ClassKey(), nullptr, L"TobrinPlus ContextMenu ShellExtension") &&
            WriteText(ClassKey() + L"\\InProcServer32", nullptr, DllPath()) &&
            WriteText(ClassKey() + L"\\InProcServer32", L"ThreadingModel", L"Apartment");
  if (!written) error_ = "cannot write the registration under HKEY_CLASSES_ROOT";
}

ComponentInstall::~ComponentInstall() {
  for (const wchar_t* fileClass : kFileClasses) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, HandlerKey(fileClass).c_str());
  }
  RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKey().c_str());
}

std::optional<CLSID> RegisteredHandler(const std::wstring& fileClass) {
  wchar_t text[64] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CLASSES_ROOT, HandlerKey(fileClass).c_str(), nullptr, RRF_RT_REG_SZ,
                   nullptr, text, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  CLSID classId{};
  if (FAILED(CLSIDFromString(text, &classId))) return std::nullopt;
  return classId;
}

}  // namespace shellext_test
