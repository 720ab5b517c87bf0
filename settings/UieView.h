#pragma once
// The page of the tab "IEソース表示": the three viewers in which the launcher opens a page's
// source or a selection, and the radio buttons that pick the one in use. Apply checks that
// the viewers exist while "ソースの表示" of the setup page is checked.
#include <array>
#include <string>

#include "platform/Platform.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "shared/TIniGT.h"

struct TProgramForms;

class TfmIE_View : public platform::Form {
 public:
  static constexpr int kViewerCount = 3;

  // The controls of one viewer slot, in one band of the page.
  struct ViewerBand {
    ViewerBand(platform::Form& page, int slot);
    platform::RadioButton RB_Edit_E;
    platform::Edit TB_Edit_E;   // the viewer's path
    platform::Button BTN_Edit;  // "参照"
    platform::Label LBL_Opt;
    platform::Edit TB_Edit_O;  // start options
    platform::Label LBL_Type;
    platform::ComboBox SB_Edit_T;  // extension, editable
  };

  TfmIE_View(platform::Platform& platform, TProgramForms& forms);

  // Load: the record from the file, then the controls from the record.
  void FormShow();
  // Apply: check the viewers, then store the slot in use and every slot's texts. On a missing
  // viewer: warning, this page's tab selected, SetOK cleared, focus in the path, nothing
  // written.
  void BTN_OKClick();
  // Browse for slot 0, 1 or 2.
  void BTN_EditClick(int slot);
  // "クリア": slot 0 in use, every text empty; nothing is written.
  void BTN_CLSClick();

  void ReadIni();
  void WriteIni();

  std::array<ViewerBand, kViewerCount> viewers;
  platform::Button BTN_CLS;
  TIniGT IniGT_IE_View;

 private:
  struct ViewerTexts {
    std::string path;
    std::string options;
    std::string extension;
  };
  // The settings this page keeps in the file.
  struct Record {
    int inUse = 0;  // CHK_IE; may name no slot when read from a damaged file
    std::array<ViewerTexts, kViewerCount> slots;
  };

  platform::Platform& platform_;
  TProgramForms& forms_;
  Record record_;
};
