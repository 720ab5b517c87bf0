#pragma once
// A registry held in memory for tests: a tree of keys under the three roots, each with named
// values. Key names and value names match without regard to ASCII letter case (double-byte
// aware) and keep the case they were created with. A key path may start with a backslash
// ("\SOFTWARE\Microsoft") and means the same key as without it. Writes and deletes through the
// Registry interface may be refused per root, as a registry refuses a user without the rights.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/Registry.h"

namespace platform::memory {

class MemoryRegistry : public Registry {
 public:
  // Bytes of any other type (REG_BINARY, say), which read as neither text nor number.
  using Bytes = std::vector<unsigned char>;
  // A value's data: a string (REG_SZ), a 32-bit number (REG_DWORD) or other bytes.
  using Data = std::variant<std::string, std::uint32_t, Bytes>;

  MemoryRegistry();
  ~MemoryRegistry() override;
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

  // --- Setting up a test and looking at the result ---
  // Creates the key and the keys above it.
  void AddKey(RegistryRoot root, const std::string& key);
  // Sets a value, creating its key; an empty value name is the key's default value.
  void SetText(RegistryRoot root, const std::string& key, const std::string& value,
               const std::string& text);
  void SetNumber(RegistryRoot root, const std::string& key, const std::string& value,
                 std::uint32_t number);
  void SetBytes(RegistryRoot root, const std::string& key, const std::string& value, Bytes bytes);
  // From now on WriteText and WriteNumber (or DeleteTree) under the root fail and change
  // nothing, until allowed again.
  void RefuseWrites(RegistryRoot root, bool refused = true);
  void RefuseDeletes(RegistryRoot root, bool refused = true);
  bool KeyExists(RegistryRoot root, const std::string& key) const;
  // The data of any value; nothing when the key or the value is missing.
  std::optional<Data> ValueData(RegistryRoot root, const std::string& key,
                                const std::string& value) const;
  // The names of the key's subkeys and of its values (the default value as ""), as created.
  std::vector<std::string> SubkeyNames(RegistryRoot root, const std::string& key) const;
  std::vector<std::string> ValueNames(RegistryRoot root, const std::string& key) const;

  // --- Registry ---
  RegistryValue ReadValue(RegistryRoot root, const std::string& key,
                          const std::string& value) const override;
  bool WriteText(RegistryRoot root, const std::string& key, const std::string& value,
                 const std::string& text) override;
  bool WriteNumber(RegistryRoot root, const std::string& key, const std::string& value,
                   std::uint32_t number) override;
  bool DeleteTree(RegistryRoot root, const std::string& key) override;

 private:
  struct Key;
  const Key* Find(RegistryRoot root, const std::string& key) const;
  Key& Create(RegistryRoot root, const std::string& key);
  void SetData(RegistryRoot root, const std::string& key, const std::string& value, Data data);

  struct Root {
    std::unique_ptr<Key> key;
    bool writesRefused = false;
    bool deletesRefused = false;
  };
  Root& RootOf(RegistryRoot root) { return roots_[static_cast<int>(root)]; }
  const Root& RootOf(RegistryRoot root) const { return roots_[static_cast<int>(root)]; }

  Root roots_[3];
};

}  // namespace platform::memory
