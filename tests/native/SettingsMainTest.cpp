// The settings program's main window: start, layout, window position, and the apply and
// reload sequences over all pages.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "SettingsTestFixture.h"
#include "settings/TobrinPlus.h"

namespace {

constexpr const char* kEditorKey =
    "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
constexpr const char* kMenuKey = "Software\\Microsoft\\Internet Explorer\\MenuExt\\トブリン＋(&S)";
constexpr const char* kClassKey = "CLSID\\{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}";

// The memory application's screen is 1024 x 768 and its frame adds 6 x 29 to the client area
// of 594 x 533.
constexpr platform::Point kCentred{212, 103};

std::vector<std::string> Names(const platform::Form& form) {
  std::vector<std::string> names;
  for (const platform::Control* control : form.Controls()) names.push_back(control->Name());
  return names;
}

}  // namespace

TEST_F(SettingsTest, ProgramMakesItsFormsInOrderAndShowsTheFirstTab) {
  std::vector<std::string> created;
  int selectedTab = -1;
  std::vector<std::string> tabs;
  m.application.userSession = [&] {
    for (platform::Form* form : m.application.createdForms) created.push_back(form->Name());
    auto& main = static_cast<TfmMAIN&>(*m.application.createdForms.front());
    selectedTab = main.pcMAIN.TabIndex();
    for (const auto& tab : main.pcMAIN.Tabs()) {
      tabs.push_back(tab.name + " " + tab.caption + " " + tab.page->Name());
    }
  };
  EXPECT_EQ(RunTobrinPlus(m.platform), 0);
  EXPECT_EQ(m.application.Title(), "トブリン＋");
  EXPECT_EQ(created, (std::vector<std::string>{"fmMAIN", "fmIE_View", "fmIE_Set", "fmEXP_View",
                                               "fmAbout", "fmIE_List", "fmSetUp"}));
  EXPECT_EQ(tabs, (std::vector<std::string>{
                      "tbSetUp セットアップ fmSetUp", "tbIE1 IEソース表示 fmIE_View",
                      "tbIE2 IE拡張メニュー fmIE_Set", "tbEXP エクスプローラ拡張 fmEXP_View",
                      "tbAbout トブリン＋について fmAbout"}));
  EXPECT_EQ(selectedTab, 0);
  // The session left the window open: the program closed it, which stored its position.
  EXPECT_EQ(Stored("FORM", "Form.X"), std::to_string(kCentred.x));
  EXPECT_EQ(Stored("FORM", "Form.Y"), std::to_string(kCentred.y));
  EXPECT_TRUE(m.application.reportedErrors.empty());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SettingsTest, MainWindowLayout) {
  TfmMAIN& main = Main();
  EXPECT_EQ(main.Caption(), "トブリン＋");
  EXPECT_EQ(main.ClientSize(), (platform::Size{594, 533}));
  EXPECT_EQ(main.Style(), platform::FormStyle::Main);
  // Creation order is the tab order; the label is no tab stop.
  EXPECT_EQ(Names(main), (std::vector<std::string>{"pcMAIN", "BTN_OK", "BTN_READ", "BTN_NG",
                                                   "mmMemo", "LBL_Memo"}));
  EXPECT_FALSE(main.LBL_Memo.TabStop());
  EXPECT_EQ(main.pcMAIN.GetBounds(), (platform::Bounds{0, 0, 593, 481}));
  EXPECT_EQ(main.mmMemo.Kind(), platform::ControlKind::Memo);
  EXPECT_EQ(main.mmMemo.GetBounds().width, 305);
  EXPECT_EQ(main.mmMemo.GetBounds().height, 33);
  EXPECT_EQ(main.LBL_Memo.look,
            (platform::Look{false, platform::TextColor::Olive, platform::TextAlign::Right}));
  // Left to right: 終了, メモ, the memo, 読込, 設定.
  const platform::Control* row[] = {&main.BTN_NG, &main.LBL_Memo, &main.mmMemo, &main.BTN_READ,
                                    &main.BTN_OK};
  const char* captions[] = {"終了", "メモ", "", "読込", "設定"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(row[i]->Caption(), captions[i]);
    if (i > 0) {
      EXPECT_GT(row[i]->GetBounds().left, row[i - 1]->GetBounds().left);
    }
    const platform::Bounds b = row[i]->GetBounds();
    EXPECT_LE(b.left + b.width, 594);
    EXPECT_LE(b.top + b.height, 533);
    EXPECT_GE(b.top, 481);
  }
  for (const platform::Button* button : {&main.BTN_NG, &main.BTN_READ, &main.BTN_OK}) {
    EXPECT_EQ(button->GetBounds().width, 66);
    EXPECT_EQ(button->GetBounds().height, 33);
  }
}

