// The site list editor inside the settings program: "参照" on the site page opens it over the
// shipped-style list, "コピー" fills a site slot, and the main window's "設定" stores what was
// copied, a text that no list item matches as -1.
#include <gtest/gtest.h>

#include "SettingsTestFixture.h"
#include "shared/SiteListFile.h"

namespace {

class SiteListEditorInProgram : public SettingsTest {
 protected:
  void WriteList() {
    m.files.AddFile(
        std::string(kProgramFolder) + "MenuList.csv",
        ComposeSiteList(
            {{"1", "Google", "https://www.google.com/search?q=", "選択範囲", "utf-8"},
             {"2", "HTMLチェック", "https://validator.w3.org/nu/?doc=", "ページ", "なし"}}));
  }
};

TEST_F(SiteListEditorInProgram, CopiedRowsReachTheSettingsFileAtApply) {
  WriteList();
  Start();
  IeSet().sites[1].CB_Ie_S.SetChecked(true);
  TfmIE_List& editor = Forms().fmIE_List;
  m.application.dialogSession = [&](platform::Form& dialog) {
    ASSERT_EQ(&dialog, &editor);
    EXPECT_EQ(editor.ListGrid.RowCount(), 2);
    editor.SB_Ie_S.SetItemIndex(1);  // "サイト２"
    Press(editor.BTN_COPY);
    editor.ListGrid.SelectRows(1, 1);
    editor.SB_Ie_S.SetItemIndex(3);
    Press(editor.BTN_COPY);
    Press(editor.BTN_CANCEL);
  };
  Press(IeSet().BTN_SITE);
  EXPECT_EQ(m.application.modalForms, std::vector<std::string>{"fmIE_List"});
  EXPECT_TRUE(IeSet().sites[1].CB_Ie_S.Checked());
  EXPECT_FALSE(IeSet().sites[3].CB_Ie_S.Checked()) << "the enabled box is left alone";

  Apply();
  EXPECT_EQ(Stored("CHK", "CHK_IE_Set_S[1]"), "1");
  EXPECT_EQ(Stored("EDIT", "IE_Set_U[1]"), "https://www.google.com/search?q=");
  EXPECT_EQ(Stored("EDIT", "IE_Set_T[1]"), "1");
  EXPECT_EQ(Stored("EDIT", "IE_Set_E[1]"), "2") << "letter case ignored";
  EXPECT_EQ(Stored("EDIT", "IE_Set_N[1]"), "Google");
  EXPECT_EQ(Stored("EDIT", "IE_Set_U[3]"), "https://validator.w3.org/nu/?doc=");
  EXPECT_EQ(Stored("EDIT", "IE_Set_T[3]"), "-1") << "a target no list item matches";
  EXPECT_EQ(Stored("EDIT", "IE_Set_E[3]"), "0");
  EXPECT_EQ(Stored("CHK", "CHK_IE_Set_S[3]"), "0");
}

}  // namespace
