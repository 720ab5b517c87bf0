#include "platform/memory/MemoryPopupForm.h"

#include <exception>

namespace platform::memory {

template <typename Handler>
void MemoryPopupForm::Deliver(Handler handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    reportedErrors.emplace_back(error.what());
  }
}

void MemoryPopupForm::Run(const std::string& applicationTitle, PopupFormEvents& events) {
  runTitles.push_back(applicationTitle);
  terminated = false;
  events_ = &events;
  Deliver([&] { events.OnCreate(); });
  Deliver([&] { events.OnShow(); });
  if (!terminated && losesActivation) Deliver([&] { events.OnDeactivate(); });
  events_ = nullptr;
}

void MemoryPopupForm::Popup(const std::vector<MenuItem>& items, Point at) {
  popups.push_back({items, at});
  if (events_ == nullptr) return;
  events_->OnPopup();
  if (!choice || *choice < 0 || *choice >= static_cast<int>(items.size())) return;
  const MenuItem& item = items[*choice];
  if (item.visible && item.caption != "-") events_->OnClick(*choice);
}

void MemoryPopupForm::Terminate() {
  ++terminateCount;
  terminated = true;
}

}  // namespace platform::memory
