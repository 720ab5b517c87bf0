#include <gtest/gtest.h>

#include "platform/memory/MemoryCodePage.h"
#include "tests/native/ByteText.h"

using bytetext::FromHex;
using bytetext::ToHex;

// The in-memory code page converts as Windows does (checked code by code under Wine); these
// are the points where a plain code table would go wrong.
TEST(MemoryCodePage, ConvertsAsWindowsDoes) {
  const platform::memory::MemoryCodePage codePage;
  struct ToWide {
    std::string sjis;
    std::u16string wide;
  };
  const ToWide toWide[] = {
      {"", u""},
      {"aあｱ表", u"aあｱ表"},
      {FromHex("80 A0 FD"), u"\u0080\uF8F0\uF8F1"},
      {FromHex("81 20"), u"・"},                                 // a pair that is no character
      {std::string("\x81\0a", 3), std::u16string(u"・\0a", 3)},  // zero is never a trail byte
      {FromHex("61 81"), u"a・"},                                // lead byte cut off at the end
  };
  for (const auto& c : toWide) {
    EXPECT_EQ(codePage.AnsiToWide(c.sjis), c.wide) << ToHex(c.sjis);
  }

  struct ToAnsi {
    std::u16string wide;
    std::string sjis;
  };
  const ToAnsi toAnsi[] = {
      {u"aあｱ表・", "aあｱ表・"},
      {u"\u2170", FromHex("FA 40")},  // IBM extension, not its NEC-selected copy EE EF
      {u"\u2235", FromHex("81 E6")},  // the lowest of three codes for ∵
      {u"\u00A5\u00E9", "\\e"},       // Windows' best fit
      {u"\u4E02\U0001F600", "???"},   // outside the code page; each surrogate on its own
  };
  for (const auto& c : toAnsi) {
    EXPECT_EQ(ToHex(codePage.WideToAnsi(c.wide)), ToHex(c.sjis));
  }

  // (Outside the assertion: its text is kept as Shift_JIS, which has no "é".)
  const std::u16string beyondTheCodePage = u"aé表\U0001F600";
  EXPECT_EQ(ToHex(codePage.WideToUtf8(beyondTheCodePage)), "61 C3 A9 E8 A1 A8 F0 9F 98 80");
  EXPECT_EQ(ToHex(codePage.WideToUtf8(u"\xD800"
                                      u"a")),
            "EF BF BD 61");
}
