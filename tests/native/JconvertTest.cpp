#include <gtest/gtest.h>

#include <string>

#include "shared/jconvert.h"
#include "shared/jconvex.h"
#include "tests/native/ByteText.h"

using bytetext::ExactCopy;
using bytetext::FromHex;
using bytetext::ToHex;

namespace {

std::string Ascii(std::size_t count) { return std::string(count, 'a'); }

}  // namespace

// The two forms the launcher sends to web sites, for typical selections.
TEST(Jconvert, SiteFormsOfTypicalTexts) {
  struct Case {
    std::string text;
    TKanjiCode code;
    std::string eucForm;
    std::string utf8Form;
  };
  const Case cases[] = {
      {"あ", kcSjis, "%A4%A2", "%E3%81%82"},
      {"漢字", kcSjis, "%B4%C1%BB%FA", "%E6%BC%A2%E5%AD%97"},
      {"あｶ", kcSjis, "%A4%A2%8E%B6", "%E3%81%82%EF%BD%B6"},
      // Half-width katakana alone fit both encodings and go out as they are.
      {"ｶﾀｶﾅ", kcEucOrSjis, "%B6%C0%B6%C5", "%EF%BD%B6%EF%BE%80%EF%BD%B6%EF%BE%85"},
      {"2024年", kcSjis, "2024%C7%AF", "2024%E5%B9%B4"},
      {"a b+c/d~e", kcAscii, "a+b%2Bc%2Fd%7Ee", "a+b%2Bc%2Fd%7Ee"},
      {"", kcAscii, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToHex(c.text));
    EXPECT_EQ(DetectKanjiCode(c.text), c.code);
    EXPECT_EQ(UrlEscape(ConvertKanjiCode(c.text, kcEuc)), c.eucForm);
    EXPECT_EQ(UrlEscape(SjisToUtf8(c.text)), c.utf8Form);
  }
}

TEST(Jconvert, DetectionDecidesByTheFirstDecisiveByte) {
  struct Case {
    const char* what;
    std::string text;
    TKanjiCode code;
  };
  const Case cases[] = {
      {"empty", "", kcAscii},
      {"one byte never starts a step", FromHex("82"), kcAscii},
      {"last byte never starts a step", "abc" + FromHex("88"), kcAscii},
      {"7-bit text", "Hello, world.\r\n", kcAscii},
      {"ESC $ B", "ab" + FromHex("1B 24 42") + "$\"", kcJis},
      {"ESC $ @", FromHex("1B 24 40 30 21"), kcJisOld},
      {"ESC $ at the end reads 0 after it", "ab" + FromHex("1B 24"), kcAscii},
      {"ESC ( B decides nothing", FromHex("1B 28 42") + "abc", kcAscii},
      {"ESC takes the byte after it", FromHex("1B 82 41"), kcAscii},
      {"ESC $ takes two bytes after it", FromHex("1B 24 43 82 A0"), kcSjis},
      {"0x81-0x8D", FromHex("81 40 41"), kcSjis},
      {"0x8F-0x9F", FromHex("9F FC 41"), kcSjis},
      {"0x8E with a kana byte fits both", FromHex("8E B6 41"), kcEucOrSjis},
      {"0x8E with a Shift_JIS trail", FromHex("8E 40 41"), kcSjis},
      {"0x8E with 0xFD decides nothing", FromHex("8E FD 41"), kcAscii},
      {"kana then 0xF0-0xFE", FromHex("B0 F0 41"), kcEuc},
      {"kana then kana", FromHex("B0 B1 41"), kcEucOrSjis},
      {"kana then below 0xA0", FromHex("B0 9F 41"), kcSjis},
      {"kana then 0xA0 decides nothing", FromHex("B0 A0 41"), kcAscii},
      // 0xFF among the first 512 bytes is binary; later it may be a byte a rule takes.
      {"kana then 0xFF decides nothing", Ascii(600) + FromHex("B0 FF 41"), kcAscii},
      {"run after kana and 0xE0-0xEF finds Shift_JIS", FromHex("B0 E0 A1 41 88 41"), kcSjis},
      {"run after kana and 0xE0-0xEF finds EUC-JP", FromHex("B0 E0 A1 FD 41"), kcEuc},
      {"run ends below 0x40", FromHex("B0 E0 A1 A1 20 41"), kcEucOrSjis},
      {"0xF0-0xFE", FromHex("F5 A1 41"), kcEuc},
      {"0xE0-0xEF then Shift_JIS trail", FromHex("E0 40 41"), kcSjis},
      {"0xE0-0xEF then 0xFE", FromHex("EA FE 41"), kcEuc},
      {"0xE0-0xEF then 0xA1-0xFC", FromHex("EA A4 41"), kcEucOrSjis},
      {"0xE0-0xEF then 0xFF decides nothing", Ascii(600) + FromHex("E0 FF 41"), kcAscii},
      {"0x80 and 0xA0 decide nothing", FromHex("80 A0 82 A0"), kcSjis},
      {"undecided stays open for a later byte", FromHex("B0 B1 82 A0"), kcSjis},
      {"first decisive byte wins over ESC $ B", "あ" + FromHex("1B 24 42"), kcSjis},
      {"ESC $ B wins over later Shift_JIS", FromHex("1B 24 42 82 A0"), kcJis},
      {"a byte below 0x08 early", "ab" + FromHex("07") + "あ", kcNonText},
      {"0xFF early", FromHex("FF 41"), kcNonText},
      {"a byte below 0x08 as last byte only", "abc" + FromHex("01"), kcAscii},
      {"a byte below 0x08 after 512 bytes", Ascii(600) + FromHex("02") + "a", kcNonText},
      {"0xFF after 512 bytes", Ascii(600) + FromHex("FF") + "a", kcNonText},
      {"a byte below 0x08 after a decision", "あ" + Ascii(600) + FromHex("02") + "a", kcSjis},
      // The byte that ends a run is taken with it, so it is never looked at on its own.
      {"run end byte is not looked at", Ascii(600) + FromHex("B0 E0 A1 01") + "a", kcEucOrSjis},
  };
  for (const auto& c : cases) {
    const ExactCopy copy(c.text);
    EXPECT_EQ(DetectKanjiCode(copy.view()), c.code) << c.what << ": " << ToHex(c.text);
  }
}

