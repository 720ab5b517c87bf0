#pragma once
// Settings files for the component, written as the settings program writes them.
#include <string>
#include <vector>

namespace shellext_test {

struct ViewerSlotText {
  int slot = 0;
  std::string executable;  // Shift_JIS
  std::string options;
  std::string extension;
  std::string name;
  bool files = false;
  bool folders = false;
};

// `switches` holds eight digits for CHK_SUB, CHK_SEP_Menu, CHK_SEP_View, CHK_VIEW, CHK_LIST,
// CHK_PATH, CHK_COMMAND and CHK_EXPLORER, in this order.
inline std::string SettingsText(const std::string& switches,
                                const std::vector<ViewerSlotText>& slots) {
  static const char* const kSwitchKeys[] = {"CHK_SUB",     "CHK_SEP_Menu", "CHK_SEP_View",
                                            "CHK_VIEW",    "CHK_LIST",     "CHK_PATH",
                                            "CHK_COMMAND", "CHK_EXPLORER"};
  std::string check = "[CHK]\r\n";
  for (std::size_t i = 0; i < std::size(kSwitchKeys) && i < switches.size(); ++i) {
    check += std::string(kSwitchKeys[i]) + "=" + switches[i] + "\r\n";
  }
  std::string edit = "[EDIT]\r\n";
  for (const ViewerSlotText& s : slots) {
    std::string index = "[";
    index.append(std::to_string(s.slot)).append("]=");
    check += "CHK_EXP_View_F" + index + (s.files ? "1" : "0") + "\r\n";
    check += "CHK_EXP_View_D" + index + (s.folders ? "1" : "0") + "\r\n";
    edit += "EXP_View_E" + index + s.executable + "\r\n";
    edit += "EXP_View_O" + index + s.options + "\r\n";
    edit += "EXP_View_T" + index + s.extension + "\r\n";
    edit += "EXP_View_N" + index + s.name + "\r\n";
  }
  return check + edit;
}

}  // namespace shellext_test
