#include "shared/IniText.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace {

using std::string_literals::operator""s;

std::optional<std::string> OwnedValue(const std::optional<std::string_view>& value) {
  return value ? std::optional<std::string>(*value) : std::nullopt;
}

struct FindCase {
  const char* what;
  std::string file;
  std::string section;
  std::string key;
  std::optional<std::string> value;
};

TEST(IniText, FindsTheValueAsWritten) {
  const FindCase cases[] = {
      {"key case differs", "[CHK]\r\nCHK_IE=2\r\n", "CHK", "Chk_IE", "2"},
      {"section case differs", "[chk]\r\nCHK_IE=2\r\n", "Chk", "CHK_IE", "2"},
      {"indexed key", "[CHK]\r\nCHK_IE_Set_S[3]=1\r\n", "CHK", "Chk_IE_Set_S[3]", "1"},
      {"quotes and blanks kept", "[E]\r\nK= \"a b\" \r\n", "E", "K", " \"a b\" "},
      {"delimiter text kept", "[E]\r\nK=a<DELIMITER>b\r\n", "E", "K", "a<DELIMITER>b"},
      {"empty value", "[E]\r\nK=\r\n", "E", "K", ""},
      {"equals sign inside the value", "[E]\r\nK=a=b\r\n", "E", "K", "a=b"},
      {"blanks around the key", "[E]\r\n\t K \t=v\r\n", "E", "K", "v"},
      {"blanks around the section", "  [ E ]\r\nK=v\r\n", "E", "K", "v"},
      {"last line without line end", "[E]\r\nK=v", "E", "K", "v"},
      {"CR-only line ends", "[A]\rx=1\r[E]\rK=v\r", "E", "K", "v"},
      {"LF-only line ends", "[A]\nx=1\n[E]\nK=v\n", "E", "K", "v"},
      {"byte-order mark before the first section", "\xEF\xBB\xBF[E]\r\nK=v\r\n", "E", "K", "v"},
      {"duplicate key: first wins", "[E]\r\nK=1\r\nk=2\r\n", "E", "K", "1"},
      {"key in the first of two sections of the name", "[E]\r\nA=1\r\n[E]\r\nK=2\r\n", "E", "K",
       std::nullopt},
      {"same key in another section", "[A]\r\nK=1\r\n[E]\r\nK=2\r\n", "E", "K", "2"},
      {"missing key", "[E]\r\nK=1\r\n", "E", "X", std::nullopt},
      {"missing section", "[A]\r\nK=1\r\n", "E", "K", std::nullopt},
      {"no sections at all", "K=1\r\n", "E", "K", std::nullopt},
      {"empty file", "", "E", "K", std::nullopt},
      {"comment line", "[E]\r\n;K=1\r\nK=2\r\n", "E", "K", "2"},
      {"line without equals sign", "[E]\r\nK\r\nK=2\r\n", "E", "K", "2"},
      {"unclosed section header ends nothing", "[E]\r\n[X\r\nK=1\r\n", "E", "K", "1"},
      {"NUL byte inside a value", "[E]\r\nK=a\0b\r\n"s, "E", "K", "a\0b"s},
      {"lead byte cut at the end", "[E]\r\nK=\x95", "E", "K", "\x95"},
      // ア is 0x83 0x41 and チ 0x83 0x61: the second bytes are not letters to fold.
      {"double-byte key found", "[E]\r\nア=1\r\n", "E", "ア", "1"},
      {"second byte not case-folded", "[E]\r\nア=1\r\n", "E", "チ", std::nullopt},
      {"second byte not case-folded (section)", "[チ]\r\nK=1\r\n", "ア", "K", std::nullopt},
      // ゾ is 0x83 0x5D: its second byte is a closing bracket.
      {"closing bracket as second byte", "[ゾ]\r\nK=1\r\n", "ゾ", "K", "1"},
      {"backslash as second byte", "[表]\r\n表=ソ\\\r\n", "表", "表", "ソ\\"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindIniValue(c.file, c.section, c.key), c.value) << c.what;
    const IniKeyName keys[] = {{c.section, c.key}};
    EXPECT_EQ(OwnedValue(FindIniValues(c.file, keys)[0]), c.value) << c.what << " (one pass)";
  }
}

// Many keys of several sections from one pass give what one lookup per key gives: only the
// first section of a name counts, the first entry of a key wins, names match in any case.
TEST(IniText, OnePassFindsWhatSingleLookupsFind) {
  const std::string file =
      "K=outside\r\n[CHK]\r\nCHK_SUB=1\r\nchk_sub=2\r\n[EDIT]\r\nE[0]=a\r\n[chk]\r\n"
      "CHK_VIEW=1\r\n[Edit]\r\nE[1]=b\r\n[X]\r\nCHK_SUB=3\r\n[EDIT]\r\nE[2]=c\r\n";
  const IniKeyName keys[] = {{"CHK", "CHK_SUB"}, {"CHK", "CHK_VIEW"}, {"EDIT", "E[0]"},
                             {"EDIT", "E[1]"},   {"edit", "e[0]"},    {"X", "chk_sub"},
                             {"CHK", "K"},       {"Y", "K"},          {"EDIT", "E[2]"}};
  const auto values = FindIniValues(file, keys);
  ASSERT_EQ(values.size(), std::size(keys));
  for (std::size_t i = 0; i < std::size(keys); ++i) {
    EXPECT_EQ(OwnedValue(values[i]), FindIniValue(file, keys[i].section, keys[i].key))
        << keys[i].section << " " << keys[i].key;
  }
}

