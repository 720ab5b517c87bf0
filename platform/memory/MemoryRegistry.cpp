#include "platform/memory/MemoryRegistry.h"

#include <utility>

#include "text/AsciiCase.h"
#include "text/Sjis.h"

namespace platform::memory {

namespace {

// The names of a key path between its real backslashes; empty names (a leading or doubled
// backslash) are dropped.
std::vector<std::string> KeyNames(std::string_view path) {
  std::vector<std::string> names;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= path.size();) {
    if (i == path.size() || path[i] == '\\') {
      if (i > start) names.emplace_back(path.substr(start, i - start));
      start = ++i;
    } else {
      i += SjisCharLength(path, i);
    }
  }
  return names;
}

}  // namespace

struct MemoryRegistry::Key {
  std::string name;
  std::map<std::string, std::unique_ptr<Key>> subkeys;  // by folded name
  struct Value {
    std::string name;
    Data data;
  };
  std::map<std::string, Value> values;  // by folded name
};

MemoryRegistry::MemoryRegistry() {
  for (auto& root : roots_) root.key = std::make_unique<Key>();
}

MemoryRegistry::~MemoryRegistry() = default;

const MemoryRegistry::Key* MemoryRegistry::Find(RegistryRoot root, const std::string& key) const {
  const Key* current = RootOf(root).key.get();
  for (const auto& name : KeyNames(key)) {
    const auto it = current->subkeys.find(UpperAscii(name));
    if (it == current->subkeys.end()) return nullptr;
    current = it->second.get();
  }
  return current;
}

MemoryRegistry::Key& MemoryRegistry::Create(RegistryRoot root, const std::string& key) {
  Key* current = RootOf(root).key.get();
  for (const auto& name : KeyNames(key)) {
    auto& slot = current->subkeys[UpperAscii(name)];
    if (!slot) {
      slot = std::make_unique<Key>();
      slot->name = name;
    }
    current = slot.get();
  }
  return *current;
}

void MemoryRegistry::SetData(RegistryRoot root, const std::string& key, const std::string& value,
                             Data data) {
  auto& values = Create(root, key).values;
  const auto it = values.find(UpperAscii(value));
  if (it != values.end()) {
    it->second.data = std::move(data);  // an existing value keeps its name's letter case
  } else {
    values.emplace(UpperAscii(value), Key::Value{value, std::move(data)});
  }
}

void MemoryRegistry::AddKey(RegistryRoot root, const std::string& key) { Create(root, key); }

void MemoryRegistry::SetText(RegistryRoot root, const std::string& key, const std::string& value,
                             const std::string& text) {
  SetData(root, key, value, text);
}

void MemoryRegistry::SetNumber(RegistryRoot root, const std::string& key,
                               const std::string& value, std::uint32_t number) {
  SetData(root, key, value, number);
}

void MemoryRegistry::SetBytes(RegistryRoot root, const std::string& key, const std::string& value,
                              Bytes bytes) {
  SetData(root, key, value, std::move(bytes));
}

void MemoryRegistry::RefuseWrites(RegistryRoot root, bool refused) {
  RootOf(root).writesRefused = refused;
}

void MemoryRegistry::RefuseDeletes(RegistryRoot root, bool refused) {
  RootOf(root).deletesRefused = refused;
}

bool MemoryRegistry::KeyExists(RegistryRoot root, const std::string& key) const {
  return Find(root, key) != nullptr;
}

std::optional<MemoryRegistry::Data> MemoryRegistry::ValueData(RegistryRoot root,
                                                              const std::string& key,
                                                              const std::string& value) const {
  const Key* found = Find(root, key);
  if (!found) return std::nullopt;
  const auto it = found->values.find(UpperAscii(value));
  if (it == found->values.end()) return std::nullopt;
  return it->second.data;
}

std::vector<std::string> MemoryRegistry::SubkeyNames(RegistryRoot root,
                                                     const std::string& key) const {
  std::vector<std::string> names;
  if (const Key* found = Find(root, key)) {
    for (const auto& [folded, subkey] : found->subkeys) names.push_back(subkey->name);
  }
  return names;
}

std::vector<std::string> MemoryRegistry::ValueNames(RegistryRoot root,
                                                    const std::string& key) const {
  std::vector<std::string> names;
  if (const Key* found = Find(root, key)) {
    for (const auto& [folded, value] : found->values) names.push_back(value.name);
  }
  return names;
}

RegistryValue MemoryRegistry::ReadValue(RegistryRoot root, const std::string& key,
                                        const std::string& value) const {
  const auto data = ValueData(root, key, value);
  if (!data) return {};
  if (const auto* text = std::get_if<std::string>(&*data)) {
    return {RegistryValueKind::Text, *text};
  }
  return {RegistryValueKind::Other, {}};
}

bool MemoryRegistry::WriteText(RegistryRoot root, const std::string& key,
                               const std::string& value, const std::string& text) {
  if (RootOf(root).writesRefused) return false;
  SetText(root, key, value, text);
  return true;
}

bool MemoryRegistry::WriteNumber(RegistryRoot root, const std::string& key,
                                 const std::string& value, std::uint32_t number) {
  if (RootOf(root).writesRefused) return false;
  SetNumber(root, key, value, number);
  return true;
}

bool MemoryRegistry::DeleteTree(RegistryRoot root, const std::string& key) {
  const std::vector<std::string> names = KeyNames(key);
  if (names.empty()) return false;  // a root itself is never deleted

  Key* parent = RootOf(root).key.get();
  for (std::size_t i = 0; i + 1 < names.size(); ++i) {
    const auto it = parent->subkeys.find(UpperAscii(names[i]));
    if (it == parent->subkeys.end()) return true;  // already gone
    parent = it->second.get();
  }
  const auto target = parent->subkeys.find(UpperAscii(names.back()));
  if (target == parent->subkeys.end()) return true;
  if (RootOf(root).deletesRefused) return false;
  parent->subkeys.erase(target);
  return true;
}

}  // namespace platform::memory