// The detection passes over plain 7-bit text eight bytes at a time; a decisive byte at any
// place in such a block must still be found, and the last byte must still be left alone.
TEST(Jconvert, DetectionFindsDecisiveBytesAtEveryOffset) {
  struct Marker {
    std::string bytes;
    TKanjiCode code;
  };
  const Marker markers[] = {
      {FromHex("1B 24 42"), kcJis}, {FromHex("82 A0"), kcSjis}, {FromHex("F5 A1"), kcEuc},
      {FromHex("01"), kcNonText},   {FromHex("07"), kcNonText}, {FromHex("FF"), kcNonText},
  };
  for (const auto& marker : markers) {
    for (std::size_t prefix : {0, 1, 7, 8, 9, 15, 16, 17, 520, 521, 527}) {
      for (std::size_t suffix : {1, 2, 8, 9}) {
        const ExactCopy text(Ascii(prefix) + marker.bytes + std::string(suffix, '\x08'));
        EXPECT_EQ(DetectKanjiCode(text.view()), marker.code)
            << ToHex(marker.bytes) << " after " << prefix << " before " << suffix;
      }
    }
    const ExactCopy atEnd(Ascii(530) + marker.bytes.substr(0, 1));
    EXPECT_EQ(DetectKanjiCode(atEnd.view()), kcAscii) << ToHex(marker.bytes) << " as last byte";
  }
  EXPECT_EQ(DetectKanjiCode(Ascii(1000) + "\x7F\x08\x1A\x1C"), kcAscii);
}

