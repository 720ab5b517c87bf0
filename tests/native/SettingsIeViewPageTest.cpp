// The IE viewer page: three viewers, the slot in use, the existence check while
// "ソースの表示" is checked, browse and clear.
#include <array>
#include <string>
#include <vector>

#include "SettingsTestFixture.h"

namespace {

constexpr const char* kOtherViewer = "C:\\Program Files\\Editor\\edit.exe";
const std::string kLongViewer = "C:\\" + std::string(300, 'v') + "\\表示.exe";

}  // namespace

class IeViewPageTest : public SettingsTest {
 protected:
  IeViewPageTest() {
    m.files.AddFile(kOtherViewer, "MZ");
    m.files.AddFile(kLongViewer, "MZ");
  }

  TfmIE_View::ViewerBand& Band(int slot) { return IeView().viewers[slot]; }

  // Runs the page's apply as the main window's first step does.
  bool ApplyPage() {
    Main().SetOK = true;
    IeView().BTN_OKClick();
    return Main().SetOK;
  }
};

TEST_F(IeViewPageTest, Layout) {
  const std::vector<std::string> order{"RB_Edit_E_0", "TB_Edit_E_0", "BTN_Edit_0",  "LBL_Opt_0",
                                       "TB_Edit_O_0", "LBL_Type_0",  "SB_Edit_T_0", "RB_Edit_E_1"};
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(IeView().Controls()[i]->Name(), order[i]);
  }
  const char* titles[] = {"ビューア１", "ビューア２", "ビューア３"};
  for (int slot = 0; slot < 3; ++slot) {
    TfmIE_View::ViewerBand& band = Band(slot);
    const int top = 16 + 80 * slot;
    EXPECT_EQ(band.RB_Edit_E.Caption(), titles[slot]);
    EXPECT_EQ(band.RB_Edit_E.Group(), Band(0).RB_Edit_E.Group());
    EXPECT_EQ(band.RB_Edit_E.look, (platform::Look{true, platform::TextColor::Blue}));
    EXPECT_EQ(band.RB_Edit_E.GetBounds().top, top);
    EXPECT_EQ(band.TB_Edit_E.GetBounds().width, 441);
    EXPECT_EQ(band.TB_Edit_E.TabStop(), slot != 0);
    EXPECT_EQ(band.BTN_Edit.Caption(), "参照");
    EXPECT_EQ(band.BTN_Edit.GetBounds().width, 42);
    EXPECT_EQ(band.BTN_Edit.GetBounds().height, 20);
    EXPECT_EQ(band.LBL_Opt.Caption(), "起動オプション");
    EXPECT_EQ(band.LBL_Opt.look.color, platform::TextColor::Olive);
    EXPECT_EQ(band.TB_Edit_O.GetBounds().width, 217);
    EXPECT_EQ(band.LBL_Type.Caption(), "拡張子");
    EXPECT_LT(band.LBL_Type.GetBounds().top, band.SB_Edit_T.GetBounds().top);
    EXPECT_EQ(band.SB_Edit_T.GetBounds().width, 65);
    EXPECT_TRUE(band.SB_Edit_T.Editable());
    EXPECT_EQ(band.SB_Edit_T.Items(),
              (std::vector<std::string>{"", "txt", "htm", "html", "xml", "asp", "php", "jsp"}));
    EXPECT_LT(band.TB_Edit_O.GetBounds().top + band.TB_Edit_O.GetBounds().height, top + 80);
  }
  // The designed state before any load: the first viewer in use.
  EXPECT_TRUE(Band(0).RB_Edit_E.Checked());
  EXPECT_EQ(IeView().BTN_CLS.Caption(), "クリア");
  EXPECT_EQ(IeView().BTN_CLS.GetBounds(), (platform::Bounds{504, 409, 66, 33}));
}