struct SetCase {
  const char* what;
  std::string file;
  std::string section;
  std::string key;
  std::string value;
  std::string result;
};

TEST(IniText, SetReplacesInPlaceOrAddsWhereItBelongs) {
  const SetCase cases[] = {
      {"new file", "", "CHK", "CHK_IE", "1", "[CHK]\r\nCHK_IE=1\r\n"},
      {"value replaced, key spelling and other lines kept", "; c\r\n[chk]\r\nchk_ie = 0\r\nX=1\r\n",
       "CHK", "CHK_IE", "2", "; c\r\n[chk]\r\nchk_ie =2\r\nX=1\r\n"},
      {"key added after the last line of its section", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "z",
       "3", "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
      {"key added to an empty section", "[A]\r\n[B]\r\n", "A", "z", "3", "[A]\r\nz=3\r\n[B]\r\n"},
      {"section header without line end", "[A]", "A", "x", "1", "[A]\r\nx=1\r\n"},
      {"section added after a last line without line end", "[A]\r\nx=1", "B", "y", "2",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"LF-only lines kept", "[A]\nx=1\n", "A", "y", "2", "[A]\nx=1\ny=2\r\n"},
      {"CR-only last line", "[A]\rx=1\r", "A", "x", "5", "[A]\rx=5\r"},
      {"byte-order mark only", "\xEF\xBB\xBF", "A", "x", "1", "\xEF\xBB\xBF[A]\r\nx=1\r\n"},
      {"quotes and blanks stored as they are", "", "E", "K", " \"q\" ", "[E]\r\nK= \"q\" \r\n"},
      {"line break: the value is cut there", "[E]\r\nK=old\r\n", "E", "K", "a\r\n[X]\r\nk=v",
       "[E]\r\nK=a\r\n"},
      {"lone LF in a new value", "", "E", "K", "a\nb=c", "[E]\r\nK=a\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SetIniValue(c.file, c.section, c.key, c.value), c.result) << c.what;
  }
}

TEST(IniText, ValuesReadBackUnchanged) {
  const std::string values[] = {"", "plain", " blanks ", "\"quoted\"", "a<DELIMITER>b",
                                "C:\\Program Files\\表\\ソ.exe", "-1", "=", "[X]", ";"};
  std::string file;
  for (const auto& v : values) {
    file = SetIniValue(file, "EDIT", "IE_View_E[0]", v);
    file = SetIniValue(file, "EDIT", "IE_View_O[0]", v + "o");
    EXPECT_EQ(FindIniValue(file, "edit", "ie_view_e[0]"), v);
    EXPECT_EQ(FindIniValue(file, "EDIT", "IE_View_O[0]"), v + "o");
  }
}

TEST(IniText, DamagedFilesGiveNothingOrTheValue) {
  std::mt19937 random(7);
  std::string garbage(1 << 16, '\0');
  for (auto& c : garbage) c = static_cast<char>(random());
  EXPECT_NO_THROW(FindIniValue(garbage, "CHK", "CHK_IE"));
  const std::string set = SetIniValue(garbage, "CHK", "CHK_IE", "1");
  EXPECT_EQ(FindIniValue(set, "CHK", "CHK_IE"), "1");

  const std::string longLine(1 << 20, 'x');
  const std::string file = "[E]\r\n" + longLine + "\r\nK=" + longLine + "\r\n";
  EXPECT_EQ(FindIniValue(file, "E", "K"), longLine);
}

// A file of many entries is set and read in one pass each; a quadratic reader would not end
// within the test's time.
TEST(IniText, LargeFilesStayLinear) {
  std::string file = "[E]\r\n";
  for (int i = 0; i < 200000; ++i) file += "K" + std::to_string(i) + "=v\r\n";
  file = SetIniValue(file, "E", "Last", "x");
  EXPECT_EQ(FindIniValue(file, "E", "last"), "x");
  EXPECT_EQ(FindIniValue(file, "E", "k199999"), "v");
}

// Random files built from the pieces that matter to the form (brackets, line ends, the
// byte-order mark, comments, double-byte names): a value set is the value found.
TEST(IniText, SetThenFindOnRandomFiles) {
  const std::string pieces[] = {"[",  "]",  "[A]", "[a]", "[ア]", "[チ]", "\r", "\n", "\r\n",
                                "=",  ";",  " ",   "\t",  "K",    "k",    "ア", "チ", "\x83",
                                "\xEF\xBB\xBF", "x", "\0"s, "[B]"};
  const std::string names[] = {"A", "a", "ア", "チ", "B"};
  const std::string keys[] = {"K", "k", "ア", "チ", "x"};
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    std::string file;
    const int count = static_cast<int>(random() % 30);
    for (int i = 0; i < count; ++i) file += pieces[random() % std::size(pieces)];
    const std::string& section = names[random() % std::size(names)];
    const std::string& key = keys[random() % std::size(keys)];
    const std::string value = pieces[random() % std::size(pieces)] + "v";
    const std::string expected = value.substr(0, value.find_first_of("\r\n"));
    const std::string written = SetIniValue(file, section, key, value);
    ASSERT_EQ(FindIniValue(written, section, key), expected) << testing::PrintToString(file);
    const IniKeyName asked[] = {{section, key}, {names[0], keys[0]}, {names[3], keys[3]}};
    const auto values = FindIniValues(written, asked);
    for (std::size_t i = 0; i < std::size(asked); ++i) {
      ASSERT_EQ(OwnedValue(values[i]), FindIniValue(written, asked[i].section, asked[i].key))
          << testing::PrintToString(written);
    }
  }
}

}  // namespace
