#pragma once
// Blanks around names and values: the space and the tab, as the system's profile functions
// take them. The full-width space "　" is a character of the text, never a blank.
#include <string_view>

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text without the blanks at its start and end. Neither byte is ever the second byte of
// a valid double-byte character, so the text is taken byte by byte.
constexpr std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}
