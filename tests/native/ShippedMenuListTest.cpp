// The site list shipped beside the programs: Shift_JIS made from its UTF-8 source, numbered
// rows in the form the editor saves, every cell one the site page can take.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "shared/SiteListFile.h"
#include "shared/jconvex.h"

namespace {

std::string ReadDataFile(const std::string& name) {
  std::ifstream file(std::string(TOBRIN_DATA_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(file) << name;
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ShippedMenuList, IsItsUtf8SourceInShiftJisWithCrLf) {
  std::string source;
  for (const char c : ReadDataFile("MenuList.utf8.csv")) {
    if (c == '\n') source += '\r';
    source += c;
  }
  EXPECT_EQ(SjisToUtf8(ReadDataFile("MenuList.csv")), source)
      << "run scripts/make-menu-list.sh after changing data/MenuList.utf8.csv";
}

TEST(ShippedMenuList, HoldsNumberedSitesTheSitePageCanTake) {
  const std::string bytes = ReadDataFile("MenuList.csv");
  const std::vector<SiteListRow> rows = ParseSiteList(bytes);
  ASSERT_GE(rows.size(), 10u);
  EXPECT_EQ(ComposeSiteList(rows), bytes) << "the file is as the editor saves it";
  const std::set<std::string> targets = {"通常", "選択範囲"};
  const std::set<std::string> encodings = {"なし", "EUC-JP", "UTF-8"};
  std::set<std::string> names;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SiteListRow& row = rows[i];
    EXPECT_EQ(row[0], std::to_string(i + 1));
    EXPECT_TRUE(names.insert(row[1]).second) << row[1];
    EXPECT_EQ(row[1].find('&'), std::string::npos) << "a menu entry would underline: " << row[1];
    EXPECT_EQ(row[2].rfind("https://", 0), 0u) << row[2];
    EXPECT_TRUE(targets.count(row[3])) << row[3];
    EXPECT_TRUE(encodings.count(row[4])) << row[4];
    // A page site gets the page address as the script escaped it: no conversion.
    if (row[3] == "通常") {
      EXPECT_EQ(row[4], "なし") << row[1];
    }
  }
}

}  // namespace
