#include "platform/memory/MemoryUi.h"

namespace platform::memory {

void MemoryUi::ShowMessage(WindowHandle owner, const std::string& text,
                           const std::string& caption, MessageIcon icon) {
  messages.push_back({owner, text, caption, icon});
}

}  // namespace platform::memory
