#pragma once
// The window of one form with the windows of its controls. Main and dialog forms are fixed
// top-level windows whose client area is the form's size at the monitor's DPI; a page is a
// borderless child of its tab control; the popup form is an invisible zero-size tool window
// that owns popup menus. The window keeps the form in step: it shows the form's caption,
// position and state, and reports moves (only while the window is neither minimised nor
// maximised, so that the form keeps its restored place) and the close box.
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/forms/Form.h"
#include "platform/win32/Win32ControlWindow.h"
#include "platform/win32/Win32Look.h"

namespace platform::win32 {

class Win32Application;

class Win32FormWindow final : public FormPeer {
 public:
  // Makes the window (a child of `parent` for a page) and the windows of the form's controls;
  // throws std::runtime_error when the system refuses a window.
  Win32FormWindow(Win32Application& application, Form& form, HWND parent);
  Win32FormWindow(const Win32FormWindow&) = delete;
  Win32FormWindow& operator=(const Win32FormWindow&) = delete;
  ~Win32FormWindow() override;

  HWND Window() const { return window_; }
  Form& Target() const { return form_; }

  void Refresh() override;
  void Show() override;
  void Hide() override;
  void Release() override;

  // The window style of a form of the style, and the size of its whole window at the DPI.
  static DWORD StyleOf(FormStyle style);
  static DWORD ExStyleOf(FormStyle style);
  static Size WindowSizeAt(const Form& form, UINT dpi);

  // The control window of a child window of this form, or null.
  Win32ControlWindow* ControlOf(HWND child) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControls();
  // Lets go of the form and its controls (unless they are gone) and destroys the windows.
  void Destroy();
  // Sizes the window and places the controls for the DPI.
  void Layout(UINT dpi);
  bool IsTopLevel() const { return form_.Style() != FormStyle::Page; }
  void NoteMove();
  LRESULT ColourText(HDC dc, HWND child);
  void FocusFirstControl();

  Win32Application& application_;
  Form& form_;
  HWND window_ = nullptr;
  std::unique_ptr<Win32FormFonts> fonts_;
  std::vector<std::unique_ptr<Win32ControlWindow>> controls_;
  HWND lastFocus_ = nullptr;
  bool released_ = false;  // the form and its controls are gone
};

}  // namespace platform::win32
