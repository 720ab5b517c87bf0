#pragma once
// The invisible form that owns the launcher's popup menu in menu mode: with the hand-off
// values that the start has read and checked, it reads the settings, pops the menu up at the
// mouse pointer and carries out the chosen entry. The program ends when an entry has been
// handled, when the menu offers nothing, or when the application loses activation.
#include <string>
#include <vector>

#include "launcher/HandOffFile.h"
#include "launcher/MenuPlan.h"
#include "launcher/MenuSettings.h"
#include "platform/Platform.h"
#include "platform/forms/Form.h"
#include "shared/TIniGT.h"

class TfmIE_Menu : public platform::Form {
 public:
  // The menu works on the values of the hand-off file that the start checked, read from the
  // temporary folder (ending in a backslash); the file is not read a second time, so the
  // menu always belongs to the page that was checked.
  TfmIE_Menu(platform::Platform& platform, std::string tempFolder, HandOffValues handOff);
  ~TfmIE_Menu() override;

  void FormCreate();
  void FormShow();
  void AppDeactivate();
  void PM_IEPopup();
  void PopupMenuClick(int position);
  void ReadSettings();

  // The settings file beside the program.
  TIniGT IniGT_IE_Menu;
  // The menu's entries as last popped up, at their fixed positions.
  std::vector<platform::MenuItem> PM_IE;

 private:
  void PerformEntry(int position);
  void ShowSelection(const std::string& content);
  void OpenSite(int site);

  platform::Platform& platform_;
  std::string tempFolder_;
  HandOffValues handOff_;
  MenuSettings settings_;
  SelectionTextForms forms_{handOff_.selectionText};
};
