#pragma once
// Every message of the launcher: its text, the application title as caption, one OK button.
#include <string>
#include <string_view>

#include "platform/Ui.h"
#include "shared/ProductTexts.h"

inline void ShowLauncherMessage(platform::Ui& ui, platform::WindowHandle owner,
                                std::string_view text, platform::MessageIcon icon) {
  ui.ShowMessage(owner, std::string(text), std::string(product_text::kTitle), icon);
}
