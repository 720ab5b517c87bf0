#pragma once
// The common ground of the end-to-end tests: an install folder with the real Tobrin.exe and
// the settings file the test writes, the hand-off file in the real temporary folder, the
// stand-in viewer and the address recorder with their record files, a registered URL scheme
// and a window of the driver's own that is the foreground window when Tobrin starts.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/ChildProcess.h"
#include "driver/Desktop.h"
#include "driver/Files.h"
#include "driver/LauncherSettings.h"
#include "driver/Records.h"
#include "driver/TestRegistry.h"

namespace e2e {

// The scheme of the test sites: "tobrine2e:" addresses go to the address recorder.
constexpr const char* kSiteScheme = "tobrine2e:";

// Time limits: generous, since every Wine process start is slow on a busy machine.
constexpr unsigned kWindowWait = 15000;
constexpr unsigned kExitWait = 20000;

class TobrinE2e : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  static std::wstring InstallFolder();
  static std::wstring TobrinPath();
  static std::string ViewerPath();  // code page 932 bytes, as the settings name it
  static std::wstring HandOffPath();

  // Settings whose selected slot (0) starts the stand-in viewer with no options or extension.
  static LauncherSettings DefaultSettings();
  void WriteSettings(const LauncherSettings& settings);
  void WriteSettingsText(const std::string& bytes);
  void RemoveSettings();
  void WriteHandOff(const std::string& bytes);

  std::unique_ptr<ChildProcess> StartTobrin(const std::vector<std::wstring>& arguments);

  // Waits for Tobrin's message box, reads it and presses OK.
  MessageBoxSeen AnswerMessageBox(ChildProcess& tobrin);
  // Waits for Tobrin's popup menu; null when none appears.
  HWND WaitForMenu(ChildProcess& tobrin);
  // Waits for Tobrin and for whatever it started to end, and expects exit code 0; a message
  // box that keeps Tobrin from ending is reported.
  void ExpectCleanExit(ChildProcess& tobrin);

  // For starts whose outcome belongs to the shell: answers every message box Tobrin shows
  // until it ends, expects exit code 0, then ends whatever the shell started. Returns the
  // texts of the boxes.
  std::vector<std::string> FinishWhateverTheShellDoes(ChildProcess& tobrin);

  enum class Owner { Foreground, Desktop };
  // Expects one of Tobrin's messages: the caption, one OK button, the text, icon and owner.
  void ExpectMessage(const MessageBoxSeen& seen, const std::string& text, IconKind icon, Owner owner);

  void ClearRecords();
  std::vector<Record> ViewerRecords() const;
  std::vector<Record> AddressRecords() const;

  static DriverWindow& Driver();
};

// Expectation helpers that print code page 932 bytes readably.
std::string Printable(const std::string& bytes);

}  // namespace e2e
