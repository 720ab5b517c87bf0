#include "settings/UieView.h"

#include <optional>
#include <vector>

#include "settings/PageLayout.h"
#include "settings/ProgramForms.h"
#include "settings/SettingsProgram.h"
#include "settings/SettingsTexts.h"
#include "settings/ViewerBrowse.h"
#include "shared/IndexedKey.h"

namespace {

using page_layout::BandTop;
using page_layout::kFieldRow;
using page_layout::kLabelRow;
using page_layout::SlotName;

}  // namespace

TfmIE_View::ViewerBand::ViewerBand(platform::Form& page, int slot)
    : RB_Edit_E(page, SlotName("RB_Edit_E", slot), {8, BandTop(slot), 80, 20},
                page_layout::SlotTitle("ビューア", slot)),
      TB_Edit_E(page, SlotName("TB_Edit_E", slot), {88, BandTop(slot), 441, 20}),
      BTN_Edit(page, SlotName("BTN_Edit", slot), {532, BandTop(slot), 42, 20}, "参照"),
      LBL_Opt(page, SlotName("LBL_Opt", slot), {88, BandTop(slot) + kLabelRow, 217, 12},
              "起動オプション"),
      TB_Edit_O(page, SlotName("TB_Edit_O", slot), {88, BandTop(slot) + kFieldRow, 217, 20}),
      LBL_Type(page, SlotName("LBL_Type", slot), {313, BandTop(slot) + kLabelRow, 65, 12},
               "拡張子"),
      SB_Edit_T(page, SlotName("SB_Edit_T", slot), {313, BandTop(slot) + kFieldRow, 65, 20},
                page_layout::kExtensionItems, true) {
  RB_Edit_E.look = page_layout::kTitleLook;
  LBL_Opt.look = page_layout::kLabelLook;
  LBL_Type.look = page_layout::kLabelLook;
  // The first path is left out of the Tab order, as the page was designed.
  TB_Edit_E.SetTabStop(slot != 0);
}

TfmIE_View::TfmIE_View(platform::Platform& platform, TProgramForms& forms)
    : Form("fmIE_View", "IEソース表示", page_layout::kPageSize, platform::FormStyle::Page),
      viewers(page_layout::MakeBands<ViewerBand, kViewerCount>(*this)),
      BTN_CLS(*this, "BTN_CLS", page_layout::kLastButton, "クリア"),
      IniGT_IE_View(SettingsFileAccess(platform)),
      platform_(platform),
      forms_(forms) {
  viewers[0].RB_Edit_E.SetChecked(true);
  for (int slot = 0; slot < kViewerCount; ++slot) {
    viewers[slot].BTN_Edit.OnClick = [this, slot] { BTN_EditClick(slot); };
  }
  BTN_CLS.OnClick = [this] { BTN_CLSClick(); };
}

void TfmIE_View::ReadIni() {
  record_.inUse = IniGT_IE_View.ReadInteger(settings_text::kCheckSection, "CHK_IE", 0);
  for (int slot = 0; slot < kViewerCount; ++slot) {
    ViewerTexts& texts = record_.slots[slot];
    texts.path =
        IniGT_IE_View.ReadString(settings_text::kEditSection, IndexedKey("IE_View_E", slot), "");
    texts.options =
        IniGT_IE_View.ReadString(settings_text::kEditSection, IndexedKey("IE_View_O", slot), "");
    texts.extension =
        IniGT_IE_View.ReadString(settings_text::kEditSection, IndexedKey("IE_View_T", slot), "");
  }
}

void TfmIE_View::WriteIni() {
  std::vector<IniEntry> entries{
      {settings_text::kCheckSection, "CHK_IE", std::to_string(record_.inUse)}};
  for (int slot = 0; slot < kViewerCount; ++slot) {
    const ViewerTexts& texts = record_.slots[slot];
    entries.push_back({settings_text::kEditSection, IndexedKey("IE_View_E", slot), texts.path});
    entries.push_back({settings_text::kEditSection, IndexedKey("IE_View_O", slot), texts.options});
    entries.push_back(
        {settings_text::kEditSection, IndexedKey("IE_View_T", slot), texts.extension});
  }
  IniGT_IE_View.WriteEntries(entries);
}

void TfmIE_View::FormShow() {
  ReadIni();
  for (ViewerBand& band : viewers) band.RB_Edit_E.SetChecked(false);
  if (record_.inUse >= 0 && record_.inUse < kViewerCount) {
    viewers[record_.inUse].RB_Edit_E.SetChecked(true);
  }
  for (int slot = 0; slot < kViewerCount; ++slot) {
    const ViewerTexts& texts = record_.slots[slot];
    viewers[slot].TB_Edit_E.SetText(texts.path);
    viewers[slot].TB_Edit_O.SetText(texts.options);
    viewers[slot].SB_Edit_T.SetText(texts.extension);
  }
}

void TfmIE_View::BTN_OKClick() {
  int inUse = 0;
  // The switch as it stands on screen, not as stored: it may be applied in this same run.
  if (forms_.fmSetUp.CB_IE_View.Checked()) {
    for (int slot = 0; slot < kViewerCount; ++slot) {
      ViewerBand& band = viewers[slot];
      if (band.TB_Edit_E.Text().empty()) continue;
      if (!platform_.files.FileExists(band.TB_Edit_E.Text())) {
        ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(), settings_text::kFileMissing,
                            platform::MessageIcon::Warning);
        forms_.fmMAIN.ShowPage(*this);
        forms_.fmMAIN.SetOK = false;
        band.TB_Edit_E.SetFocus();
        return;
      }
      if (band.RB_Edit_E.Checked()) inUse = slot;
    }
  }
  record_.inUse = inUse;
  for (int slot = 0; slot < kViewerCount; ++slot) {
    record_.slots[slot] = {viewers[slot].TB_Edit_E.Text(), viewers[slot].TB_Edit_O.Text(),
                           viewers[slot].SB_Edit_T.Text()};
  }
  WriteIni();
}

void TfmIE_View::BTN_EditClick(int slot) {
  if (const std::optional<std::string> path = BrowseForViewer(platform_)) {
    viewers[slot].TB_Edit_E.SetText(*path);
  }
}

void TfmIE_View::BTN_CLSClick() {
  viewers[0].RB_Edit_E.SetChecked(true);
  for (ViewerBand& band : viewers) {
    band.TB_Edit_E.SetText("");
    band.TB_Edit_O.SetText("");
    band.SB_Edit_T.SetText("");
  }
}
