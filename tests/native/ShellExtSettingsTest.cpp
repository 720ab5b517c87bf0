// The Explorer component's settings, read from the settings file's bytes in one pass.
#include "shellext/ExplorerSettings.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// A file with every switch on and slot 2 filled, as the settings program writes it.
std::string FullFile() {
  return "[CHK]\r\nCHK_SUB=1\r\nCHK_SEP_Menu=1\r\nCHK_SEP_View=1\r\nCHK_VIEW=1\r\nCHK_LIST=1\r\n"
         "CHK_PATH=1\r\nCHK_COMMAND=1\r\nCHK_EXPLORER=1\r\nCHK_EXP_View_F[2]=1\r\n"
         "CHK_EXP_View_D[2]=1\r\n[EDIT]\r\nEXP_View_E[2]=C:\\ツール\\表示.exe\r\n"
         "EXP_View_O[2]= -n \"x\" \r\nEXP_View_T[2]=txt\r\nEXP_View_N[2]=秀丸(&H)\r\n";
}

bool AllSwitchesOff(const ExplorerSettings& s) {
  return !s.submenu && !s.separatorsAround && !s.separatorAfterViewers && !s.viewers &&
         !s.fileList && !s.pathCopy && !s.commandPrompt && !s.explorer;
}

TEST(ExplorerSettings, ReadsEverySwitchAndSlot) {
  const ExplorerSettings s = ParseExplorerSettings(FullFile());
  EXPECT_TRUE(s.submenu && s.separatorsAround && s.separatorAfterViewers && s.viewers &&
              s.fileList && s.pathCopy && s.commandPrompt && s.explorer);
  const ExplorerViewer& viewer = s.slots[2];
  EXPECT_EQ(viewer.executable, "C:\\ツール\\表示.exe");
  EXPECT_EQ(viewer.options, " -n \"x\" ");  // as stored, blanks and quotes kept
  EXPECT_EQ(viewer.extension, "txt");
  EXPECT_EQ(viewer.name, "秀丸(&H)");
  EXPECT_TRUE(viewer.forFiles && viewer.forFolders);
  for (int slot : {0, 1, 3, 4}) {
    EXPECT_TRUE(s.slots[slot].executable.empty() && !s.slots[slot].forFiles) << slot;
  }
}

// A switch counts as on only when its stored value converts to exactly 1.
TEST(ExplorerSettings, SwitchIsOnOnlyForOne) {
  const struct {
    const char* stored;
    bool on;
  } cases[] = {{"1", true},   {" 1 ", true},  {"0x1", true}, {"$1", true},         {"01", true},
               {"0", false},  {"2", false},   {"-1", false}, {"yes", false},       {"", false},
               {"1a", false}, {"1.0", false}, {"0x", false}, {"4294967297", false}};
  for (const auto& c : cases) {
    const std::string file = std::string("[chk]\r\nchk_view=") + c.stored + "\r\n";
    EXPECT_EQ(ParseExplorerSettings(file).viewers, c.on) << "\"" << c.stored << "\"";
  }
}

TEST(ExplorerSettings, MissingDamagedOrHugeFilesGiveEverythingOff) {
  std::mt19937 random(5);
  std::string garbage(1 << 16, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  std::string huge = FullFile();
  huge.resize(kMostSettingsFileBytes + 1, ' ');
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"no file", ""},
      {"random bytes", garbage},
      {"keys outside any section", "CHK_VIEW=1\r\nCHK_LIST=1\r\n"},
      {"switches in another section", "[EDIT]\r\nCHK_VIEW=1\r\n"},
      {"larger than any settings file", huge},
  };
  for (const auto& c : cases) EXPECT_TRUE(AllSwitchesOff(ParseExplorerSettings(c.bytes))) << c.what;

  std::string atLimit = FullFile();
  atLimit.resize(kMostSettingsFileBytes, ' ');
  EXPECT_TRUE(ParseExplorerSettings(atLimit).explorer) << "a file just at the limit is read";
}

TEST(ExplorerSettings, HugeValuesComeBackWhole) {
  const std::string longPath = "C:\\" + std::string(100000, 'a') + ".exe";
  const ExplorerSettings s = ParseExplorerSettings("[EDIT]\r\nEXP_View_E[4]=" + longPath + "\r\n");
  EXPECT_EQ(s.slots[4].executable, longPath);
}

TEST(ExplorerSettings, CaptionIsTheNameOrTheExecutablesName) {
  const struct {
    const char* executable;
    const char* name;
    const char* caption;
  } cases[] = {
      {"C:\\Tools\\viewer.exe", "表示名", "表示名"},
      {"C:\\Tools\\viewer.exe", "", "viewer"},
      {"C:\\Tools\\my.viewer.exe", "", "my.viewer"},
      {"C:\\表\\ソ.exe", "", "ソ"},  // 表 ends in 0x5C, which is no backslash here
      {"viewer", "", "viewer"},
      {"C:\\Tools\\", "", "C:\\Tools\\"},
      {"C:\\Tools\\.exe", "", "C:\\Tools\\.exe"},
  };
  for (const auto& c : cases) {
    ExplorerViewer viewer;
    viewer.executable = c.executable;
    viewer.name = c.name;
    EXPECT_EQ(ViewerCaption(viewer), c.caption) << c.executable;
  }
}

}  // namespace
