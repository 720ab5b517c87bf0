#pragma once
// Reading string values of the registry; key paths and texts are Shift_JIS.
#include <optional>
#include <string>

#include "platform/Registry.h"

namespace platform::win32 {

class Win32Registry final : public Registry {
 public:
  std::optional<std::string> ReadText(RegistryRoot root, const std::string& key,
                                      const std::string& value) const override;
};

}  // namespace platform::win32
