// SplitDelimited against a slow forward scan that steps character by character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "shared/Sjis.h"
#include "shared/TbStrUtl.h"

namespace {

std::vector<std::string> SplitByForwardScan(std::string_view text, std::string_view delimiter) {
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  // The first byte gives the delimiter's length (0 to 7), taken from the input's start.
  const std::string_view delimiter = input.substr(0, data[0] % 8);
  const std::string_view text = input.substr(delimiter.size());
  std::vector<std::string> fields;
  const int count = SplitDelimited(text, fields, delimiter);
  if (count != static_cast<int>(fields.size())) std::abort();
  if (fields != SplitByForwardScan(text, delimiter)) std::abort();
  return 0;
}
