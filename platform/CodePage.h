#pragma once
// Conversions between the system code page (932, Shift_JIS), UTF-16 and UTF-8.
#include <string>

namespace platform {

class CodePage {
 public:
  virtual ~CodePage() = default;

  // Shift_JIS bytes to UTF-16; bytes that are no character of code page 932 become the code
  // page's substitute.
  virtual std::u16string AnsiToWide(const std::string& text) const = 0;

  // UTF-16 to UTF-8.
  virtual std::string WideToUtf8(const std::u16string& text) const = 0;

  // UTF-16 to Shift_JIS; characters outside code page 932 become its default character.
  virtual std::string WideToAnsi(const std::u16string& text) const = 0;
};

}  // namespace platform
