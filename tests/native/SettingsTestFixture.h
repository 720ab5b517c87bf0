#pragma once
// The settings program installed in C:\Program Files\TobrinPlus with a user's temporary
// folder, on the in-memory platform. Cases set up a settings file, make the program's forms
// (as the program does at start), show the main window and press its buttons.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/memory/MemoryPlatform.h"
#include "settings/ProgramForms.h"
#include "shared/IniText.h"

namespace platform::memory {

inline void PrintTo(const MemoryUi::Message& m, std::ostream* out) {
  *out << "{owner " << m.owner << ", \"" << m.text << "\", \"" << m.caption << "\", icon "
       << static_cast<int>(m.icon) << "}";
}

}  // namespace platform::memory

class SettingsTest : public ::testing::Test {
 protected:
  static constexpr const char* kProgramFolder = "C:\\Program Files\\TobrinPlus\\";
  static constexpr const char* kTemp = "C:\\Users\\taro\\AppData\\Local\\Temp\\";
  static constexpr const char* kSettingsPath = "C:\\Program Files\\TobrinPlus\\TobrinPlus.ini";
  static constexpr const char* kScriptPath = "C:\\Program Files\\TobrinPlus\\Tobrin_Menu.html";
  static constexpr const char* kViewer = "C:\\Tools\\viewer.exe";
  static constexpr platform::WindowHandle kForeground =
      platform::memory::MemoryUi::kForegroundWindow;

  using Message = platform::memory::MemoryUi::Message;
  using Root = platform::RegistryRoot;

  platform::memory::MemoryPlatform m;

  SettingsTest() {
    InstallIn(kProgramFolder);
    m.files.AddFolder(kTemp);
    m.folders.SetKernelTempPath(kTemp);
    m.files.AddFile(kViewer, "MZ");
  }

  // Puts the program into another folder (before the forms are made).
  void InstallIn(const std::string& folder) {
    m.files.AddFolder(folder);
    m.files.AddFile(folder + "TobrinPlus.exe", "MZ");
    m.process.programPath = folder + "TobrinPlus.exe";
  }

  // The program's forms, made at the first use as the program makes them at start (with the
  // title set and a window each).
  TProgramForms& Forms() {
    if (!forms_) {
      m.application.SetTitle("トブリン＋");
      forms_.emplace(m.platform);
      for (platform::Form* form : forms_->InCreationOrder()) m.application.CreateForm(*form);
    }
    return *forms_;
  }
  TfmMAIN& Main() { return Forms().fmMAIN; }
  TfmSetUp& SetUpPage() { return Forms().fmSetUp; }
  TfmIE_View& IeView() { return Forms().fmIE_View; }
  TfmIE_Set& IeSet() { return Forms().fmIE_Set; }
  TfmEXP_View& ExpView() { return Forms().fmEXP_View; }

  // A settings file of "[section]" and "key=value" lines given as one text each.
  void WriteSettings(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    m.files.AddFile(kSettingsPath, text);
  }
  std::string SettingsBytes() const { return m.files.Read(kSettingsPath).value_or(""); }
  // A value of the settings file; nothing when the file or the key is missing.
  std::optional<std::string> Stored(const std::string& section, const std::string& key) const {
    const std::optional<std::string> file = m.files.Read(kSettingsPath);
    if (!file) return std::nullopt;
    return FindIniValue(*file, section, key);
  }

  // Shows the main window, which loads every page.
  void Start() { Main().Show(); }
  // Presses a button as the message loop delivers the click: an error that escapes goes to
  // the standard error report.
  void Press(platform::Button& button) {
    m.application.Guarded([&] { button.Click(); });
  }
  void Apply() { Press(Main().BTN_OK); }

  std::vector<Message>& Messages() { return m.ui.messages; }
  static Message Info(const std::string& text) {
    return {kForeground, text, "トブリン＋", platform::MessageIcon::Information};
  }
  static Message Warning(const std::string& text) {
    return {kForeground, text, "トブリン＋", platform::MessageIcon::Warning};
  }
  static Message Error(const std::string& text, platform::WindowHandle owner = kForeground) {
    return {owner, text, "トブリン＋", platform::MessageIcon::Error};
  }

 private:
  std::optional<TProgramForms> forms_;
};
