// Windows' own code page 932 and UTF-8 tables through the code-page interface, and the
// running program's view of itself.
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32Text.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::win32::Win32CodePage;
using platform::win32::Win32Process;

TEST(Win32CodePageTest, ShiftJisRoundTripsThroughUtf16AndGivesUtf8) {
  struct Case {
    std::string sjis;
    std::u16string wide;
    std::string utf8;
  };
  const Case cases[] = {
      {"", u"", ""},
      {"abc\\", u"abc\\", "abc\\"},
      {"表ソ", u"表ソ", "\xE8\xA1\xA8\xE3\x82\xBD"},
      {"\xB1\xB2", u"ｱｲ", "\xEF\xBD\xB1\xEF\xBD\xB2"},  // half-width katakana
      {"\x87\x40", u"①", "\xE2\x91\xA0"},                  // NEC special row
      {"\xFA\x40", u"ⅰ", "\xE2\x85\xB0"},                  // IBM extension
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
  };
  const Win32CodePage codePage;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(codePage.AnsiToWide(c.sjis), c.wide);
    EXPECT_EQ(codePage.WideToAnsi(c.wide), c.sjis);
    EXPECT_EQ(codePage.WideToUtf8(c.wide), c.utf8);
  }
}

TEST(Win32CodePageTest, TextOutsideEitherTableIsReplacedNotDropped) {
  const Win32CodePage codePage;
  const std::u16string grinningFace = {0xD83D, 0xDE00};  // outside the basic plane
  EXPECT_EQ(codePage.WideToAnsi(u"a" + grinningFace + u"b").find_first_of("ab"), 0u);
  EXPECT_EQ(codePage.WideToAnsi(u"a" + grinningFace + u"b").back(), 'b');
  EXPECT_EQ(codePage.WideToUtf8(grinningFace), "\xF0\x9F\x98\x80");
  // A lead byte without its trail byte, and a byte that is no character, each still give one
  // stand-in character.
  EXPECT_EQ(codePage.AnsiToWide("a\x81").size(), 2u);
  EXPECT_EQ(codePage.AnsiToWide("\x80").size(), 1u);
}

TEST(Win32ProcessTest, ProgramPathIsThisExecutableAndArgumentsSkipItsName) {
  const Win32Process process;
  const std::string path = process.ProgramPath();
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path.substr(1, 2), ":\\");
  EXPECT_EQ(path.substr(path.size() - 4), ".exe");
  EXPECT_NE(GetFileAttributesW(platform::win32::ToWide(path).c_str()), INVALID_FILE_ATTRIBUTES);

  int count = 0;
  LPWSTR* all = CommandLineToArgvW(GetCommandLineW(), &count);
  LocalFree(all);
  EXPECT_EQ(process.Arguments().size(), static_cast<std::size_t>(count - 1));
}

}  // namespace
