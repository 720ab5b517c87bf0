#pragma once
// The plain reference for SplitDelimited, for the tests and the fuzz target to compare with:
// step character by character and compare the delimiter at each character start.
#include <string>
#include <string_view>
#include <vector>

#include "text/Sjis.h"

inline std::vector<std::string> SplitByForwardScan(std::string_view text,
                                                   std::string_view delimiter) {
  std::vector<std::string> fields;
  if (text.empty()) return fields;
  std::size_t fieldStart = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (!delimiter.empty() && text.substr(i, delimiter.size()) == delimiter) {
      fields.emplace_back(text.substr(fieldStart, i - fieldStart));
      i = fieldStart = i + delimiter.size();
    } else {
      i += SjisCharLength(text, i);
    }
  }
  fields.emplace_back(text.substr(fieldStart));
  return fields;
}
