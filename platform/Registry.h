#pragma once
// The registry, as far as the programs read it.
#include <optional>
#include <string>

namespace platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

class Registry {
 public:
  virtual ~Registry() = default;

  // The text of a string value of a key, opened without creating it; nothing when the key or
  // the value is missing or is not a string. An empty value name reads the key's default value.
  virtual std::optional<std::string> ReadText(RegistryRoot root, const std::string& key,
                                              const std::string& value) const = 0;
};

}  // namespace platform
