#include "platform/win32/Win32Application.h"

#include <commctrl.h>

#include <vector>

#include "platform/forms/Controls.h"
#include "platform/win32/Win32ControlWindow.h"
#include "platform/win32/Win32FormWindow.h"
#include "platform/win32/Win32Text.h"

namespace platform::win32 {

namespace {

HWND ControlWindowOf(const Control& control) {
  const auto* peer = static_cast<const Win32ControlWindow*>(control.Peer());
  return peer != nullptr ? peer->Window() : nullptr;
}

// The page's object exists from start; its windows, made when it is first shown in its tab,
// show the object's state then.
bool IsShownInItsTab(const Form& page) {
  const TabControl* host = page.Host();
  return host != nullptr && ControlWindowOf(*host) != nullptr && host->TabIndex() >= 0 &&
         host->Tabs()[host->TabIndex()].page == &page;
}

bool IsTabStop(const Control& control) {
  HWND window = ControlWindowOf(control);
  if (window == nullptr || !control.TabStop() || !control.Enabled() || !IsWindowVisible(window)) {
    return false;
  }
  if (control.Kind() != ControlKind::RadioButton) return true;
  // One stop per radio group: its checked button, or its first one while none is checked.
  const auto& radio = static_cast<const RadioButton&>(control);
  const RadioButton* first = nullptr;
  for (const Control* other : control.Owner().Controls()) {
    if (other->Kind() != ControlKind::RadioButton) continue;
    const auto* button = static_cast<const RadioButton*>(other);
    if (button->Group() != radio.Group()) continue;
    if (button->Checked()) return button == &radio;
    if (first == nullptr) first = button;
  }
  return first == &radio;
}

// The form's tab stops in tab order; a tab control's selected page follows the tab control.
void CollectTabStops(const Form& form, std::vector<Control*>& stops) {
  for (Control* control : form.Controls()) {
    if (IsTabStop(*control)) stops.push_back(control);
    if (control->Kind() != ControlKind::TabControl) continue;
    const auto* tabs = static_cast<const TabControl*>(control);
    if (tabs->TabIndex() >= 0) CollectTabStops(*tabs->Tabs()[tabs->TabIndex()].page, stops);
  }
}

TabControl* FirstTabControl(const Form& form) {
  for (Control* control : form.Controls()) {
    if (control->Kind() == ControlKind::TabControl) return static_cast<TabControl*>(control);
  }
  return nullptr;
}

bool IsPushButton(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpiW(name, L"Button") != 0) return false;
  const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// A window that takes Tab for itself (a grid moving between its cells) says so to
// WM_GETDLGCODE; Tab then does not move the focus to the next control.
bool WantsTab(MSG& message) {
  const LRESULT code = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                    reinterpret_cast<LPARAM>(&message));
  return (code & DLGC_WANTTAB) != 0;
}

}  // namespace

Win32Application::Win32Application() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
}

Win32Application::~Win32Application() {
  // Pages first: their windows are children of windows of other forms.
  for (auto it = windows_.begin(); it != windows_.end();) {
    it = it->first->Style() == FormStyle::Page ? windows_.erase(it) : std::next(it);
  }
  windows_.clear();
}

void Win32Application::CreateForm(Form& form) {
  // A page gets its windows when its tab is first shown, a dialog when it is first shown: a
  // program whose forms are all created at start should not pay at start for windows the user
  // may never open (under Wine that is most of the start-up time).
  if (form.Style() == FormStyle::Page) {
    pendingPages_.push_back(&form);
    CreatePendingPages();
  } else if (form.Style() != FormStyle::Dialog) {
    CreateWindowFor(form, nullptr);
    CreatePendingPages();
  }
}

HWND Win32Application::MainWindow() const {
  for (const auto& [created, window] : windows_) {
    if (created->Style() == FormStyle::Main) return window->Window();
  }
  return nullptr;
}

void Win32Application::CreateWindowFor(Form& form, HWND parent) {
  windows_[&form] = std::make_unique<Win32FormWindow>(*this, form, parent);
}

void Win32Application::CreatePendingPages() {
  for (;;) {
    auto ready = pendingPages_.begin();
    while (ready != pendingPages_.end() && !IsShownInItsTab(**ready)) ++ready;
    if (ready == pendingPages_.end()) return;
    Form& page = **ready;
    pendingPages_.erase(ready);
    CreateWindowFor(page, ControlWindowOf(*page.Host()));
    page.Host()->Peer()->Refresh();  // places the page in its tab
  }
}

void Win32Application::Forget(const Form& form) { windows_.erase(&form); }

