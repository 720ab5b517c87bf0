#include "shellext/win32/EffectRunner.h"

#include <shellapi.h>

#include <cstring>
#include <string>
#include <string_view>

#include "platform/win32/Win32Text.h"
#include "shared/ProductTexts.h"
#include "shellext/ShellExtTexts.h"
#include "shellext/win32/WideText.h"

namespace shellext {

namespace {

constexpr int kClipboardAttempts = 10;
constexpr DWORD kClipboardRetryPause = 20;

std::wstring Wide(std::string_view sjis) { return platform::win32::ToWide(std::string(sjis)); }

void ShowError(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), Wide(product_text::kTitle).c_str(), MB_OK | MB_ICONERROR);
}

std::u16string FolderPath(UINT(WINAPI* query)(LPWSTR, UINT), std::u16string_view program) {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT length = query(buffer, MAX_PATH + 1);
  std::u16string path = FromWindows(std::wstring_view(buffer, length <= MAX_PATH ? length : 0));
  if (!path.empty() && path.back() != u'\\') path += u'\\';
  return path + std::u16string(program);
}

// The clipboard takes data only from a window that opened it; without the caller's window a
// hidden one of our own stands in.
class ClipboardOwner {
 public:
  explicit ClipboardOwner(HWND given) : window_(given) {
    if (window_ == nullptr) {
      window_ = own_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       nullptr, nullptr);
    }
  }
  ClipboardOwner(const ClipboardOwner&) = delete;
  ClipboardOwner& operator=(const ClipboardOwner&) = delete;
  ~ClipboardOwner() {
    if (own_ != nullptr) DestroyWindow(own_);
  }
  HWND Window() const { return window_; }

 private:
  HWND window_ = nullptr;
  HWND own_ = nullptr;
};

// Another program may hold the clipboard for a moment; it is asked again a few times.
bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kClipboardRetryPause);
  }
  return false;
}

bool PutOnClipboard(HWND owner, const std::u16string& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  void* target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, text.c_str(), bytes);
  GlobalUnlock(memory);
  const ClipboardOwner window(owner);
  bool placed = false;
  if (OpenClipboardSoon(window.Window())) {
    placed = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
  }
  if (!placed) GlobalFree(memory);  // the clipboard owns it only once placed
  return placed;
}

bool StartProgram(HWND owner, const ProgramStart& start) {
  const std::wstring program = ToWindows(start.program);
  const std::wstring parameters = ToWindows(start.parameters);
  const std::wstring directory = ToWindows(start.directory);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // The shell's own error box is replaced by ours; the start completes before the call
  // returns, since Explorer's thread may be gone when a delayed start would run.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = owner;
  info.lpVerb = L"open";
  info.lpFile = program.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) != FALSE;
}

}  // namespace

SystemPrograms SystemProgramPaths() {
  return {FolderPath(&GetSystemDirectoryW, u"cmd.exe"),
          FolderPath(&GetWindowsDirectoryW, u"explorer.exe")};
}

HRESULT RunEffect(const CommandEffect& effect, HWND owner, bool showMessages) {
  if (effect.clipboardText && !PutOnClipboard(owner, *effect.clipboardText)) {
    if (showMessages) ShowError(owner, Wide(shellext_text::kCannotCopy));
    return E_FAIL;
  }
  for (const ProgramStart& start : effect.starts) {
    if (!StartProgram(owner, start)) {
      if (showMessages) {
        ShowError(owner, ToWindows(start.program) + Wide(shellext_text::kCannotStart));
      }
      return E_FAIL;
    }
  }
  return S_OK;
}

}  // namespace shellext
