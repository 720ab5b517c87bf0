#pragma once
// The letter case of ASCII letters, the only letters whose case Windows ignores in names
// (keys, sections, files). In Shift_JIS text the second byte of a double-byte character may
// lie in the letters' range (0x83 0x41 is "ア", 0x83 0x61 "ヂ"), so text is folded character
// by character, never byte by byte.
#include <cstddef>
#include <string>
#include <string_view>

#include "text/Sjis.h"

// For a single character of any width (char, or char16_t of UTF-16 text).
template <typename Char>
constexpr bool IsAsciiLetter(Char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
template <typename Char>
constexpr Char ToLowerAscii(Char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}
template <typename Char>
constexpr Char ToUpperAscii(Char c) {
  return c >= 'a' && c <= 'z' ? static_cast<Char>(c - 'a' + 'A') : c;
}

// Appends the Shift_JIS text with its ASCII letters in upper case: one form for lookups of
// names that match without regard to case.
inline void AppendUpperAscii(std::string& out, std::string_view text) {
  const std::size_t start = out.size();
  out += text;
  for (std::size_t i = start; i < out.size(); i += SjisCharLength(out, i)) {
    out[i] = ToUpperAscii(out[i]);
  }
}

inline std::string UpperAscii(std::string_view text) {
  std::string out;
  AppendUpperAscii(out, text);
  return out;
}

// The Shift_JIS text with its ASCII letters in lower case.
inline std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); i += SjisCharLength(out, i)) {
    out[i] = ToLowerAscii(out[i]);
  }
  return out;
}

// True when two Shift_JIS texts differ at most in the case of ASCII letters; the second byte
// of a double-byte character is compared exactly.
inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    const std::size_t length = SjisCharLength(a, i);
    if (length == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) {
      return false;
    }
    i += length;
  }
  return true;
}
