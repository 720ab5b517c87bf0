// Building the popup menu: which entries show, what the sites receive, and how the program
// ends.
#include <string>
#include <vector>

#include "LauncherTestFixture.h"
#include "launcher/MenuPlan.h"
#include "launcher/TobrinMenuList.h"

namespace {

// The positions of the visible entries.
std::vector<int> Visible(const std::vector<platform::MenuItem>& items) {
  std::vector<int> positions;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    if (items[i].visible) positions.push_back(i);
  }
  return positions;
}

MenuSettings AllOn() {
  MenuSettings settings;
  settings.menu = settings.selection = settings.web = 1;
  for (int i = 0; i < kSiteCount; ++i) {
    settings.sites[i] = {1, "http://s" + std::to_string(i) + "/?q=", i % 2, 0,
                         "site " + std::to_string(i)};
  }
  return settings;
}

}  // namespace

TEST(MenuPlan, EntriesShowForSwitchesTargetsAndSelection) {
  struct Case {
    const char* name;
    void (*change)(MenuSettings&);
    bool selected;
    std::vector<int> visible;
  };
  const Case cases[] = {
      {"all on, selection", [](MenuSettings&) {}, true, {0, 1, 2, 4, 6, 8}},
      {"all on, no selection", [](MenuSettings&) {}, false, {2, 3, 5, 7, 8}},
      {"menu off", [](MenuSettings& s) { s.menu = 0; }, true, {2, 8}},
      {"menu 2 counts as off", [](MenuSettings& s) { s.menu = 2; }, true, {2, 8}},
      {"selection entries off", [](MenuSettings& s) { s.selection = -1; }, true, {2, 4, 6, 8}},
      {"sites off", [](MenuSettings& s) { s.web = 0; }, true, {0, 1, 2, 8}},
      {"sites off, no selection", [](MenuSettings& s) { s.web = 0; }, false, {2, 8}},
      {"site 2 switched 2", [](MenuSettings& s) { s.sites[2].enabled = 2; }, false, {2, 3, 7, 8}},
      {"targets neither page nor selection",
       [](MenuSettings& s) { s.sites[0].target = 2; s.sites[1].target = -1; }, true,
       {0, 1, 2, 6, 8}},
      {"selection sites with codes 3 to 6 get the empty text",
       [](MenuSettings& s) { s.sites[1].encoding = 3; s.sites[3].encoding = 6; }, true,
       {0, 1, 2, 4, 6, 8}},
      {"selection sites with codes that name no text form",
       [](MenuSettings& s) { s.sites[1].encoding = -1; s.sites[3].encoding = 7; }, true,
       {0, 1, 2, 8}},
      {"a code that names no form does not hide a page site",
       [](MenuSettings& s) { s.sites[0].encoding = -1; }, false, {2, 3, 5, 7, 8}},
  };
  for (const Case& c : cases) {
    MenuSettings settings = AllOn();
    c.change(settings);
    const auto entries = PlanMenu(settings, c.selected);
    EXPECT_EQ(Visible(entries), c.visible) << c.name;
    const bool offers = c.visible != std::vector<int>{2, 8};
    EXPECT_EQ(OffersAnything(entries), offers) << c.name;
  }
}

TEST(MenuPlan, EntriesCarryTheirCaptionsAtFixedPositions) {
  MenuSettings settings = AllOn();
  settings.sites[2].name = "-";
  std::vector<std::string> captions;
  for (const auto& item : PlanMenu(settings, false)) captions.push_back(item.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"選択範囲のソース表示", "選択範囲のテキスト表示",
                                                "-", "site 0", "site 1", "-", "site 3",
                                                "site 4", "-", "閉じる"}));
}

TEST(MenuPlan, SitesReceiveThePageAddressOrASelectionTextForm) {
  const HandOffValues handOff{"http%3A//p/%u3042", "p", "<b>", "あ a\r\n表\r\n"};
  SelectionTextForms forms(handOff.selectionText);
  struct Case { SiteSlot site; std::string address; };
  const Case cases[] = {
      {{1, "http://s/?q=", 1, 0, "s"}, "http://s/?q=あ a\r\n表\r\n"},
      {{1, "http://s/?q=", 1, 1, "s"}, "http://s/?q=%A4%A2+a%0D%0A%C9%BD%0D%0A"},
      {{1, "http://e/?q=", 1, 1, "s"}, "http://e/?q=%A4%A2+a%0D%0A%C9%BD%0D%0A"},
      {{1, "http://s/?q=", 1, 2, "s"}, "http://s/?q=%E3%81%82+a%0D%0A%E8%A1%A8%0D%0A"},
      {{1, "", 1, 2, "s"}, "%E3%81%82+a%0D%0A%E8%A1%A8%0D%0A"},
      {{1, "http://s/?q=", 1, 3, "s"}, "http://s/?q="},
      {{1, "http://s/?q=", 1, 6, "s"}, "http://s/?q="},
      {{1, "http://page/?u=", 0, 2, "p"}, "http://page/?u=http%3A//p/%u3042"},
      {{1, "http://page/?u=", 0, -1, "p"}, "http://page/?u=http%3A//p/%u3042"},
  };
  for (const Case& c : cases) EXPECT_EQ(SiteAddress(c.site, handOff, forms), c.address);
}

