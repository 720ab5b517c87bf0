#pragma once
// The page of the tab "セットアップ": thirteen independent switches, four for Internet
// Explorer and nine for Windows Explorer, kept as 1 or 0 in section "CHK" of the settings
// file. The registration steps and the viewer pages read three of the boxes directly.
#include <array>

#include "platform/Platform.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "shared/TIniGT.h"

class TfmSetUp : public platform::Form {
 public:
  static constexpr int kSwitchCount = 13;

  explicit TfmSetUp(platform::Platform& platform);

  // Load: every box from the file; only a stored 1 checks a box.
  void FormShow();
  // Save: every box as 1 or 0. Validates nothing.
  void BTN_OKClick();
  // "クリア" and "全チェック": all boxes off or on; nothing is written.
  void BTN_CLSClick();
  void BTN_CHKClick();

  void ReadIni();
  void WriteIni();

  platform::GroupBox GB_IE;
  platform::CheckBox CB_IE_View;
  platform::CheckBox CB_IE_Menu;
  platform::GroupBox GB_IE_Command;
  platform::CheckBox CB_IE_Sel;
  platform::CheckBox CB_IE_Web;
  platform::GroupBox GB_EXP;
  platform::CheckBox CB_SHELL;
  platform::GroupBox GB_EXP_Menu;
  platform::CheckBox CB_SUB;
  platform::CheckBox CB_SEP_Menu;
  platform::CheckBox CB_SEP_View;
  platform::GroupBox GB_EXP_Command;
  platform::CheckBox CB_View;
  platform::CheckBox CB_LIST;
  platform::CheckBox CB_PATH;
  platform::CheckBox CB_CMD;
  platform::CheckBox CB_EXP;
  platform::Button BTN_CHK;
  platform::Button BTN_CLS;

  TIniGT IniGT_SetUp;

 private:
  // The boxes in the order of their keys (the order of reading and writing).
  std::array<platform::CheckBox*, kSwitchCount> Switches();

  // The values last read from or written to the file.
  std::array<int, kSwitchCount> stored_{};
};
