#include "platform/memory/MemorySystemFolders.h"

namespace platform::memory {

std::optional<std::string> MemorySystemFolders::ShellFolderPath(int csidl,
                                                                WindowHandle owner) const {
  shellOwners_.push_back(owner);
  const auto it = shellFolders_.find(csidl);
  if (it == shellFolders_.end()) return std::nullopt;
  return it->second;
}

}  // namespace platform::memory
