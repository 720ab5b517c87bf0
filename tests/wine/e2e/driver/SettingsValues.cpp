#include "driver/SettingsValues.h"

namespace e2e {

namespace {

std::string Indexed(const char* key, std::size_t i) {
  return std::string(key) + "[" + std::to_string(i) + "]";
}

}  // namespace

const std::array<const char*, kSwitchCount> kSwitchKeys = {
    "CHK_IE_View", "CHK_IE_Menu",  "CHK_IE_Sel",   "CHK_IE_Web", "CHK_SHELL",
    "CHK_SUB",     "CHK_SEP_Menu", "CHK_SEP_View", "CHK_VIEW",   "CHK_LIST",
    "CHK_PATH",    "CHK_COMMAND",  "CHK_EXPLORER"};

void IniText::Set(const std::string& section, const std::string& key, const std::string& value) {
  auto place = sections_.begin();
  while (place != sections_.end() && place->first != section) ++place;
  if (place == sections_.end()) place = sections_.insert(place, {section, {}});
  for (auto& entry : place->second) {
    if (entry.first == key) {
      entry.second = value;
      return;
    }
  }
  place->second.emplace_back(key, value);
}

std::string IniText::Bytes() const {
  std::string bytes;
  for (const auto& [section, entries] : sections_) {
    bytes += "[" + section + "]\r\n";
    for (const auto& [key, value] : entries) bytes += key + "=" + value + "\r\n";
  }
  return bytes;
}

void WriteIeViewerPage(IniText& file, const PageValues& values) {
  file.Set("CHK", "CHK_IE", values.ieViewer);
  for (std::size_t i = 0; i < values.ieViewers.size(); ++i) {
    file.Set("EDIT", Indexed("IE_View_E", i), values.ieViewers[i].path);
    file.Set("EDIT", Indexed("IE_View_O", i), values.ieViewers[i].options);
    file.Set("EDIT", Indexed("IE_View_T", i), values.ieViewers[i].extension);
  }
}

void WriteSitePage(IniText& file, const PageValues& values) {
  for (std::size_t i = 0; i < values.sites.size(); ++i) {
    file.Set("CHK", Indexed("CHK_IE_Set_S", i), values.sites[i].enabled ? 1 : 0);
  }
  for (std::size_t i = 0; i < values.sites.size(); ++i) {
    file.Set("EDIT", Indexed("IE_Set_U", i), values.sites[i].url);
    file.Set("EDIT", Indexed("IE_Set_T", i), values.sites[i].target);
    file.Set("EDIT", Indexed("IE_Set_E", i), values.sites[i].encoding);
    file.Set("EDIT", Indexed("IE_Set_N", i), values.sites[i].name);
  }
}

void WriteExpViewerPage(IniText& file, const PageValues& values) {
  for (std::size_t i = 0; i < values.expViewers.size(); ++i) {
    file.Set("CHK", Indexed("CHK_EXP_View_F", i), values.expViewers[i].files ? 1 : 0);
  }
  for (std::size_t i = 0; i < values.expViewers.size(); ++i) {
    file.Set("CHK", Indexed("CHK_EXP_View_D", i), values.expViewers[i].folders ? 1 : 0);
  }
  for (std::size_t i = 0; i < values.expViewers.size(); ++i) {
    file.Set("EDIT", Indexed("EXP_View_E", i), values.expViewers[i].path);
    file.Set("EDIT", Indexed("EXP_View_O", i), values.expViewers[i].options);
    file.Set("EDIT", Indexed("EXP_View_T", i), values.expViewers[i].extension);
    file.Set("EDIT", Indexed("EXP_View_N", i), values.expViewers[i].name);
  }
}

void WriteSetupPage(IniText& file, const PageValues& values) {
  for (std::size_t i = 0; i < kSwitchCount; ++i)
    file.Set("CHK", kSwitchKeys[i], values.switches[i] ? 1 : 0);
}

void WriteAllPages(IniText& file, const PageValues& values) {
  WriteIeViewerPage(file, values);
  WriteSitePage(file, values);
  WriteExpViewerPage(file, values);
  WriteSetupPage(file, values);
}

}  // namespace e2e
