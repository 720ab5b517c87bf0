#pragma once
// The check that the native tests and the fuzz target run on settings files of any content:
// the settings program loads the file into all its pages and applies them; then the file it
// wrote, loaded into freshly made pages, must show the same control state. An apply whose
// first step refused a viewer must leave the file as it was.
#include <string>
#include <string_view>
#include <vector>

#include "platform/memory/MemoryPlatform.h"
#include "settings/ProgramForms.h"

namespace settings_round_trip {

inline constexpr const char* kProgramFolder = "C:\\Program Files\\TobrinPlus\\";
inline constexpr const char* kSettingsPath = "C:\\Program Files\\TobrinPlus\\TobrinPlus.ini";

// Every control's state, one text each; the IE viewer page's radio buttons are left out
// because the slot that apply stores is worked out from more than them.
inline std::vector<std::string> ControlStates(TProgramForms& forms) {
  std::vector<std::string> states;
  const platform::Form* const pages[] = {&forms.fmSetUp, &forms.fmIE_View, &forms.fmIE_Set,
                                         &forms.fmEXP_View};
  for (const platform::Form* page : pages) {
    for (const platform::Control* control : page->Controls()) {
      const std::string name = page->Name() + "." + control->Name() + "=";
      switch (control->Kind()) {
        case platform::ControlKind::CheckBox:
          states.push_back(
              name + (static_cast<const platform::CheckBox*>(control)->Checked() ? "on" : "off"));
          break;
        case platform::ControlKind::ComboBox:
          states.push_back(
              name + std::to_string(static_cast<const platform::ComboBox*>(control)->ItemIndex()) +
              ":" + control->Caption());
          break;
        case platform::ControlKind::Edit:
        case platform::ControlKind::Memo:
          states.push_back(name + control->Caption());
          break;
        default:
          break;
      }
    }
  }
  return states;
}

// The index of the checked radio button of the IE viewer page, or -1.
inline int CheckedViewer(TfmIE_View& page) {
  for (int slot = 0; slot < TfmIE_View::kViewerCount; ++slot) {
    if (page.viewers[slot].RB_Edit_E.Checked()) return slot;
  }
  return -1;
}

struct Options {
  // Switch off the features whose viewers are checked, so that the apply goes through.
  bool viewSourceOff = false;
  bool shellOff = false;
};

// What went wrong, or the empty text when the round trip holds.
inline std::string RoundTripFault(std::string_view settingsBytes, Options options) {
  platform::memory::MemoryPlatform m;
  m.files.AddFolder(kProgramFolder);
  m.files.AddFile(std::string(kProgramFolder) + "TobrinPlus.exe", "MZ");
  m.files.AddFolder("C:\\Temp");
  m.folders.SetKernelTempPath("C:\\Temp\\");
  m.files.AddFile(kSettingsPath, settingsBytes);
  m.process.programPath = std::string(kProgramFolder) + "TobrinPlus.exe";

  std::vector<std::string> applied;
  {
    TProgramForms forms(m.platform);
    forms.fmMAIN.Show();
    if (options.viewSourceOff) forms.fmSetUp.CB_IE_View.SetChecked(false);
    if (options.shellOff) forms.fmSetUp.CB_SHELL.SetChecked(false);
    m.application.Guarded([&] { forms.fmMAIN.BTN_OK.Click(); });
    if (!m.application.reportedErrors.empty()) return "error: " + m.application.reportedErrors[0];
    if (!forms.fmMAIN.SetOK) {
      const bool ieViewerRefused = forms.fmMAIN.pcMAIN.TabIndex() == 1;
      if (ieViewerRefused && m.files.Read(kSettingsPath) != std::string(settingsBytes)) {
        return "the refused apply changed the file";
      }
      return "";
    }
    applied = ControlStates(forms);
  }
  const std::string written = m.files.Read(kSettingsPath).value_or("");
  TProgramForms reloaded(m.platform);
  reloaded.fmMAIN.Show();
  const std::vector<std::string> shown = ControlStates(reloaded);
  if (shown != applied) {
    for (std::size_t i = 0; i < shown.size() && i < applied.size(); ++i) {
      if (shown[i] != applied[i]) return "applied " + applied[i] + ", reloaded " + shown[i];
    }
    return "control count";
  }
  // The stored slot is the checked one after a reload: 0 unless the feature found it.
  if (CheckedViewer(reloaded.fmIE_View) < 0) return "no viewer checked after the apply";
  return "";
}

}  // namespace settings_round_trip
