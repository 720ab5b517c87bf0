#pragma once
// A launcher installed in C:\Program Files\TobrinPlus with a user's temporary folder, on the
// in-memory platform; cases add a settings file and a hand-off file and run the launcher.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "launcher/Tobrin.h"
#include "platform/memory/MemoryPlatform.h"

namespace platform::memory {

// Readable failure output for recorded shell executions and message boxes.
inline void PrintTo(const MemoryShell::Execution& e, std::ostream* out) {
  *out << "{owner " << e.owner << ", " << e.verb << ", \"" << e.file << "\", \"" << e.parameters
       << "\", \"" << e.directory << "\", " << e.showCommand << "}";
}
inline void PrintTo(const MemoryUi::Message& m, std::ostream* out) {
  *out << "{owner " << m.owner << ", \"" << m.text << "\", \"" << m.caption << "\", icon "
       << static_cast<int>(m.icon) << "}";
}

}  // namespace platform::memory

class LauncherTest : public ::testing::Test {
 protected:
  static constexpr const char* kProgramFolder = "C:\\Program Files\\TobrinPlus\\";
  static constexpr const char* kTemp = "C:\\Users\\taro\\AppData\\Local\\Temp\\";
  static constexpr const char* kSettingsPath = "C:\\Program Files\\TobrinPlus\\TobrinPlus.ini";
  static constexpr const char* kHandOffPath =
      "C:\\Users\\taro\\AppData\\Local\\Temp\\Tobrin_Menu.tmp";

  platform::memory::MemoryPlatform m;

  LauncherTest() {
    m.files.AddFolder(kProgramFolder);
    m.files.AddFile(std::string(kProgramFolder) + "Tobrin.exe", "MZ");
    m.files.AddFolder(kTemp);
    m.folders.SetKernelTempPath(kTemp);
    m.process.programPath = std::string(kProgramFolder) + "Tobrin.exe";
    // As a person would: the program loses activation when the user turns elsewhere.
    m.application.losesActivation = true;
  }

  // A settings file of "[section]" and "key=value" lines given as one text each.
  void WriteSettings(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    m.files.AddFile(kSettingsPath, text);
  }

  void WriteHandOff(const std::string& bytes) { m.files.AddFile(kHandOffPath, bytes); }

  // The hand-off file as the script writes it.
  void WriteHandOff(const std::string& address, const std::string& host,
                    const std::string& html, const std::string& text) {
    WriteHandOff(address + "<DELIMITER>" + host + "<DELIMITER>" + html + "<DELIMITER>" + text);
  }

  int Run(std::vector<std::string> arguments) {
    m.process.arguments = std::move(arguments);
    m.application.terminateCount = 0;
    return RunTobrin(m.platform);
  }

  // Whether the last run told the application to end.
  bool Terminated() const { return m.application.terminateCount > 0; }

  using Message = platform::memory::MemoryUi::Message;
  using Execution = platform::memory::MemoryShell::Execution;
  static constexpr platform::WindowHandle kForeground =
      platform::memory::MemoryUi::kForegroundWindow;
  static constexpr platform::WindowHandle kDesktop = platform::memory::MemoryUi::kDesktopWindow;

  static Message Warning(platform::WindowHandle owner, const std::string& text) {
    return {owner, text, "トブリン＋", platform::MessageIcon::Warning};
  }
  static Message Error(platform::WindowHandle owner, const std::string& text) {
    return {owner, text, "トブリン＋", platform::MessageIcon::Error};
  }
  // The viewer or the site as the launcher asks the shell to open it.
  static Execution Open(const std::string& file, const std::string& parameters) {
    return {0, "Open", file, parameters, "", 5};
  }
};
