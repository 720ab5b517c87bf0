#include "text/Sjis.h"

#include <gtest/gtest.h>

TEST(Sjis, BackslashSearchStepsOverDoubleByteCharacters) {
  EXPECT_FALSE(SjisEndsWithBackslash("C:\\表"));      // 0x95 0x5C
  EXPECT_TRUE(SjisEndsWithBackslash("C:\\表\\"));
  EXPECT_FALSE(SjisEndsWithBackslash("ソ"));
  EXPECT_FALSE(SjisEndsWithBackslash(""));
  EXPECT_EQ(SjisFindLastOf("a\\表", "\\"), 1u);
  EXPECT_EQ(SjisFindLastOf("表", "\\"), std::string::npos);
  // A lead byte cut off at the end is a character of its own.
  EXPECT_EQ(SjisFindLastOf(std::string("a\\\x95", 3), "\\"), 1u);
}

TEST(Sjis, LinesEndAtCrLfLoneCrLoneLfAndZero) {
  struct Case { std::string text; std::vector<std::string> lines; };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR: two line ends
      {"\r\n\r\n", {"", ""}},
      {std::string("a\0b\nc", 5), {"a"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
    EXPECT_EQ(NormalizeLineBreaks(c.text), JoinLinesCrLf(c.lines)) << c.text;
  }
}
