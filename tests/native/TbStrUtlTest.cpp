#include "shared/TbStrUtl.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/support/SplitByForwardScan.h"
#include "text/Sjis.h"

namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
  std::string text;
  std::string delimiter;
  Fields fields;
};

TEST(SplitDelimited, CutsAtEveryDelimiterOnACharacterBoundary) {
  const SplitCase cases[] = {
      {"", "<DELIMITER>", {}},
      {"a<DELIMITER>b<DELIMITER><DELIMITER>c", "<DELIMITER>", {"a", "b", "", "c"}},
      {"a.b.c", ".", {"a", "b", "c"}},
      {".a.", ".", {"", "a", ""}},
      {"abc", ".", {"abc"}},
      {"abc", "", {"abc"}},
      {".", ".", {"", ""}},
      {"aaa", "aa", {"", "a"}},
      // 表 is 0x95 0x5C: its second byte is no backslash; the one after it is.
      {"表", "\\", {"表"}},
      {"表\\x", "\\", {"表", "x"}},
      {"C:\\表\\ソ", "\\", {"C:", "表", "ソ"}},
      // Runs of lead-range bytes decide by their length where characters start.
      {"\x81\x81\x81\\", "\\", {"\x81\x81\x81\\"}},
      {"\x81\x81\\", "\\", {"\x81\x81", ""}},
      {"表表\\", "\\", {"表表", ""}},
      // What follows a match starts afresh, even after a delimiter that is a lone lead byte.
      {"\x81\x81\x81", "\x81", {"", "", "", ""}},
      {"\x95\\\x95\\", "\\", {"\x95\\\x95\\"}},
      {"a\x95", "\x95", {"a", ""}},
      // A double-byte delimiter starts only where a character starts.
      {"\x81\x95\\", "表", {"\x81\x95\\"}},
      {"\x81\x95\\表", "表", {"\x81\x95\\", ""}},
      {"x表y表", "表", {"x", "y", ""}},
  };
  for (const auto& c : cases) {
    Fields fields{"stale"};
    EXPECT_EQ(SplitDelimited(c.text, fields, c.delimiter), static_cast<int>(c.fields.size()))
        << c.text;
    EXPECT_EQ(fields, c.fields) << testing::PrintToString(c.text);
  }
}

TEST(SplitDelimited, AgreesWithAForwardScanOnRandomText) {
  const std::string pieces[] = {"a", "\\", ".", "<", "表", "ソ", "\x81", "\x95", "\xE0", "\xFC",
                                "\x40", "<D>", "\x5C\x5C"};
  const std::string delimiters[] = {"\\", ".", "<D>", "表", "\x81", "\x95\\", "\\\\", "a\x81"};
  std::mt19937 random(3);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int count = static_cast<int>(random() % 24);
    for (int i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
    const std::string& delimiter = delimiters[random() % std::size(delimiters)];
    Fields fields;
    SplitDelimited(text, fields, delimiter);
    ASSERT_EQ(fields, SplitByForwardScan(text, delimiter))
        << testing::PrintToString(text) << " at " << testing::PrintToString(delimiter);
  }
}

// Many delimiters and long runs of lead-range bytes are split in one pass; a split that
// searched its way back to the start of the text at each match would not end in time.
TEST(SplitDelimited, ManyDelimitersAndLongLeadByteRunsStayLinear) {
  std::string text;
  for (int i = 0; i < 1000000; ++i) text += "表<DELIMITER>";
  Fields fields;
  EXPECT_EQ(SplitDelimited(text, fields, "<DELIMITER>"), 1000001);
  EXPECT_EQ(fields.front(), "表");
  EXPECT_EQ(fields.back(), "");

  const std::string leadRun(2000001, '\x81');
  EXPECT_EQ(SplitDelimited(leadRun, fields, "\x81"), 2000002);
  EXPECT_EQ(SplitDelimited(leadRun + "\\", fields, "\\"), 1);
}

}  // namespace
