#include "platform/forms/Control.h"

#include <utility>

#include "platform/forms/Form.h"

namespace platform {

Control::Control(Form& form, ControlKind kind, std::string name, Bounds bounds,
                 std::string caption)
    : form_(form),
      kind_(kind),
      name_(std::move(name)),
      bounds_(bounds),
      caption_(std::move(caption)) {
  form_.Register(*this);
}

void Control::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void Control::SetFocus() {
  form_.SetFocusedControl(this);
  if (peer_ != nullptr) peer_->TakeFocus();
}

bool Control::Focused() const { return form_.FocusedControl() == this; }

void Control::FocusedByUser() { form_.SetFocusedControl(this); }

void Control::Changed() {
  if (peer_ != nullptr) peer_->Refresh();
}

}  // namespace platform
