#include "platform/forms/Form.h"

#include <algorithm>
#include <utility>

namespace platform {

Form::Form(std::string name, std::string caption, Size clientSize, FormStyle style)
    : name_(std::move(name)), caption_(std::move(caption)), clientSize_(clientSize), style_(style) {}

Form::~Form() {
  if (peer_ != nullptr) peer_->Release();
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (peer_ != nullptr) peer_->Refresh();
}

Control* Form::FindControl(const std::string& name) const {
  for (Control* control : controls_) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

void Form::SetPosition(Point position) {
  position_ = position;
  if (peer_ != nullptr) peer_->Refresh();
}

void Form::SetTopmost(bool topmost) {
  topmost_ = topmost;
  if (peer_ != nullptr) peer_->Refresh();
}

void Form::Show() {
  shown_ = true;
  if (peer_ != nullptr) peer_->Show();
  if (OnShow) OnShow();
}

void Form::Close() {
  if (!shown_) return;
  if (OnClose) OnClose();
  shown_ = false;
  if (peer_ != nullptr) peer_->Hide();
}

Point CentredPosition(Size window, Size screen) {
  return {std::max(0, (screen.width - window.width) / 2),
          std::max(0, (screen.height - window.height) / 2)};
}

}  // namespace platform
