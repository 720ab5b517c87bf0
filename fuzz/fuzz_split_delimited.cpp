// SplitDelimited against a slow forward scan that steps character by character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "shared/TbStrUtl.h"
#include "tests/support/SplitByForwardScan.h"

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
