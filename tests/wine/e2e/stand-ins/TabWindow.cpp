// A minimal Win32 program of the settings program's kind: one main window of the same client
// size with one tab control of five tabs, and a message loop until the window is closed. The
// yardstick against which the settings program's start is measured.
//
// With arguments it also makes, on a hidden child window, as many windows of each standard
// class as named (buttons, check boxes, labels, edit fields, drop-down lists, editable combo
// boxes): what making the settings program's windows costs Wine, with nothing of ours.
//
//   e2e_tab_window.exe [buttons checkboxes labels edits lists combos]
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>
#include <initializer_list>

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Makes `count` windows of the class and style on the parent, each with a caption and the
// font, and with three items when it is a combo box.
void MakeWindows(HWND parent, int count, const wchar_t* className, DWORD style, HFONT font) {
  for (int i = 0; i < count; ++i) {
    HWND window = CreateWindowExW(0, className, L"見本", WS_CHILD | WS_VISIBLE | style, 8,
                                  8 + i % 20, 120, 20, parent, nullptr, nullptr, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (lstrcmpW(className, WC_COMBOBOXW) != 0) continue;
    for (const wchar_t* item : {L"txt", L"htm", L"html"}) {
      SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
  }
}

void MakeNamedWindows(HWND window, HINSTANCE instance) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return;
  if (count == 7) {
    HWND page = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 24, 578, 450, window, nullptr,
                                instance, nullptr);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0,
                             0, 0, L"ＭＳ Ｐゴシック");
    const struct {
      const wchar_t* className;
      DWORD style;
    } kinds[] = {{WC_BUTTONW, BS_PUSHBUTTON},
                 {WC_BUTTONW, BS_AUTOCHECKBOX},
                 {WC_STATICW, SS_LEFT},
                 {WC_EDITW, ES_AUTOHSCROLL | WS_BORDER},
                 {WC_COMBOBOXW, CBS_DROPDOWNLIST},
                 {WC_COMBOBOXW, CBS_DROPDOWN}};
    for (int i = 0; i < 6; ++i) {
      MakeWindows(page, std::wcstol(arguments[i + 1], nullptr, 10), kinds[i].className,
                  kinds[i].style, font);
    }
  }
  LocalFree(arguments);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"TabWindowStandIn";
  RegisterClassW(&windowClass);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, 594, 533};
  AdjustWindowRect(&frame, style, FALSE);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"タブの窓", style, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, instance, nullptr);
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                              593, 481, window, nullptr, instance, nullptr);
  const wchar_t* captions[] = {L"一", L"二", L"三", L"四", L"五"};
  for (int i = 0; i < 5; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(captions[i]);
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  MakeNamedWindows(window, instance);
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
