#pragma once
// The common ground of the settings program's end-to-end tests: TobrinPlus.exe and Tobrin.exe
// installed side by side in a program folder whose name has blanks and 表 in it, no settings
// file and none of the program's registrations before each test, and a driver that finds the
// main window, its tabs and the controls of each page and uses them as a person would.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "driver/ChildProcess.h"
#include "driver/Desktop.h"
#include "driver/Registrations.h"
#include "driver/SettingsValues.h"

namespace e2e {

enum SettingsTab { kSetUpTab = 0, kIeViewTab = 1, kIeSetTab = 2, kExpViewTab = 3, kAboutTab = 4 };

struct IeViewerControls {
  HWND use, path, browse, options, extension;
};
struct SiteControls {
  HWND enabled, url, target, encoding, name;
};
struct ExpViewerControls {
  HWND files, folders, path, browse, options, extension, name;
};

class SettingsE2e : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // The driver's own window, the foreground window before the program starts.
  static DriverWindow& Driver();

  static std::wstring ProgramFolder();
  static std::wstring ProgramPath();
  static std::wstring SettingsPath();
  static std::wstring ScriptPath();
  static std::optional<std::string> SettingsBytes();
  static std::optional<std::string> ScriptBytes();
  // The script the program is to write from the program folder.
  static std::string ExpectedScript();

  // Starts TobrinPlus.exe and waits for its main window; false when it does not appear.
  bool Start();
  // Closes the main window with its close box, or with the button "終了", and expects the
  // program to end cleanly.
  enum class CloseBy { CloseBox, ExitButton };
  void CloseWindow(CloseBy how = CloseBy::CloseBox);
  ChildProcess& Program() { return *program_; }
  HWND MainWindow() const { return main_; }
  HWND Tabs() const;

  // Shows the tab's page and returns the control of the page, or of the main window's bottom
  // row, with this class and caption (the nth of that caption, in reading order); a missing
  // control fails the test.
  HWND Control(SettingsTab tab, const wchar_t* className, const std::string& caption,
               std::size_t nth = 0);
  HWND MainButton(const std::string& caption);  // "設定", "読込", "終了"
  HWND SetupSwitch(std::size_t index);          // in the order of kSwitchKeys
  IeViewerControls IeViewer(int slot);
  SiteControls Site(int slot);
  ExpViewerControls ExpViewer(int slot);

  // The page values as the controls show them.
  PageValues ShownValues();
  // Expects the controls to show these values; the slot in use is the checked radio button
  // (-1: none).
  void ExpectShown(const PageValues& expected);

  // Presses a main-window button whose handler ends in a message box; reads the box and
  // presses its OK. Nothing is returned when no box appears.
  std::optional<MessageBoxSeen> PressForMessage(const std::string& caption);
  // Waits for the program's next message box, reads it and presses OK.
  std::optional<MessageBoxSeen> AnswerMessageBox();
  // The box's caption, single OK button, text and icon; its owner is the main window, the
  // foreground window when the user presses a button in it.
  void ExpectMessage(const std::optional<MessageBoxSeen>& seen, const std::string& text,
                     IconKind icon);
  // The box a successful apply ends with.
  void ApplyExpectingSuccess();

  void TypeInto(HWND control, const std::string& text);
  // Expects the settings file to hold exactly these bytes.
  void ExpectSettingsFile(const std::string& bytes);

  std::unique_ptr<ChildProcess> program_;
  HWND main_ = nullptr;
};

}  // namespace e2e
