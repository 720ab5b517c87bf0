#pragma once
// The page of the tab "エクスプローラ拡張": five viewers that the Explorer context-menu
// component offers for files, for folders or both. While "拡張メニュー" of the Explorer group
// of the setup page is checked, apply checks that every offered viewer exists and names the
// unnamed ones after their program files.
#include <array>
#include <string>

#include "platform/Platform.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "shared/TIniGT.h"

struct TProgramForms;

class TfmEXP_View : public platform::Form {
 public:
  static constexpr int kViewerCount = 5;

  // The controls of one viewer slot, in one band of the page.
  struct ViewerBand {
    ViewerBand(platform::Form& page, int slot);
    platform::Label LBL_Title;     // "ビューア１"
    platform::CheckBox CB_Edit_F;  // offered for files
    platform::CheckBox CB_Edit_D;  // offered for folders
    platform::Edit TB_Edit_E;      // the viewer's path
    platform::Button BTN_Edit;     // "参照"
    platform::Label LBL_Opt;
    platform::Edit TB_Edit_O;  // start options
    platform::Label LBL_Type;
    platform::ComboBox SB_Edit_T;  // extension, editable
    platform::Label LBL_Name;
    platform::Edit TB_Edit_N;  // display name
  };

  TfmEXP_View(platform::Platform& platform, TProgramForms& forms);

  void FormShow();
  // Apply: on a missing viewer of an offered slot: warning, this page's tab selected, SetOK
  // cleared, focus in that path, nothing written.
  void BTN_OKClick();
  void BTN_EditClick(int slot);
  // "クリア": every box off, every text empty; nothing is written.
  void BTN_CLSClick();

  void ReadIni();
  void WriteIni();

  std::array<ViewerBand, kViewerCount> viewers;
  platform::Button BTN_CLS;
  TIniGT IniGT_EXP_View;

 private:
  struct Slot {
    int forFiles = 0;
    int forFolders = 0;
    std::string path;
    std::string options;
    std::string extension;
    std::string name;
  };
  // Checks the slots in order; false after the warning for the first offered slot whose
  // program is missing. Fills in missing display names of the slots it passes.
  bool CheckViewers();

  platform::Platform& platform_;
  TProgramForms& forms_;
  std::array<Slot, kViewerCount> record_;
};

// The display name a viewer gets from its path: the file name without its extension
// ("C:\Tools\my.viewer.exe" gives "my.viewer").
std::string ViewerNameOfPath(const std::string& path);
