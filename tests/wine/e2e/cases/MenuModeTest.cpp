// Tobrin started by the context-menu script: no argument, the page handed over in
// Tobrin_Menu.tmp, and a popup menu at the mouse pointer whose entries are chosen with keys.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/E2eFixture.h"

namespace e2e {
namespace {

std::string HandOff(const std::string& address, const std::string& host, const std::string& html,
                    const std::string& text) {
  return address + "<DELIMITER>" + host + "<DELIMITER>" + html + "<DELIMITER>" + text;
}

const std::string kEscapedAddress = "http%3A//www.example.com/%u65E5%u672C/a%20b.html";
const std::string kSelectionHtml = "<b>\x93\xfa\x96\x7b</b>\n<i>\x95\x5c</i>";  // 日本, 表 with LF
const std::string kSelectionText = "\x93\xfa\x96\x7b a+b\n\x95\x5c";             // 日本 a+b LF 表
// The selection text as the launcher reads it back: CR LF line ends and a closing CR LF.
const std::string kSelectionTextCrLf = "\x93\xfa\x96\x7b a+b\r\n\x95\x5c\r\n";

class MenuMode : public TobrinE2e {
 protected:
  // Menu, selection entries and site entries on; the viewer slot with options and extension.
  static LauncherSettings MenuSettings() {
    LauncherSettings settings = DefaultSettings();
    settings.viewers[0].options = "-v";
    settings.viewers[0].extension = "txt";
    return settings;
  }

  // Starts Tobrin without arguments, picks the entry `downs` Down presses reach and expects
  // Tobrin to end cleanly.
  void ChooseEntry(int downs, const std::vector<std::wstring>& arguments = {}) {
    auto tobrin = StartTobrin(arguments);
    HWND menu = WaitForMenu(*tobrin);
    if (menu == nullptr) return;
    ChooseMenuEntry(menu, downs);
    ExpectCleanExit(*tobrin);
  }

  void ExpectOneAddress(const std::string& address) {
    const auto records = AddressRecords();
    ASSERT_EQ(records.size(), 1u) << "addresses opened";
    EXPECT_EQ(ArgumentsOf(records[0].commandLine), Quoted(address)) << Printable(records[0].commandLine);
  }

  const std::wstring temp_ = TemporaryFolder();
};

// The two selection entries write the selection's HTML or text, with CR LF line ends, to a
// file in the temporary folder named after the host, and open it in the viewer.
TEST_F(MenuMode, SelectionEntriesOpenSelectionFileInViewer) {
  struct Case {
    const char* name;
    int downs;
    std::string host;
    std::wstring fileName;
    std::string content;
  } cases[] = {
      {"source, www host", 1, "www.example.co.jp", L"~example.txt", "<b>\x93\xfa\x96\x7b</b>\r\n<i>\x95\x5c</i>\r\n"},
      {"text, plain host", 2, "news.example.com", L"~news.txt", kSelectionTextCrLf},
      {"text, upper-case WWW", 2, "WWW.example.com", L"~WWW.txt", kSelectionTextCrLf},
  };
  LauncherSettings settings = MenuSettings();
  settings.sites[0] = SiteSlot{1, std::string(kSiteScheme) + "sel?q=", 1, 0, "選択を検索"};
  WriteSettings(settings);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearRecords();
    const std::wstring selectionFile = temp_ + c.fileName;
    WriteBytes(selectionFile, "an older selection");
    WriteHandOff(HandOff(kEscapedAddress, c.host, kSelectionHtml, kSelectionText));
    ChooseEntry(c.downs);

    const auto records = ViewerRecords();
    ASSERT_EQ(records.size(), 1u) << "viewer starts";
    EXPECT_EQ(ArgumentsOf(records[0].commandLine), " -v " + Quoted(Narrow(selectionFile)))
        << Printable(records[0].commandLine);
    ASSERT_TRUE(records[0].file.has_value());
    EXPECT_EQ(*records[0].file, c.content) << Printable(*records[0].file);
    EXPECT_TRUE(AddressRecords().empty());
  }
}

// A selection site gets the selection text in the form its encoding asks for; the shell
// delivers the address as it was opened, raw blanks and line breaks included.
TEST_F(MenuMode, SelectionSitesGetTextInTheirEncoding) {
  const std::string prefix = std::string(kSiteScheme) + "find?q=";
  struct Case {
    int encoding;
    std::string sent;
  } cases[] = {
      {0, kSelectionTextCrLf},
      {1, "%C6%FC%CB%DC+a%2Bb%0D%0A%C9%BD%0D%0A"},
      {2, "%E6%97%A5%E6%9C%AC+a%2Bb%0D%0A%E8%A1%A8%0D%0A"},
      {4, ""},  // codes 3 to 6 name the empty text
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.encoding);
    ClearRecords();
    LauncherSettings settings = MenuSettings();
    settings.sites[1] = SiteSlot{1, std::string(kSiteScheme) + "page?u=", 0, 0, "ページ"};  // hidden
    settings.sites[3] = SiteSlot{1, prefix, 1, c.encoding, "検索"};
    WriteSettings(settings);
    WriteHandOff(HandOff(kEscapedAddress, "www.example.com", kSelectionHtml, kSelectionText));
    ChooseEntry(3);  // after the two selection entries
    ExpectOneAddress(prefix + c.sent);
    EXPECT_TRUE(ViewerRecords().empty());
  }
}

