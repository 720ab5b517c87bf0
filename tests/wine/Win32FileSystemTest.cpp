// The Win32 file system on a real (Wine) disk: whole-or-nothing replacement, stored names,
// Japanese names and paths beyond 260 characters.
#include "platform/win32/Win32FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ScratchFolder.h"

namespace {

using platform::win32::ToAnsi;
using platform::win32::ToWide;
using platform::win32::Win32FileSystem;

class Win32FileSystemTest : public ::testing::Test {
 protected:
  // The folder holds exactly these names (no temporary file left behind).
  void ExpectFolderHolds(std::vector<std::wstring> names) const {
    std::vector<std::wstring> listed = scratch::ListFolder(folder.Wide());
    std::sort(listed.begin(), listed.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(listed, names);
  }

  // A folder below the scratch folder whose path is longer than 260 characters.
  std::wstring MakeDeepFolder() const {
    std::wstring deep = folder.Wide();
    for (int level = 0; deep.size() < 300; ++level) {
      deep += L"\\" + std::wstring(60, static_cast<wchar_t>(L'a' + level));
      EXPECT_TRUE(CreateDirectoryW(scratch::LongForm(deep).c_str(), nullptr));
    }
    return deep;
  }

  scratch::Folder folder;
  Win32FileSystem files;
};

TEST_F(Win32FileSystemTest, ReplaceFileWithCreatesOrReplacesWholeContent) {
  const std::string binary("a\0b\r\n\x81\x5c\xff", 8);
  const std::string large(3 * 1024 * 1024 + 7, 'x');
  for (const std::string& content : {std::string("first"), binary, std::string(), large}) {
    ASSERT_TRUE(files.ReplaceFileWith(folder.Path() + "out.ini", content));
    EXPECT_EQ(scratch::ReadRaw(folder.At(L"out.ini")), content);
    EXPECT_EQ(files.ReadWholeFile(folder.Path() + "out.ini"), content);
  }
  ExpectFolderHolds({L"out.ini"});
}

TEST_F(Win32FileSystemTest, ReplaceFileWithRefusesWhileTargetIsHeldOpenWithoutSharing) {
  ASSERT_TRUE(scratch::WriteRaw(folder.At(L"held.ini"), "old"));
  const HANDLE held = CreateFileW(folder.At(L"held.ini").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files.ReplaceFileWith(folder.Path() + "held.ini", "new"));
  CloseHandle(held);
  EXPECT_EQ(scratch::ReadRaw(folder.At(L"held.ini")), "old");
  ExpectFolderHolds({L"held.ini"});
}

TEST_F(Win32FileSystemTest, ReplaceFileWithRefusesReadOnlyTargetAndFolderTarget) {
  ASSERT_TRUE(scratch::WriteRaw(folder.At(L"locked.ini"), "old"));
  ASSERT_TRUE(SetFileAttributesW(folder.At(L"locked.ini").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(CreateDirectoryW(folder.At(L"sub").c_str(), nullptr));

  EXPECT_FALSE(files.ReplaceFileWith(folder.Path() + "locked.ini", "new"));
  EXPECT_FALSE(files.ReplaceFileWith(folder.Path() + "sub", "new"));
  EXPECT_EQ(scratch::ReadRaw(folder.At(L"locked.ini")), "old");
  ExpectFolderHolds({L"locked.ini", L"sub"});
}

TEST_F(Win32FileSystemTest, ReplaceFileWithRefusesMissingFolderAndCreatesNothing) {
  EXPECT_FALSE(files.ReplaceFileWith(folder.Path() + "missing\\out.ini", "new"));
  EXPECT_FALSE(files.ReplaceFileWith(folder.Path(), "new"));  // no file name
  EXPECT_FALSE(files.ReplaceFileWith("", "new"));
  ExpectFolderHolds({});
}

TEST_F(Win32FileSystemTest, ReplaceFileWithKeepsTheStoredLetterCase) {
  ASSERT_TRUE(scratch::WriteRaw(folder.At(L"TobrinPlus.ini"), "old"));
  ASSERT_TRUE(files.ReplaceFileWith(folder.Path() + "Tobrinplus.ini", "new"));
  ExpectFolderHolds({L"TobrinPlus.ini"});
  EXPECT_EQ(scratch::ReadRaw(folder.At(L"TobrinPlus.ini")), "new");
}

TEST_F(Win32FileSystemTest, JapaneseNamesWorkThroughEveryOperation) {
  // 表 and ソ end in the byte 0x5C in Shift_JIS: it must not split the path.
  ASSERT_TRUE(CreateDirectoryW(folder.At(L"設定表").c_str(), nullptr));
  const std::string path = folder.Path() + "設定表\\トブリン＋ソ.ini";
  const std::wstring wide = folder.At(L"設定表\\トブリン＋ソ.ini");

  ASSERT_TRUE(files.ReplaceFileWith(path, "値"));
  EXPECT_EQ(scratch::ReadRaw(wide), "値");
  EXPECT_TRUE(files.FileExists(path));
  EXPECT_EQ(files.ReadWholeFile(path), "値");
  EXPECT_EQ(files.ListedName(path), "トブリン＋ソ.ini");
  EXPECT_EQ(files.ListedName(folder.Path() + "設定表"), "設定表");

  const std::string copy = folder.Path() + "設定表\\コピー表";
  ASSERT_TRUE(files.CopyFileReplacing(path, copy));
  EXPECT_EQ(scratch::ReadRaw(folder.At(L"設定表\\コピー表")), "値");
  ExpectFolderHolds({L"設定表"});
}

TEST_F(Win32FileSystemTest, PathsLongerThan260CharactersWorkThroughEveryOperation) {
  const std::wstring deep = MakeDeepFolder();
  const std::string deepPath = ToAnsi(deep);
  const std::string path = deepPath + "\\Settings.ini";
  ASSERT_GT(path.size(), 260u);

  ASSERT_TRUE(files.ReplaceFileWith(path, "one"));
  ASSERT_TRUE(files.ReplaceFileWith(path, "two"));
  EXPECT_EQ(scratch::ReadRaw(deep + L"\\Settings.ini"), "two");
  EXPECT_TRUE(files.FileExists(path));
  EXPECT_EQ(files.ReadWholeFile(path), "two");
  EXPECT_EQ(files.ListedName(deepPath + "\\SETTINGS.INI"), "Settings.ini");
  EXPECT_EQ(files.AbsolutePath(deepPath + "\\x\\..\\Settings.ini"), path);
  ASSERT_TRUE(files.CopyFileReplacing(path, deepPath + "\\Copy.ini"));
  EXPECT_EQ(scratch::ReadRaw(deep + L"\\Copy.ini"), "two");
  EXPECT_EQ(scratch::ListFolder(deep).size(), 2u);  // no temporary file left
}

TEST_F(Win32FileSystemTest, FileExistsAndReadWholeFileOnlyForFiles) {
  ASSERT_TRUE(scratch::WriteRaw(folder.At(L"empty.txt"), ""));
  ASSERT_TRUE(CreateDirectoryW(folder.At(L"sub").c_str(), nullptr));
  struct Case {
    std::string name;
    bool exists;
    std::optional<std::string> content;
  };
  const Case cases[] = {
      {"empty.txt", true, std::string()},
      {"EMPTY.TXT", true, std::string()},
      {"sub", false, std::nullopt},
      {"missing.txt", false, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(files.FileExists(folder.Path() + c.name), c.exists);
    EXPECT_EQ(files.ReadWholeFile(folder.Path() + c.name), c.content);
  }
  EXPECT_FALSE(files.FileExists(""));
  EXPECT_EQ(files.ReadWholeFile(""), std::nullopt);
}

TEST_F(Win32FileSystemTest, ReadWholeFileReadsAFileThatAnotherWriterHoldsOpen) {
  ASSERT_TRUE(scratch::WriteRaw(folder.At(L"busy.txt"), "shared"));
  const HANDLE writer = CreateFileW(folder.At(L"busy.txt").c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files.ReadWholeFile(folder.Path() + "busy.txt"), "shared");
  CloseHandle(writer);
}

TEST_F(Win32FileSystemTest, ListedNameGivesTheStoredNameOfAnyEntry) {
  ASSERT_TRUE(scratch::WriteRaw(folder.At(L"TobrinPlus.ini"), "x"));
  ASSERT_TRUE(scratch::WriteRaw(folder.At(L"Hidden.Sys"), "x"));
  ASSERT_TRUE(SetFileAttributesW(folder.At(L"Hidden.Sys").c_str(),
                                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(CreateDirectoryW(folder.At(L"Program Folder").c_str(), nullptr));
  struct Case {
    std::string name;
    std::optional<std::string> listed;
  };
  const Case cases[] = {
      {"tobrinplus.INI", "TobrinPlus.ini"},
      {"hidden.sys", "Hidden.Sys"},
      {"PROGRAM FOLDER", "Program Folder"},
      {"missing.ini", std::nullopt},
      {"PROGRAM FOLDER\\", std::nullopt},  // empty last component
      // Patterns never stand for the entries they would match.
      {"*.ini", std::nullopt},
      {"Tobrin?lus.ini", std::nullopt},
      {"*", std::nullopt},
      {"TobrinPlus<", std::nullopt},
      {"TobrinPlus\".ini", std::nullopt},
      // The folder itself and its parent are no entry of their own.
      {"PROGRAM FOLDER\\.", std::nullopt},
      {"PROGRAM FOLDER\\..", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(files.ListedName(folder.Path() + c.name), c.listed);
  }
  EXPECT_EQ(files.ListedName(""), std::nullopt);
  EXPECT_EQ(files.ListedName("C:"), std::nullopt);
  EXPECT_EQ(files.ListedName("C:\\"), std::nullopt);
}

TEST_F(Win32FileSystemTest, ListedNameOfAShortNameIsTheLongName) {
  ASSERT_TRUE(CreateDirectoryW(folder.At(L"A Rather Long Folder Name").c_str(), nullptr));
  wchar_t shortName[1024];
  const DWORD length =
      GetShortPathNameW(folder.At(L"A Rather Long Folder Name").c_str(), shortName, 1024);
  ASSERT_GT(length, 0u);
  const std::string shortPath = ToAnsi(std::wstring(shortName, length));
  EXPECT_EQ(files.ListedName(shortPath), "A Rather Long Folder Name") << shortPath;
}

TEST_F(Win32FileSystemTest, CopyFileReplacingOverwritesAndFailsForMissingSource) {
  ASSERT_TRUE(scratch::WriteRaw(folder.At(L"from.txt"), "new"));
  ASSERT_TRUE(scratch::WriteRaw(folder.At(L"to.txt"), "old content"));
  EXPECT_TRUE(files.CopyFileReplacing(folder.Path() + "from.txt", folder.Path() + "to.txt"));
  EXPECT_EQ(scratch::ReadRaw(folder.At(L"to.txt")), "new");
  EXPECT_FALSE(files.CopyFileReplacing(folder.Path() + "none.txt", folder.Path() + "to.txt"));
  EXPECT_EQ(scratch::ReadRaw(folder.At(L"to.txt")), "new");
  EXPECT_FALSE(files.CopyFileReplacing(folder.Path() + "from.txt", folder.Path() + "no\\to.txt"));
}

TEST_F(Win32FileSystemTest, AbsolutePathResolvesDotsAndTheCurrentFolder) {
  EXPECT_EQ(files.AbsolutePath("C:\\a\\..\\b"), "C:\\b");
  EXPECT_EQ(files.AbsolutePath("C:\\a\\.\\表\\"), "C:\\a\\表\\");
  EXPECT_EQ(files.AbsolutePath(""), "");

  wchar_t previous[4096];
  GetCurrentDirectoryW(4096, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(folder.Wide().c_str()));
  EXPECT_EQ(files.AbsolutePath("sub\\x.ini"), folder.Path() + "sub\\x.ini");
  SetCurrentDirectoryW(previous);
}

TEST_F(Win32FileSystemTest, LocalDrivesHaveNoUncForm) {
  for (const std::string& path : {folder.Path(), std::string("C:\\"), std::string("C:\\Windows"),
                                 std::string("\\\\server\\share\\x"), std::string("relative")}) {
    EXPECT_EQ(files.UncPathOfMappedDrive(path), std::nullopt) << path;
  }
}

}  // namespace
