#pragma once
// Code page 932 conversions without Windows: the same results as Windows' own, from the
// code page table of the shared library.
#include "platform/CodePage.h"

namespace platform::memory {

class MemoryCodePage : public CodePage {
 public:
  std::u16string AnsiToWide(const std::string& text) const override;
  std::string WideToUtf8(const std::u16string& text) const override;
  std::string WideToAnsi(const std::u16string& text) const override;
};

}  // namespace platform::memory
