#include "settings/UexpView.h"

#include <optional>
#include <vector>

#include "settings/PageLayout.h"
#include "settings/ProgramForms.h"
#include "settings/SettingsProgram.h"
#include "settings/SettingsTexts.h"
#include "settings/ViewerBrowse.h"
#include "shared/IndexedKey.h"
#include "shared/PathText.h"

namespace {

using page_layout::BandTop;
using page_layout::kFieldRow;
using page_layout::kLabelRow;
using page_layout::SlotName;

}  // namespace

TfmEXP_View::ViewerBand::ViewerBand(platform::Form& page, int slot)
    : LBL_Title(page, SlotName("LBL_Title", slot), {8, BandTop(slot) + 4, 76, 12},
                page_layout::SlotTitle("ビューア", slot)),
      CB_Edit_F(page, SlotName("CB_Edit_F", slot), {8, BandTop(slot) + 22, 76, 17}, "ファイル"),
      CB_Edit_D(page, SlotName("CB_Edit_D", slot), {8, BandTop(slot) + 44, 76, 17}, "フォルダ"),
      TB_Edit_E(page, SlotName("TB_Edit_E", slot), {88, BandTop(slot), 441, 20}),
      BTN_Edit(page, SlotName("BTN_Edit", slot), {532, BandTop(slot), 42, 20}, "参照"),
      LBL_Opt(page, SlotName("LBL_Opt", slot), {88, BandTop(slot) + kLabelRow, 217, 12},
              "起動オプション"),
      TB_Edit_O(page, SlotName("TB_Edit_O", slot), {88, BandTop(slot) + kFieldRow, 217, 20}),
      LBL_Type(page, SlotName("LBL_Type", slot), {313, BandTop(slot) + kLabelRow, 65, 12},
               "拡張子"),
      SB_Edit_T(page, SlotName("SB_Edit_T", slot), {313, BandTop(slot) + kFieldRow, 65, 20},
                page_layout::kExtensionItems, true),
      LBL_Name(page, SlotName("LBL_Name", slot), {386, BandTop(slot) + kLabelRow, 177, 12},
               "表示名"),
      TB_Edit_N(page, SlotName("TB_Edit_N", slot), {386, BandTop(slot) + kFieldRow, 177, 20}) {
  LBL_Title.look = page_layout::kTitleLook;
  for (platform::Label* label : {&LBL_Opt, &LBL_Type, &LBL_Name}) {
    label->look = page_layout::kLabelLook;
  }
}

TfmEXP_View::TfmEXP_View(platform::Platform& platform, TProgramForms& forms)
    : Form("fmEXP_View", "エクスプローラ拡張", page_layout::kPageSize, platform::FormStyle::Page),
      viewers(page_layout::MakeBands<ViewerBand, kViewerCount>(*this)),
      BTN_CLS(*this, "BTN_CLS", page_layout::kLastButton, "クリア"),
      IniGT_EXP_View(SettingsFileAccess(platform)),
      platform_(platform),
      forms_(forms) {
  for (int slot = 0; slot < kViewerCount; ++slot) {
    viewers[slot].BTN_Edit.OnClick = [this, slot] { BTN_EditClick(slot); };
  }
  BTN_CLS.OnClick = [this] { BTN_CLSClick(); };
}

void TfmEXP_View::ReadIni() {
  for (int slot = 0; slot < kViewerCount; ++slot) {
    record_[slot].forFiles = IniGT_EXP_View.ReadInteger(settings_text::kCheckSection,
                                                        IndexedKey("CHK_EXP_View_F", slot), 0);
  }
  for (int slot = 0; slot < kViewerCount; ++slot) {
    record_[slot].forFolders = IniGT_EXP_View.ReadInteger(settings_text::kCheckSection,
                                                          IndexedKey("CHK_EXP_View_D", slot), 0);
  }
  for (int slot = 0; slot < kViewerCount; ++slot) {
    Slot& s = record_[slot];
    auto read = [&](const char* name) {
      return IniGT_EXP_View.ReadString(settings_text::kEditSection, IndexedKey(name, slot), "");
    };
    s.path = read("EXP_View_E");
    s.options = read("EXP_View_O");
    s.extension = read("EXP_View_T");
    s.name = read("EXP_View_N");
  }
}

