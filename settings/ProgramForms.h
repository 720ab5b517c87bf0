#pragma once
// The settings program's forms, each made once at start and living until the program ends.
// Every form reaches the others through this one object, under their object names.
#include <array>

#include "platform/Platform.h"
#include "settings/Uabout.h"
#include "settings/UexpView.h"
#include "settings/UieSet.h"
#include "settings/UieSetList.h"
#include "settings/UieView.h"
#include "settings/Umain.h"
#include "settings/UsetUp.h"

struct TProgramForms {
  // Makes the forms in the order of the members and then puts the pages into the main
  // window's tabs.
  explicit TProgramForms(platform::Platform& platform);
  TProgramForms(const TProgramForms&) = delete;
  TProgramForms& operator=(const TProgramForms&) = delete;

  // Every form in the order of making: the main window first.
  std::array<platform::Form*, 7> InCreationOrder();

  // The order in which the forms are made and given their windows.
  TfmMAIN fmMAIN;
  TfmIE_View fmIE_View;
  TfmIE_Set fmIE_Set;
  TfmEXP_View fmEXP_View;
  TfmAbout fmAbout;
  TfmIE_List fmIE_List;
  TfmSetUp fmSetUp;
};
