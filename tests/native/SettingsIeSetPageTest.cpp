// The site page: five sites loaded, named by default, cleared and saved; the site list editor
// opened from it.
#include <string>
#include <vector>

#include "SettingsTestFixture.h"

namespace {

std::string Key(const char* name, int slot) {
  return std::string(name) + "[" + std::to_string(slot) + "]";
}

}  // namespace

class IeSetPageTest : public SettingsTest {
 protected:
  TfmIE_Set::SiteBand& Band(int slot) { return IeSet().sites[slot]; }
  void ApplyPage() {
    Main().SetOK = true;
    IeSet().BTN_OKClick();
    EXPECT_TRUE(Main().SetOK);  // the page never clears it
  }
};

TEST_F(IeSetPageTest, Layout) {
  const char* titles[] = {"サイト１", "サイト２", "サイト３", "サイト４", "サイト５"};
  for (int slot = 0; slot < 5; ++slot) {
    TfmIE_Set::SiteBand& band = Band(slot);
    const int top = 16 + 80 * slot;
    EXPECT_EQ(band.CB_Ie_S.Caption(), titles[slot]);
    EXPECT_EQ(band.CB_Ie_S.look, (platform::Look{true, platform::TextColor::Blue}));
    EXPECT_EQ(band.CB_Ie_S.GetBounds().top, top);
    EXPECT_EQ(band.TB_Ie_U.GetBounds().width, 481);
    EXPECT_EQ(band.LBL_Type.Caption(), "対象");
    EXPECT_EQ(band.LBL_Encode.Caption(), "エンコード");
    EXPECT_EQ(band.LBL_Name.Caption(), "表示名");
    EXPECT_EQ(band.SB_Ie_T.Items(), (std::vector<std::string>{"通常", "選択範囲"}));
    EXPECT_EQ(band.SB_Ie_E.Items(), (std::vector<std::string>{"なし", "EUC-JP", "UTF-8"}));
    EXPECT_FALSE(band.SB_Ie_T.Editable());
    EXPECT_FALSE(band.SB_Ie_E.Editable());
    EXPECT_EQ(band.SB_Ie_T.GetBounds().width, 81);
    EXPECT_EQ(band.SB_Ie_E.GetBounds().width, 81);
    EXPECT_EQ(band.TB_Ie_N.GetBounds().width, 209);
    EXPECT_GT(band.SB_Ie_T.GetBounds().top, band.TB_Ie_U.GetBounds().top);
    // The accessor of the site list editor reaches the same controls.
    const TfmIE_Set::SiteControls site = IeSet().Site(slot);
    EXPECT_EQ(&site.enabled, &band.CB_Ie_S);
    EXPECT_EQ(&site.url, &band.TB_Ie_U);
    EXPECT_EQ(&site.target, &band.SB_Ie_T);
    EXPECT_EQ(&site.encoding, &band.SB_Ie_E);
    EXPECT_EQ(&site.name, &band.TB_Ie_N);
  }
  EXPECT_EQ(IeSet().BTN_SITE.Caption(), "参照");
  EXPECT_EQ(IeSet().BTN_CLS.Caption(), "クリア");
  EXPECT_LT(IeSet().BTN_SITE.GetBounds().left, IeSet().BTN_CLS.GetBounds().left);
}

// A list position outside its list selects nothing and goes back as -1; an enabled value
// other than 1 goes back as 0.
TEST_F(IeSetPageTest, LoadAndApplyRoundTripWithDamagedPositions) {
  WriteSettings({"[CHK]", "CHK_IE_Set_S[0]=2", "CHK_IE_Set_S[1]=1", "Chk_IE_Set_S[4]=1", "[EDIT]",
                 "IE_Set_U[1]=http://example.jp/search?q=", "IE_Set_T[1]=3", "IE_Set_E[1]=2",
                 "IE_Set_N[1]=例", "IE_Set_T[2]=1", "IE_Set_E[2]=-1", "IE_Set_T[3]=x",
                 "IE_Set_E[3]=0x2", "IE_Set_N[4]=\"quoted\" <DELIMITER>"});
  Start();
  struct Expect {
    bool enabled;
    int target, encoding;
    std::string storedTarget, storedEncoding;
  };
  const Expect expect[] = {
      {false, 0, 0, "0", "0"}, {true, -1, 2, "-1", "2"}, {false, 1, -1, "1", "-1"},
      {false, 0, 2, "0", "2"}, {true, 0, 0, "0", "0"},
  };
  for (int slot = 0; slot < 5; ++slot) {
    EXPECT_EQ(Band(slot).CB_Ie_S.Checked(), expect[slot].enabled) << slot;
    EXPECT_EQ(Band(slot).SB_Ie_T.ItemIndex(), expect[slot].target) << slot;
    EXPECT_EQ(Band(slot).SB_Ie_E.ItemIndex(), expect[slot].encoding) << slot;
  }
  EXPECT_EQ(Band(1).SB_Ie_T.Text(), "");
  EXPECT_EQ(Band(1).TB_Ie_U.Text(), "http://example.jp/search?q=");
  EXPECT_EQ(Band(1).TB_Ie_N.Text(), "例");
  ApplyPage();
  for (int slot = 0; slot < 5; ++slot) {
    EXPECT_EQ(Stored("CHK", Key("CHK_IE_Set_S", slot)), expect[slot].enabled ? "1" : "0");
    EXPECT_EQ(Stored("EDIT", Key("IE_Set_T", slot)), expect[slot].storedTarget) << slot;
    EXPECT_EQ(Stored("EDIT", Key("IE_Set_E", slot)), expect[slot].storedEncoding) << slot;
  }
  EXPECT_EQ(Stored("EDIT", "IE_Set_N[4]"), "\"quoted\" <DELIMITER>");
}