TEST_F(IeViewPageTest, LoadChecksTheStoredSlotOnly) {
  struct Case {
    const char* stored;  // nullptr: key missing
    int checked;         // -1: none
  };
  const Case cases[] = {{"0", 0},   {"1", 1}, {"2", 2},     {"3", -1}, {"5", -1},
                        {"-1", -1}, {"x", 0}, {nullptr, 0}, {"0x2", 2}};
  for (const Case& c : cases) {
    std::vector<std::string> lines{"[CHK]"};
    if (c.stored != nullptr) lines.push_back(std::string("Chk_Ie=") + c.stored);
    WriteSettings(lines);
    IeView().FormShow();
    for (int slot = 0; slot < 3; ++slot) {
      EXPECT_EQ(Band(slot).RB_Edit_E.Checked(), slot == c.checked)
          << (c.stored ? c.stored : "(missing)") << " slot " << slot;
    }
  }
}

TEST_F(IeViewPageTest, LoadShowsTheTextsAsStored) {
  WriteSettings({"[EDIT]", "IE_View_E[0]=C:\\a b\\v.exe", "IE_View_O[0]=-n \"x\"",
                 "IE_View_T[0]=html", "IE_View_T[1]=cgi", "IE_View_E[2]=表\\ソ.exe"});
  IeView().FormShow();
  EXPECT_EQ(Band(0).TB_Edit_E.Text(), "C:\\a b\\v.exe");
  EXPECT_EQ(Band(0).TB_Edit_O.Text(), "-n \"x\"");
  EXPECT_EQ(Band(0).SB_Edit_T.Text(), "html");
  EXPECT_EQ(Band(0).SB_Edit_T.ItemIndex(), 3);
  EXPECT_EQ(Band(1).SB_Edit_T.Text(), "cgi");  // not an item: shown all the same
  EXPECT_EQ(Band(1).SB_Edit_T.ItemIndex(), -1);
  EXPECT_EQ(Band(2).TB_Edit_E.Text(), "表\\ソ.exe");
  EXPECT_EQ(Band(2).TB_Edit_O.Text(), "");
}

// The stored slot is the checked one only while the view-source switch is on and that slot's
// path exists; a slot with an empty path is never examined.
TEST_F(IeViewPageTest, StoredSlotRule) {
  struct Case {
    const char* what;
    bool viewSource;
    std::array<std::string, 3> paths;
    int radio;  // -1: none checked (a damaged CHK_IE was loaded)
    int stored;
  };
  const Case cases[] = {
      {"all empty, third checked", true, {"", "", ""}, 2, 0},
      {"checked slot empty", true, {kViewer, "", ""}, 1, 0},
      {"checked slot exists", true, {"", kViewer, ""}, 1, 1},
      {"third of three", true, {kViewer, kOtherViewer, kViewer}, 2, 2},
      {"switch off", false, {"", kViewer, "C:\\missing.exe"}, 2, 0},
      {"none checked", true, {kViewer, kViewer, kViewer}, -1, 0},
      {"long path", true, {"", "", kLongViewer}, 2, 2},
  };
  for (const Case& c : cases) {
    SetUpPage().CB_IE_View.SetChecked(c.viewSource);
    for (int slot = 0; slot < 3; ++slot) {
      Band(slot).TB_Edit_E.SetText(c.paths[slot]);
      Band(slot).RB_Edit_E.SetChecked(slot == c.radio);
    }
    EXPECT_TRUE(ApplyPage()) << c.what;
    EXPECT_EQ(Stored("CHK", "CHK_IE"), std::to_string(c.stored)) << c.what;
    for (int slot = 0; slot < 3; ++slot) {
      EXPECT_EQ(Stored("EDIT", "IE_View_E[" + std::to_string(slot) + "]"), c.paths[slot]);
    }
  }
  EXPECT_TRUE(Messages().empty());
}

