#include <gtest/gtest.h>

#include <string>

#include "shared/jconvex.h"
#include "tests/native/ByteText.h"

using bytetext::ExactCopy;
using bytetext::FromHex;
using bytetext::ToHex;

TEST(Jconvex, ShiftJisToUtf8) {
  struct Case {
    const char* what;
    std::string sjis;
    std::string utf8;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"ASCII keeps backslash and tilde", "a\\~\r\n", "a\\~\r\n"},
      {"zero byte is a character", std::string("a\0b", 3), std::string("a\0b", 3)},
      {"kana and kanji", "あ漢", FromHex("E3 81 82 E6 BC A2")},
      {"half-width katakana", "ｶﾞ", FromHex("EF BD B6 EF BE 9E")},
      {"trail byte 0x5C", "表ソ", FromHex("E8 A1 A8 E3 82 BD")},
      {"wave dash is the full-width tilde", "～", FromHex("EF BD 9E")},
      {"minus sign is the full-width one", "－", FromHex("EF BC 8D")},
      {"Greek takes two bytes", "α", FromHex("CE B1")},
      {"NEC special character", "①", FromHex("E2 91 A0")},
      {"IBM extension", FromHex("FA 40"), FromHex("E2 85 B0")},
      {"user-defined area", FromHex("F0 40 F9 FC"), FromHex("EE 80 80 EE 9D 97")},
      // What Windows makes of bytes that are no character of the code page.
      {"single 0x80", FromHex("80"), FromHex("C2 80")},
      {"single 0xA0", FromHex("A0"), FromHex("EF A3 B0")},
      {"single 0xFD-0xFF", FromHex("FD FE FF"), FromHex("EF A3 B1 EF A3 B2 EF A3 B3")},
      {"unassigned pair", FromHex("82 9E"), FromHex("E3 83 BB")},
      {"lead byte takes an ASCII byte", FromHex("81 20 61"), FromHex("E3 83 BB 61")},
      {"lead byte takes 0x7F", FromHex("81 7F 61"), FromHex("E3 83 BB 61")},
      {"lead byte leaves a zero byte", FromHex("81 00 61"), FromHex("E3 83 BB 00 61")},
      {"lead byte cut off at the end", FromHex("61 81"), FromHex("61 E3 83 BB")},
  };
  for (const auto& c : cases) {
    const ExactCopy sjis(c.sjis);
    EXPECT_EQ(ToHex(SjisToUtf8(sjis.view())), ToHex(c.utf8)) << c.what;
  }
}

// ASCII is copied eight bytes at a time: characters on every side of runs of each length.
TEST(Jconvex, ShiftJisToUtf8AroundAsciiRuns) {
  for (std::size_t run = 0; run < 20; ++run) {
    const std::string ascii(run, 'x');
    const ExactCopy sjis("ｱ" + ascii + "あ" + ascii + "\x81");
    EXPECT_EQ(
        ToHex(SjisToUtf8(sjis.view())),
        ToHex(FromHex("EF BD B1") + ascii + FromHex("E3 81 82") + ascii + FromHex("E3 83 BB")))
        << run;
  }
}

TEST(Jconvex, UrlEscape) {
  struct Case {
    const char* what;
    std::string text;
    std::string escaped;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"letters, digits and the ten marks stay", "AZaz09!$'()*-.@_", "AZaz09!$'()*-.@_"},
      {"space", " a ", "+a+"},
      {"reserved and other marks", "~/+%&=?#\"<>,;:[]^`{|}\\",
       "%7E%2F%2B%25%26%3D%3F%23%22%3C%3E%2C%3B%3A%5B%5D%5E%60%7B%7C%7D%5C"},
      {"line ends and controls", "\r\n\t\x7F", "%0D%0A%09%7F"},
      {"upper-case hex digits from 0x80 up", FromHex("80 9F A0 AB FF"), "%80%9F%A0%AB%FF"},
      {"Shift_JIS", "表", "%95%5C"},
      {"a zero byte ends the text", std::string("a b\0c d", 7), "a+b"},
      {"zero byte first", std::string("\0abc", 4), ""},
  };
  for (const auto& c : cases) {
    const ExactCopy text(c.text);
    EXPECT_EQ(UrlEscape(text.view()), c.escaped) << c.what;
  }
}