HWND Win32Application::WindowOf(const Form& form) const {
  const auto found = windows_.find(&form);
  return found != windows_.end() ? found->second->Window() : nullptr;
}

void Win32Application::Run(Form& mainForm) {
  mainForm_ = &mainForm;
  terminated_ = false;
  Guarded([&] { mainForm.Show(); });
  RunLoop(mainForm);
  // Terminate's quit request may still wait in the queue when the flag ended the loop first;
  // left there, it would close the next modal loop of the thread (a message box) at once.
  MSG message{};
  PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  mainForm_ = nullptr;
}

void Win32Application::ShowModal(Form& dialog) {
  if (WindowOf(dialog) == nullptr) CreateWindowFor(dialog, MainWindow());
  HWND owner = GetWindow(WindowOf(dialog), GW_OWNER);
  if (owner != nullptr && dialog.Position() == Point{}) {
    // A dialog the program has not placed opens centred over its owner.
    RECT over{};
    GetWindowRect(owner, &over);
    const Size size = WindowSize(dialog);
    dialog.SetPosition({over.left + (over.right - over.left - size.width) / 2,
                        over.top + (over.bottom - over.top - size.height) / 2});
  }
  if (owner != nullptr) EnableWindow(owner, FALSE);
  Guarded([&] { dialog.Show(); });
  RunLoop(dialog);
  if (owner != nullptr) {
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
  }
}

void Win32Application::RunLoop(const Form& form) {
  MSG message{};
  while (!terminated_ && form.Shown()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // A quit request (or no queue left) ends every loop, the enclosing ones included.
      terminated_ = true;
      break;
    }
    if (HandleFormKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool Win32Application::HandleFormKey(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  const Form* form = FormOfWindow(root);
  if (form == nullptr || form->Style() == FormStyle::Popup) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !WantsTab(message)) {
    if (KeyDown(VK_CONTROL)) {
      TurnPage(*form, KeyDown(VK_SHIFT));
    } else {
      MoveFocus(*form, KeyDown(VK_SHIFT));
    }
    return true;
  }
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && IsPushButton(GetFocus())) {
    SendMessageW(GetFocus(), BM_CLICK, 0, 0);
    return true;
  }
  // The arrow keys within radio groups, Space on buttons and the access keys.
  return IsDialogMessageW(root, &message) != FALSE;
}

const Form* Win32Application::FormOfWindow(HWND window) const {
  for (const auto& [form, formWindow] : windows_) {
    if (formWindow->Window() == window) return form;
  }
  return nullptr;
}

void Win32Application::MoveFocus(const Form& form, bool backwards) {
  std::vector<Control*> stops;
  CollectTabStops(form, stops);
  if (stops.empty()) return;
  const std::size_t count = stops.size();
  // Without a focused stop, Tab starts at the first and Shift+Tab at the last.
  std::size_t at = backwards ? 0 : count - 1;
  HWND focus = GetFocus();
  for (std::size_t i = 0; i < count; ++i) {
    HWND window = ControlWindowOf(*stops[i]);
    if (window == focus || IsChild(window, focus)) at = i;
  }
  Control& next = *stops[backwards ? (at + count - 1) % count : (at + 1) % count];
  next.SetFocus();
  // As the dialog manager does, an edit field reached by Tab has its text selected.
  if (next.Kind() == ControlKind::Edit) SendMessageW(ControlWindowOf(next), EM_SETSEL, 0, -1);
}

void Win32Application::TurnPage(const Form& form, bool backwards) {
  TabControl* tabs = FirstTabControl(form);
  if (tabs == nullptr || tabs->Tabs().empty()) return;
  const int count = static_cast<int>(tabs->Tabs().size());
  const int next = (tabs->TabIndex() + (backwards ? count - 1 : 1)) % count;
  Guarded([tabs, next] { tabs->SelectByUser(next); });
}

void Win32Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

Size Win32Application::ScreenSize() const {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Size Win32Application::WindowSize(const Form& form) const {
  HWND window = WindowOf(form);
  const UINT dpi = window != nullptr ? GetDpiForWindow(window) : GetDpiForSystem();
  return Win32FormWindow::WindowSizeAt(form, dpi);
}

void Win32Application::ShowException(const std::string& text) {
  MessageBoxW(GetForegroundWindow(), ToWide(text).c_str(), ToWide(title_).c_str(),
              MB_OK | MB_ICONERROR);
}

void Win32Application::LostActivation() {
  Guarded([this] {
    if (OnDeactivate) OnDeactivate();
  });
}

}  // namespace platform::win32
