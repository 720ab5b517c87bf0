#include "launcher/MenuSettings.h"

#include "shared/IndexedKey.h"

MenuSettings ReadMenuSettings(const TIniGT& settings) {
  MenuSettings menu;
  menu.menu = settings.ReadInteger("CHK", "CHK_IE_Menu", 0);
  menu.selection = settings.ReadInteger("CHK", "CHK_IE_Sel", 0);
  menu.web = settings.ReadInteger("CHK", "CHK_IE_Web", 0);
  menu.viewers = ReadViewerSettings(settings);
  for (int i = 0; i < kSiteCount; ++i) {
    SiteSlot& site = menu.sites[i];
    site.enabled = settings.ReadInteger("CHK", IndexedKey("Chk_IE_Set_S", i), 0);
    site.prefix = settings.ReadString("EDIT", IndexedKey("IE_Set_U", i), "");
    site.target = settings.ReadInteger("EDIT", IndexedKey("IE_Set_T", i), 0);
    site.encoding = settings.ReadInteger("EDIT", IndexedKey("IE_Set_E", i), 0);
    site.name = settings.ReadString("EDIT", IndexedKey("IE_Set_N", i), "");
  }
  return menu;
}
