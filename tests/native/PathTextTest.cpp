#include "shared/PathText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PathText, FolderAndFileNamePartsSplitAtTheLastRealSeparator) {
  struct Case { std::string path, folder, name; };
  const Case cases[] = {
      {"C:\\a\\index[1].htm", "C:\\a\\", "index[1].htm"},
      {"C:\\a\\表\\b.exe", "C:\\a\\表\\", "b.exe"},
      {"C:\\a\\表", "C:\\a\\", "表"},                 // 表 and ソ end in byte 0x5C
      {"C:\\表\\ソ.htm", "C:\\表\\", "ソ.htm"},
      {"\\\\srv\\share\\Tobrin.exe", "\\\\srv\\share\\", "Tobrin.exe"},
      {"C:index.htm", "C:", "index.htm"},
      {"C:\\a\\", "C:\\a\\", ""},
      {"index.htm", "", "index.htm"},
      {"", "", ""},
      {"C:a/../../evil.htm", "C:a/../../", "evil.htm"},  // a slash separates as a backslash does
      {std::string("a\\\x95", 3), "a\\", "\x95"},      // a lead byte cut off at the end
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNamePart(c.path), c.name) << c.path;
    EXPECT_EQ(HasFolderPart(c.path), !c.folder.empty()) << c.path;
  }
}

TEST(PathText, DriveRootIsALetterAColonAndABackslash) {
  for (const char* path : {"C:\\", "z:\\x", "C:\\表"}) {
    EXPECT_TRUE(StartsWithDriveRoot(path)) << path;
  }
  for (const char* path : {"", "C:", "C:x", "1:\\", "\\\\srv\\s", "表:\\", "C/\\"}) {
    EXPECT_FALSE(StartsWithDriveRoot(path)) << path;
  }
}

}  // namespace
