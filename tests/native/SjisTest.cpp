#include "text/Sjis.h"

#include <gtest/gtest.h>

#include "text/AsciiCase.h"
#include "text/Blanks.h"

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

TEST(AsciiCase, OnlyAsciiLettersChangeNeverSecondBytes) {
  // ア is 0x83 0x41 and ヂ 0x83 0x61: second bytes in the letters' range.
  EXPECT_EQ(UpperAscii("abc\\アヂxyz"), "ABC\\アヂXYZ");
  EXPECT_EQ(LowerAscii("ABC\\アヂXYZ"), "abc\\アヂxyz");
  EXPECT_EQ(UpperAscii("ａｂ@[`{"), "ａｂ@[`{");  // full-width letters and the bytes around A-Z
  std::string appended = "KEY\\";
  AppendUpperAscii(appended, "sub");
  EXPECT_EQ(appended, "KEY\\SUB");
  EXPECT_EQ(ToLowerAscii(u'Q'), u'q');  // UTF-16 units fold alike

  EXPECT_TRUE(EqualIgnoringAsciiCase("Chk_IE", "CHK_ie"));
  EXPECT_TRUE(EqualIgnoringAsciiCase("アb", "アB"));
  EXPECT_FALSE(EqualIgnoringAsciiCase("ア", "ヂ"));
  EXPECT_FALSE(EqualIgnoringAsciiCase("a", "ab"));
  EXPECT_FALSE(EqualIgnoringAsciiCase("[", "{"));
}

TEST(Blanks, SpacesAndTabsAreTrimmedFullWidthSpacesKept) {
  EXPECT_EQ(TrimBlanks(" \t a b \t "), "a b");
  EXPECT_EQ(TrimBlanks(" \t "), "");
  EXPECT_EQ(TrimBlanks("　a　"), "　a　");
  EXPECT_EQ(TrimBlanks("\r\na\n"), "\r\na\n");  // line ends are no blanks
}
