#pragma once
// The registry, as far as the programs read and write it. Key paths, value names and texts are
// Shift_JIS; a key path with a leading backslash starts at the root, the same as without one.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

// Missing: the key or the value is missing; Text: REG_SZ or REG_EXPAND_SZ; Other: any other type.
enum class RegistryValueKind { Missing, Text, Other };

struct RegistryValue {
  RegistryValueKind kind = RegistryValueKind::Missing;
  std::string text;  // the text of a Text value, otherwise empty
};

class Registry {
 public:
  virtual ~Registry() = default;

  // The value of a key opened without creating it (an empty value name is the default value).
  virtual RegistryValue ReadValue(RegistryRoot root, const std::string& key,
                                  const std::string& value) const = 0;

  // The text of a string value; nothing when missing or not a string.
  std::optional<std::string> ReadText(RegistryRoot root, const std::string& key,
                                      const std::string& value) const {
    RegistryValue read = ReadValue(root, key, value);
    if (read.kind != RegistryValueKind::Text) return std::nullopt;
    return std::move(read.text);
  }

  // Creates the key (and the keys above it) when missing and writes a REG_SZ / REG_DWORD
  // value. False when the registry refuses.
  virtual bool WriteText(RegistryRoot root, const std::string& key, const std::string& value,
                         const std::string& text) = 0;
  virtual bool WriteNumber(RegistryRoot root, const std::string& key, const std::string& value,
                           std::uint32_t number) = 0;

  // Deletes the key with all its subkeys, the subkeys first. True when the key is gone
  // afterwards (a missing key counts as gone). A root itself is never deleted: an empty key
  // path gives false.
  virtual bool DeleteTree(RegistryRoot root, const std::string& key) = 0;
};

}  // namespace platform
