#pragma once
// Conversions through Windows' own tables for code page 932 and UTF-8.
#include <string>

#include "platform/CodePage.h"

namespace platform::win32 {

class Win32CodePage final : public CodePage {
 public:
  std::u16string AnsiToWide(const std::string& text) const override;
  std::string WideToUtf8(const std::u16string& text) const override;
  std::string WideToAnsi(const std::u16string& text) const override;
};

}  // namespace platform::win32
