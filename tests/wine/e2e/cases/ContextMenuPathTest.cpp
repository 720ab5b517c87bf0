// The browser's context-menu path from end to end: sites set up in the settings program, the
// script it writes run by Wine's script host (cscript) with a stand-in for the browser's page
// object, the hand-off file the script writes, the launcher it starts, the site picked in the
// launcher's popup menu and the address that reaches the address recorder.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/ContextMenuScript.h"
#include "driver/Controls.h"
#include "driver/E2eFixture.h"
#include "driver/Files.h"
#include "driver/SettingsFixture.h"

namespace e2e {
namespace {

const std::wstring kScriptHost = L"C:\\windows\\system32\\cscript.exe";
const std::string kSelectionPrefix = std::string(kSiteScheme) + "find?q=";
const std::string kPagePrefix = std::string(kSiteScheme) + "page?u=";

class ContextMenuPath : public SettingsE2e {
 protected:
  void SetUp() override {
    SettingsE2e::SetUp();
    if (IsSkipped()) return;
    SetEnvironmentVariableW(L"TOBRIN_E2E_URL_RECORD", records_.c_str());
    RemoveFile(records_);
    const std::wstring scheme = Widen(kSiteScheme);
    scheme_ = std::make_unique<ScopedUrlScheme>(scheme.substr(0, scheme.size() - 1),
                                                DriverFolder() + L"e2e_url_recorder.exe");
  }

  // A selection site sending UTF-8 and a page site, the browser's menu and site entries on.
  void ApplySites() {
    ASSERT_TRUE(Start());
    Click(SetupSwitch(kIeMenu));
    Click(SetupSwitch(kIeWeb));
    const SiteControls selection = Site(0);
    Click(selection.enabled);
    TypeInto(selection.url, kSelectionPrefix);
    PickItem(selection.target, 1);
    PickItem(selection.encoding, 2);
    TypeInto(selection.name, "選択範囲を検索");
    const SiteControls page = Site(1);
    Click(page.enabled);
    TypeInto(page.url, kPagePrefix);
    ApplyExpectingSuccess();
    CloseWindow();
  }

  // Runs the script as the browser would for the page, picks the first entry of the
  // launcher's menu and waits until the script host and the launcher have ended.
  void RunScriptAndPickFirstEntry(const PageStandIn& page) {
    const auto script = ScriptBytes();
    ASSERT_TRUE(script.has_value());
    const std::string program = ScriptHostProgram(*script, page);
    ASSERT_FALSE(program.empty()) << "no script markers in " << Printable(*script);
    const std::wstring file = DriverFolder() + L"context-menu-script.js";
    WriteBytes(file, program);
    RemoveFile(TemporaryFolder() + L"Tobrin_Menu.tmp");
    RemoveFile(records_);

    Driver().Activate();
    ChildProcess host(kScriptHost, L" //nologo \"" + file + L"\"");
    ASSERT_TRUE(host.Started());
    HWND menu = WaitForWindowOfJob(host, L"#32768", kWindowWait);
    if (menu == nullptr) {
      HWND box = WaitForWindowOfJob(host, L"#32770", 0);
      FAIL() << "the launcher showed no menu, "
             << (box != nullptr ? "but a box: " + Printable(ReadMessageBox(box).text)
                                : std::string("nor a box"));
    }
    ChooseMenuEntry(menu, 1);
    ASSERT_TRUE(host.WaitForExit(kExitWait)) << "the script host did not end";
    EXPECT_EQ(host.ExitCode(), 0u);
    EXPECT_TRUE(host.WaitForJobToEmpty(kExitWait));
  }

  std::vector<Record> Addresses() const {
    const auto bytes = ReadBytes(records_);
    return bytes ? ParseRecords(*bytes) : std::vector<Record>{};
  }

  const std::wstring records_ = DriverFolder() + L"records\\context-menu-addresses.bin";
  std::unique_ptr<ScopedUrlScheme> scheme_;
};

TEST_F(ContextMenuPath, ScriptHandsPageToLauncherWhichOpensSite) {
  ASSERT_TRUE(FileExists(kScriptHost))
      << "Wine's script host cscript.exe is missing from the prefix";
  MakeFolders(DriverFolder() + L"records\\");
  ApplySites();
  EXPECT_EQ(Printable(ScriptBytes().value_or("<none>")), Printable(ExpectedScript()));

  const std::string href = "http://www.example.co.jp/a b.html";
  const std::string escapedHref = "http%3A//www.example.co.jp/a%20b.html";
  struct Case {
    const char* name;
    std::string html;
    std::string text;
    std::string address;
  } cases[] = {
      // 日本 表: the text as UTF-8, escaped; the launcher reads it with a closing line break.
      {"selection", "<b>日本</b> 表", "日本 表",
       kSelectionPrefix + "%E6%97%A5%E6%9C%AC+%E8%A1%A8%0D%0A"},
      {"no selection", "", "", kPagePrefix + escapedHref},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunScriptAndPickFirstEntry({href, "www.example.co.jp", c.html, c.text});
    // The script writes the hand-off file in the system code page, Shift_JIS.
    const auto handOff = ReadBytes(TemporaryFolder() + L"Tobrin_Menu.tmp");
    ASSERT_TRUE(handOff.has_value()) << "the script wrote no hand-off file";
    EXPECT_EQ(Printable(*handOff),
              Printable(escapedHref + "<DELIMITER>www.example.co.jp<DELIMITER>" + c.html +
                        "<DELIMITER>" + c.text));
    const auto addresses = Addresses();
    ASSERT_EQ(addresses.size(), 1u) << "addresses opened";
    EXPECT_EQ(ArgumentsOf(addresses[0].commandLine), Quoted(c.address))
        << Printable(addresses[0].commandLine);
  }
}

}  // namespace
}  // namespace e2e
