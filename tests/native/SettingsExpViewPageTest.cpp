// The Explorer viewer page: five viewers for files and folders, the existence check and the
// display names while the Explorer switch is on, browse and clear.
#include <string>
#include <vector>

#include "SettingsTestFixture.h"

namespace {

std::string Key(const char* name, int slot) {
  return std::string(name) + "[" + std::to_string(slot) + "]";
}

}  // namespace

class ExpViewPageTest : public SettingsTest {
 protected:
  TfmEXP_View::ViewerBand& Band(int slot) { return ExpView().viewers[slot]; }

  bool ApplyPage() {
    Main().SetOK = true;
    ExpView().BTN_OKClick();
    return Main().SetOK;
  }
};

TEST(ViewerNameOfPath, FileNameWithoutItsLastExtension) {
  struct Case {
    const char* path;
    const char* name;
  };
  const Case cases[] = {
      {"C:\\Tools\\viewer.exe", "viewer"},
      {"C:\\Tools\\my.viewer.exe", "my.viewer"},
      {"C:\\Tools.d\\viewer", "viewer"},
      {"C:\\表\\ソ.exe", "ソ"},  // 表 and ソ end in byte 0x5C
      {"viewer.exe", "viewer"},
      {"C:\\Tools\\.exe", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ViewerNameOfPath(c.path), c.name) << c.path;
}

TEST_F(ExpViewPageTest, Layout) {
  const char* titles[] = {"ビューア１", "ビューア２", "ビューア３", "ビューア４", "ビューア５"};
  for (int slot = 0; slot < 5; ++slot) {
    TfmEXP_View::ViewerBand& band = Band(slot);
    const int top = 16 + 80 * slot;
    EXPECT_EQ(band.LBL_Title.Caption(), titles[slot]);
    EXPECT_EQ(band.LBL_Title.look, (platform::Look{true, platform::TextColor::Blue}));
    EXPECT_EQ(band.CB_Edit_F.Caption(), "ファイル");
    EXPECT_EQ(band.CB_Edit_D.Caption(), "フォルダ");
    EXPECT_GT(band.CB_Edit_F.GetBounds().top, band.LBL_Title.GetBounds().top);
    EXPECT_GT(band.CB_Edit_D.GetBounds().top, band.CB_Edit_F.GetBounds().top);
    EXPECT_EQ(band.TB_Edit_E.GetBounds(), (platform::Bounds{88, top, 441, 20}));
    EXPECT_EQ(band.BTN_Edit.Caption(), "参照");
    EXPECT_EQ(band.LBL_Opt.Caption(), "起動オプション");
    EXPECT_EQ(band.LBL_Type.Caption(), "拡張子");
    EXPECT_EQ(band.LBL_Name.Caption(), "表示名");
    EXPECT_EQ(band.TB_Edit_O.GetBounds().width, 217);
    EXPECT_EQ(band.SB_Edit_T.GetBounds().width, 65);
    EXPECT_EQ(band.TB_Edit_N.GetBounds().width, 177);
    EXPECT_TRUE(band.SB_Edit_T.Editable());
    for (const platform::Label* label : {&band.LBL_Opt, &band.LBL_Type, &band.LBL_Name}) {
      EXPECT_EQ(label->look.color, platform::TextColor::Olive);
    }
    EXPECT_EQ(ExpView().FindControl("TB_Edit_N_" + std::to_string(slot)), &band.TB_Edit_N);
  }
}

TEST_F(ExpViewPageTest, LoadReadsFlagsAndTexts) {
  WriteSettings({"[CHK]", "CHK_EXP_View_F[0]=1", "CHK_EXP_View_D[0]=2", "CHK_EXP_View_D[4]=1",
                 "CHK_EXP_View_F[3]=yes", "[EDIT]", "EXP_View_E[4]=C:\\表\\v.exe",
                 "EXP_View_O[4]=/a", "EXP_View_T[4]=cgi", "EXP_View_N[4]=見る"});
  Start();
  for (int slot = 0; slot < 5; ++slot) {
    EXPECT_EQ(Band(slot).CB_Edit_F.Checked(), slot == 0) << slot;
    EXPECT_EQ(Band(slot).CB_Edit_D.Checked(), slot == 4) << slot;
  }
  EXPECT_EQ(Band(4).TB_Edit_E.Text(), "C:\\表\\v.exe");
  EXPECT_EQ(Band(4).TB_Edit_O.Text(), "/a");
  EXPECT_EQ(Band(4).SB_Edit_T.Text(), "cgi");
  EXPECT_EQ(Band(4).TB_Edit_N.Text(), "見る");
  // The flag of 2 goes back as 0, the rest as they were.
  EXPECT_TRUE(ApplyPage());
  EXPECT_EQ(Stored("CHK", "CHK_EXP_View_D[0]"), "0");
  EXPECT_EQ(Stored("CHK", "CHK_EXP_View_F[3]"), "0");
  EXPECT_EQ(Stored("EDIT", "EXP_View_T[4]"), "cgi");
}

TEST_F(ExpViewPageTest, SwitchOffWritesEverythingAsItStands) {
  SetUpPage().CB_SHELL.SetChecked(false);
  for (int slot = 1; slot < 5; ++slot) {
    Band(slot).CB_Edit_F.SetChecked(slot % 2 == 1);
    Band(slot).CB_Edit_D.SetChecked(slot >= 3);
  }
  Band(2).TB_Edit_E.SetText("C:\\missing.exe");
  EXPECT_TRUE(ApplyPage());
  EXPECT_TRUE(Messages().empty());
  for (int slot = 0; slot < 5; ++slot) {
    EXPECT_EQ(Stored("CHK", Key("CHK_EXP_View_F", slot)), slot % 2 == 1 ? "1" : "0") << slot;
    EXPECT_EQ(Stored("CHK", Key("CHK_EXP_View_D", slot)), slot >= 3 ? "1" : "0") << slot;
    EXPECT_EQ(Stored("EDIT", Key("EXP_View_N", slot)), "") << slot;  // no name filled in
  }
  EXPECT_EQ(Stored("EDIT", "EXP_View_E[2]"), "C:\\missing.exe");
  // Flags first, then the texts slot by slot.
  const std::string bytes = SettingsBytes();
  EXPECT_LT(bytes.find("CHK_EXP_View_F[4]"), bytes.find("CHK_EXP_View_D[0]"));
  EXPECT_LT(bytes.find("EXP_View_N[0]"), bytes.find("EXP_View_E[1]"));
}

TEST_F(ExpViewPageTest, SwitchOnNamesOfferedViewersAfterTheirFiles) {
  m.files.AddFile("C:\\Tools\\my.viewer.exe", "MZ");
  SetUpPage().CB_SHELL.SetChecked(true);
  Band(0).CB_Edit_F.SetChecked(true);
  Band(0).TB_Edit_E.SetText("C:\\Tools\\my.viewer.exe");
  Band(1).CB_Edit_D.SetChecked(true);
  Band(1).TB_Edit_E.SetText(kViewer);
  Band(1).TB_Edit_N.SetText("named");
  Band(2).TB_Edit_E.SetText(kViewer);  // not offered: left unnamed
  EXPECT_TRUE(ApplyPage());
  EXPECT_EQ(Band(0).TB_Edit_N.Text(), "my.viewer");
  EXPECT_EQ(Stored("EDIT", "EXP_View_N[0]"), "my.viewer");
  EXPECT_EQ(Stored("EDIT", "EXP_View_N[1]"), "named");
  EXPECT_EQ(Stored("EDIT", "EXP_View_N[2]"), "");
}

// The first offered slot without its program stops the apply: the earlier slots' new names
// show in their fields but reach the file neither.
TEST_F(ExpViewPageTest, MissingViewerStopsTheApplyAndWritesNothing) {
  struct Case {
    const char* what;
    int slot;
    bool files, folders;
    std::string path;
  };
  const Case cases[] = {
      {"folders only, empty path", 0, false, true, ""},
      {"files, missing", 2, true, false, "C:\\Tools\\gone.exe"},
      {"both, a folder", 4, true, true, "C:\\Tools"},
      {"path over 260 characters", 3, true, false, "C:\\" + std::string(300, 'x') + ".exe"},
  };
  for (const Case& c : cases) {
    WriteSettings({"[EDIT]", "EXP_View_N[0]=old"});
    const std::string before = SettingsBytes();
    Start();
    SetUpPage().CB_SHELL.SetChecked(true);
    for (int slot = 0; slot < c.slot; ++slot) {
      Band(slot).CB_Edit_F.SetChecked(true);
      Band(slot).TB_Edit_E.SetText(kViewer);
      Band(slot).TB_Edit_N.SetText("");
    }
    Band(c.slot).CB_Edit_F.SetChecked(c.files);
    Band(c.slot).CB_Edit_D.SetChecked(c.folders);
    Band(c.slot).TB_Edit_E.SetText(c.path);
    Messages().clear();
    EXPECT_FALSE(ApplyPage()) << c.what;
    EXPECT_EQ(Messages(), std::vector<Message>{Warning("ファイルが存在しません")}) << c.what;
    EXPECT_EQ(Main().pcMAIN.TabIndex(), 3) << c.what;
    EXPECT_EQ(ExpView().FocusedControl(), &Band(c.slot).TB_Edit_E) << c.what;
    EXPECT_EQ(SettingsBytes(), before) << c.what;
    for (int slot = 0; slot < c.slot; ++slot) EXPECT_EQ(Band(slot).TB_Edit_N.Text(), "viewer");
  }
}

TEST_F(ExpViewPageTest, ClearEmptiesEveryFieldAndWritesNothing) {
  WriteSettings({"[CHK]", "CHK_EXP_View_F[1]=1", "[EDIT]", "EXP_View_O[3]=x", "EXP_View_N[2]=n"});
  Start();
  const std::string before = SettingsBytes();
  Press(ExpView().BTN_CLS);
  for (int slot = 0; slot < 5; ++slot) {
    const TfmEXP_View::ViewerBand& band = Band(slot);
    EXPECT_FALSE(band.CB_Edit_F.Checked() || band.CB_Edit_D.Checked());
    EXPECT_EQ(band.TB_Edit_E.Text() + band.TB_Edit_O.Text() + band.SB_Edit_T.Text() +
                  band.TB_Edit_N.Text(),
              "");
  }
  EXPECT_EQ(SettingsBytes(), before);
}

TEST_F(ExpViewPageTest, BrowseFillsThePathOnly) {
  m.fileDialogs.answers = {std::string("C:\\Tools\\viewer.exe")};
  Press(Band(3).BTN_Edit);
  EXPECT_EQ(Band(3).TB_Edit_E.Text(), "C:\\Tools\\viewer.exe");
  EXPECT_EQ(Band(3).TB_Edit_N.Text(), "");
  ASSERT_EQ(m.fileDialogs.shown.size(), 1u);
  EXPECT_EQ(m.fileDialogs.shown[0].options.filter, "実行ファイル|*.exe");
  EXPECT_EQ(m.fileDialogs.shown[0].owner, kForeground);
}
