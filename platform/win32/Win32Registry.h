#pragma once
// The registry through the Win32 functions; key paths, value names and texts are Shift_JIS,
// converted with code page 932.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace platform::win32 {

class Win32Registry final : public Registry {
 public:
  RegistryValue ReadValue(RegistryRoot root, const std::string& key,
                          const std::string& value) const override;
  bool WriteText(RegistryRoot root, const std::string& key, const std::string& value,
                 const std::string& text) override;
  bool WriteNumber(RegistryRoot root, const std::string& key, const std::string& value,
                   std::uint32_t number) override;
  bool DeleteTree(RegistryRoot root, const std::string& key) override;
};

}  // namespace platform::win32