// Every page fills its tab, keeps its controls inside it and names each control once.
TEST_F(SettingsTest, PagesAreLaidOutForTheirTab) {
  for (const auto& tab : Main().pcMAIN.Tabs()) {
    const platform::Form& page = *tab.page;
    EXPECT_EQ(page.ClientSize(), (platform::Size{578, 450})) << page.Name();
    EXPECT_EQ(page.Style(), platform::FormStyle::Page) << page.Name();
    std::vector<std::string> names = Names(page);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << page.Name();
    for (const platform::Control* control : page.Controls()) {
      const platform::Bounds b = control->GetBounds();
      EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.left + b.width <= 578 && b.top + b.height <= 450)
          << page.Name() << " " << control->Name();
    }
  }
  const TfmIE_List& list = Forms().fmIE_List;
  EXPECT_EQ(list.Caption(), "メニューリスト");
  EXPECT_EQ(list.ClientSize(), (platform::Size{792, 362}));
  EXPECT_EQ(list.Style(), platform::FormStyle::Dialog);
}

TEST_F(SettingsTest, WindowPositionComesFromTheFileOrIsCentred) {
  struct Case {
    std::vector<std::string> lines;
    platform::Point position;
  };
  const Case cases[] = {
      {{}, kCentred},
      {{"[FORM]", "Form.X=10"}, {10, kCentred.y}},
      {{"[FORM]", "Form.Y=20"}, {kCentred.x, 20}},
      {{"[form]", "form.x=-5", "FORM.Y=4000"}, {-5, 4000}},  // used as stored, not clamped
      {{"[FORM]", "Form.X=0x10", "Form.Y=$20"}, {16, 32}},
      {{"[FORM]", "Form.X=abc", "Form.Y=99999999999"}, kCentred},
      {{"[CHK]", "Form.X=1", "Form.Y=2"}, kCentred},  // another section
  };
  for (const Case& c : cases) {
    WriteSettings(c.lines);
    Main().FormShow();
    EXPECT_EQ(Main().Position(), c.position) << testing::PrintToString(c.lines);
  }
}

TEST_F(SettingsTest, CentredOnAScreenSmallerThanTheWindowMeansTheCorner) {
  m.application.screenSize = {400, 300};
  Start();
  EXPECT_EQ(Main().Position(), (platform::Point{0, 0}));
}

TEST_F(SettingsTest, ClosingStoresThePositionWithoutApplying) {
  WriteSettings({"[CHK]", "CHK_IE=1"});
  Start();
  Main().MovedByUser({300, 40});
  IeView().viewers[0].TB_Edit_E.TypeByUser("C:\\unapplied.exe");
  Press(Main().BTN_NG);
  EXPECT_FALSE(Main().Shown());
  EXPECT_EQ(SettingsBytes(), "[CHK]\r\nCHK_IE=1\r\n[FORM]\r\nForm.X=300\r\nForm.Y=40\r\n");
  EXPECT_TRUE(Messages().empty());
}

// A read-only program folder must not keep the program from ending: the failure is reported
// and the window closes.
TEST_F(SettingsTest, ClosingWhenThePositionCannotBeStoredReportsAndStillCloses) {
  m.files.RefuseWrites(kProgramFolder);
  Start();
  Main().Close();
  EXPECT_FALSE(Main().Shown());
  EXPECT_EQ(m.application.reportedErrors,
            std::vector<std::string>{std::string(kSettingsPath) + " に書き込めません"});
}

