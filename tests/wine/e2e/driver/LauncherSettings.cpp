#include "driver/LauncherSettings.h"

namespace e2e {

namespace {

std::string Line(const std::string& key, const std::string& value) { return key + "=" + value + "\r\n"; }
std::string Line(const std::string& key, int value) { return Line(key, std::to_string(value)); }
std::string Indexed(const char* key, std::size_t i) { return std::string(key) + "[" + std::to_string(i) + "]"; }

}  // namespace

std::string LauncherSettings::ToIniText() const {
  std::string text = "[CHK]\r\n";
  text += Line("CHK_IE", selectedViewer);
  text += Line("CHK_IE_View", 1);
  text += Line("CHK_IE_Menu", menu);
  text += Line("CHK_IE_Sel", selectionEntries);
  text += Line("CHK_IE_Web", siteEntries);
  for (std::size_t i = 0; i < sites.size(); ++i) text += Line(Indexed("CHK_IE_Set_S", i), sites[i] ? sites[i]->enabled : 0);
  text += "[EDIT]\r\n";
  for (std::size_t i = 0; i < viewers.size(); ++i) {
    text += Line(Indexed("IE_View_E", i), viewers[i].executable);
    text += Line(Indexed("IE_View_O", i), viewers[i].options);
    text += Line(Indexed("IE_View_T", i), viewers[i].extension);
  }
  for (std::size_t i = 0; i < sites.size(); ++i) {
    const SiteSlot site = sites[i].value_or(SiteSlot{0, "", 0, 0, ""});
    text += Line(Indexed("IE_Set_U", i), site.prefix);
    text += Line(Indexed("IE_Set_T", i), site.target);
    text += Line(Indexed("IE_Set_E", i), site.encoding);
    text += Line(Indexed("IE_Set_N", i), site.name);
  }
  return text;
}

}  // namespace e2e
