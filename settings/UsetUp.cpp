#include "settings/UsetUp.h"

#include <string>
#include <vector>

#include "settings/PageLayout.h"
#include "settings/SettingsProgram.h"
#include "settings/SettingsTexts.h"

namespace {

// The keys of the switches, in the order of TfmSetUp::Switches.
constexpr const char* kSwitchKeys[TfmSetUp::kSwitchCount] = {
    "CHK_IE_View", "CHK_IE_Menu",  "CHK_IE_Sel",   "CHK_IE_Web", "CHK_SHELL",
    "CHK_SUB",     "CHK_SEP_Menu", "CHK_SEP_View", "CHK_VIEW",   "CHK_LIST",
    "CHK_PATH",    "CHK_COMMAND",  "CHK_EXPLORER",
};

// Check boxes stand 28 pixels apart in their groups.
constexpr int kRow = 28;
constexpr int kBoxHeight = 17;

platform::Bounds BoxAt(int left, int top, int width) { return {left, top, width, kBoxHeight}; }

}  // namespace

TfmSetUp::TfmSetUp(platform::Platform& platform)
    : Form("fmSetUp", "セットアップ", page_layout::kPageSize, platform::FormStyle::Page),
      GB_IE(*this, "GB_IE", {8, 8, 562, 104}, "インターネットエクスプローラ"),
      CB_IE_View(*this, "CB_IE_View", BoxAt(24, 36, 200), "ソースの表示"),
      CB_IE_Menu(*this, "CB_IE_Menu", BoxAt(24, 36 + kRow, 200), "拡張メニュー"),
      GB_IE_Command(*this, "GB_IE_Command", {296, 24, 258, 76}, "コマンド"),
      CB_IE_Sel(*this, "CB_IE_Sel", BoxAt(312, 44, 200), "選択範囲"),
      CB_IE_Web(*this, "CB_IE_Web", BoxAt(312, 44 + kRow, 200), "WEB検索"),
      GB_EXP(*this, "GB_EXP", {8, 124, 562, 270}, "エクスプローラ"),
      CB_SHELL(*this, "CB_SHELL", BoxAt(24, 150, 200), "拡張メニュー"),
      GB_EXP_Menu(*this, "GB_EXP_Menu", {24, 180, 256, 200}, "メニュー"),
      CB_SUB(*this, "CB_SUB", BoxAt(40, 204, 224), "サブメニュー化"),
      CB_SEP_Menu(*this, "CB_SEP_Menu", BoxAt(40, 204 + kRow, 224), "上下に区切り線"),
      CB_SEP_View(*this, "CB_SEP_View", BoxAt(40, 204 + 2 * kRow, 224), "ビューアとの間に区切り線"),
      GB_EXP_Command(*this, "GB_EXP_Command", {296, 140, 258, 240}, "コマンド"),
      CB_View(*this, "CB_View", BoxAt(312, 164, 224), "ビューア"),
      CB_LIST(*this, "CB_LIST", BoxAt(312, 164 + kRow, 224), "ファイルリスト"),
      CB_PATH(*this, "CB_PATH", BoxAt(312, 164 + 2 * kRow, 224), "パスコピー"),
      CB_CMD(*this, "CB_CMD", BoxAt(312, 164 + 3 * kRow, 224), "コマンドプロンプト起動"),
      CB_EXP(*this, "CB_EXP", BoxAt(312, 164 + 4 * kRow, 224), "エクスプローラ起動"),
      BTN_CHK(*this, "BTN_CHK", page_layout::kNextToLastButton, "全チェック"),
      BTN_CLS(*this, "BTN_CLS", page_layout::kLastButton, "クリア"),
      IniGT_SetUp(SettingsFileAccess(platform)) {
  for (platform::GroupBox* group :
       {&GB_IE, &GB_IE_Command, &GB_EXP, &GB_EXP_Menu, &GB_EXP_Command}) {
    group->look = page_layout::kTitleLook;
  }
  BTN_CHK.OnClick = [this] { BTN_CHKClick(); };
  BTN_CLS.OnClick = [this] { BTN_CLSClick(); };
}

std::array<platform::CheckBox*, TfmSetUp::kSwitchCount> TfmSetUp::Switches() {
  return {&CB_IE_View,  &CB_IE_Menu, &CB_IE_Sel, &CB_IE_Web, &CB_SHELL, &CB_SUB, &CB_SEP_Menu,
          &CB_SEP_View, &CB_View,    &CB_LIST,   &CB_PATH,   &CB_CMD,   &CB_EXP};
}

void TfmSetUp::ReadIni() {
  for (int i = 0; i < kSwitchCount; ++i) {
    stored_[i] = IniGT_SetUp.ReadInteger(settings_text::kCheckSection, kSwitchKeys[i], 0);
  }
}

void TfmSetUp::WriteIni() {
  std::vector<IniEntry> entries;
  for (int i = 0; i < kSwitchCount; ++i) {
    entries.push_back({settings_text::kCheckSection, kSwitchKeys[i], std::to_string(stored_[i])});
  }
  IniGT_SetUp.WriteEntries(entries);
}

void TfmSetUp::FormShow() {
  ReadIni();
  const auto boxes = Switches();
  for (int i = 0; i < kSwitchCount; ++i) boxes[i]->SetChecked(IsSwitchOn(stored_[i]));
}

void TfmSetUp::BTN_OKClick() {
  const auto boxes = Switches();
  for (int i = 0; i < kSwitchCount; ++i) stored_[i] = boxes[i]->Checked() ? 1 : 0;
  WriteIni();
}

void TfmSetUp::BTN_CLSClick() {
  for (platform::CheckBox* box : Switches()) box->SetChecked(false);
}

void TfmSetUp::BTN_CHKClick() {
  for (platform::CheckBox* box : Switches()) box->SetChecked(true);
}
