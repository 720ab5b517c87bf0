#pragma once
// The settings that shape the popup menu: the three switches, the viewer slots and the five
// web sites.
#include <array>
#include <string>

#include "launcher/ViewerSettings.h"
#include "shared/TIniGT.h"

constexpr int kSiteCount = 5;

enum TSiteTarget { stPage = 0, stSelection = 1 };

struct SiteSlot {
  int enabled = 0;      // a switch: on only when exactly 1
  std::string prefix;   // the site's address up to its parameter value
  int target = 0;       // TSiteTarget; any other value is never offered
  int encoding = 0;     // selection text form code, for the selection target
  std::string name;     // the menu entry's caption
};

struct MenuSettings {
  int menu = 0;       // CHK_IE_Menu
  int selection = 0;  // CHK_IE_Sel
  int web = 0;        // CHK_IE_Web
  ViewerSettings viewers;
  std::array<SiteSlot, kSiteCount> sites;
};

// Every key the menu uses; a missing file or key gives its default (0 or the empty text).
MenuSettings ReadMenuSettings(const TIniGT& settings);
