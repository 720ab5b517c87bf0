#include "shared/TIniGT.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/memory/MemoryFileSystem.h"
#include "shared/TbError.h"

namespace {

using platform::memory::MemoryFileSystem;

const std::string kFolder = "C:\\Program Files\\トブリン＋\\";

class TIniGTTest : public testing::Test {
 protected:
  TIniGTTest() { files.AddFolder(kFolder); }

  MemoryFileSystem files;
  TIniGT settingsProgram{files, kFolder, SettingsFileNameForProgram("TobrinPlus.exe")};
  TIniGT launcher{files, kFolder, "TobrinPlus.ini"};
};

TEST_F(TIniGTTest, MissingFileGivesDefaults) {
  EXPECT_EQ(launcher.ReadString("EDIT", "IE_View_E[0]", "none"), "none");
  EXPECT_EQ(launcher.ReadInteger("CHK", "Chk_IE", 7), 7);
  FormPosition window{10, 20};
  launcher.ReadFormPosition("FORM", "Form", window);
  EXPECT_EQ(window.Left, 10);
  EXPECT_EQ(window.Top, 20);
  EXPECT_FALSE(files.Exists(kFolder + "TobrinPlus.ini"));
}

// The settings program writes to the name it derives, the launcher reads its own spelling
// of the name and of the keys: both reach the same file and entries.
TEST_F(TIniGTTest, FirstWriteCreatesTheFileTheLauncherReads) {
  settingsProgram.WriteInteger("CHK", "CHK_IE", 2);
  settingsProgram.WriteString("EDIT", "IE_View_E[2]", "C:\\表\\viewer.exe");
  settingsProgram.WriteInteger("CHK", "CHK_IE_Set_S[4]", 1);
  EXPECT_EQ(files.Read(kFolder + "Tobrinplus.ini"),
            "[CHK]\r\nCHK_IE=2\r\nCHK_IE_Set_S[4]=1\r\n[EDIT]\r\nIE_View_E[2]=C:\\表\\viewer.exe\r\n");
  EXPECT_EQ(launcher.ReadInteger("CHK", "Chk_IE", 0), 2);
  EXPECT_TRUE(IsSwitchOn(launcher.ReadInteger("CHK", "Chk_IE_Set_S[4]", 0)));
  EXPECT_EQ(launcher.ReadString("EDIT", "IE_View_E[2]", ""), "C:\\表\\viewer.exe");
}

// No length limit: a value longer than the old 2047-byte read buffer comes back whole.
TEST_F(TIniGTTest, TextValuesReadBackUnchanged) {
  const std::string values[] = {"\"quoted\"", " a<DELIMITER>b ", "", "検索 ソ\\",
                                std::string(5000, 'x') + "表"};
  for (const std::string& value : values) {
    settingsProgram.WriteString("EDIT", "IE_Set_N[0]", value);
    EXPECT_EQ(launcher.ReadString("EDIT", "IE_Set_N[0]", "default"), value);
  }
}

struct IntegerCase {
  std::string stored;
  int value;  // with the default 99
};

TEST_F(TIniGTTest, IntegersAndSwitches) {
  const IntegerCase cases[] = {
      {"1", 1},           {"0", 0},         {"-1", -1},        {"220", 220},
      {"+3", 3},          {"2", 2},         {"0x10", 16},      {"0X1f", 31},
      {"$10", 16},        {"$FFFFFFFF", -1}, {"-$10", -16},    {" 1 ", 1},
      {"2147483647", 2147483647},           {"-2147483648", -2147483647 - 1},
      {"2147483648", 99}, {"$100000000", 99}, {"", 99},       {"word", 99},
      {"0x", 99},         {"$", 99},        {"-", 99},         {"1.5", 99},
      {"1a", 99},         {"0x1g", 99},     {"１", 99},
  };
  for (const auto& c : cases) {
    files.AddFile(kFolder + "TobrinPlus.ini", "[CHK]\r\nCHK_IE=" + c.stored + "\r\n");
    const int value = launcher.ReadInteger("CHK", "Chk_IE", 99);
    EXPECT_EQ(value, c.value) << c.stored;
    // A switch is on only for exactly 1: 2, words and missing values are off.
    EXPECT_EQ(IsSwitchOn(launcher.ReadInteger("CHK", "Chk_IE", 0)), c.value == 1) << c.stored;
  }
}

TEST_F(TIniGTTest, FormPositionIsWrittenInOneStepAndReadBack) {
  settingsProgram.WriteInteger("CHK", "CHK_IE", 0);
  const int writesBefore = files.WriteCount();
  settingsProgram.WriteFormPosition("FORM", "Form", FormPosition{-5, 220});
  EXPECT_EQ(files.WriteCount(), writesBefore + 1);
  EXPECT_EQ(files.Read(kFolder + "TobrinPlus.ini"),
            "[CHK]\r\nCHK_IE=0\r\n[FORM]\r\nForm.X=-5\r\nForm.Y=220\r\n");
  FormPosition window{1, 2};
  settingsProgram.ReadFormPosition("FORM", "Form", window);
  EXPECT_EQ(window.Left, -5);
  EXPECT_EQ(window.Top, 220);
}

// Several entries of several sections in one replacement: the same bytes as writing them one
// by one, and none of them when the write is refused.
TEST_F(TIniGTTest, EntriesAreWrittenTogetherOrNotAtAll) {
  const std::vector<IniEntry> entries{{"CHK", "CHK_IE", "1"},
                                      {"EDIT", "IE_View_E[0]", "C:\\表\\v.exe"},
                                      {"chk", "CHK_IE_Set_S[0]", "0"},
                                      {"CHK", "Chk_IE", "2"}};
  const std::string start = "; note\r\n[EDIT]\r\nIE_Set_U[0]=x\r\n";
  const std::string path = kFolder + "TobrinPlus.ini";
  MemoryFileSystem oneByOneFiles;
  oneByOneFiles.AddFile(path, start);
  TIniGT oneByOne(oneByOneFiles, kFolder, "TobrinPlus.ini");
  for (const IniEntry& entry : entries) oneByOne.WriteString(entry.section, entry.key, entry.value);

  files.AddFile(path, start);
  const int writesBefore = files.WriteCount();
  launcher.WriteEntries(entries);
  EXPECT_EQ(files.WriteCount(), writesBefore + 1);
  EXPECT_EQ(files.Read(path), oneByOneFiles.Read(path));

  files.AddFile(path, start);
  files.RefuseWrites(path);
  EXPECT_THROW(launcher.WriteEntries(entries), TbError);
  EXPECT_EQ(files.Read(path), start);
}

TEST_F(TIniGTTest, RefusedWriteRaisesAndKeepsTheFile) {
  files.AddFile(kFolder + "Tobrinplus.ini", "[CHK]\r\nCHK_IE=1\r\n");
  files.RefuseWrites(kFolder + "Tobrinplus.ini");
  try {
    settingsProgram.WriteInteger("CHK", "CHK_IE", 2);
    FAIL() << "no error raised";
  } catch (const TbError& error) {
    EXPECT_EQ(std::string(error.what()), kFolder + "Tobrinplus.ini に書き込めません");
  }
  EXPECT_EQ(files.Read(kFolder + "Tobrinplus.ini"), "[CHK]\r\nCHK_IE=1\r\n");
}

// A file that exists but cannot be read (held open by another program) must not be replaced
// by a file holding only the one entry being written.
TEST(TIniGT, UnreadableFileIsNotOverwritten) {
  class UnreadableFiles : public MemoryFileSystem {
   public:
    std::optional<std::string> ReadWholeFile(const std::string&) const override { return {}; }
  } files;
  files.AddFile("C:\\p\\a.ini", "[CHK]\r\nCHK_IE=1\r\nCHK_SUB=1\r\n");
  TIniGT ini(files, "C:\\p\\", "a.ini");
  EXPECT_THROW(ini.WriteInteger("CHK", "CHK_IE", 0), TbError);
  EXPECT_EQ(files.Read("C:\\p\\a.ini"), "[CHK]\r\nCHK_IE=1\r\nCHK_SUB=1\r\n");
}

TEST(TIniGT, FileNameWithAFolderIsUsedAsItIs) {
  MemoryFileSystem files;
  EXPECT_EQ(TIniGT(files, "C:\\p\\", "x.ini").FilePath(), "C:\\p\\x.ini");
  EXPECT_EQ(TIniGT(files, "C:\\p\\", "D:\\q\\x.ini").FilePath(), "D:\\q\\x.ini");
  EXPECT_EQ(TIniGT(files, "C:\\p\\", "\\\\srv\\s\\x.ini").FilePath(), "\\\\srv\\s\\x.ini");
  // The second byte of 表 is no folder separator.
  EXPECT_EQ(TIniGT(files, "C:\\p\\", "表.ini").FilePath(), "C:\\p\\表.ini");
}

TEST(TIniGT, SettingsFileNameForProgram) {
  const std::pair<std::string, std::string> cases[] = {
      {"TobrinPlus.exe", "Tobrinplus.ini"},
      {"TOBRIN.EXE", "Tobrin.ini"},
      {"C:\\Prog\\Tobrin.Plus.exe", "Tobrin.plus.ini"},
      {"noextension", "Noextension.ini"},
      {"表.exe", "表.ini"},
      // ア is 0x83 0x41: its second byte is no letter to turn to lower case.
      {"アB.EXE", "アb.ini"},
  };
  for (const auto& [executable, expected] : cases) {
    EXPECT_EQ(SettingsFileNameForProgram(executable), expected) << executable;
  }
}

}  // namespace