// Without a selection only page sites are offered, and they get the escaped page address as
// the script wrote it.
TEST_F(MenuMode, PageSiteGetsEscapedPageAddress) {
  LauncherSettings settings = MenuSettings();
  settings.sites[0] = SiteSlot{1, std::string(kSiteScheme) + "sel?q=", 1, 2, "選択"};  // hidden
  settings.sites[2] = SiteSlot{1, std::string(kSiteScheme) + "first?u=", 0, 0, "一つ目"};
  settings.sites[4] = SiteSlot{1, std::string(kSiteScheme) + "second?u=", 0, 0, "二つ目"};
  WriteSettings(settings);
  WriteHandOff(HandOff(kEscapedAddress, "www.example.com", "", ""));
  ChooseEntry(2);
  ExpectOneAddress(std::string(kSiteScheme) + "second?u=" + kEscapedAddress);
}

TEST_F(MenuMode, TwoArgumentsMeanMenuMode) {
  LauncherSettings settings = MenuSettings();
  settings.sites[0] = SiteSlot{1, std::string(kSiteScheme) + "p?u=", 0, 0, "ページ"};
  WriteSettings(settings);
  WriteHandOff(HandOff(kEscapedAddress, "www.example.com", "", ""));
  ChooseEntry(1, {L"first.htm", L"second.htm"});
  ExpectOneAddress(std::string(kSiteScheme) + "p?u=" + kEscapedAddress);
  EXPECT_TRUE(ViewerRecords().empty());
}

// A menu closed with Escape leaves Tobrin waiting; it ends when the activation moves to
// another window.
TEST_F(MenuMode, EscapeThenActivationElsewhereEnds) {
  LauncherSettings settings = MenuSettings();
  settings.sites[0] = SiteSlot{1, std::string(kSiteScheme) + "p?u=", 0, 0, "ページ"};
  WriteSettings(settings);
  WriteHandOff(HandOff(kEscapedAddress, "www.example.com", kSelectionHtml, kSelectionText));
  auto tobrin = StartTobrin({});
  HWND menu = WaitForMenu(*tobrin);
  ASSERT_NE(menu, nullptr);
  CloseMenuWithEscape(menu);
  PumpMessagesFor(300);
  Driver().Activate();
  ExpectCleanExit(*tobrin);
  EXPECT_TRUE(ViewerRecords().empty());
  EXPECT_TRUE(AddressRecords().empty());
}

TEST_F(MenuMode, NothingToOfferIsReported) {
  struct Case {
    const char* name;
    int menu;
    std::string html;
  } cases[] = {
      {"menu switched off", 0, kSelectionHtml},
      // Only a page site is enabled, but the page has a selection.
      {"no site for a selection", 1, kSelectionHtml},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherSettings settings = MenuSettings();
    settings.menu = c.menu;
    settings.selectionEntries = 0;
    settings.sites[0] = SiteSlot{1, std::string(kSiteScheme) + "p?u=", 0, 0, "ページ"};
    WriteSettings(settings);
    WriteHandOff(HandOff(kEscapedAddress, "www.example.com", c.html, kSelectionText));
    auto tobrin = StartTobrin({});
    ExpectMessage(AnswerMessageBox(*tobrin), "メニューが登録されていません", IconKind::Warning, Owner::Desktop);
    ExpectCleanExit(*tobrin);
  }
}

TEST_F(MenuMode, MissingHandOffFileIsReported) {
  auto tobrin = StartTobrin({});
  ExpectMessage(AnswerMessageBox(*tobrin), "テンポラリファイルが存在しません", IconKind::Warning, Owner::Foreground);
  ExpectCleanExit(*tobrin);
}

TEST_F(MenuMode, DamagedHandOffFileIsReported) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"three fields", "http%3A//a/<DELIMITER>a<DELIMITER>sel"},
      {"five fields", HandOff("http%3A//a/", "a", "x<DELIMITER>y", "t")},
      {"binary", std::string("\x00\xff\x01<DELIMITER>\x81\x00\x9f", 17)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteHandOff(c.bytes);
    auto tobrin = StartTobrin({});
    ExpectMessage(AnswerMessageBox(*tobrin), "パラメータが不正です", IconKind::Error, Owner::Desktop);
    ExpectCleanExit(*tobrin);
  }
}

// The host comes from a file anyone can write: whatever it holds, the selection file is
// written directly into the temporary folder and nowhere else.
TEST_F(MenuMode, HostCannotLeadSelectionFileOutOfTemporaryFolder) {
  WriteSettings(MenuSettings());
  for (const std::string host : {"..\\..\\e2e-escaped.com", "sub\\dir/e2e:escaped", "C:\\e2e-escaped"}) {
    SCOPED_TRACE(host);
    ClearRecords();
    WriteHandOff(HandOff(kEscapedAddress, host, kSelectionHtml, kSelectionText));
    ChooseEntry(2);
    const auto records = ViewerRecords();
    ASSERT_EQ(records.size(), 1u);
    const std::string arguments = ArgumentsOf(records[0].commandLine);
    const std::string lead = " -v \"" + Narrow(temp_);
    ASSERT_EQ(arguments.rfind(lead + "~", 0), 0u) << Printable(arguments);
    const std::string name = arguments.substr(lead.size(), arguments.size() - lead.size() - 1);
    EXPECT_EQ(name.find_first_of("\\/:"), std::string::npos) << Printable(name);
    ASSERT_TRUE(records[0].file.has_value());
    EXPECT_EQ(*records[0].file, kSelectionTextCrLf);
  }
  EXPECT_FALSE(FileExists(L"C:\\e2e-escaped.txt"));
  EXPECT_FALSE(FileExists(temp_ + L"..\\..\\e2e-escaped.txt"));
}

}  // namespace
}  // namespace e2e