TEST_F(IeSetPageTest, EnabledSitesWithoutANameGetTheDefaultName) {
  Band(2).CB_Ie_S.SetChecked(true);
  Band(3).CB_Ie_S.SetChecked(false);
  Band(4).CB_Ie_S.SetChecked(true);
  Band(4).TB_Ie_N.SetText("  ");  // blanks are a name
  ApplyPage();
  EXPECT_EQ(Band(2).TB_Ie_N.Text(), "サイト３へ送信");
  EXPECT_EQ(Stored("EDIT", "IE_Set_N[2]"), "サイト３へ送信");
  EXPECT_EQ(Stored("EDIT", "IE_Set_N[3]"), "");
  EXPECT_EQ(Stored("EDIT", "IE_Set_N[4]"), "  ");
  const char* names[] = {"サイト１へ送信", "サイト２へ送信", "サイト３へ送信", "サイト４へ送信",
                         "サイト５へ送信"};
  for (int slot = 0; slot < 5; ++slot) EXPECT_EQ(DefaultSiteName(slot), names[slot]);
}

TEST_F(IeSetPageTest, ClearThenApplyStoresEmptySitesAndWritesTheScript) {
  WriteSettings({"[CHK]", "CHK_IE_Set_S[0]=1", "[EDIT]", "IE_Set_U[0]=http://a/", "IE_Set_T[0]=1",
                 "IE_Set_E[0]=2", "IE_Set_N[0]=a"});
  Start();
  Press(IeSet().BTN_CLS);
  EXPECT_EQ(Stored("CHK", "CHK_IE_Set_S[0]"), "1");  // nothing written yet
  ApplyPage();
  for (int slot = 0; slot < 5; ++slot) {
    EXPECT_EQ(Band(slot).SB_Ie_T.Text(), "通常");
    EXPECT_EQ(Band(slot).SB_Ie_E.Text(), "なし");
    EXPECT_EQ(Stored("CHK", Key("CHK_IE_Set_S", slot)), "0");
    EXPECT_EQ(Stored("EDIT", Key("IE_Set_U", slot)), "");
    EXPECT_EQ(Stored("EDIT", Key("IE_Set_T", slot)), "0");
    EXPECT_EQ(Stored("EDIT", Key("IE_Set_E", slot)), "0");
    EXPECT_EQ(Stored("EDIT", Key("IE_Set_N", slot)), "");
  }
  EXPECT_TRUE(m.files.FileExists(kScriptPath));
}

// The script comes first: when it cannot be written the page's keys are not written either.
TEST_F(IeSetPageTest, ScriptThatCannotBeWrittenRaisesBeforeAnyKeyIsWritten) {
  WriteSettings({"[CHK]", "CHK_IE_Set_S[0]=0"});
  m.files.RefuseWrites(kScriptPath);
  Band(0).CB_Ie_S.SetChecked(true);
  Press(IeSet().BTN_SITE);  // unrelated: the dialog opens and closes
  m.application.Guarded([&] { IeSet().BTN_OKClick(); });
  EXPECT_EQ(m.application.reportedErrors,
            std::vector<std::string>{std::string(kScriptPath) + " に書き込めません"});
  EXPECT_EQ(Stored("CHK", "CHK_IE_Set_S[0]"), "0");
  EXPECT_EQ(Stored("EDIT", "IE_Set_N[0]"), std::nullopt);
}

TEST_F(IeSetPageTest, BrowseOpensTheSiteListEditorModally) {
  std::string shownDialog;
  m.application.dialogSession = [&](platform::Form& dialog) { shownDialog = dialog.Name(); };
  Press(IeSet().BTN_SITE);
  EXPECT_EQ(shownDialog, "fmIE_List");
  EXPECT_EQ(m.application.modalForms, std::vector<std::string>{"fmIE_List"});
  EXPECT_FALSE(Forms().fmIE_List.Shown());
}
