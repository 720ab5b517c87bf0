#include "shared/TbSysUtl.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/memory/MemoryFileSystem.h"
#include "platform/memory/MemorySystemFolders.h"

using platform::memory::MemoryFileSystem;
using platform::memory::MemorySystemFolders;

namespace {

constexpr platform::WindowHandle kOwner = 0x1234;

// A Windows XP-like disk where the kernel reports folders in short form.
class SpecialFolders : public ::testing::Test {
 protected:
  SpecialFolders() {
    files.AddFolder("C:\\Documents and Settings\\Administrator\\Local Settings\\Temp");
    files.AddShortName("C:\\Documents and Settings", "DOCUME~1");
    files.AddShortName("C:\\Documents and Settings\\Administrator", "ADMINI~1");
    files.AddShortName("C:\\Documents and Settings\\Administrator\\Local Settings", "LOCALS~1");
    files.AddFolder("C:\\WINDOWS\\system32");
    files.AddFolder("C:\\Program Files\\表");
    files.AddShortName("C:\\Program Files", "PROGRA~1");
  }

  std::string Get(TSpecialFolder kind) {
    return GetSpecialFolderPath(folders, files, kOwner, kind);
  }

  MemoryFileSystem files;
  MemorySystemFolders folders;
};

TEST_F(SpecialFolders, ShellKindsAskTheShellForTheirCsidl) {
  struct Case { TSpecialFolder kind; int csidl; };
  const Case cases[] = {
      {sfAdminTools, 0x30}, {sfAltStartup, 0x1D}, {sfAppData, 0x1A},
      {sfCommonAdminTools, 0x2F}, {sfCommonAltStartup, 0x1E}, {sfCommonAppData, 0x23},
      {sfCommonDesktopDirectory, 0x19}, {sfCommonDocuments, 0x2E}, {sfCommonFavorites, 0x1F},
      {sfCommonPrograms, 0x17}, {sfCommonStartMenu, 0x16}, {sfCommonStartup, 0x18},
      {sfCookies, 0x21}, {sfDesktopDirectory, 0x10}, {sfFavorites, 0x06}, {sfFonts, 0x14},
      {sfHistory, 0x22}, {sfInternetCache, 0x20}, {sfLocalAppData, 0x1C}, {sfPersonal, 0x05},
      {sfMyMusic, 0x0D}, {sfMyPictures, 0x27}, {sfMyVideo, 0x0E}, {sfNetHood, 0x13},
      {sfPrintHood, 0x1B}, {sfProfile, 0x28}, {sfPrograms, 0x02}, {sfProgramFiles, 0x26},
      {sfProgramFilesCommon, 0x2B}, {sfRecent, 0x08}, {sfSendTo, 0x09}, {sfStartMenu, 0x0B},
      {sfStartup, 0x07}, {sfTemplates, 0x15},
  };
  for (int csidl = 0; csidl < 0x40; ++csidl) {
    folders.SetShellFolder(csidl, "C:\\shell\\" + std::to_string(csidl));
  }
  for (const auto& c : cases) {
    EXPECT_EQ(CsidlOfSpecialFolder(c.kind), c.csidl) << c.kind;
    EXPECT_EQ(Get(c.kind), "C:\\shell\\" + std::to_string(c.csidl) + "\\") << c.kind;
  }
  EXPECT_EQ(folders.ShellOwners(), std::vector<platform::WindowHandle>(std::size(cases), kOwner));
}

TEST_F(SpecialFolders, KernelKindsAreExpandedToLongNamesWithOneBackslash) {
  struct Case {
    TSpecialFolder kind;
    std::string kernelAnswer, expected;
  };
  const Case cases[] = {
      {sfTemp, "C:\\DOCUME~1\\ADMINI~1\\LOCALS~1\\Temp\\",
       "C:\\Documents and Settings\\Administrator\\Local Settings\\Temp\\"},
      {sfTemp, "c:\\docume~1\\admini~1\\locals~1\\TEMP",
       "c:\\Documents and Settings\\Administrator\\Local Settings\\Temp\\"},
      {sfTemp, "C:\\DOCUME~1\\NoSuchUser\\", "C:\\Documents and Settings\\NoSuchUser\\"},
      {sfTemp, "C:\\PROGRA~1\\表", "C:\\Program Files\\表\\"},
      {sfTemp, "", ""},  // the query failed
      {sfTemp, "C:\\PROGRA~1\\\x95", ""},  // ends in half a character
      {sfTemp, std::string("C:\\PROGRA~1\0C:\\WINDOWS", 21), "C:\\Program Files\\"},
      {sfSystem, "C:\\windows\\SYSTEM32", "C:\\WINDOWS\\system32\\"},
      {sfWindows, "C:\\WINDOWS", "C:\\WINDOWS\\"},
  };
  for (const auto& c : cases) {
    folders.SetKernelTempPath(c.kind == sfTemp ? c.kernelAnswer : "");
    folders.SetKernelSystemDirectory(c.kind == sfSystem ? c.kernelAnswer : "");
    folders.SetKernelWindowsDirectory(c.kind == sfWindows ? c.kernelAnswer : "");
    EXPECT_EQ(Get(c.kind), c.expected) << c.kernelAnswer;
    EXPECT_EQ(Get(c.kind), Get(c.kind)) << "a second call gives the same path";
  }
  EXPECT_TRUE(folders.ShellOwners().empty()) << "kernel kinds never ask the shell";
}

TEST_F(SpecialFolders, ShellPathsAreUsedAsTheyComeWithOneBackslashAppended) {
  struct Case { std::optional<std::string> shellAnswer; std::string expected; };
  const Case cases[] = {
      {"C:\\PROGRA~1", "C:\\PROGRA~1\\"},  // no long-name expansion
      {"C:\\Program Files\\", "C:\\Program Files\\"},
      {"C:\\Program Files\\表", "C:\\Program Files\\表\\"},  // 0x5C of 表 is no backslash
      {"C:\\Program Files\\表\\", "C:\\Program Files\\表\\"},
      {"\\\\server\\share", "\\\\server\\share\\"},
      {std::string("D:\\x\0\\y", 7), "D:\\x\\"},
      // A character cut in half at the end: the appended backslash would be its second byte.
      {"D:\\x\x95", ""},
      {std::string("D:\\x\x95\0\\", 7), ""},
      {"D:\\x\x95\x95", "D:\\x\x95\x95\\"},  // a whole character
      {"", ""},
      {std::nullopt, ""},  // no such folder, or one without a file-system path
  };
  for (const auto& c : cases) {
    if (c.shellAnswer) {
      folders.SetShellFolder(0x26, *c.shellAnswer);
    } else {
      folders.RemoveShellFolder(0x26);
    }
    EXPECT_EQ(Get(sfProgramFiles), c.expected) << c.shellAnswer.value_or("(none)");
  }
}

TEST_F(SpecialFolders, ValuesOutsideTheKindsGiveNothing) {
  for (const int value : {-1, kSpecialFolderCount, 1000}) {
    const auto kind = static_cast<TSpecialFolder>(value);
    EXPECT_EQ(CsidlOfSpecialFolder(kind), -1);
    EXPECT_EQ(Get(kind), "");
  }
  EXPECT_TRUE(folders.ShellOwners().empty());
}

class LongPaths : public ::testing::Test {
 protected:
  LongPaths() {
    files.AddFolder("C:\\Program Files\\Long Name Folder");
    files.AddFile("C:\\Program Files\\Long Name Folder\\ReadMe File.txt", "");
    files.AddShortName("C:\\Program Files", "PROGRA~1");
    files.AddShortName("C:\\Program Files\\Long Name Folder", "LONGNA~1");
    files.AddShortName("C:\\Program Files\\Long Name Folder\\ReadMe File.txt", "README~1.TXT");
    files.AddFolder("C:\\表\\ソフト");
    files.AddFolder("\\\\server\\share\\Shared Dir");
    files.AddShortName("\\\\server\\share\\Shared Dir", "SHARED~1");
    files.MapDrive("Z:", "\\\\server\\share");
    files.SetCurrentFolder("C:\\Program Files");
  }

