#pragma once
// The main window of the settings program: five tabs hosting the pages, and the three actions
// that span them: apply ("設定"), reload ("読込") and exit ("終了"). Apply runs the pages and
// the registration steps in a fixed order and stops at the first that fails. The window keeps
// its position in section "FORM" of the settings file.
#include "platform/Platform.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "shared/TIniGT.h"

struct TProgramForms;

class TfmMAIN : public platform::Form {
 public:
  TfmMAIN(platform::Platform& platform, TProgramForms& forms);

  // Puts the pages into the tabs; the pages are made after the main window, so this runs once
  // all forms exist.
  void HostPages();
  // Makes the tab that hosts the page the selected one.
  void ShowPage(const platform::Form& page);

  // When first shown: the position from the file (centred where a key is missing), every
  // page loaded, the first tab selected.
  void FormShow();
  // When closed: the position written to the file.
  void FormClose();
  // "設定": the apply sequence, ending in "設定しました" when every step succeeded.
  void BTN_OKClick();
  // "読込": every page loaded again, then "読込ました".
  void BTN_READClick();
  // "終了": closes the window without asking.
  void BTN_NGClick();

  // The registration steps of the apply sequence; each clears SetOK and shows its message
  // when the registry refuses it.
  void SetVSE();
  void SetMENU();
  void SetDLL();

  platform::TabControl pcMAIN;
  platform::Button BTN_OK;
  platform::Button BTN_READ;
  platform::Button BTN_NG;
  platform::Edit mmMemo;  // free scratch text, never stored
  platform::Label LBL_Memo;

  TIniGT IniGT1;

  // True while every step of the apply under way has succeeded.
  bool SetOK = false;

 private:
  // Loads every settings page from the file.
  void LoadPages();
  // SetDLL's two halves; false when the registry refused an operation.
  bool RegisterShellExtension();
  bool UnregisterShellExtension();

  platform::Platform& platform_;
  TProgramForms& forms_;
};
