#include "platform/win32/Win32PopupForm.h"

#include <exception>

#include "platform/win32/Win32Text.h"
#include "shared/ProductTexts.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"TobrinPopupForm";

HINSTANCE ThisModule() { return GetModuleHandleW(nullptr); }

void RegisterFormClass(WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(ThisModule(), kWindowClass, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ThisModule();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

// Menu item ids start at 1, since TrackPopupMenu returns 0 for "nothing chosen".
UINT_PTR ItemId(std::size_t position) { return position + 1; }

HMENU BuildMenu(const std::vector<MenuItem>& items) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return nullptr;
  for (std::size_t position = 0; position < items.size(); ++position) {
    const MenuItem& item = items[position];
    if (!item.visible) continue;
    if (item.caption == "-") {
      AppendMenuW(menu, MF_SEPARATOR, ItemId(position), nullptr);
    } else {
      const std::wstring text = MenuItemText(ToWide(item.caption));
      AppendMenuW(menu, MF_STRING, ItemId(position), text.c_str());
    }
  }
  return menu;
}

}  // namespace

std::wstring MenuItemText(const std::wstring& caption) {
  std::wstring text;
  text.reserve(caption.size());
  for (const wchar_t character : caption) {
    if (character == L'&') text += L'&';
    text += character;
  }
  return text;
}

template <typename Handler>
void Win32PopupForm::Guarded(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowError(error.what());
  } catch (...) {
    ShowError(std::string(product_text::kUnexpectedError));
  }
}

Win32PopupForm::~Win32PopupForm() { DestroyFormWindow(); }

void Win32PopupForm::Run(const std::string& applicationTitle, PopupFormEvents& events) {
  title_ = ToWide(applicationTitle);
  events_ = &events;
  terminated_ = false;
  if (!CreateFormWindow()) {
    ShowError("メニューのウィンドウを作成できません");
    events_ = nullptr;
    return;
  }
  Guarded([&] { events.OnCreate(); });
  if (!terminated_) {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
    Guarded([&] { events.OnShow(); });
  }
  RunMessageLoop();
  DestroyFormWindow();
  events_ = nullptr;
}

bool Win32PopupForm::CreateFormWindow() {
  RegisterFormClass(&Win32PopupForm::WindowProcedure);
  // A tool window has no taskbar button; zero width and height keep it out of sight.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, title_.c_str(), WS_POPUP, 0, 0, 0, 0,
                            nullptr, nullptr, ThisModule(), this);
  return window_ != nullptr;
}

void Win32PopupForm::DestroyFormWindow() {
  if (window_ == nullptr) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  window_ = nullptr;
}

void Win32PopupForm::RunMessageLoop() {
  MSG message{};
  while (!terminated_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;  // WM_QUIT, or no message queue left to read
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // Terminate's quit request may still wait in the queue when the flag ended the loop first;
  // left there, it would close the next modal loop of the thread (a message box) at once.
  PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void Win32PopupForm::MoveTo(Point topLeft) {
  if (window_ == nullptr) return;
  SetWindowPos(window_, nullptr, topLeft.x, topLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32PopupForm::MakeTopmost() {
  if (window_ == nullptr) return;
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void Win32PopupForm::Popup(const std::vector<MenuItem>& items, Point at) {
  if (window_ == nullptr || events_ == nullptr) return;
  HMENU menu = BuildMenu(items);
  if (menu == nullptr) return;
  events_->OnPopup();
  // A menu closes on a click elsewhere only when its owner is the foreground window.
  SetForegroundWindow(window_);
  const int chosen =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x,
                     at.y, 0, window_, nullptr);
  // Without a message after the menu, the next popup of a background window would close at once.
  PostMessageW(window_, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (chosen > 0) {
    events_->OnClick(chosen - 1);
  } else if (GetForegroundWindow() != window_) {
    // Closed without a choice while another program is active: the loss of activation has
    // already gone by (or never reached a window that was not the foreground one), so report
    // it now rather than wait for one that will never come.
    events_->OnDeactivate();
  }
}

void Win32PopupForm::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void Win32PopupForm::ShowError(const std::string& text) {
  MessageBoxW(window_, ToWide(text).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

LRESULT CALLBACK Win32PopupForm::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* form = reinterpret_cast<Win32PopupForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form != nullptr && form->events_ != nullptr && message == WM_ACTIVATEAPP && wParam == FALSE) {
    // No exception may cross back into the system's code that called us.
    form->Guarded([form] { form->events_->OnDeactivate(); });
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace platform::win32
