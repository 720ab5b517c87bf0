#pragma once
// Byte strings written and shown as hexadecimal, for tests of encodings.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace bytetext {

// "82 A0 41" -> the three bytes; spaces are ignored.
inline std::string FromHex(std::string_view hex) {
  auto nibble = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    bytes.push_back(static_cast<char>(nibble(hex[i]) << 4 | nibble(hex[i + 1])));
    i += 2;
  }
  return bytes;
}

// The bytes as upper-case hexadecimal separated by spaces, for failure messages.
inline std::string ToHex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char c : bytes) {
    if (!hex.empty()) hex.push_back(' ');
    hex.push_back(kDigits[c >> 4]);
    hex.push_back(kDigits[c & 15]);
  }
  return hex;
}

// A copy of the bytes in a block of exactly their size, with no terminating zero after them,
// so that the address sanitizer reports any read past the end of the view.
class ExactCopy {
 public:
  explicit ExactCopy(std::string_view bytes)
      : size_(bytes.size()), data_(new char[bytes.size() == 0 ? 1 : bytes.size()]) {
    bytes.copy(data_.get(), bytes.size());
  }
  std::string_view view() const { return {data_.get(), size_}; }

 private:
  std::size_t size_;
  std::unique_ptr<char[]> data_;
};

}  // namespace bytetext
