// The setup page: thirteen switches loaded, checked or cleared all at once, and saved.
#include <string>
#include <vector>

#include "SettingsTestFixture.h"

namespace {

struct Switch {
  const char* key;
  const char* box;
  const char* caption;
};
// In the order of reading and writing.
const Switch kSwitches[] = {
    {"CHK_IE_View", "CB_IE_View", "ソースの表示"},
    {"CHK_IE_Menu", "CB_IE_Menu", "拡張メニュー"},
    {"CHK_IE_Sel", "CB_IE_Sel", "選択範囲"},
    {"CHK_IE_Web", "CB_IE_Web", "WEB検索"},
    {"CHK_SHELL", "CB_SHELL", "拡張メニュー"},
    {"CHK_SUB", "CB_SUB", "サブメニュー化"},
    {"CHK_SEP_Menu", "CB_SEP_Menu", "上下に区切り線"},
    {"CHK_SEP_View", "CB_SEP_View", "ビューアとの間に区切り線"},
    {"CHK_VIEW", "CB_View", "ビューア"},
    {"CHK_LIST", "CB_LIST", "ファイルリスト"},
    {"CHK_PATH", "CB_PATH", "パスコピー"},
    {"CHK_COMMAND", "CB_CMD", "コマンドプロンプト起動"},
    {"CHK_EXPLORER", "CB_EXP", "エクスプローラ起動"},
};

}  // namespace

class SetUpPageTest : public SettingsTest {
 protected:
  platform::CheckBox& Box(const Switch& s) {
    return static_cast<platform::CheckBox&>(*SetUpPage().FindControl(s.box));
  }
};

TEST_F(SetUpPageTest, SwitchesStandInTheirGroups) {
  for (const Switch& s : kSwitches) {
    const platform::Control* box = SetUpPage().FindControl(s.box);
    ASSERT_NE(box, nullptr) << s.box;
    EXPECT_EQ(box->Kind(), platform::ControlKind::CheckBox);
    EXPECT_EQ(box->Caption(), s.caption);
  }
  // Each group: its caption, its place, and the boxes it holds.
  struct Group {
    const char* name;
    const char* caption;
    std::vector<const char*> boxes;
  };
  const Group groups[] = {
      {"GB_IE",
       "インターネットエクスプローラ",
       {"CB_IE_View", "CB_IE_Menu", "CB_IE_Sel", "CB_IE_Web"}},
      {"GB_IE_Command", "コマンド", {"CB_IE_Sel", "CB_IE_Web"}},
      {"GB_EXP", "エクスプローラ", {"CB_SHELL", "CB_SUB", "CB_EXP"}},
      {"GB_EXP_Menu", "メニュー", {"CB_SUB", "CB_SEP_Menu", "CB_SEP_View"}},
      {"GB_EXP_Command", "コマンド", {"CB_View", "CB_LIST", "CB_PATH", "CB_CMD", "CB_EXP"}},
  };
  for (const Group& g : groups) {
    const platform::Control* group = SetUpPage().FindControl(g.name);
    ASSERT_NE(group, nullptr) << g.name;
    EXPECT_EQ(group->Caption(), g.caption);
    EXPECT_TRUE(group->look.bold);
    EXPECT_EQ(group->look.color, platform::TextColor::Blue);
    const platform::Bounds outer = group->GetBounds();
    for (const char* name : g.boxes) {
      const platform::Bounds b = SetUpPage().FindControl(name)->GetBounds();
      EXPECT_TRUE(b.left > outer.left && b.top > outer.top &&
                  b.left + b.width < outer.left + outer.width &&
                  b.top + b.height < outer.top + outer.height)
          << name << " in " << g.name;
    }
  }
  EXPECT_EQ(SetUpPage().BTN_CHK.Caption(), "全チェック");
  EXPECT_EQ(SetUpPage().BTN_CLS.Caption(), "クリア");
  EXPECT_LT(SetUpPage().BTN_CHK.GetBounds().left, SetUpPage().BTN_CLS.GetBounds().left);
}

// Only a stored 1 checks a box; whatever else was stored is written back as 0.
TEST_F(SetUpPageTest, OnlyOneIsOnAndApplyWritesOneOrZero) {
  struct Case {
    const char* stored;  // nullptr: key missing
    bool on;
  };
  const Case cases[] = {{"1", true},    {"0", false},   {"2", false},         {"-1", false},
                        {"abc", false}, {"", false},    {nullptr, false},     {"0x1", true},
                        {" 1 ", true},  {"1.0", false}, {"4294967297", false}};
  for (const Case& c : cases) {
    std::vector<std::string> lines{"[CHK]"};
    if (c.stored != nullptr) {
      for (const Switch& s : kSwitches) lines.push_back(std::string(s.key) + "=" + c.stored);
    }
    WriteSettings(lines);
    SetUpPage().FormShow();
    for (const Switch& s : kSwitches) {
      EXPECT_EQ(Box(s).Checked(), c.on) << s.key << "=" << (c.stored ? c.stored : "(missing)");
    }
    SetUpPage().BTN_OKClick();
    for (const Switch& s : kSwitches) EXPECT_EQ(Stored("CHK", s.key), c.on ? "1" : "0");
  }
}

TEST_F(SetUpPageTest, EachSwitchHasItsOwnKey) {
  for (const Switch& on : kSwitches) {
    WriteSettings({"[CHK]", std::string(on.key) + "=1"});
    SetUpPage().FormShow();
    for (const Switch& s : kSwitches) EXPECT_EQ(Box(s).Checked(), &s == &on) << on.key << s.key;
  }
}

TEST_F(SetUpPageTest, CheckAllAndClearChangeOnlyTheBoxes) {
  WriteSettings({"[chk]", "chk_sub=1", "CHK_PATH=1"});
  Start();
  const std::string before = SettingsBytes();
  Press(SetUpPage().BTN_CHK);
  for (const Switch& s : kSwitches) EXPECT_TRUE(Box(s).Checked()) << s.box;
  Press(SetUpPage().BTN_CLS);
  for (const Switch& s : kSwitches) EXPECT_FALSE(Box(s).Checked()) << s.box;
  EXPECT_EQ(SettingsBytes(), before);
  Press(Main().BTN_READ);
  EXPECT_TRUE(SetUpPage().CB_SUB.Checked());
  EXPECT_TRUE(SetUpPage().CB_PATH.Checked());
  EXPECT_FALSE(SetUpPage().CB_LIST.Checked());
}

// Written in table order into an existing section, keeping the file's other lines.
TEST_F(SetUpPageTest, ApplyWritesTheKeysInTableOrder) {
  WriteSettings({"; kept", "[CHK]", "CHK_IE=2", "[EDIT]", "IE_View_E[0]=C:\\v.exe"});
  SetUpPage().BTN_CHKClick();
  SetUpPage().CB_SUB.SetChecked(false);
  SetUpPage().BTN_OKClick();
  std::string expected = "; kept\r\n[CHK]\r\nCHK_IE=2\r\n";
  for (const Switch& s : kSwitches) {
    expected += std::string(s.key) + (std::string(s.key) == "CHK_SUB" ? "=0" : "=1") + "\r\n";
  }
  expected += "[EDIT]\r\nIE_View_E[0]=C:\\v.exe\r\n";
  EXPECT_EQ(SettingsBytes(), expected);
}
