#include "settings/UieSet.h"

#include <vector>

#include "settings/ContextMenuScript.h"
#include "settings/PageLayout.h"
#include "settings/ProgramForms.h"
#include "settings/SettingsProgram.h"
#include "settings/SettingsTexts.h"
#include "shared/IndexedKey.h"
#include "shared/TbError.h"
#include "shared/TbSysUtl.h"

namespace {

using page_layout::BandTop;
using page_layout::kFieldRow;
using page_layout::kLabelRow;
using page_layout::SlotName;

}  // namespace

TfmIE_Set::SiteBand::SiteBand(platform::Form& page, int slot)
    : CB_Ie_S(page, SlotName("CB_Ie_S", slot), {8, BandTop(slot), 80, 20},
              page_layout::SlotTitle("サイト", slot)),
      TB_Ie_U(page, SlotName("TB_Ie_U", slot), {88, BandTop(slot), 481, 20}),
      LBL_Type(page, SlotName("LBL_Type", slot), {88, BandTop(slot) + kLabelRow, 81, 12}, "対象"),
      SB_Ie_T(page, SlotName("SB_Ie_T", slot), {88, BandTop(slot) + kFieldRow, 81, 20},
              settings_text::kSiteTargetItems, false),
      LBL_Encode(page, SlotName("LBL_Encode", slot), {177, BandTop(slot) + kLabelRow, 81, 12},
                 "エンコード"),
      SB_Ie_E(page, SlotName("SB_Ie_E", slot), {177, BandTop(slot) + kFieldRow, 81, 20},
              settings_text::kSiteEncodingItems, false),
      LBL_Name(page, SlotName("LBL_Name", slot), {266, BandTop(slot) + kLabelRow, 209, 12},
               "表示名"),
      TB_Ie_N(page, SlotName("TB_Ie_N", slot), {266, BandTop(slot) + kFieldRow, 209, 20}) {
  CB_Ie_S.look = page_layout::kTitleLook;
  for (platform::Label* label : {&LBL_Type, &LBL_Encode, &LBL_Name}) {
    label->look = page_layout::kLabelLook;
  }
}

TfmIE_Set::TfmIE_Set(platform::Platform& platform, TProgramForms& forms)
    : Form("fmIE_Set", "IE拡張メニュー", page_layout::kPageSize, platform::FormStyle::Page),
      sites(page_layout::MakeBands<SiteBand, kSiteCount>(*this)),
      BTN_SITE(*this, "BTN_SITE", page_layout::kNextToLastButton, "参照"),
      BTN_CLS(*this, "BTN_CLS", page_layout::kLastButton, "クリア"),
      IniGT_IE_Set(SettingsFileAccess(platform)),
      platform_(platform),
      forms_(forms) {
  BTN_SITE.OnClick = [this] { BTN_SITEClick(); };
  BTN_CLS.OnClick = [this] { BTN_CLSClick(); };
}

TfmIE_Set::SiteControls TfmIE_Set::Site(int i) {
  SiteBand& band = sites.at(i);
  return {band.CB_Ie_S, band.TB_Ie_U, band.SB_Ie_T, band.SB_Ie_E, band.TB_Ie_N};
}

void TfmIE_Set::ReadIni() {
  for (int slot = 0; slot < kSiteCount; ++slot) {
    record_[slot].enabled =
        IniGT_IE_Set.ReadInteger(settings_text::kCheckSection, IndexedKey("CHK_IE_Set_S", slot), 0);
  }
  for (int slot = 0; slot < kSiteCount; ++slot) {
    Slot& s = record_[slot];
    const char* edit = settings_text::kEditSection;
    s.url = IniGT_IE_Set.ReadString(edit, IndexedKey("IE_Set_U", slot), "");
    s.target = IniGT_IE_Set.ReadInteger(edit, IndexedKey("IE_Set_T", slot), 0);
    s.encoding = IniGT_IE_Set.ReadInteger(edit, IndexedKey("IE_Set_E", slot), 0);
    s.name = IniGT_IE_Set.ReadString(edit, IndexedKey("IE_Set_N", slot), "");
  }
}

void TfmIE_Set::WriteIni() {
  std::vector<IniEntry> entries;
  for (int slot = 0; slot < kSiteCount; ++slot) {
    entries.push_back({settings_text::kCheckSection, IndexedKey("CHK_IE_Set_S", slot),
                       std::to_string(record_[slot].enabled)});
  }
  for (int slot = 0; slot < kSiteCount; ++slot) {
    const Slot& s = record_[slot];
    const char* edit = settings_text::kEditSection;
    entries.push_back({edit, IndexedKey("IE_Set_U", slot), s.url});
    entries.push_back({edit, IndexedKey("IE_Set_T", slot), std::to_string(s.target)});
    entries.push_back({edit, IndexedKey("IE_Set_E", slot), std::to_string(s.encoding)});
    entries.push_back({edit, IndexedKey("IE_Set_N", slot), s.name});
  }
  IniGT_IE_Set.WriteEntries(entries);
}

void TfmIE_Set::FormShow() {
  ReadIni();
  for (int slot = 0; slot < kSiteCount; ++slot) {
    const Slot& s = record_[slot];
    SiteBand& band = sites[slot];
    band.CB_Ie_S.SetChecked(IsSwitchOn(s.enabled));
    band.TB_Ie_U.SetText(s.url);
    band.SB_Ie_T.SetItemIndex(s.target);
    band.SB_Ie_E.SetItemIndex(s.encoding);
    band.TB_Ie_N.SetText(s.name);
  }
}

void TfmIE_Set::BTN_OKClick() {
  std::array<Slot, kSiteCount> collected;
  for (int slot = 0; slot < kSiteCount; ++slot) {
    SiteBand& band = sites[slot];
    const bool enabled = band.CB_Ie_S.Checked();
    if (enabled && band.TB_Ie_N.Text().empty()) band.TB_Ie_N.SetText(DefaultSiteName(slot));
    collected[slot] = {enabled ? 1 : 0, band.TB_Ie_U.Text(), band.SB_Ie_T.ItemIndex(),
                       band.SB_Ie_E.ItemIndex(), band.TB_Ie_N.Text()};
  }
  SetHTML();
  record_ = collected;
  WriteIni();
}

void TfmIE_Set::SetHTML() {
  const std::string programFolder = ProgramFolder(platform_);
  const std::string tempFolder = GetSpecialFolderPath(platform_.folders, platform_.files,
                                                      platform_.ui.ForegroundWindow(), sfTemp);
  const std::string path = programFolder + std::string(settings_text::kScriptFileName);
  if (!platform_.files.ReplaceFileWith(path, BuildContextMenuScript(tempFolder, programFolder))) {
    throw CannotWriteError(path);
  }
}

void TfmIE_Set::BTN_SITEClick() { platform_.application.ShowModal(forms_.fmIE_List); }

void TfmIE_Set::BTN_CLSClick() {
  for (SiteBand& band : sites) {
    band.CB_Ie_S.SetChecked(false);
    band.TB_Ie_U.SetText("");
    band.SB_Ie_T.SetItemIndex(0);
    band.SB_Ie_E.SetItemIndex(0);
    band.TB_Ie_N.SetText("");
  }
}

std::string DefaultSiteName(int slot) { return page_layout::SlotTitle("サイト", slot) + "へ送信"; }