void TfmEXP_View::WriteIni() {
  std::vector<IniEntry> entries;
  for (int slot = 0; slot < kViewerCount; ++slot) {
    entries.push_back({settings_text::kCheckSection, IndexedKey("CHK_EXP_View_F", slot),
                       std::to_string(record_[slot].forFiles)});
  }
  for (int slot = 0; slot < kViewerCount; ++slot) {
    entries.push_back({settings_text::kCheckSection, IndexedKey("CHK_EXP_View_D", slot),
                       std::to_string(record_[slot].forFolders)});
  }
  for (int slot = 0; slot < kViewerCount; ++slot) {
    const Slot& s = record_[slot];
    entries.push_back({settings_text::kEditSection, IndexedKey("EXP_View_E", slot), s.path});
    entries.push_back({settings_text::kEditSection, IndexedKey("EXP_View_O", slot), s.options});
    entries.push_back({settings_text::kEditSection, IndexedKey("EXP_View_T", slot), s.extension});
    entries.push_back({settings_text::kEditSection, IndexedKey("EXP_View_N", slot), s.name});
  }
  IniGT_EXP_View.WriteEntries(entries);
}

void TfmEXP_View::FormShow() {
  ReadIni();
  for (int slot = 0; slot < kViewerCount; ++slot) {
    const Slot& s = record_[slot];
    ViewerBand& band = viewers[slot];
    band.CB_Edit_F.SetChecked(IsSwitchOn(s.forFiles));
    band.CB_Edit_D.SetChecked(IsSwitchOn(s.forFolders));
    band.TB_Edit_E.SetText(s.path);
    band.TB_Edit_O.SetText(s.options);
    band.SB_Edit_T.SetText(s.extension);
    band.TB_Edit_N.SetText(s.name);
  }
}

bool TfmEXP_View::CheckViewers() {
  // The switch as it stands on screen, not as stored: it may be applied in this same run.
  if (!forms_.fmSetUp.CB_SHELL.Checked()) return true;
  for (ViewerBand& band : viewers) {
    if (!band.CB_Edit_F.Checked() && !band.CB_Edit_D.Checked()) continue;
    if (!platform_.files.FileExists(band.TB_Edit_E.Text())) {
      ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(), settings_text::kFileMissing,
                          platform::MessageIcon::Warning);
      forms_.fmMAIN.ShowPage(*this);
      forms_.fmMAIN.SetOK = false;
      band.TB_Edit_E.SetFocus();
      return false;
    }
    if (band.TB_Edit_N.Text().empty()) {
      band.TB_Edit_N.SetText(ViewerNameOfPath(band.TB_Edit_E.Text()));
    }
  }
  return true;
}

void TfmEXP_View::BTN_OKClick() {
  if (!CheckViewers()) return;
  for (int slot = 0; slot < kViewerCount; ++slot) {
    const ViewerBand& band = viewers[slot];
    record_[slot] = {band.CB_Edit_F.Checked() ? 1 : 0,
                     band.CB_Edit_D.Checked() ? 1 : 0,
                     band.TB_Edit_E.Text(),
                     band.TB_Edit_O.Text(),
                     band.SB_Edit_T.Text(),
                     band.TB_Edit_N.Text()};
  }
  WriteIni();
}

void TfmEXP_View::BTN_EditClick(int slot) {
  if (const std::optional<std::string> path = BrowseForViewer(platform_)) {
    viewers[slot].TB_Edit_E.SetText(*path);
  }
}

void TfmEXP_View::BTN_CLSClick() {
  for (ViewerBand& band : viewers) {
    band.CB_Edit_F.SetChecked(false);
    band.CB_Edit_D.SetChecked(false);
    band.TB_Edit_E.SetText("");
    band.TB_Edit_O.SetText("");
    band.SB_Edit_T.SetText("");
    band.TB_Edit_N.SetText("");
  }
}

std::string ViewerNameOfPath(const std::string& path) {
  std::string name(FileNamePart(path));
  const std::size_t dot = name.rfind('.');  // "." is never the second byte of a character
  if (dot != std::string::npos) name.erase(dot);
  return name;
}
