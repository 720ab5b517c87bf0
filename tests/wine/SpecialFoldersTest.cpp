// Standard folders and long-name expansion with the Win32 platform on a real (Wine) disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ScratchFolder.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemFolders.h"
#include "shared/TbSysUtl.h"
#include "text/Sjis.h"

namespace {

using platform::win32::ToAnsi;
using platform::win32::ToWide;
using platform::win32::Win32FileSystem;
using platform::win32::Win32SystemFolders;

// The long form of an existing path, as Windows itself computes it.
std::wstring LongPathOf(const std::wstring& path) {
  wchar_t buffer[4096];
  const DWORD length = GetLongPathNameW(path.c_str(), buffer, 4096);
  return length > 0 && length < 4096 ? std::wstring(buffer, length) : path;
}

std::wstring ShortPathOf(const std::wstring& path) {
  wchar_t buffer[4096];
  const DWORD length = GetShortPathNameW(path.c_str(), buffer, 4096);
  return length > 0 && length < 4096 ? std::wstring(buffer, length) : path;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name) {
    wchar_t old[4096];
    const DWORD length = GetEnvironmentVariableW(name, old, 4096);
    if (length > 0 && length < 4096) old_ = std::wstring(old, length);
    SetEnvironmentVariableW(name, value.c_str());
  }
  ~ScopedEnvironment() { SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }

 private:
  const wchar_t* name_;
  std::optional<std::wstring> old_;
};

class SpecialFoldersTest : public ::testing::Test {
 protected:
  std::string Folder(TSpecialFolder kind, platform::WindowHandle owner = 0) const {
    return GetSpecialFolderPath(folders, files, owner, kind);
  }
  std::string Expand(const std::wstring& path) const {
    return ExpandLongPath(files, ToAnsi(path));
  }

  Win32SystemFolders folders;
  Win32FileSystem files;
  scratch::Folder scratchFolder;
};

TEST_F(SpecialFoldersTest, EveryKindIsAnExistingFolderWithOneTrailingBackslashOrEmpty) {
  std::string missing;
  for (int kind = 0; kind < kSpecialFolderCount; ++kind) {
    const std::string path = Folder(static_cast<TSpecialFolder>(kind));
    SCOPED_TRACE(std::to_string(kind) + ": " + path);
    if (path.empty()) {
      missing += ' ';
      missing += std::to_string(kind);
      continue;
    }
    ASSERT_TRUE(SjisEndsWithBackslash(path));
    EXPECT_FALSE(SjisEndsWithBackslash(path.substr(0, path.size() - 1)));
    EXPECT_TRUE(IsFolder(path));
    EXPECT_EQ(Folder(static_cast<TSpecialFolder>(kind), reinterpret_cast<platform::WindowHandle>(
                                                          GetDesktopWindow())),
              path);
  }
  // Kinds that the running system has no folder for (under Wine 8: the two non-localized
  // startup groups, sfAltStartup and sfCommonAltStartup).
  RecordProperty("KindsWithoutFolder", missing);
  std::printf("Kinds without a folder here:%s\n", missing.c_str());

  // Folders every Windows has.
  for (TSpecialFolder kind : {sfAppData, sfCommonAppData, sfDesktopDirectory, sfFonts,
                              sfLocalAppData, sfPersonal, sfProfile, sfProgramFiles, sfSystem,
                              sfTemp, sfWindows}) {
    EXPECT_FALSE(Folder(kind).empty()) << kind;
  }
  EXPECT_EQ(Folder(static_cast<TSpecialFolder>(kSpecialFolderCount)), "");
}

TEST_F(SpecialFoldersTest, KernelFoldersComeInLongFormWithOneBackslash) {
  wchar_t buffer[4096];
  const std::wstring temp(buffer, GetTempPathW(4096, buffer));
  const std::wstring system(buffer, GetSystemDirectoryW(buffer, 4096));
  const std::wstring windows(buffer, GetWindowsDirectoryW(buffer, 4096));

  EXPECT_EQ(Folder(sfTemp), ToAnsi(LongPathOf(temp)));
  EXPECT_EQ(Folder(sfTemp), Folder(sfTemp));
  EXPECT_EQ(Folder(sfSystem), ToAnsi(LongPathOf(system)) + "\\");
  EXPECT_EQ(Folder(sfWindows), ToAnsi(LongPathOf(windows)) + "\\");
}

TEST_F(SpecialFoldersTest, TemporaryFolderGivenInShortFormComesBackInLongForm) {
  const std::wstring longFolder = scratchFolder.At(L"Local Settings Temporary Folder");
  ASSERT_TRUE(CreateDirectoryW(longFolder.c_str(), nullptr));
  const std::wstring shortFolder = ShortPathOf(longFolder);
  std::printf("Short form of the temporary folder here: %s\n", ToAnsi(shortFolder).c_str());

  const ScopedEnvironment tmp(L"TMP", shortFolder + L"\\");
  const ScopedEnvironment temp(L"TEMP", shortFolder + L"\\");
  ASSERT_EQ(ToWide(folders.KernelTempPath()), shortFolder + L"\\");
  EXPECT_EQ(Folder(sfTemp), ToAnsi(longFolder) + "\\");
  EXPECT_EQ(Folder(sfTemp), Folder(sfTemp));
}

TEST_F(SpecialFoldersTest, ExpandLongPathGivesStoredLongNamesOnTheRealDisk) {
  const std::wstring base = scratchFolder.Wide();
  const std::wstring longFolder = base + L"\\Long Folder Name For Expansion";
  const std::wstring japanese = longFolder + L"\\長い名前の表示フォルダ表";
  ASSERT_TRUE(CreateDirectoryW(longFolder.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(japanese.c_str(), nullptr));
  ASSERT_TRUE(scratch::WriteRaw(japanese + L"\\A Long File Name.txt", "x"));
  const std::wstring shortFile = ShortPathOf(japanese + L"\\A Long File Name.txt");
  const std::wstring shortFolder = ShortPathOf(japanese);
  SCOPED_TRACE(ToAnsi(shortFile));

  struct Case {
    std::wstring input;
    std::wstring expected;
  };
  const Case cases[] = {
      {shortFile, japanese + L"\\A Long File Name.txt"},
      {shortFolder + L"\\", japanese + L"\\"},  // the trailing backslash stays, no second one
      {shortFolder + L"\\NoSuchDir", japanese + L"\\NoSuchDir"},
      {shortFolder + L"\\NoSuchDir\\", japanese + L"\\NoSuchDir\\"},
      {shortFolder + L"\\..\\..\\LONG FOLDER NAME FOR EXPANSION", longFolder},
      {L"C:\\", L"C:\\"},
      {L"C:\\WINDOWS\\SYSTEM32", LongPathOf(L"C:\\windows\\system32")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToAnsi(c.input));
    EXPECT_EQ(Expand(c.input), ToAnsi(c.expected));
  }
}

TEST_F(SpecialFoldersTest, ExpandLongPathOfARelativePathStartsAtTheCurrentFolder) {
  ASSERT_TRUE(CreateDirectoryW(scratchFolder.At(L"Sub Folder").c_str(), nullptr));
  wchar_t previous[4096];
  GetCurrentDirectoryW(4096, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(scratchFolder.Wide().c_str()));
  EXPECT_EQ(ExpandLongPath(files, "sub folder\\x"), scratchFolder.Path() + "Sub Folder\\x");
  SetCurrentDirectoryW(previous);
}

}  // namespace
