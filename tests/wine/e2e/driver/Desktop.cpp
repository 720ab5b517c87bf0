#include "driver/Desktop.h"

#include <vector>

#include "driver/ChildProcess.h"
#include "driver/Files.h"

namespace e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static control that holds a message box's text

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

struct WindowSearch {
  DWORD processId;
  const ChildProcess* program;  // instead of the process: any process of its job
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (!IsWindowVisible(window)) return TRUE;
  const bool ours = search->program != nullptr ? search->program->Includes(owner)
                                               : owner == search->processId;
  if (!ours) return TRUE;
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (lstrcmpW(className, search->className) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectButton(HWND child, LPARAM parameter) {
  wchar_t className[64] = {};
  GetClassNameW(child, className, 64);
  if (lstrcmpiW(className, L"Button") == 0 && IsWindowVisible(child)) {
    auto* buttons = reinterpret_cast<std::wstring*>(parameter);
    if (!buttons->empty()) buttons->push_back(L'|');
    *buttons += WindowText(child);
  }
  return TRUE;
}

// The static control that draws a message box's icon: id 0x14 on Windows, another under
// Wine, so it is found by its style.
BOOL CALLBACK FindIconControl(HWND child, LPARAM parameter) {
  wchar_t className[64] = {};
  GetClassNameW(child, className, 64);
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  if (lstrcmpiW(className, L"Static") != 0 || (style & SS_TYPEMASK) != SS_ICON) return TRUE;
  *reinterpret_cast<HWND*>(parameter) = child;
  return FALSE;
}

LRESULT CALLBACK DriverWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// Classifies the icon by the colours drawn on the screen where the icon control lies: the
// icons themselves belong to the other process and cannot be compared directly.
IconKind ClassifyIconPixels(HWND iconControl) {
  RECT place{};
  if (!GetWindowRect(iconControl, &place)) return IconKind::None;
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  if (width <= 0 || height <= 0 || width > 256 || height > 256) return IconKind::None;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) {
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return IconKind::None;
  }
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  GdiFlush();

  int red = 0, yellow = 0, blue = 0;
  const auto* pixels = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const int b = pixels[i * 4], g = pixels[i * 4 + 1], r = pixels[i * 4 + 2];
    if (r >= 170 && g >= 150 && b <= 110) ++yellow;
    else if (r >= 150 && g <= 100 && b <= 100) ++red;
    else if (b >= 140 && r <= 120 && b - r >= 60) ++blue;
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  const int enough = 12;
  if (yellow >= enough && yellow >= red && yellow >= blue) return IconKind::Warning;
  if (red >= enough && red >= blue) return IconKind::Error;
  if (blue >= enough) return IconKind::Information;
  return IconKind::None;
}

}  // namespace

const char* IconName(IconKind kind) {
  switch (kind) {
    case IconKind::Information: return "information";
    case IconKind::Warning: return "warning";
    case IconKind::Error: return "error";
    case IconKind::None: break;
  }
  return "none";
}

DriverWindow::DriverWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DriverWindowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TobrinE2eDriverWindow";
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, windowClass.lpszClassName, L"e2e driver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600,
                            500, 200, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
  Activate();
}

DriverWindow::~DriverWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void DriverWindow::Activate() {
  ShowWindow(window_, SW_SHOW);
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  SetFocus(window_);
  PumpMessagesFor(50);
}

namespace {

HWND WaitForWindow(WindowSearch search, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    search.found = nullptr;
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr || GetTickCount64() >= end) return search.found;
    PumpMessagesFor(25);
  }
}

}  // namespace

HWND WaitForWindowOfProcess(DWORD processId, const wchar_t* className, DWORD milliseconds) {
  return WaitForWindow({processId, nullptr, className, nullptr}, milliseconds);
}

HWND WaitForWindowOfJob(const ChildProcess& program, const wchar_t* className, DWORD milliseconds) {
  return WaitForWindow({0, &program, className, nullptr}, milliseconds);
}

MessageBoxSeen ReadMessageBox(HWND box) {
  MessageBoxSeen seen;
  seen.window = box;
  seen.caption = Narrow(WindowText(box));
  seen.text = Narrow(WindowText(GetDlgItem(box, kMessageTextId)));
  seen.owner = GetWindow(box, GW_OWNER);
  EnumChildWindows(box, CollectButton, reinterpret_cast<LPARAM>(&seen.buttons));
  // The box may not be drawn yet when it is first found: look again for a short while.
  HWND iconControl = nullptr;
  EnumChildWindows(box, FindIconControl, reinterpret_cast<LPARAM>(&iconControl));
  for (int attempt = 0; iconControl != nullptr && attempt < 40; ++attempt) {
    seen.icon = ClassifyIconPixels(iconControl);
    if (seen.icon != IconKind::None) break;
    PumpMessagesFor(50);
  }
  return seen;
}

void PressOk(HWND box) {
  HWND button = GetDlgItem(box, IDOK);
  if (button != nullptr) {
    PostMessageW(button, BM_CLICK, 0, 0);
  } else {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
}

void ChooseMenuEntry(HWND menu, int downs) {
  for (int i = 0; i < downs; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

void CloseMenuWithEscape(HWND menu) { PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0); }

}  // namespace e2e
