#pragma once
// Settings keys of slotted values carry the slot index in square brackets: IE_Set_U[0].
#include <string>
#include <string_view>

inline std::string IndexedKey(std::string_view name, int index) {
  std::string key(name);
  key += '[';
  key += std::to_string(index);
  key += ']';
  return key;
}