// A first apply with every page at its defaults writes every key once, page after page in the
// order of the sequence, "CHK" first.
TEST_F(SettingsTest, FirstApplyWritesEveryKeyInSequenceOrder) {
  Start();
  Apply();
  std::vector<std::string> check{"CHK_IE=0"};
  std::vector<std::string> edit;
  for (int i = 0; i < 3; ++i) {
    for (const char* key : {"IE_View_E", "IE_View_O", "IE_View_T"}) {
      edit.push_back(std::string(key) + "[" + std::to_string(i) + "]=");
    }
  }
  for (int i = 0; i < 5; ++i) check.push_back("CHK_IE_Set_S[" + std::to_string(i) + "]=0");
  for (int i = 0; i < 5; ++i) {
    const std::string n = "[" + std::to_string(i) + "]=";
    for (const std::string& line :
         {"IE_Set_U" + n, "IE_Set_T" + n + "0", "IE_Set_E" + n + "0", "IE_Set_N" + n}) {
      edit.push_back(line);
    }
  }
  for (const char* flag : {"CHK_EXP_View_F", "CHK_EXP_View_D"}) {
    for (int i = 0; i < 5; ++i) check.push_back(flag + ("[" + std::to_string(i) + "]=0"));
  }
  for (int i = 0; i < 5; ++i) {
    for (const char* key : {"EXP_View_E", "EXP_View_O", "EXP_View_T", "EXP_View_N"}) {
      edit.push_back(std::string(key) + "[" + std::to_string(i) + "]=");
    }
  }
  for (const char* key : {"CHK_IE_View", "CHK_IE_Menu", "CHK_IE_Sel", "CHK_IE_Web", "CHK_SHELL",
                          "CHK_SUB", "CHK_SEP_Menu", "CHK_SEP_View", "CHK_VIEW", "CHK_LIST",
                          "CHK_PATH", "CHK_COMMAND", "CHK_EXPLORER"}) {
    check.push_back(std::string(key) + "=0");
  }
  std::string expected = "[CHK]\r\n";
  for (const std::string& line : check) expected += line + "\r\n";
  expected += "[EDIT]\r\n";
  for (const std::string& line : edit) expected += line + "\r\n";
  EXPECT_EQ(SettingsBytes(), expected);
  EXPECT_TRUE(m.files.FileExists(kScriptPath));
  EXPECT_EQ(Messages(), std::vector<Message>{Info("設定しました")});
  EXPECT_TRUE(m.application.reportedErrors.empty());
}

TEST_F(SettingsTest, ReloadDiscardsEditsOnEveryPageAndKeepsTheTab) {
  WriteSettings({"[CHK]", "CHK_IE_Menu=1", "CHK_IE=2", "CHK_IE_Set_S[1]=1", "CHK_EXP_View_D[4]=1",
                 "[EDIT]", "IE_View_O[2]=-n", "IE_Set_U[1]=http://a/?q=", "EXP_View_N[4]=表示"});
  Start();
  SetUpPage().BTN_CHKClick();
  IeView().BTN_CLSClick();
  IeSet().BTN_CLSClick();
  ExpView().BTN_CLSClick();
  Main().pcMAIN.SelectByUser(3);
  const std::string before = SettingsBytes();
  Press(Main().BTN_READ);
  EXPECT_TRUE(SetUpPage().CB_IE_Menu.Checked());
  EXPECT_FALSE(SetUpPage().CB_SHELL.Checked());
  EXPECT_TRUE(IeView().viewers[2].RB_Edit_E.Checked());
  EXPECT_EQ(IeView().viewers[2].TB_Edit_O.Text(), "-n");
  EXPECT_TRUE(IeSet().sites[1].CB_Ie_S.Checked());
  EXPECT_EQ(IeSet().sites[1].TB_Ie_U.Text(), "http://a/?q=");
  EXPECT_TRUE(ExpView().viewers[4].CB_Edit_D.Checked());
  EXPECT_EQ(ExpView().viewers[4].TB_Edit_N.Text(), "表示");
  EXPECT_EQ(Main().pcMAIN.TabIndex(), 3);
  EXPECT_EQ(SettingsBytes(), before);
  EXPECT_EQ(Messages(), std::vector<Message>{Info("読込ました")});
}

