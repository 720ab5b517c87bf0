// Tobrin started as the browser's view-source editor: one argument, the page file.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/E2eFixture.h"

namespace e2e {
namespace {

const std::string kPageBytes = "<html><body>\x95\x5c\x8e\xa6\x83\x5c\x81\x5b\x83\x58</body></html>\r\n";

class ViewSource : public TobrinE2e {
 protected:
  void SetUp() override {
    TobrinE2e::SetUp();
    MakeFolders(pages_);
  }

  // A page file with the page bytes, under the pages folder.
  std::wstring MakePage(const std::wstring& relativePath) {
    const std::wstring path = pages_ + relativePath;
    MakeFolders(path.substr(0, path.find_last_of(L'\\')));
    WriteBytes(path, kPageBytes);
    return path;
  }

  // Starts Tobrin on the page, expects it to end silently and returns the one viewer start.
  Record ViewOnce(const std::wstring& page) {
    auto tobrin = StartTobrin({page});
    ExpectCleanExit(*tobrin);
    const auto records = ViewerRecords();
    EXPECT_EQ(records.size(), 1u) << "viewer starts";
    return records.empty() ? Record{} : records[0];
  }

  const std::wstring pages_ = DriverFolder() + L"pages\\";
  const std::wstring temp_ = TemporaryFolder();
};

std::string Quoted(const std::wstring& path) { return e2e::Quoted(Narrow(path)); }

// Options, extension and the cache folder decide the parameters and whether the viewer gets
// the page itself or a fresh copy of it in the temporary folder.
TEST_F(ViewSource, ViewerGetsPageOrCopyWithOptions) {
  struct Case {
    const char* name;
    std::string options;
    std::string extension;
    bool pageInCache;
    std::wstring expectedOpenPath;  // relative to the temporary folder; empty: the page itself
  } cases[] = {
      {"plain", "", "", false, L""},
      {"options", "-a /b", "", false, L""},
      {"extension", "", "txt", false, L"~page[1].htm.txt"},
      {"options and extension", "-r", "html", false, L"~page[1].htm.html"},
      {"in the cache", "", "", true, L"~page[1].htm"},
      {"in the cache with extension", "-x", "txt", true, L"~page[1].htm.txt"},
  };
  const std::wstring cache = pages_ + L"cache";
  const std::wstring page = MakePage(L"cache\\Content.IE5\\X1Y2\\page[1].htm");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherSettings settings = DefaultSettings();
    settings.viewers[0].options = c.options;
    settings.viewers[0].extension = c.extension;
    WriteSettings(settings);
    ScopedUserValue cacheValue(kShellFoldersKey, kCacheValueName,
                               c.pageInCache ? std::optional<std::wstring>(cache) : std::nullopt);
    const std::wstring openPath = c.expectedOpenPath.empty() ? page : temp_ + c.expectedOpenPath;
    if (!c.expectedOpenPath.empty()) WriteBytes(openPath, "an older copy");
    ClearRecords();

    const Record viewed = ViewOnce(page);
    const std::string quoted = Quoted(openPath);
    EXPECT_EQ(ArgumentsOf(viewed.commandLine), c.options.empty() ? quoted : " " + c.options + " " + quoted)
        << Printable(viewed.commandLine);
    ASSERT_TRUE(viewed.file.has_value()) << "the viewer found no file";
    EXPECT_EQ(*viewed.file, kPageBytes);
  }
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

TEST_F(ViewSource, MissingSettingsFileIsReportedAndNothingStarts) {
  RemoveSettings();
  auto tobrin = StartTobrin({MakePage(L"page[1].htm")});
  ExpectMessage(AnswerMessageBox(*tobrin), "設定ファイルが存在しません", IconKind::Warning, Owner::Foreground);
  ExpectCleanExit(*tobrin);
  EXPECT_TRUE(ViewerRecords().empty());
}

TEST_F(ViewSource, MissingViewerIsReported) {
  LauncherSettings settings = DefaultSettings();
  settings.viewers[0].executable = Narrow(DriverFolder() + L"no-such-viewer.exe");
  WriteSettings(settings);
  auto tobrin = StartTobrin({MakePage(L"page[1].htm")});
  ExpectMessage(AnswerMessageBox(*tobrin), "ファイルが見つかりません", IconKind::Error, Owner::Desktop);
  ExpectCleanExit(*tobrin);
}

TEST_F(ViewSource, OnlyTheSelectedSlotCounts) {
  LauncherSettings settings = DefaultSettings();
  settings.selectedViewer = 2;
  settings.viewers[0] = {Narrow(DriverFolder() + L"no-such-viewer.exe"), "-zero", "zero"};
  settings.viewers[2] = {ViewerPath(), "-two", ""};
  WriteSettings(settings);
  const std::wstring page = MakePage(L"page[1].htm");
  EXPECT_EQ(ArgumentsOf(ViewOnce(page).commandLine), " -two " + Quoted(page));
}

// The copy is named after the part of the page path behind its last backslash, and a
// Japanese name whose characters end in the byte of a backslash (表, ソ) is not cut there.
TEST_F(ViewSource, JapanesePagePathIsCopiedUnderItsWholeName) {
  LauncherSettings settings = DefaultSettings();
  settings.viewers[0].extension = "txt";
  WriteSettings(settings);
  const std::wstring page = MakePage(L"日本語のページ\\表示ソース[1].htm");
  const Record viewed = ViewOnce(page);
  EXPECT_EQ(ArgumentsOf(viewed.commandLine), Quoted(temp_ + L"~表示ソース[1].htm.txt")) << Printable(viewed.commandLine);
  ASSERT_TRUE(viewed.file.has_value());
  EXPECT_EQ(*viewed.file, kPageBytes);
}

// A page path of more than 260 characters reaches the viewer whole, with options or
// without: a path cut short would name another file (or none), so the launcher never cuts it.
TEST_F(ViewSource, LongPagePathReachesViewerWhole) {
  std::wstring relative;
  while (pages_.size() + relative.size() < 300) relative += L"a-rather-long-folder-name-for-a-cached-page\\";
  const std::wstring page = MakePage(relative + L"page[1].htm");
  ASSERT_GT(page.size(), 260u);
  for (const std::string options : {"", "-o"}) {
    SCOPED_TRACE(options);
    ClearRecords();
    LauncherSettings settings = DefaultSettings();
    settings.viewers[0].options = options;
    WriteSettings(settings);
    const Record viewed = ViewOnce(page);
    EXPECT_EQ(ArgumentsOf(viewed.commandLine), options.empty() ? Quoted(page) : " " + options + " " + Quoted(page));
    ASSERT_TRUE(viewed.file.has_value());
    EXPECT_EQ(*viewed.file, kPageBytes);
  }
}

// What the shell does with an empty program path or a folder is its own affair; Tobrin must
// survive it and end with exit code 0.
TEST_F(ViewSource, EmptyOrFolderViewerPathEndsCleanly) {
  for (const std::string& executable : {std::string(), Narrow(pages_)}) {
    SCOPED_TRACE(Printable(executable));
    LauncherSettings settings = DefaultSettings();
    settings.viewers[0].executable = executable;
    WriteSettings(settings);
    auto tobrin = StartTobrin({MakePage(L"page[1].htm")});
    for (const std::string& text : FinishWhateverTheShellDoes(*tobrin)) {
      std::printf("  the shell's outcome: %s\n", Printable(text).c_str());
    }
  }
}

}  // namespace
}  // namespace e2e