// Escapes are written four bytes at a time, eight bytes from 0x80 up in a row on a path of
// their own: every mix after prefixes that put the end and the eight-byte blocks at each place.
TEST(Jconvex, UrlEscapeAtEveryBlockBoundary) {
  const std::string kana = "%82%A0%82%A2%82%A4%82%A6";  // あいうえ, eight bytes from 0x80 up
  struct Prefix {
    std::string text;
    std::string escaped;
  };
  const Prefix prefixes[] = {
      {"", ""},
      {"ab", "ab"},
      {"あいうえ", kana},
      {"aあいうえ", "a" + kana},
      {"あいうえお", kana + "%82%A8"},
      {"ab~あいうえ", "ab%7E" + kana},
  };
  const std::string pieces[] = {"a", "~", " ", "あ"};
  const std::string escapes[] = {"a", "%7E", "+", "%82%A0"};
  for (const auto& prefix : prefixes) {
    for (int mix = 0; mix < 4 * 4 * 4 * 4; ++mix) {
      std::string text = prefix.text;
      std::string expected = prefix.escaped;
      for (int k = 0, m = mix; k < 4; ++k, m /= 4) {
        text += pieces[m % 4];
        expected += escapes[m % 4];
      }
      const ExactCopy copy(text);
      EXPECT_EQ(UrlEscape(copy.view()), expected) << text;
    }
  }
}

// The result is first sized by a guess that fits Japanese prose; half-width katakana (three
// UTF-8 bytes for one) and single bytes from 0xA0 up outgrow it, at every length.
TEST(Jconvex, ShiftJisToUtf8OutgrowsItsFirstGuess) {
  struct Piece {
    std::string sjis;
    std::string utf8;
  };
  const Piece pieces[] = {
      {"ｱ", FromHex("EF BD B1")},
      {FromHex("FF"), FromHex("EF A3 B3")},
      {"ｱa", FromHex("EF BD B1 61")},
  };
  for (const auto& piece : pieces) {
    for (std::size_t count : {1, 2, 3, 5, 8, 13, 21, 100, 1000, 100000}) {
      std::string sjis, utf8;
      for (std::size_t k = 0; k < count; ++k) {
        sjis += piece.sjis;
        utf8 += piece.utf8;
      }
      const ExactCopy copy(sjis);
      EXPECT_TRUE(SjisToUtf8(copy.view()) == utf8) << ToHex(piece.sjis) << " x " << count;
    }
  }
}

// Bytes that outgrow the guess, then an ASCII run copied right up to the end of the room,
// then more of them: at every length of both, the result is whole and nothing is written
// past the room (the sanitizer build watches).
TEST(Jconvex, ShiftJisToUtf8FillsTheRoomWithAsciiRuns) {
  const std::string ff = "\xFF";
  const std::string ffUtf8 = FromHex("EF A3 B3");
  for (std::size_t before = 1; before <= 40; ++before) {
    for (std::size_t run = 8; run <= 24; ++run) {
      std::string sjis, utf8;
      for (std::size_t k = 0; k < before; ++k) sjis += ff, utf8 += ffUtf8;
      sjis += std::string(run, 'a'), utf8 += std::string(run, 'a');
      for (int k = 0; k < 4; ++k) sjis += ff, utf8 += ffUtf8;
      const ExactCopy copy(sjis);
      EXPECT_EQ(ToHex(SjisToUtf8(copy.view())), ToHex(utf8)) << before << " then " << run;
    }
  }
}