TEST_F(SettingsTest, ReloadAfterApplyShowsTheSameValues) {
  Start();
  SetUpPage().BTN_CHKClick();
  IeView().viewers[1].TB_Edit_E.TypeByUser(kViewer);
  IeView().viewers[1].RB_Edit_E.ClickByUser();
  IeView().viewers[1].SB_Edit_T.TypeByUser("cgi");
  IeSet().sites[3].CB_Ie_S.ClickByUser();
  IeSet().sites[3].SB_Ie_T.PickByUser(1);
  IeSet().sites[3].SB_Ie_E.PickByUser(2);
  ExpView().viewers[0].CB_Edit_F.ClickByUser();
  ExpView().viewers[0].TB_Edit_E.TypeByUser(kViewer);
  Apply();
  Press(Main().BTN_READ);
  EXPECT_TRUE(SetUpPage().CB_EXP.Checked());
  EXPECT_TRUE(IeView().viewers[1].RB_Edit_E.Checked());
  EXPECT_EQ(IeView().viewers[1].SB_Edit_T.Text(), "cgi");
  EXPECT_EQ(IeSet().sites[3].TB_Ie_N.Text(), "サイト４へ送信");
  EXPECT_EQ(IeSet().sites[3].SB_Ie_T.ItemIndex(), 1);
  EXPECT_EQ(IeSet().sites[3].SB_Ie_E.ItemIndex(), 2);
  EXPECT_EQ(ExpView().viewers[0].TB_Edit_N.Text(), "viewer");
  EXPECT_EQ(Messages(), (std::vector<Message>{Info("設定しました"), Info("読込ました")}));
}

// --- The apply sequence stops at the first failing step -------------------------------------

namespace {

// What an apply has done, step by step.
struct Progress {
  bool ieViewer = false;
  bool viewSource = false;
  bool sites = false;
  bool script = false;
  bool menu = false;
  bool explorerViewers = false;
  bool setup = false;
  bool shellExtension = false;
  bool applied = false;
  friend bool operator==(const Progress&, const Progress&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Progress& p) {
    return out << p.ieViewer << p.viewSource << p.sites << p.script << p.menu << p.explorerViewers
               << p.setup << p.shellExtension << p.applied;
  }
};

enum class Fault {
  None,
  IeViewerMissing,
  LocalMachineRefused,
  ScriptRefused,
  CurrentUserRefused,
  ExplorerViewerMissing,
  ClassesRootRefused,
};

struct StopCase {
  const char* name;
  Fault fault;
  int steps;         // how many of the eight steps have their effect
  int selectedTab;   // after the apply
  int messages;      // message boxes shown
  bool errorReport;  // an error went to the standard error report
  friend void PrintTo(const StopCase& c, std::ostream* out) { *out << c.name; }
};

class ApplySequenceTest : public SettingsTest, public testing::WithParamInterface<StopCase> {
 protected:
  // Every feature switched on, with working viewers and one site.
  void SetUpEverything() {
    Start();
    SetUpPage().BTN_CHKClick();
    IeView().viewers[0].TB_Edit_E.TypeByUser(kViewer);
    IeSet().sites[0].CB_Ie_S.ClickByUser();
    IeSet().sites[0].TB_Ie_U.TypeByUser("http://example.jp/?q=");
    ExpView().viewers[0].CB_Edit_F.ClickByUser();
    ExpView().viewers[0].TB_Edit_E.TypeByUser(kViewer);
  }

  void Inject(Fault fault) {
    switch (fault) {
      case Fault::None:
        break;
      case Fault::IeViewerMissing:
        IeView().viewers[2].TB_Edit_E.TypeByUser("C:\\gone.exe");
        break;
      case Fault::LocalMachineRefused:
        m.registry.RefuseWrites(Root::LocalMachine);
        break;
      case Fault::ScriptRefused:
        m.files.RefuseWrites(kScriptPath);
        break;
      case Fault::CurrentUserRefused:
        m.registry.RefuseWrites(Root::CurrentUser);
        break;
      case Fault::ExplorerViewerMissing:
        ExpView().viewers[3].CB_Edit_D.ClickByUser();
        ExpView().viewers[3].TB_Edit_E.TypeByUser("C:\\Tools");  // a folder
        break;
      case Fault::ClassesRootRefused:
        m.registry.RefuseWrites(Root::ClassesRoot);
        break;
    }
  }

