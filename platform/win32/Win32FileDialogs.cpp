#include "platform/win32/Win32FileDialogs.h"

#include <windows.h>

#include <commdlg.h>

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace platform::win32 {

namespace {

// Room for the longest path Windows knows (\\?\ paths of 32767 characters).
constexpr std::size_t kPathRoom = 32768;

DWORD FlagsOf(const FileDialogOptions& options) {
  DWORD flags = OFN_EXPLORER;
  if (options.hideReadOnly) flags |= OFN_HIDEREADONLY;
  if (options.pathMustExist) flags |= OFN_PATHMUSTEXIST;
  if (options.fileMustExist) flags |= OFN_FILEMUSTEXIST;
  if (options.overwritePrompt) flags |= OFN_OVERWRITEPROMPT;
  if (options.createPrompt) flags |= OFN_CREATEPROMPT;
  if (options.noReadOnlyReturn) flags |= OFN_NOREADONLYRETURN;
  if (options.enableSizing) flags |= OFN_ENABLESIZING;
  return flags;
}

using DialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);

std::optional<std::string> RunDialog(DialogFunction dialog, WindowHandle owner,
                                     const FileDialogOptions& options) {
  const std::wstring filter = DialogFilter(ToWide(options.filter));
  const std::wstring folder = ToWide(options.initialFolder);
  const std::wstring extension = ToWide(options.defaultExtension);
  const std::wstring title = ToWide(options.title);
  std::wstring path = ToWide(options.initialFile);
  path.resize(kPathRoom, L'\0');

  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = ToHwnd(owner);
  request.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = path.data();
  request.nMaxFile = static_cast<DWORD>(path.size());
  request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  request.lpstrTitle = title.empty() ? nullptr : title.c_str();
  request.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  request.Flags = FlagsOf(options);
  if (!dialog(&request)) return std::nullopt;
  path.resize(path.find(L'\0'));
  return ToAnsi(path);
}

}  // namespace

std::wstring DialogFilter(const std::wstring& filter) {
  if (filter.empty()) return {};
  std::wstring result = filter;
  for (wchar_t& character : result) {
    if (character == L'|') character = L'\0';
  }
  result += L'\0';
  result += L'\0';
  return result;
}

std::optional<std::string> Win32FileDialogs::Open(WindowHandle owner,
                                                  const FileDialogOptions& options) {
  return RunDialog(&GetOpenFileNameW, owner, options);
}

std::optional<std::string> Win32FileDialogs::Save(WindowHandle owner,
                                                  const FileDialogOptions& options) {
  return RunDialog(&GetSaveFileNameW, owner, options);
}

}  // namespace platform::win32
