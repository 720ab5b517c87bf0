#include "platform/memory/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <stdexcept>

using platform::memory::MemoryFileSystem;

namespace {

TEST(MemoryFileSystem, AbsolutePathResolvesLikeGetFullPathName) {
  MemoryFileSystem fs;
  fs.SetCurrentFolder("C:\\work\\sub");
  struct Case { std::string in, out; };
  const Case cases[] = {
      {"", ""},
      {"C:\\", "C:\\"},
      {"C:\\a\\..\\b", "C:\\b"},
      {"C:\\a\\.\\b\\", "C:\\a\\b\\"},
      {"C:\\a\\b\\..", "C:\\a"},
      {"C:\\..\\..\\x", "C:\\x"},       // never above the root
      {"C:\\a\\\\b", "C:\\a\\b"},        // doubled backslash
      {"C:/a/b", "C:\\a\\b"},            // forward slashes
      {"file.txt", "C:\\work\\sub\\file.txt"},
      {"..\\x", "C:\\work\\x"},
      {".", "C:\\work\\sub"},
      {"\\top", "C:\\top"},              // root-relative
      {"C:", "C:\\work\\sub"},           // bare drive: current folder of that drive
      {"C:rel", "C:\\work\\sub\\rel"},
      {"D:", "D:\\"},                    // another drive starts at its root
      {"D:rel", "D:\\rel"},
      {"\\\\srv\\share\\a\\..\\b", "\\\\srv\\share\\b"},
      {"\\\\srv\\share", "\\\\srv\\share"},
      {"\\\\srv\\share\\", "\\\\srv\\share\\"},
      {"\\\\srv\\share\\..\\..", "\\\\srv\\share\\"},  // ".." stops at the share
      {"C:\\表\\ソ", "C:\\表\\ソ"},       // second bytes 0x5C are not separators
      {"C:\\表\\..\\x", "C:\\x"},
      {"C:\\a.\\b. ", "C:\\a\\b"},  // trailing dots and spaces dropped
      {"C:\\a\\...", "C:\\a\\"},      // a name of dots alone vanishes
      {"C:\\a\\.b", "C:\\a\\.b"},
  };
  for (const auto& c : cases) EXPECT_EQ(fs.AbsolutePath(c.in), c.out) << c.in;
}

TEST(MemoryFileSystem, NamesMatchWithoutLetterCaseAndListAsCreated) {
  MemoryFileSystem fs;
  fs.AddFile("C:\\Program Files\\App\\ReadMe.TXT", "hello");
  EXPECT_TRUE(fs.FileExists("c:\\PROGRAM FILES\\app\\readme.txt"));
  EXPECT_EQ(fs.ReadWholeFile("C:\\program files\\APP\\README.txt"), "hello");
  EXPECT_EQ(fs.ListedName("c:\\program files"), "Program Files");
  EXPECT_EQ(fs.ListedName("C:\\PROGRAM FILES\\APP\\readme.txt"), "ReadMe.TXT");
  EXPECT_EQ(fs.AllFiles(), std::vector<std::string>{"C:\\Program Files\\App\\ReadMe.TXT"});
}

TEST(MemoryFileSystem, DoubleByteNamesAreNeverFoldedOrSplit) {
  MemoryFileSystem fs;
  // "ア" is 0x83 0x41 and "ヂ" is 0x83 0x61: folding the second byte would make them equal.
  fs.AddFile("C:\\ア", "a");
  fs.AddFile("C:\\表\\x", "in folder");  // 表 is 0x95 0x5C
  EXPECT_FALSE(fs.FileExists("C:\\ヂ"));
  EXPECT_TRUE(fs.FolderExists("C:\\表"));
  EXPECT_EQ(fs.ListedName("C:\\表"), "表");
  EXPECT_EQ(fs.Read("C:\\表\\x"), "in folder");
  EXPECT_FALSE(fs.Exists("C:\\\x95"));  // the lead byte alone is another name
}

TEST(MemoryFileSystem, ExistenceOfFilesFoldersAndTrailingBackslashes) {
  MemoryFileSystem fs;
  fs.AddFile("C:\\dir\\f.txt", "");
  struct Case { std::string path; bool fileExists, exists, folderExists; };
  const Case cases[] = {
      {"C:\\dir\\f.txt", true, true, false},
      {"C:\\dir\\f.txt\\", false, false, false},  // a file is not reached through "f.txt\"
      {"C:\\dir", false, true, true},
      {"C:\\dir\\", false, true, true},
      {"C:\\", false, true, true},
      {"C:\\nope", false, false, false},
      {"C:\\nope\\f.txt", false, false, false},
      {"C:\\dir\\f.txt\\below", false, false, false},
      {"Q:\\dir", false, false, false},
      {"", false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fs.FileExists(c.path), c.fileExists) << c.path;
    EXPECT_EQ(fs.Exists(c.path), c.exists) << c.path;
    EXPECT_EQ(fs.FolderExists(c.path), c.folderExists) << c.path;
  }
}

TEST(MemoryFileSystem, ListedNameIsNothingForMissingEntriesRootsAndEmptyLastComponents) {
  MemoryFileSystem fs;
  fs.AddFolder("\\\\srv\\share\\Dir");
  fs.AddFile("C:\\Dir\\File", "");
  EXPECT_EQ(fs.ListedName("\\\\SRV\\SHARE\\dir"), "Dir");
  EXPECT_EQ(fs.ListedName("C:\\dir\\file"), "File");
  for (const std::string path : {"C:\\Dir\\", "C:\\", "C:", "\\\\srv\\share", "\\\\srv",
                                 "C:\\Dir\\Missing", "C:\\Missing\\File", ""}) {
    EXPECT_EQ(fs.ListedName(path), std::nullopt) << path;
  }
}

TEST(MemoryFileSystem, ShortAliasesReachTheLongEntry) {
  MemoryFileSystem fs;
  fs.AddFile("C:\\Program Files\\Long Name.html", "x");
  fs.AddShortName("C:\\Program Files", "PROGRA~1");
  fs.AddShortName("C:\\Program Files\\Long Name.html", "LONGNA~1.HTM");
  EXPECT_EQ(fs.ListedName("C:\\progra~1"), "Program Files");
  EXPECT_EQ(fs.ListedName("C:\\PROGRA~1\\LONGNA~1.HTM"), "Long Name.html");
  EXPECT_EQ(fs.Read("C:\\PROGRA~1\\longna~1.htm"), "x");
  // Writing through the alias replaces the long-named file; nothing new appears.
  EXPECT_TRUE(fs.ReplaceFileWith("C:\\PROGRA~1\\LONGNA~1.HTM", "y"));
  EXPECT_EQ(fs.AllFiles(), std::vector<std::string>{"C:\\Program Files\\Long Name.html"});
  EXPECT_EQ(fs.Read("C:\\Program Files\\Long Name.html"), "y");
  // The alias belongs to its folder only.
  EXPECT_FALSE(fs.Exists("D:\\PROGRA~1"));
  EXPECT_THROW(fs.AddShortName("C:\\Missing", "MISSIN~1"), std::logic_error);
}

TEST(MemoryFileSystem, MappedDrivesReachTheShareAndHaveAUncForm) {
  MemoryFileSystem fs;
  fs.MapDrive("Z:", "\\\\server\\share");
  fs.AddFile("Z:\\dir\\a.txt", "via drive");
  EXPECT_EQ(fs.Read("\\\\SERVER\\share\\Dir\\A.TXT"), "via drive");
  EXPECT_EQ(fs.UncPathOfMappedDrive("Z:\\dir\\a.txt"), "\\\\server\\share\\dir\\a.txt");
  EXPECT_EQ(fs.UncPathOfMappedDrive("z:\\"), "\\\\server\\share\\");
  EXPECT_EQ(fs.UncPathOfMappedDrive("Z:"), "\\\\server\\share");
  for (const std::string path : {"C:\\dir", "Zx", "", "\\\\server\\share\\dir", "Z:rel"}) {
    EXPECT_EQ(fs.UncPathOfMappedDrive(path), std::nullopt) << path;
  }
}

TEST(MemoryFileSystem, ReplaceFileWithWritesWholeOrRefuses) {
  MemoryFileSystem fs;
  fs.AddFile("C:\\app\\Settings.ini", "old");
  fs.AddFolder("C:\\app\\sub");
  fs.AddFolder("C:\\locked");
  fs.AddFile("C:\\app\\readonly.txt", "kept");
  fs.RefuseWrites("C:\\locked");
  fs.RefuseWrites("C:\\APP\\READONLY.TXT");

  EXPECT_TRUE(fs.ReplaceFileWith("C:\\APP\\settings.ini", "new"));
  EXPECT_EQ(fs.Read("C:\\app\\Settings.ini"), "new");
  EXPECT_EQ(fs.ListedName("C:\\app\\settings.ini"), "Settings.ini");  // name kept
  EXPECT_TRUE(fs.ReplaceFileWith("C:\\app\\New.txt", std::string("a\0b", 3)));
  EXPECT_EQ(fs.Read("C:\\app\\new.txt"), std::string("a\0b", 3));

  for (const std::string path : {"C:\\missing\\x.txt", "C:\\app\\sub", "C:\\app\\sub\\",
                                 "C:\\locked\\x.txt", "C:\\locked\\deeper\\x.txt",
                                 "C:\\app\\readonly.txt", "C:\\app\\Settings.ini\\x", "C:\\",
                                 ""}) {
    EXPECT_FALSE(fs.ReplaceFileWith(path, "bad")) << path;
  }
  EXPECT_EQ(fs.Read("C:\\app\\readonly.txt"), "kept");
  EXPECT_EQ(fs.AllFiles(), (std::vector<std::string>{"C:\\app\\New.txt", "C:\\app\\Settings.ini",
                                                     "C:\\app\\readonly.txt"}));
  EXPECT_EQ(fs.WriteCount(), 2);
}

TEST(MemoryFileSystem, CopyFileReplacingNeedsASourceAndAWritableTarget) {
  MemoryFileSystem fs;
  fs.AddFile("C:\\cache\\page.htm", "page");
  fs.AddFile("C:\\temp\\~page.htm", "stale");
  fs.AddFolder("C:\\locked");
  fs.RefuseWrites("C:\\locked");

  EXPECT_TRUE(fs.CopyFileReplacing("C:\\cache\\page.htm", "C:\\temp\\~PAGE.htm"));
  EXPECT_EQ(fs.Read("C:\\temp\\~page.htm"), "page");
  EXPECT_TRUE(fs.CopyFileReplacing("C:\\cache\\page.htm", "C:\\temp\\second.htm"));

  struct Case { std::string from, to; };
  const Case refused[] = {
      {"C:\\cache\\missing.htm", "C:\\temp\\x.htm"},
      {"C:\\cache", "C:\\temp\\x.htm"},            // a folder is no source
      {"C:\\cache\\page.htm", "C:\\nofolder\\x.htm"},
      {"C:\\cache\\page.htm", "C:\\locked\\x.htm"},
      {"C:\\cache\\page.htm", "C:\\temp"},         // a folder is no target
      {"C:\\cache\\page.htm", "c:\\CACHE\\page.htm"},  // onto itself
  };
  for (const auto& c : refused) EXPECT_FALSE(fs.CopyFileReplacing(c.from, c.to)) << c.to;
  EXPECT_EQ(fs.Read("C:\\cache\\page.htm"), "page");
  EXPECT_FALSE(fs.Exists("C:\\temp\\x.htm"));
}

TEST(MemoryFileSystem, SetupRefusesToTurnAFileIntoAFolder) {
  MemoryFileSystem fs;
  fs.AddFile("C:\\a", "");
  EXPECT_THROW(fs.AddFolder("C:\\a\\b"), std::logic_error);
  EXPECT_THROW(fs.AddFile("C:\\a\\b", ""), std::logic_error);
  fs.AddFolder("C:\\d");
  EXPECT_THROW(fs.AddFile("C:\\d", ""), std::logic_error);
  EXPECT_THROW(fs.AddFile("C:\\d\\", ""), std::logic_error);
}

TEST(MemoryFileSystem, PathsLongerThanMaxPathWork) {
  MemoryFileSystem fs;
  std::string path = "C:";
  for (int i = 0; i < 40; ++i) path += "\\component-" + std::to_string(i);
  ASSERT_GT(path.size(), 260u);
  fs.AddFile(path + "\\f", "deep");
  EXPECT_EQ(fs.Read(path + "\\F"), "deep");
  EXPECT_EQ(fs.ListedName(path), "component-39");
}

}  // namespace
