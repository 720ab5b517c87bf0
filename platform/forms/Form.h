#pragma once
// A form: a window of the program with its controls, laid out in client pixels at 96 DPI, in
// the face and size of kFormFontName. The controls register themselves with their form in the
// order they are created, which is also the tab order. The form keeps its own state (shown,
// position, focused control) so that its logic runs the same with or without a window; the
// Win32 platform attaches a peer window to it when the application creates the form.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Control.h"
#include "platform/forms/FormTypes.h"

namespace platform {

class TabControl;

enum class FormStyle {
  Main,    // a fixed single border, system menu and minimise box; closing it ends the program
  Dialog,  // the same border, shown modally over the main window
  Page,    // no border: shown inside a tab of another form
  Popup,   // never seen: owns popup menus
};

// The window that shows a form; attached by the Win32 platform, absent in memory.
class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual void Refresh() = 0;  // caption or position changed
  virtual void Show() = 0;
  virtual void Hide() = 0;     // the form has been closed
  // The form is being destroyed (its controls already are): the window goes with it.
  virtual void Release() = 0;
};

class Form {
 public:
  Form(std::string name, std::string caption, Size clientSize, FormStyle style);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  Size ClientSize() const { return clientSize_; }
  FormStyle Style() const { return style_; }

  // Every control in the order of creation (the tab order).
  const std::vector<Control*>& Controls() const { return controls_; }
  // The control with this name, or null.
  Control* FindControl(const std::string& name) const;

  // The window's top-left corner in screen pixels (its place when not minimised or maximised).
  Point Position() const { return position_; }
  void SetPosition(Point position);
  // The user moved the window; Position follows without moving it again.
  void MovedByUser(Point position) { position_ = position; }

  // Whether the window stays in front of all other windows (an owner of popup menus).
  bool Topmost() const { return topmost_; }
  void SetTopmost(bool topmost);

  bool Shown() const { return shown_; }
  // Shows the form, then runs OnShow.
  void Show();
  // Runs OnClose, then hides the form. Closing the main form ends the program; closing a
  // modal dialog returns from its ShowModal.
  void Close();

  Control* FocusedControl() const { return focused_; }
  void SetFocusedControl(Control* control) { focused_ = control; }

  // The tab control that hosts this page, or null.
  TabControl* Host() const { return host_; }
  void SetHost(TabControl* host) { host_ = host; }

  // The window's handle as the platform names it (an owner of message boxes); 0 before the
  // application has created the form.
  WindowHandle Handle() const { return handle_; }
  void SetHandle(WindowHandle handle) { handle_ = handle; }

  std::function<void()> OnShow;
  std::function<void()> OnClose;

  void AttachPeer(FormPeer* peer) { peer_ = peer; }
  FormPeer* Peer() const { return peer_; }

 private:
  friend class Control;
  void Register(Control& control) { controls_.push_back(&control); }

  std::string name_;
  std::string caption_;
  Size clientSize_;
  FormStyle style_;
  std::vector<Control*> controls_;
  Point position_;
  bool shown_ = false;
  bool topmost_ = false;
  Control* focused_ = nullptr;
  TabControl* host_ = nullptr;
  WindowHandle handle_ = 0;
  FormPeer* peer_ = nullptr;
};

// The place that centres a window of the size on a screen of the size: rounded toward zero,
// never above or left of the screen's corner.
Point CentredPosition(Size window, Size screen);

}  // namespace platform
