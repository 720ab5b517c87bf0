#pragma once
// The window of one control: a child window of the standard class for the control's kind,
// placed at the control's bounds scaled to the form's DPI, in the form font. It keeps window
// and object in step both ways: Refresh shows the object's state in the window, and the
// notifications the form window routes here report the user's changes to the object. While a
// refresh is under way the window's echoes of it are ignored.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/forms/Control.h"
#include "platform/win32/Win32Look.h"

namespace platform::win32 {

class Win32Application;

class Win32ControlWindow : public ControlPeer {
 public:
  Win32ControlWindow(Win32Application& application, Control& control);
  Win32ControlWindow(const Win32ControlWindow&) = delete;
  Win32ControlWindow& operator=(const Win32ControlWindow&) = delete;
  ~Win32ControlWindow() override;

  // Makes the window as a child of `parent` with the id; `startsGroup` gives it WS_GROUP.
  // Returns false when the system refused the window.
  bool Create(HWND parent, int id, bool startsGroup);
  // Places and sizes the window for the DPI and gives it its cut of the fonts.
  void Place(const Win32FormFonts& fonts);

  HWND Window() const { return window_; }
  Control& Target() const { return control_; }
  // The window belongs at the bottom of its siblings, behind the controls placed on it.
  virtual bool Behind() const { return false; }

  void Refresh() override;
  void TakeFocus() override;

  // A WM_COMMAND or WM_NOTIFY from the window, routed here by the form window.
  void Command(WORD code);
  void Notify(const NMHDR& header);
  // The text colour to paint with, or nothing for the system's own.
  virtual std::optional<COLORREF> TextColour() const;
  // WM_DRAWITEM of an owner-drawn window.
  virtual void Draw(const DRAWITEMSTRUCT&) {}

 protected:
  struct WindowClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle = 0;
  };
  virtual WindowClass Class() const = 0;
  // Shows the kind's own state (check mark, selection, tabs); the base shows caption and
  // enabled state.
  virtual void ShowState() { ShowText(Target().Caption()); }
  virtual void OnCommand(WORD) {}
  virtual void OnNotify(const NMHDR&) {}
  // Messages to the window itself, seen before its class does; true when handled.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The window's height in pixels at 96 DPI (a combo box's includes its drop-down list).
  virtual int HeightAt96() const { return Target().GetBounds().height; }

  void ShowText(const std::string& text);
  std::string WindowTextOf() const;
  // Runs a handler of the user's action through the application's error report.
  void Deliver(const std::function<void()>& action);
  Win32Application& App() const { return application_; }

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);

  Win32Application& application_;
  Control& control_;
  HWND window_ = nullptr;
  bool refreshing_ = false;
};

}  // namespace platform::win32