TEST(Jconvert, ShiftJisToEucJp) {
  struct Case {
    const char* what;
    std::string sjis;
    std::string euc;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"ASCII", "abc\r\n~\\", "abc\r\n~\\"},
      {"kana and kanji", "あ漢字", FromHex("A4 A2 B4 C1 BB FA")},
      {"half-width katakana stay half-width", "ｶﾞ", FromHex("8E B6 8E DE")},
      {"first of JIS X 0208", "　", FromHex("A1 A1")},
      {"first kanji", "亜", FromHex("B0 A1")},
      {"last of JIS X 0208", "熙", FromHex("F4 A6")},
      {"trail byte 0x9E", "◇", FromHex("A1 FE")},
      {"trail byte 0x9F", "ぁ", FromHex("A4 A1")},
      {"trail byte 0x7E", "×", FromHex("A1 DF")},
      {"trail byte 0x80", "÷", FromHex("A1 E0")},
      {"trail byte 0x5C", "表", FromHex("C9 BD")},
      // The same arithmetic for everything else; nothing is dropped or replaced.
      {"user-defined character", FromHex("F0 40"), FromHex("FF A1")},
      {"NEC special character", FromHex("87 40"), FromHex("AD A1")},
      {"0x80 as first byte", FromHex("80 41"), FromHex("9F A2")},
      {"0xA0 as first byte", FromHex("A0 A1"), FromHex("E0 A3")},
      {"0xFF 0xFF", FromHex("FF FF"), FromHex("9E 81")},
      {"lead byte takes an ASCII byte", FromHex("82 61 62"), FromHex("A3 C2 62")},
      {"lead byte takes a zero byte", FromHex("82 00 62"), FromHex("A3 E1 62")},
      {"lead byte cut off at the end reads 0", FromHex("61 82"), FromHex("61 A3 E1")},
  };
  for (const auto& c : cases) {
    const ExactCopy sjis(c.sjis);
    EXPECT_EQ(ToHex(SjisToEuc(sjis.view())), ToHex(c.euc)) << c.what;
  }
}

// Runs of ASCII are copied eight bytes at a time: characters around them at every offset.
TEST(Jconvert, ShiftJisToEucJpAroundAsciiRuns) {
  for (std::size_t run = 0; run < 20; ++run) {
    for (std::size_t lead = 0; lead < 3; ++lead) {
      const std::string sjis = Ascii(lead) + "ｱ" + Ascii(run) + "あ" + Ascii(run % 9) + "\x82";
      const std::string euc = Ascii(lead) + FromHex("8E B1") + Ascii(run) + FromHex("A4 A2") +
                              Ascii(run % 9) + FromHex("A3 E1");
      const ExactCopy copy(sjis);
      EXPECT_EQ(ToHex(SjisToEuc(copy.view())), ToHex(euc)) << run << " " << lead;
    }
  }
}

TEST(Jconvert, Iso2022JpToEucJp) {
  struct Case {
    const char* what;
    std::string jis;
    std::string euc;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"no escape", "abc\r\n", "abc\r\n"},
      {"double-byte run", "a\x1B$B$\"4A;z\x1B(Bb", "a" + FromHex("A4 A2 B4 C1 BB FA") + "b"},
      {"old double-byte set", "\x1B$@$\"\x1B(J", FromHex("A4 A2")},
      {"spaces and line ends stay", "\x1B$B$\" $\"\r\n", FromHex("A4 A2 20 A4 A2 0D 0A")},
      {"bytes from 0x80 stay", "\x1B$B" + FromHex("80 FF 7F"), FromHex("80 FF 7F")},
      {"escape right after escape", "\x1B$B\x1B(B$\"", "$\""},
      {"other escape keeps the mode", "\x1B$B\x1BNX$\"", FromHex("A4 A2")},
      {"third byte skipped whatever it is", "\x1B(\x1B$\"", "$\""},
      {"escape cut short ends the text", "ab\x1B$", "ab"},
      {"ESC as last byte ends the text", "ab\x1B", "ab"},
  };
  for (const auto& c : cases) {
    const ExactCopy jis(c.jis);
    EXPECT_EQ(ToHex(JisToEuc(jis.view())), ToHex(c.euc)) << c.what;
  }
}

