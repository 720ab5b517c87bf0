#pragma once
// Names that Windows matches without regard to letter case, folded to one form for lookups.
#include <cstddef>
#include <string>
#include <string_view>

#include "text/Sjis.h"

namespace platform::memory {

// Appends the name with its ASCII letters in upper case. The second byte of a double-byte
// character is never changed, though it may lie in 0x61..0x7A.
inline void AppendFolded(std::string& text, std::string_view name) {
  const std::size_t start = text.size();
  text += name;
  for (std::size_t i = start; i < text.size(); i += SjisCharLength(text, i)) {
    if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
  }
}

inline std::string Folded(std::string_view name) {
  std::string out;
  AppendFolded(out, name);
  return out;
}

}  // namespace platform::memory