// A missing viewer: the warning, the page's tab, the focus in that path, and nothing of the
// page written; later slots are not examined.
TEST_F(IeViewPageTest, MissingViewerStopsTheApplyAndWritesNothing) {
  struct Case {
    const char* what;
    std::array<std::string, 3> paths;
    int focus;
  };
  const Case cases[] = {
      {"missing file", {kViewer, "C:\\Tools\\gone.exe", "C:\\also gone.exe"}, 1},
      {"a folder", {"C:\\Tools", "", ""}, 0},
      {"a folder with its backslash", {"", "", "C:\\Tools\\"}, 2},
      {"path over 260 characters", {"", "C:\\" + std::string(400, 'x') + ".exe", ""}, 1},
      {"blanks only", {"   ", "", ""}, 0},
  };
  for (const Case& c : cases) {
    WriteSettings({"[CHK]", "CHK_IE=1", "[EDIT]", "IE_View_E[0]=old"});
    const std::string before = SettingsBytes();
    Start();
    SetUpPage().CB_IE_View.SetChecked(true);
    for (int slot = 0; slot < 3; ++slot) Band(slot).TB_Edit_E.TypeByUser(c.paths[slot]);
    Messages().clear();
    EXPECT_FALSE(ApplyPage()) << c.what;
    EXPECT_EQ(Messages(), std::vector<Message>{Warning("ファイルが存在しません")}) << c.what;
    EXPECT_EQ(Main().pcMAIN.TabIndex(), 1) << c.what;
    EXPECT_EQ(IeView().FocusedControl(), &Band(c.focus).TB_Edit_E) << c.what;
    EXPECT_EQ(SettingsBytes(), before) << c.what;
  }
}

TEST_F(IeViewPageTest, ClearThenApplyStoresSlotZeroAndEmptyTexts) {
  WriteSettings({"[CHK]", "CHK_IE=2", "[EDIT]", "IE_View_E[2]=" + std::string(kViewer),
                 "IE_View_O[1]=-x", "IE_View_T[0]=txt"});
  Start();
  Press(IeView().BTN_CLS);
  EXPECT_TRUE(Band(0).RB_Edit_E.Checked());
  EXPECT_FALSE(Band(2).RB_Edit_E.Checked());
  EXPECT_EQ(Stored("CHK", "CHK_IE"), "2");  // nothing written yet
  SetUpPage().CB_IE_View.SetChecked(true);
  EXPECT_TRUE(ApplyPage());
  EXPECT_EQ(Stored("CHK", "CHK_IE"), "0");
  for (const char* key : {"IE_View_E", "IE_View_O", "IE_View_T"}) {
    for (int slot = 0; slot < 3; ++slot) {
      EXPECT_EQ(Stored("EDIT", std::string(key) + "[" + std::to_string(slot) + "]"), "");
    }
  }
}

TEST_F(IeViewPageTest, TextsAreStoredExactlyAsTheyStand) {
  Band(0).TB_Edit_O.TypeByUser("  -a  ");
  Band(0).SB_Edit_T.TypeByUser(".htm");
  Band(1).SB_Edit_T.PickByUser(5);
  Band(2).TB_Edit_E.TypeByUser("C:\\ない\\viewer.exe");
  EXPECT_TRUE(ApplyPage());
  EXPECT_EQ(Stored("EDIT", "IE_View_O[0]"), "  -a  ");
  EXPECT_EQ(Stored("EDIT", "IE_View_T[0]"), ".htm");
  EXPECT_EQ(Stored("EDIT", "IE_View_T[1]"), "asp");
  EXPECT_EQ(Stored("EDIT", "IE_View_E[2]"), "C:\\ない\\viewer.exe");
}

TEST_F(IeViewPageTest, BrowseFillsOnlyItsSlotsPath) {
  Band(1).TB_Edit_E.SetText("before");
  m.fileDialogs.answers = {std::string(kOtherViewer), std::nullopt};
  Press(Band(1).BTN_Edit);
  Press(Band(2).BTN_Edit);  // cancelled
  EXPECT_EQ(Band(1).TB_Edit_E.Text(), kOtherViewer);
  EXPECT_EQ(Band(2).TB_Edit_E.Text(), "");
  EXPECT_EQ(Band(0).TB_Edit_E.Text(), "");
  ASSERT_EQ(m.fileDialogs.shown.size(), 2u);
  const auto& shown = m.fileDialogs.shown[0];
  EXPECT_EQ(shown.kind, platform::memory::MemoryFileDialogs::Kind::Open);
  EXPECT_EQ(shown.owner, kForeground);
  platform::FileDialogOptions expected;
  expected.filter = "実行ファイル|*.exe";
  expected.initialFolder = "C:\\";
  expected.hideReadOnly = true;
  expected.pathMustExist = true;
  expected.fileMustExist = true;
  EXPECT_EQ(shown.options, expected);
  EXPECT_TRUE(Messages().empty());
}