TEST(Jconvert, ConvertKanjiCodeFollowsTheDetection) {
  struct Case {
    const char* what;
    std::string text;
    std::string euc;
  };
  const Case cases[] = {
      {"Shift_JIS", "あ", FromHex("A4 A2")},
      {"ISO-2022-JP", "\x1B$B$\"\x1B(B", FromHex("A4 A2")},
      {"old ISO-2022-JP", "\x1B$@$\"", FromHex("A4 A2")},
      {"EUC-JP stays", FromHex("A4 A2 F5 A1"), FromHex("A4 A2 F5 A1")},
      {"either stays", "ｶﾀｶﾅ", "ｶﾀｶﾅ"},
      {"binary stays", "\x01あ", "\x01あ"},
      {"one byte stays", FromHex("82"), FromHex("82")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToHex(ConvertKanjiCode(c.text, kcEuc)), ToHex(c.euc)) << c.what;
  }
  for (TKanjiCode target : {kcAscii, kcNonText, kcJis, kcJisOld, kcSjis, kcEucOrSjis}) {
    EXPECT_EQ(ConvertKanjiCode("漢字", target), "漢字") << target;
  }
}

namespace {

// The piece `times` times over, built by doubling (fast also under the sanitizers).
std::string Repeat(const std::string& piece, std::size_t times) {
  const std::size_t total = piece.size() * times;
  std::string text;
  if (total == 0) return text;
  text.reserve(total);
  text.assign(piece);
  while (text.size() * 2 <= total) text.append(text);
  text.append(text, 0, total - text.size());
  return text;
}

}  // namespace

// Large and hostile texts: a piece that ends on a character boundary, repeated to about
// 100 MB, must convert to the piece's conversion repeated (and in linear time: a quadratic
// step would not finish). Every view is a block of exactly its size.
TEST(EncodingsOnBadInput, HundredMegabytesConvertPieceByPiece) {
  const std::size_t kTarget = 100u << 20;
  const std::string piece = "あｶa" + FromHex("1B 62 FF FF 00 80 A0 FD 82 9E 81 00 F0 40 0D 0A");
  const std::size_t times = kTarget / piece.size();
  const ExactCopy text(Repeat(piece, times));
  EXPECT_EQ(DetectKanjiCode(text.view()), kcNonText);
  EXPECT_TRUE(SjisToEuc(text.view()) == Repeat(SjisToEuc(piece), times));
  EXPECT_TRUE(SjisToUtf8(text.view()) == Repeat(SjisToUtf8(piece), times));
  EXPECT_TRUE(JisToEuc(text.view()) == Repeat(JisToEuc(piece), times));
  EXPECT_EQ(UrlEscape(text.view()), UrlEscape(piece));  // up to the first zero byte
}

TEST(EncodingsOnBadInput, HundredMegabytesOfOneKind) {
  const std::size_t kSize = 100u << 20;
  {
    const ExactCopy ascii(Ascii(kSize - 2) + "あ");
    EXPECT_EQ(DetectKanjiCode(ascii.view()), kcSjis);  // found only after a full scan
    EXPECT_EQ(ConvertKanjiCode(ascii.view(), kcEuc).size(), kSize);
  }
  {
    const ExactCopy ff(std::string(kSize, '\xFF'));
    EXPECT_EQ(DetectKanjiCode(ff.view()), kcNonText);
    EXPECT_TRUE(SjisToEuc(ff.view()) == Repeat(FromHex("9E 81"), kSize / 2));
    EXPECT_TRUE(SjisToUtf8(ff.view()) == Repeat(FromHex("EF A3 B3"), kSize));
    EXPECT_TRUE(UrlEscape(ff.view()) == Repeat("%FF", kSize));
  }
  {
    const ExactCopy jis("\x1B$B" + Repeat("$\"", kSize / 2));
    EXPECT_EQ(DetectKanjiCode(jis.view()), kcJis);
    EXPECT_TRUE(ConvertKanjiCode(jis.view(), kcEuc) == Repeat(FromHex("A4 A2"), kSize / 2));
  }
  {
    const ExactCopy lead(Repeat("\x82", kSize - 1));  // pairs, and one lead byte cut off
    EXPECT_EQ(SjisToEuc(lead.view()).size(), kSize);
    EXPECT_EQ(SjisToUtf8(lead.view()).size(), (kSize / 2) * 3);
  }
}
