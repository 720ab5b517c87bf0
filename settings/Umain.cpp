#include "settings/Umain.h"

#include <cstddef>
#include <string>

#include "settings/ProgramForms.h"
#include "settings/SettingsProgram.h"
#include "settings/SettingsTexts.h"
#include "shared/ProductTexts.h"

TfmMAIN::TfmMAIN(platform::Platform& platform, TProgramForms& forms)
    : Form("fmMAIN", std::string(product_text::kTitle), {594, 533}, platform::FormStyle::Main),
      pcMAIN(*this, "pcMAIN", {0, 0, 593, 481}),
      BTN_OK(*this, "BTN_OK", {520, 492, 66, 33}, "設定"),
      BTN_READ(*this, "BTN_READ", {446, 492, 66, 33}, "読込"),
      BTN_NG(*this, "BTN_NG", {8, 492, 66, 33}, "終了"),
      mmMemo(*this, "mmMemo", {122, 492, 305, 33}, true),
      LBL_Memo(*this, "LBL_Memo", {82, 502, 32, 12}, "メモ"),
      IniGT1(SettingsFileAccess(platform)),
      platform_(platform),
      forms_(forms) {
  LBL_Memo.look = {false, platform::TextColor::Olive, platform::TextAlign::Right};
  OnShow = [this] { FormShow(); };
  OnClose = [this] { FormClose(); };
  BTN_OK.OnClick = [this] { BTN_OKClick(); };
  BTN_READ.OnClick = [this] { BTN_READClick(); };
  BTN_NG.OnClick = [this] { BTN_NGClick(); };
}

void TfmMAIN::HostPages() {
  pcMAIN.AddTab("tbSetUp", "セットアップ", forms_.fmSetUp);
  pcMAIN.AddTab("tbIE1", "IEソース表示", forms_.fmIE_View);
  pcMAIN.AddTab("tbIE2", "IE拡張メニュー", forms_.fmIE_Set);
  pcMAIN.AddTab("tbEXP", "エクスプローラ拡張", forms_.fmEXP_View);
  pcMAIN.AddTab("tbAbout", "トブリン＋について", forms_.fmAbout);
}

void TfmMAIN::ShowPage(const platform::Form& page) {
  const auto& tabs = pcMAIN.Tabs();
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    if (tabs[i].page == &page) pcMAIN.SetTabIndex(static_cast<int>(i));
  }
}

void TfmMAIN::LoadPages() {
  forms_.fmSetUp.FormShow();
  forms_.fmIE_View.FormShow();
  forms_.fmIE_Set.FormShow();
  forms_.fmEXP_View.FormShow();
}

void TfmMAIN::FormShow() {
  const platform::Point centred = platform::CentredPosition(platform_.application.WindowSize(*this),
                                                            platform_.application.ScreenSize());
  FormPosition position{centred.x, centred.y};
  IniGT1.ReadFormPosition(settings_text::kFormSection, settings_text::kFormPositionPrefix,
                          position);
  SetPosition({position.Left, position.Top});
  LoadPages();
  pcMAIN.SetTabIndex(0);
}

// The window must close even when its position cannot be stored (a read-only program folder):
// the failure is reported and the program still ends.
void TfmMAIN::FormClose() {
  platform_.application.Guarded([this] {
    IniGT1.WriteFormPosition(settings_text::kFormSection, settings_text::kFormPositionPrefix,
                             {Position().x, Position().y});
  });
}

void TfmMAIN::BTN_OKClick() {
  SetOK = true;
  forms_.fmIE_View.BTN_OKClick();
  if (SetOK) SetVSE();
  if (SetOK) forms_.fmIE_Set.BTN_OKClick();
  if (SetOK) SetMENU();
  if (SetOK) forms_.fmEXP_View.BTN_OKClick();
  if (SetOK) forms_.fmSetUp.BTN_OKClick();
  if (SetOK) SetDLL();
  if (SetOK) {
    ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(), settings_text::kApplied,
                        platform::MessageIcon::Information);
  }
}

void TfmMAIN::BTN_READClick() {
  LoadPages();
  ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(), settings_text::kReloaded,
                      platform::MessageIcon::Information);
}

void TfmMAIN::BTN_NGClick() { Close(); }
