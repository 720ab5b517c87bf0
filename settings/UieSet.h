#pragma once
// The page of the tab "IE拡張メニュー": five web sites to which the launcher's context popup
// sends the page's address or the selected text. Every apply also writes the context-menu
// script Tobrin_Menu.html into the program folder.
#include <array>
#include <string>

#include "platform/Platform.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "shared/TIniGT.h"

struct TProgramForms;

class TfmIE_Set : public platform::Form {
 public:
  static constexpr int kSiteCount = 5;

  // The controls of one site slot, in one band of the page.
  struct SiteBand {
    SiteBand(platform::Form& page, int slot);
    platform::CheckBox CB_Ie_S;  // enabled, "サイト１"
    platform::Edit TB_Ie_U;      // address prefix
    platform::Label LBL_Type;
    platform::ComboBox SB_Ie_T;  // target: "通常", "選択範囲"
    platform::Label LBL_Encode;
    platform::ComboBox SB_Ie_E;  // encoding: "なし", "EUC-JP", "UTF-8"
    platform::Label LBL_Name;
    platform::Edit TB_Ie_N;  // display name
  };

  // The controls of site slot i (0..4) that the site list editor writes into.
  struct SiteControls {
    platform::CheckBox& enabled;
    platform::Edit& url;
    platform::ComboBox& target;
    platform::ComboBox& encoding;
    platform::Edit& name;
  };
  SiteControls Site(int i);

  TfmIE_Set(platform::Platform& platform, TProgramForms& forms);

  // Load: the record from the file, then the controls from the record; a list position
  // outside its list selects nothing.
  void FormShow();
  // Apply: default names for enabled sites without one, the script, then the settings.
  // Validates nothing and never clears SetOK. A script or settings file that cannot be
  // written raises TbError.
  void BTN_OKClick();
  // "参照": the site list editor, modal.
  void BTN_SITEClick();
  // "クリア": every site off, without address or name, on the first item of both lists.
  void BTN_CLSClick();

  void ReadIni();
  void WriteIni();
  // Writes Tobrin_Menu.html into the program folder, replacing the old one whole; raises
  // TbError when it cannot be written.
  void SetHTML();

  std::array<SiteBand, kSiteCount> sites;
  platform::Button BTN_SITE;
  platform::Button BTN_CLS;
  TIniGT IniGT_IE_Set;

 private:
  struct Slot {
    int enabled = 0;
    std::string url;
    int target = 0;
    int encoding = 0;
    std::string name;
  };

  platform::Platform& platform_;
  TProgramForms& forms_;
  std::array<Slot, kSiteCount> record_;
};

// The name an enabled site without one gets: "サイト３へ送信" for slot 2.
std::string DefaultSiteName(int slot);
