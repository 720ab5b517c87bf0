#include "shared/SiteListFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using std::string_literals::operator""s;
using Rows = std::vector<SiteListRow>;

struct ParseCase {
  const char* what;
  std::string file;
  Rows rows;
};

TEST(SiteListFile, ParsesOneRowALine) {
  const ParseCase cases[] = {
      {"no lines", "", {}},
      {"five fields", "1,http://a/?q=,1,2,Ａ検索\r\n", {{"1", "http://a/?q=", "1", "2", "Ａ検索"}}},
      {"missing fields empty", "1,u\r\n", {{"1", "u", "", "", ""}}},
      {"fields after the fifth dropped", "a,b,c,d,e,f,g", {{"a", "b", "c", "d", "e"}}},
      {"CR, LF and CR LF line ends", "a\rb\nc\r\nd", {{"a"}, {"b"}, {"c"}, {"d"}}},
      {"empty line is an empty row", "a\r\n\r\nb\r\n", {{"a"}, {}, {"b"}}},
      {"zero byte ends the file", "a\r\nb\0\r\nc"s, {{"a"}, {"b"}}},
      {"quoted field", "\"a,b\",\"x\"\"y\"", {{"a,b", "x\"y"}}},
      // Files written by the old grid: a bare comma splits, a leading quote opens a quoted field.
      {"bare comma splits a cell", "1,a,b,0,0", {{"1", "a", "b", "0", "0"}}},
      {"leading quote read as quoted", "\"q\"x,y", {{"q", "x", "y"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseSiteList(c.file), c.rows) << c.what;
}

struct ComposeCase {
  const char* what;
  SiteListRow row;
  std::string line;
};

TEST(SiteListFile, WritesBareUnlessACellWouldNotReadBack) {
  const ComposeCase cases[] = {
      {"plain cells bare", {"1", "http://a/?q=", "1", "0", "検索"}, "1,http://a/?q=,1,0,検索\r\n"},
      {"spaces and inner quotes read back bare", {" ", " a ", "x\"y", "", ""},
       " , a ,x\"y,,\r\n"},
      {"empty row", {}, ",,,,\r\n"},
      {"comma quoted", {"a,b", "", "", "", ""}, "\"a,b\",,,,\r\n"},
      {"leading quote quoted and doubled", {"\"q\"", "", "", "", ""},
       "\"\"\"q\"\"\",,,,\r\n"},
      {"control bytes quoted", {"a\tb", "\x01", "", "", ""}, "\"a\tb\",\"\x01\",,,\r\n"},
      {"second bytes are no commas or quotes", {"表ゾ", "", "", "", ""}, "表ゾ,,,,\r\n"},
      // What a line cannot hold: each line break becomes a space, a zero byte ends the cell,
      // a lead byte left alone at the end is dropped.
      {"line breaks become spaces", {"a\r\nb\rc\nd", "", "", "", ""}, "a b c d,,,,\r\n"},
      {"zero byte ends the cell", {"ab\0cd"s, "", "", "", ""}, "ab,,,,\r\n"},
      {"lone lead byte before a cell dropped", {"a\x95", "b", "", "", ""}, "a,b,,,\r\n"},
      // A lone lead byte at the end of the row's last cell stays: the line ends after it.
      {"lone lead byte ends the line", {"1", "表\x95", "", "", ""}, "1,表\x95\r\n"},
      {"lone lead byte in the last column", {"1", "", "", "", "\x95"}, "1,,,,\x95\r\n"},
      {"quoted cell with a lone lead byte left open", {"1", "a,\x95", "", "", ""},
       "1,\"a,\x95\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(ComposeSiteList({c.row}), c.line) << c.what;
  EXPECT_EQ(ComposeSiteList({}), "");
}

// Whatever the user types into the grid's cells, a list saved and loaded again gives back
// every cell unchanged.
TEST(SiteListFile, SaveThenLoadKeepsEveryCell) {
  const std::string pieces[] = {"a",  "Z",  " ",  ",",  "\"", "\"\"", "\t", "\x01", "\x1F",
                                "表", "ゾ", "ソ", "検索", "http://x/?q=", "%", "\\", ";", "\x7F"};
  std::mt19937 random(9);
  for (int round = 0; round < 5000; ++round) {
    Rows rows(random() % 4);
    for (auto& row : rows) {
      for (auto& cell : row) {
        const int length = static_cast<int>(random() % 5);
        for (int k = 0; k < length; ++k) cell += pieces[random() % std::size(pieces)];
      }
    }
    const std::string file = ComposeSiteList(rows);
    ASSERT_EQ(ParseSiteList(file), rows) << testing::PrintToString(file);
  }
}

}  // namespace
