#pragma once
// The kinds of controls the forms are built from. Each keeps its state in the object; the
// Win32 platform shows each as a window of the standard class for its kind (Button, Edit,
// ComboBox, Static, SysTabControl32) with the caption as its window text.
//
// Functions named "...ByUser" are what the window calls when the user acts; they change the
// state and run the control's event, as a click or a choice does. Programs and tests change
// state with the plain setters, which run no event.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace platform {

class Button : public Control {
 public:
  Button(Form& form, std::string name, Bounds bounds, std::string caption)
      : Control(form, ControlKind::Button, std::move(name), bounds, std::move(caption)) {}

  std::function<void()> OnClick;

  // The user pressed the button.
  void Click();
};

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, Bounds bounds, std::string caption)
      : Control(form, ControlKind::CheckBox, std::move(name), bounds, std::move(caption)) {}

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // The user clicked the box: the check mark flips.
  void ClickByUser() { SetChecked(!checked_); }

 private:
  bool checked_ = false;
};

// Radio buttons of one form with the same group number exclude each other: checking one
// unchecks the others.
class RadioButton : public Control {
 public:
  RadioButton(Form& form, std::string name, Bounds bounds, std::string caption, int group = 0)
      : Control(form, ControlKind::RadioButton, std::move(name), bounds, std::move(caption)),
        group_(group) {}

  int Group() const { return group_; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  void ClickByUser() { SetChecked(true); }

 private:
  int group_;
  bool checked_ = false;
};

class GroupBox : public Control {
 public:
  GroupBox(Form& form, std::string name, Bounds bounds, std::string caption)
      : Control(form, ControlKind::GroupBox, std::move(name), bounds, std::move(caption)) {
    SetTabStop(false);
  }
};

class Label : public Control {
 public:
  Label(Form& form, std::string name, Bounds bounds, std::string caption)
      : Control(form, ControlKind::Label, std::move(name), bounds, std::move(caption)) {
    SetTabStop(false);
  }
};

// A hyperlink label: a hand cursor over it, its colour changes while the mouse is over it and
// while it is pressed (the window's own business), and a press runs OnClick.
class LinkLabel : public Control {
 public:
  LinkLabel(Form& form, std::string name, Bounds bounds, std::string caption)
      : Control(form, ControlKind::LinkLabel, std::move(name), bounds, std::move(caption)) {
    look.color = TextColor::Link;
    SetTabStop(false);
  }

  std::function<void()> OnClick;

  void Click();
};

class Panel : public Control {
 public:
  Panel(Form& form, std::string name, Bounds bounds, bool raised)
      : Control(form, ControlKind::Panel, std::move(name), bounds, ""), raised_(raised) {
    SetTabStop(false);
  }

  bool Raised() const { return raised_; }

 private:
  bool raised_;
};

// The program's own icon.
class IconImage : public Control {
 public:
  IconImage(Form& form, std::string name, Bounds bounds)
      : Control(form, ControlKind::Icon, std::move(name), bounds, "") {
    SetTabStop(false);
  }
};

// Single-line (Edit) or multi-line (Memo) text; the text is the caption.
class Edit : public Control {
 public:
  Edit(Form& form, std::string name, Bounds bounds, bool multiLine = false)
      : Control(form, multiLine ? ControlKind::Memo : ControlKind::Edit, std::move(name), bounds,
                "") {}

  const std::string& Text() const { return Caption(); }
  void SetText(std::string text) { SetCaption(std::move(text)); }
  // The user typed: the window already shows the text.
  void TypeByUser(std::string text) { CaptionChangedByUser(std::move(text)); }
};

// A drop-down list. Editable: any text may be typed, and the list offers items to pick.
// Not editable: the text is always the selected item's, or empty with no selection.
class ComboBox : public Control {
 public:
  ComboBox(Form& form, std::string name, Bounds bounds, std::vector<std::string> items,
           bool editable);

  bool Editable() const { return editable_; }
  const std::vector<std::string>& Items() const { return items_; }

  // The position of the selected item, or -1 when none is selected.
  int ItemIndex() const { return itemIndex_; }
  // Selects the item at the position and shows its text; a position outside the list selects
  // none and shows the empty text.
  void SetItemIndex(int index);

  const std::string& Text() const { return Caption(); }
  // Shows the text. The item with exactly this text becomes the selected one; without such an
  // item there is no selection, and a list that is not editable then shows the empty text.
  void SetText(const std::string& text);

  std::function<void()> OnChange;

  // The user picked the item at the position from the list.
  void PickByUser(int index);
  // The user typed into an editable box.
  void TypeByUser(std::string text);

 private:
  int IndexOf(const std::string& text) const;

  std::vector<std::string> items_;
  bool editable_;
  int itemIndex_ = -1;
};

// Tabs across the top, each hosting a page form that fills the area below them; only the
// selected tab's page is shown.
class TabControl : public Control {
 public:
  struct Tab {
    std::string name;     // tbSetUp
    std::string caption;  // "セットアップ"
    Form* page = nullptr;
  };

  TabControl(Form& form, std::string name, Bounds bounds)
      : Control(form, ControlKind::TabControl, std::move(name), bounds, "") {}

  void AddTab(std::string name, std::string caption, Form& page);
  const std::vector<Tab>& Tabs() const { return tabs_; }

  // The selected tab, or -1 before any tab is added.
  int TabIndex() const { return tabIndex_; }
  // Selects the tab and shows its page; a position outside the tabs changes nothing.
  void SetTabIndex(int index);

  std::function<void()> OnChange;

  void SelectByUser(int index);

 private:
  std::vector<Tab> tabs_;
  int tabIndex_ = -1;
};

}  // namespace platform