  Progress Observed() {
    Progress p;
    p.ieViewer = Stored("CHK", "CHK_IE").has_value();
    p.viewSource = m.registry.KeyExists(Root::LocalMachine, kEditorKey);
    p.sites = Stored("CHK", "CHK_IE_Set_S[0]").has_value();
    p.script = m.files.FileExists(kScriptPath);
    p.menu = m.registry.KeyExists(Root::CurrentUser, kMenuKey);
    p.explorerViewers = Stored("CHK", "CHK_EXP_View_F[0]").has_value();
    p.setup = Stored("CHK", "CHK_IE_View").has_value();
    p.shellExtension = m.registry.KeyExists(Root::ClassesRoot, kClassKey);
    p.applied = !Messages().empty() && Messages().back() == Info("設定しました");
    return p;
  }

  // The effects of the first `steps` of the eight steps; the site page's step writes the
  // script and then its keys.
  static Progress StepsDone(int steps) {
    Progress p;
    bool* inOrder[] = {&p.ieViewer,        &p.viewSource, &p.sites,          &p.menu,
                       &p.explorerViewers, &p.setup,      &p.shellExtension, &p.applied};
    for (int i = 0; i < steps; ++i) *inOrder[i] = true;
    p.script = p.sites;
    return p;
  }
};

}  // namespace

TEST_P(ApplySequenceTest, StopsAtTheFailingStepAndKeepsWhatCameBefore) {
  const StopCase& c = GetParam();
  SetUpEverything();
  Inject(c.fault);
  Apply();
  EXPECT_EQ(Observed(), StepsDone(c.steps));
  EXPECT_EQ(Main().pcMAIN.TabIndex(), c.selectedTab);
  EXPECT_EQ(static_cast<int>(Messages().size()), c.messages);
  EXPECT_EQ(m.application.reportedErrors.size(), c.errorReport ? 1u : 0u);
}

// Steps: 1 IE viewers, 2 view-source editor, 3 sites and script, 4 context-menu entry,
// 5 Explorer viewers, 6 setup switches, 7 shell extension, 8 "設定しました".
INSTANTIATE_TEST_SUITE_P(
    Faults, ApplySequenceTest,
    testing::Values(StopCase{"None", Fault::None, 8, 0, 1, false},
                    StopCase{"IeViewerMissing", Fault::IeViewerMissing, 0, 1, 1, false},
                    StopCase{"LocalMachineRefused", Fault::LocalMachineRefused, 1, 0, 1, false},
                    StopCase{"ScriptRefused", Fault::ScriptRefused, 2, 0, 0, true},
                    StopCase{"CurrentUserRefused", Fault::CurrentUserRefused, 3, 0, 1, false},
                    StopCase{"ExplorerViewerMissing", Fault::ExplorerViewerMissing, 4, 3, 1, false},
                    StopCase{"ClassesRootRefused", Fault::ClassesRootRefused, 6, 0, 1, false}));

// The registration steps read the setup page's boxes as they stand: switching a feature off
// and applying removes its registration in the same apply.
TEST_F(SettingsTest, SwitchesTakeEffectInTheSameApplyBeforeTheyAreStored) {
  WriteSettings({"[CHK]", "CHK_IE_View=1", "CHK_IE_Menu=1", "CHK_SHELL=1"});
  m.registry.SetText(Root::LocalMachine, kEditorKey, "", "\"C:\\old\\Tobrin.exe\"");
  m.registry.SetText(Root::CurrentUser, kMenuKey, "", "C:\\old\\Tobrin_Menu.html");
  m.registry.SetText(Root::ClassesRoot, "*\\shellex\\ContextMenuHandlers\\TobrinPlus", "",
                     "{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}");
  m.registry.SetText(Root::ClassesRoot, kClassKey, "", "TobrinPlus ContextMenu ShellExtension");
  Start();
  SetUpPage().BTN_CLSClick();
  Apply();
  EXPECT_FALSE(m.registry.KeyExists(Root::LocalMachine, kEditorKey));
  EXPECT_FALSE(m.registry.KeyExists(Root::CurrentUser, kMenuKey));
  EXPECT_FALSE(m.registry.KeyExists(Root::ClassesRoot, kClassKey));
  EXPECT_EQ(Stored("CHK", "CHK_IE_View"), "0");
  EXPECT_EQ(Messages(), std::vector<Message>{Info("設定しました")});
}
