#pragma once
// The base of every control of the form layer. A control keeps its whole state in this object
// (caption or text, enabled, focus), so that a form's logic runs the same with or without
// windows. The Win32 side attaches a peer: a real window that the object keeps in step by
// calling Refresh after each change, and that reports the user's changes back through the
// control's "ByUser" functions.
#include <functional>
#include <string>

#include "platform/forms/FormTypes.h"

namespace platform {

class Form;

enum class ControlKind {
  Button,       // push button
  CheckBox,
  RadioButton,
  GroupBox,     // a frame with a caption around other controls
  Label,
  LinkLabel,    // a label that opens its caption when clicked
  Edit,         // single-line text
  Memo,         // multi-line text
  ComboBox,     // drop-down list, editable or not
  TabControl,   // tabs, each hosting a page form
  Panel,        // a plain or raised rectangle behind other controls
  Icon,         // the program's icon
  Grid,         // a table of text cells
};

// The window that shows a control; attached by the Win32 platform, absent in memory.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  // The control's state has changed: show it.
  virtual void Refresh() = 0;
  // Give the window the keyboard focus.
  virtual void TakeFocus() = 0;
};

class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, Bounds bounds, std::string caption);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  const Bounds& GetBounds() const { return bounds_; }
  Form& Owner() const { return form_; }

  // The window text: a button's or label's caption, an edit's or combo box's text.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Whether Tab stops at the control; the tab order is the order of creation in the form.
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

  Look look;

  // Makes this the form's focused control and, with a window, gives it the keyboard focus.
  void SetFocus();
  bool Focused() const;

  void AttachPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* Peer() const { return peer_; }

  // The window's text was changed by the user (typing): store it without echoing it back.
  void CaptionChangedByUser(std::string caption) { caption_ = std::move(caption); }
  // The window received the focus from the user.
  void FocusedByUser();

 protected:
  // Brings the peer in step after a change of the object.
  void Changed();

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  Bounds bounds_;
  std::string caption_;
  bool enabled_ = true;
  bool tabStop_ = true;
  ControlPeer* peer_ = nullptr;
};

}  // namespace platform
