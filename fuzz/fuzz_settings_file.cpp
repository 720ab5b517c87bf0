// Settings file bytes of any kind: finding never fails, and a value set is the value found
// (up to its first line break, which the file form cannot hold).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shared/IniText.h"

namespace {

// Names as the programs use them, in other letter cases and with double-byte characters
// whose second bytes are letters or brackets (ア 0x83 0x41, チ 0x83 0x61, ゾ 0x83 0x5D).
constexpr std::string_view kSections[] = {"CHK", "chk", "EDIT", "FORM", "\x83\x41", "\x83\x61",
                                          "\x83\x5D"};
constexpr std::string_view kKeys[] = {"CHK_IE", "Chk_IE", "IE_Set_U[0]", "Form.X", "\x83\x41",
                                      "\x83\x61", "\x95\x5C"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string_view section = kSections[data[0] % std::size(kSections)];
  const std::string_view key = kKeys[data[1] % std::size(kKeys)];
  const std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);
  // The value is the input's first 32 bytes at most, the file the rest.
  const std::size_t valueSize = input.empty() ? 0 : static_cast<unsigned char>(input[0]) % 33;
  const std::string_view value = input.substr(input.empty() ? 0 : 1, valueSize);
  const std::string_view file = input.substr(std::min(input.size(), 1 + value.size()));

  (void)FindIniValue(file, section, key);
  const std::string written = SetIniValue(file, section, key, value);
  const std::string_view stored = value.substr(0, value.find_first_of("\r\n"));
  if (FindIniValue(written, section, key) != std::string(stored)) std::abort();
  return 0;
}