  MemoryFileSystem files;
};

TEST_F(LongPaths, EveryListedComponentGetsItsLongName) {
  struct Case { std::string in, out; };
  const Case cases[] = {
      {"", ""},
      {"C:\\", "C:\\"},
      {"C:\\PROGRA~1", "C:\\Program Files"},  // no backslash added
      {"C:\\PROGRA~1\\", "C:\\Program Files\\"},
      {"c:\\progra~1\\longna~1\\readme~1.txt",
       "c:\\Program Files\\Long Name Folder\\ReadMe File.txt"},
      {"C:\\PROGRA~1\\NoSuchDir", "C:\\Program Files\\NoSuchDir"},
      {"C:\\PROGRA~1\\NoSuchDir\\LONGNA~1", "C:\\Program Files\\NoSuchDir\\LONGNA~1"},
      {"C:\\NoSuch\\PROGRA~1", "C:\\NoSuch\\PROGRA~1"},
      {"C:\\a\\..\\PROGRA~1\\.\\LONGNA~1", "C:\\Program Files\\Long Name Folder"},
      {"LONGNA~1\\", "C:\\Program Files\\Long Name Folder\\"},  // relative to the current folder
      {"C:", "C:\\Program Files"},                             // bare drive: current folder
      {"C:\\表", "C:\\表"},
      {"C:\\表\\", "C:\\表\\"},
      {"c:\\表\\ソフト", "c:\\表\\ソフト"},
      {"C:\\表\\ソフト\\表", "C:\\表\\ソフト\\表"},
      // UNC: the loop stops at \\server; the share root is not listed and stays as given.
      {"\\\\server\\SHARE\\shared~1", "\\\\server\\SHARE\\Shared Dir"},
      {"\\\\SERVER\\share\\missing\\x", "\\\\SERVER\\share\\missing\\x"},
      {"\\\\server", "\\\\server"},
      // A mapped drive turns into the share's UNC form first.
      {"Z:\\SHARED~1\\", "\\\\server\\share\\Shared Dir\\"},
      {"z:\\shared dir", "\\\\server\\share\\Shared Dir"},
      {"D:\\x", "D:\\x"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandLongPath(files, c.in), c.out) << c.in;
}

// Paths that name nothing come back in their absolute form, whatever bytes they hold.
TEST_F(LongPaths, HostileBytesNameNothingAndComeBackAbsolute) {
  const std::string hostile[] = {
      std::string("C:\\a\0b\\c", 8),
      std::string(300, '\xFF'),
      "C:\\" + std::string(300, '\xFF') + "\\x",
      "C:\\dir\\\x95",      // a lead byte cut off at the end
      "C:\\\x95\\\x95\\",   // lead bytes swallowing the backslashes after them
      std::string(500, '\\'),
      "\\\\",
      "\\\\\\",
      "C:\\" + std::string(100 * 1024, 'a'),  // one 100 KB component
      "C:" + [] {
        std::string s;
        while (s.size() < 100 * 1024) s += "\\" + std::string(250, 'b');
        return s;
      }(),  // 100 KB of ordinary components
  };
  for (const auto& path : hostile) {
    EXPECT_EQ(ExpandLongPath(files, path), files.AbsolutePath(path)) << path.substr(0, 40);
  }
}

// Counts the lookups ExpandLongPath makes; every path is taken as absolute already.
class CountingFileSystem : public platform::FileSystem {
 public:
  bool FileExists(const std::string&) const override { return false; }
  std::optional<std::string> ReadWholeFile(const std::string&) const override { return {}; }
  bool ReplaceFileWith(const std::string&, std::string_view) override { return false; }
  bool CopyFileReplacing(const std::string&, const std::string&) override { return false; }
  std::string AbsolutePath(const std::string& path) const override { return path; }
  std::optional<std::string> UncPathOfMappedDrive(const std::string&) const override {
    return {};
  }
  std::optional<std::string> ListedName(const std::string& path) const override {
    ++lookups;
    longest = std::max(longest, path.size());
    return std::nullopt;
  }

  mutable std::size_t lookups = 0;
  mutable std::size_t longest = 0;
};

// One lookup per component, none for a path longer than Windows can name (32,767 characters,
// a double-byte character counting as one): a 100 KB path of tiny components stays cheap.
TEST(ExpandLongPathCost, OneLookupPerComponentUpToTheLongestNameablePath) {
  struct Case { std::string unit; std::size_t charactersPerUnit; };
  const Case cases[] = {{"\\x", 2}, {"\\表", 2}};
  for (const auto& c : cases) {
    std::string path = "C:";
    while (path.size() < 100 * 1024) path += c.unit;
    CountingFileSystem files;
    EXPECT_EQ(ExpandLongPath(files, path), path);
    const std::size_t nameable = (32767 - 2) / c.charactersPerUnit;
    EXPECT_EQ(files.lookups, nameable) << c.unit;
    EXPECT_LE(files.longest, 32767 * c.unit.size() / c.charactersPerUnit) << c.unit;
  }
  CountingFileSystem files;
  EXPECT_EQ(ExpandLongPath(files, "C:\\a\\b\\"), "C:\\a\\b\\");
  EXPECT_EQ(files.lookups, 2u) << "no lookup for the empty last component";
}

}  // namespace