TEST(MenuPlan, UnescapedSelectionKeepsBytesOutsideTheCodePage) {
  // Bytes 85 40 are no character of code page 932; a round trip through UTF-16 would lose
  // them.
  const HandOffValues handOff{"a", "p", "<b>", "x\x85\x40y\r\n"};
  SelectionTextForms forms(handOff.selectionText);
  EXPECT_EQ(SiteAddress({1, "http://s/?q=", 1, 0, "s"}, handOff, forms),
            "http://s/?q=x\x85\x40y\r\n");
}

class MenuFormTest : public LauncherTest {
 protected:
  MenuFormTest() { m.ui.cursor = {640, 480}; }
};

TEST_F(MenuFormTest, IsAnInvisibleFormCaptionedAsTheMenuThatEndsOnLossOfActivation) {
  TfmIE_Menu form(m.platform, kTemp, HandOffValues{});
  EXPECT_EQ(form.Name(), "fmIE_Menu");
  EXPECT_EQ(form.Caption(), "IE拡張メニュー");
  EXPECT_EQ(form.Style(), platform::FormStyle::Popup);
  EXPECT_FALSE(m.application.OnDeactivate);
  form.FormCreate();
  ASSERT_TRUE(m.application.OnDeactivate);
  m.application.OnDeactivate();
  EXPECT_TRUE(Terminated());
}

TEST_F(MenuFormTest, PopsTheMenuUpAtThePointerInFrontOfOtherWindows) {
  WriteSettings({"[CHK]", "CHK_IE_Menu=1", "CHK_IE_Sel=1", "CHK_IE_Web=1", "Chk_IE_Set_S[0]=1",
                 "[EDIT]", "IE_Set_N[0]=検索", "IE_Set_U[0]=http://s/?q=", "IE_Set_T[0]=0"});
  WriteHandOff("http%3A//p/", "p", "", "");
  Run({});
  ASSERT_EQ(m.popupMenu.popups.size(), 1u);
  EXPECT_EQ(m.popupMenu.popups[0].at, (platform::Point{640, 480}));
  EXPECT_EQ(Visible(m.popupMenu.popups[0].items), (std::vector<int>{2, 3, 8}));
  EXPECT_EQ(m.popupMenu.popups[0].items[3].caption, "検索");
  EXPECT_EQ(m.popupMenu.popups[0].owner, "fmIE_Menu");
  EXPECT_EQ(m.popupMenu.popups[0].ownerPosition, (platform::Point{640, 480}));
  EXPECT_TRUE(m.popupMenu.popups[0].ownerTopmost);
  // No choice: the program ends when the application loses activation.
  EXPECT_TRUE(Terminated());
  EXPECT_TRUE(m.shell.executions.empty());
  EXPECT_TRUE(m.ui.messages.empty());
}

TEST_F(MenuFormTest, WithoutDeactivationAClosedMenuLeavesTheProgramRunning) {
  WriteSettings({"[CHK]", "CHK_IE_Menu=1", "CHK_IE_Sel=1"});
  WriteHandOff("a", "h", "<b>", "b");
  m.application.losesActivation = false;
  Run({});
  EXPECT_EQ(m.popupMenu.popups.size(), 1u);
  EXPECT_FALSE(Terminated());
}

TEST_F(MenuFormTest, NoEntryShowsTheMessageAndEnds) {
  const std::vector<std::string> settings[] = {
      {},  // no settings file at all
      {"[CHK]", "CHK_IE_Menu=0", "CHK_IE_Sel=1", "CHK_IE_Web=1", "Chk_IE_Set_S[0]=1"},
      {"[CHK]", "CHK_IE_Menu=1", "CHK_IE_Sel=1"},  // selection entries, but no selection
      {"[CHK]", "CHK_IE_Menu=1", "CHK_IE_Web=1", "Chk_IE_Set_S[0]=1", "[EDIT]",
       "IE_Set_T[0]=1"},  // a selection site, but no selection
  };
  for (const auto& lines : settings) {
    m.ui.messages.clear();
    m.popupMenu.popups.clear();
    m.application.losesActivation = false;
    if (!lines.empty()) WriteSettings(lines);
    WriteHandOff("a", "h", "", "");
    Run({});
    EXPECT_EQ(m.ui.messages,
              std::vector<Message>{Warning(kDesktop, "メニューが登録されていません")});
    EXPECT_TRUE(m.popupMenu.popups.empty());
    EXPECT_TRUE(Terminated());
  }
}
