// A window laid out as the settings program's main window, with a page of each kind of
// control, on the Win32 form layer: to look at the form layer on screen (scripts/run-demo.sh
// forms) without the settings program's logic.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/win32/Win32Application.h"

namespace {

using namespace platform;

constexpr Look kTitle{true, TextColor::Blue, TextAlign::Left};
constexpr Look kLabel{false, TextColor::Olive, TextAlign::Left};

struct SwitchesPage : Form {
  SwitchesPage() : Form("fmSetUp", "", {578, 450}, FormStyle::Page) {
    ie.look = kTitle;
    shell.look = kTitle;
    view.SetChecked(true);
    menu.SetChecked(true);
  }
  GroupBox ie{*this, "GB_IE", {8, 8, 560, 120}, "Internet Explorer"};
  CheckBox view{*this, "CB_IE_View", {24, 32, 200, 17}, "ソースの表示"};
  CheckBox menu{*this, "CB_IE_Menu", {24, 56, 200, 17}, "IE拡張メニュー"};
  CheckBox selection{*this, "CB_IE_Sel", {48, 80, 220, 17}, "選択範囲のソース・テキスト表示"};
  CheckBox web{*this, "CB_IE_Web", {48, 104, 200, 17}, "Webサイトへ送信"};
  GroupBox shell{*this, "GB_SHELL", {8, 140, 560, 96}, "エクスプローラ"};
  CheckBox explorer{*this, "CB_SHELL", {24, 164, 200, 17}, "右クリックメニュー"};
  CheckBox sub{*this, "CB_SUB", {48, 188, 200, 17}, "サブメニューにまとめる"};
  Button all{*this, "BTN_ALL", {430, 409, 66, 33}, "全チェック"};
  Button clear{*this, "BTN_CLR", {504, 409, 66, 33}, "クリア"};
};

struct ViewersPage : Form {
  ViewersPage() : Form("fmIE_View", "", {578, 450}, FormStyle::Page) {
    for (Label* label : {&pathLabel, &optionLabel, &extensionLabel}) label->look = kLabel;
    first.look = kTitle;
    second.look = kTitle;
    first.SetChecked(true);
    path.SetText("C:\\windows\\notepad.exe");
    extension.SetText("txt");
  }
  RadioButton first{*this, "RB_1", {8, 16, 160, 17}, "表示ソフト１", 0};
  Label pathLabel{*this, "LBL_E", {24, 44, 200, 12}, "実行ファイル"};
  Edit path{*this, "TB_Ie_E_1", {24, 58, 330, 20}};
  Label optionLabel{*this, "LBL_O", {362, 44, 80, 12}, "オプション"};
  Edit options{*this, "TB_Ie_O_1", {362, 58, 100, 20}};
  Label extensionLabel{*this, "LBL_T", {470, 44, 60, 12}, "拡張子"};
  ComboBox extension{*this, "SB_Ie_T_1", {470, 58, 60, 20}, {"", "txt", "htm", "html"}, true};
  Button browse{*this, "BTN_Ref_1", {536, 56, 36, 24}, "参照"};
  RadioButton second{*this, "RB_2", {8, 96, 160, 17}, "表示ソフト２", 0};
  Button clear{*this, "BTN_CLR", {504, 409, 66, 33}, "クリア"};
};

struct SitesPage : Form {
  SitesPage() : Form("fmIE_Set", "", {578, 450}, FormStyle::Page) {
    site.look = kTitle;
    address.SetText("https://www.google.co.jp/search?ie=UTF-8&q=");
    target.SetItemIndex(1);
    encoding.SetItemIndex(2);
    name.SetText("選択範囲を検索 (Google)");
    enabled.SetChecked(true);
  }
  Label site{*this, "LBL_S1", {8, 16, 100, 12}, "サイト１"};
  CheckBox enabled{*this, "CB_S_1", {110, 14, 60, 17}, "有効"};
  Edit address{*this, "TB_U_1", {24, 40, 330, 20}};
  ComboBox target{*this, "SB_T_1", {362, 40, 90, 20}, {"通常", "選択範囲"}, false};
  ComboBox encoding{*this, "SB_E_1", {460, 40, 80, 20}, {"なし", "EUC-JP", "UTF-8"}, false};
  Edit name{*this, "TB_N_1", {24, 66, 330, 20}};
};

struct EmptyPage : Form {
  EmptyPage() : Form("fmEXP_View", "", {578, 450}, FormStyle::Page) {}
  Label note{*this, "LBL_Note", {8, 16, 300, 12}, "エクスプローラの表示ソフト"};
};

struct AboutPage : Form {
  AboutPage() : Form("fmAbout", "", {578, 450}, FormStyle::Page) {
    product.look = {true, TextColor::Default, TextAlign::Left};
  }
  Panel panel{*this, "Panel1", {64, 48, 450, 300}, true};
  IconImage icon{*this, "ProgramIcon", {96, 80, 32, 32}};
  Label product{*this, "ProductName", {150, 88, 200, 12}, "トブリン＋"};
  Label version{*this, "Version", {150, 120, 250, 12}, "バージョン 1.0.0.0"};
  Label copyright{*this, "Copyright", {150, 144, 300, 12}, "Copyright (C) 2026 Tobrin+ project"};
  LinkLabel web{*this, "URL", {150, 200, 250, 12}, "https://www.example.jp/tobrin/"};
  LinkLabel mail{*this, "Mail", {150, 224, 250, 12}, "mailto:tobrin@example.jp"};
};

struct MainWindow : Form {
  MainWindow(SwitchesPage& a, ViewersPage& b, SitesPage& c, EmptyPage& d, AboutPage& e)
      : Form("fmMAIN", "トブリン＋", {594, 533}, FormStyle::Main) {
    LBL_Memo.look = {false, TextColor::Olive, TextAlign::Right};
    pcMAIN.AddTab("tbSetUp", "セットアップ", a);
    pcMAIN.AddTab("tbIE1", "IEソース表示", b);
    pcMAIN.AddTab("tbIE2", "IE拡張メニュー", c);
    pcMAIN.AddTab("tbEXP", "エクスプローラ拡張", d);
    pcMAIN.AddTab("tbAbout", "トブリン＋について", e);
    BTN_NG.OnClick = [this] { Close(); };
  }
  TabControl pcMAIN{*this, "pcMAIN", {0, 0, 593, 481}};
  Button BTN_OK{*this, "BTN_OK", {520, 492, 66, 33}, "設定"};
  Button BTN_READ{*this, "BTN_READ", {448, 492, 66, 33}, "読込"};
  Button BTN_NG{*this, "BTN_NG", {8, 492, 66, 33}, "終了"};
  Edit mmMemo{*this, "mmMemo", {124, 492, 305, 33}, true};
  Label LBL_Memo{*this, "LBL_Memo", {80, 502, 38, 12}, "メモ"};
};

}  // namespace

// Started with a tab's index, the window opens on that tab.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  win32::Win32Application application;
  application.SetTitle("トブリン＋");
  SwitchesPage switches;
  ViewersPage viewers;
  SitesPage sites;
  EmptyPage explorer;
  AboutPage about;
  MainWindow main(switches, viewers, sites, explorer, about);
  application.CreateForm(main);
  for (Form* page : std::vector<Form*>{&viewers, &sites, &explorer, &about, &switches}) {
    application.CreateForm(*page);
  }
  main.SetPosition({100, 60});
  main.pcMAIN.SetTabIndex(_wtoi(arguments));
  application.Run(main);
  return 0;
}
