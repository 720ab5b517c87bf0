#include "platform/forms/Controls.h"

#include <utility>

#include "platform/forms/Form.h"

namespace platform {

void Button::Click() {
  if (Enabled() && OnClick) OnClick();
}

void LinkLabel::Click() {
  if (Enabled() && OnClick) OnClick();
}

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Changed();
}

void RadioButton::SetChecked(bool checked) {
  if (checked) {
    for (Control* control : Owner().Controls()) {
      if (control == this || control->Kind() != ControlKind::RadioButton) continue;
      auto* other = static_cast<RadioButton*>(control);
      if (other->group_ == group_) other->SetChecked(false);
    }
  }
  if (checked_ == checked) return;
  checked_ = checked;
  Changed();
}

ComboBox::ComboBox(Form& form, std::string name, Bounds bounds, std::vector<std::string> items,
                   bool editable)
    : Control(form, ControlKind::ComboBox, std::move(name), bounds, ""),
      items_(std::move(items)),
      editable_(editable) {}

int ComboBox::IndexOf(const std::string& text) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == text) return static_cast<int>(i);
  }
  return -1;
}

void ComboBox::SetItemIndex(int index) {
  const bool inList = index >= 0 && index < static_cast<int>(items_.size());
  itemIndex_ = inList ? index : -1;
  // SetCaption refreshes only on a changed text; the selection may change alone.
  const std::string text = inList ? items_[index] : std::string();
  if (text == Caption()) {
    Changed();
  } else {
    SetCaption(text);
  }
}

void ComboBox::SetText(const std::string& text) {
  const int index = IndexOf(text);
  if (index >= 0 || !editable_) {
    SetItemIndex(index);
    return;
  }
  itemIndex_ = -1;
  if (text == Caption()) {
    Changed();
  } else {
    SetCaption(text);
  }
}

void ComboBox::PickByUser(int index) {
  SetItemIndex(index);
  if (OnChange) OnChange();
}

void ComboBox::TypeByUser(std::string text) {
  itemIndex_ = IndexOf(text);
  CaptionChangedByUser(std::move(text));
  if (OnChange) OnChange();
}

void TabControl::AddTab(std::string name, std::string caption, Form& page) {
  tabs_.push_back({std::move(name), std::move(caption), &page});
  page.SetHost(this);
  if (tabIndex_ < 0) {
    tabIndex_ = 0;
  }
  Changed();
}

void TabControl::SetTabIndex(int index) {
  if (index < 0 || index >= static_cast<int>(tabs_.size())) return;
  tabIndex_ = index;
  Changed();
}

void TabControl::SelectByUser(int index) {
  SetTabIndex(index);
  if (OnChange) OnChange();
}

}  // namespace platform
