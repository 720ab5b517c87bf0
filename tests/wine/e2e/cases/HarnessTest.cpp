// The driver's own instruments, checked against the stand-ins before they are trusted to
// judge Tobrin: the recorder keeps exact bytes, the URL scheme reaches the recorder, and the
// job waits for grandchildren.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "driver/ChildProcess.h"
#include "driver/Files.h"
#include "driver/Records.h"
#include "driver/TestRegistry.h"

namespace e2e {
namespace {

class Harness : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeFolders(folder_);
    RemoveFile(record_);
    SetEnvironmentVariableW(L"TOBRIN_E2E_VIEWER_RECORD", record_.c_str());
    SetEnvironmentVariableW(L"TOBRIN_E2E_URL_RECORD", record_.c_str());
  }
  std::vector<Record> Records() const {
    const auto bytes = ReadBytes(record_);
    return bytes ? ParseRecords(*bytes) : std::vector<Record>{};
  }
  const std::wstring folder_ = DriverFolder() + L"harness\\";
  const std::wstring record_ = folder_ + L"record.bin";
};

TEST_F(Harness, RecorderKeepsCommandLineAndFileBytes) {
  const std::wstring file = folder_ + L"表示ソース.txt";
  const std::string content("<p>\x95\x5c\r\n\0binary\xff", 17);
  WriteBytes(file, content);
  const std::wstring viewer = DriverFolder() + L"e2e_viewer.exe";
  ChildProcess run(viewer, L"  -opt  \"" + file + L"\"");
  ASSERT_TRUE(run.Started());
  ASSERT_TRUE(run.WaitForExit(20000));
  EXPECT_EQ(run.ExitCode(), 0u);

  const auto records = Records();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, Narrow(L"\"" + viewer + L"\"  -opt  \"" + file + L"\""));
  EXPECT_EQ(ArgumentsOf(records[0].commandLine), Narrow(L" -opt  \"" + file + L"\""));
  ASSERT_TRUE(records[0].file.has_value());
  EXPECT_EQ(*records[0].file, content);
}

TEST_F(Harness, RecorderNotesAMissingFile) {
  ChildProcess run(DriverFolder() + L"e2e_viewer.exe", std::vector<std::wstring>{folder_ + L"absent.txt"});
  ASSERT_TRUE(run.WaitForExit(20000));
  const auto records = Records();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_FALSE(records[0].file.has_value());
}

TEST(RecordParsing, DamagedTailIsReportedNotDropped) {
  const std::string whole = std::string("REC1\x03\0\0\0abc\xff\xff\xff\xff", 15);
  ASSERT_EQ(ParseRecords(whole).size(), 1u);
  const auto damaged = ParseRecords(whole + "REC1\x10");
  ASSERT_EQ(damaged.size(), 2u);
  EXPECT_EQ(damaged[1].commandLine, "<damaged record>");
  EXPECT_TRUE(ParseRecords("").empty());
}

// The shell hands the handler of a URL scheme the address as it was asked to open it, in
// the quotes of the registered command, raw spaces and line breaks included. The launcher's
// site tests rely on this delivery to see the exact address that the launcher opened.
TEST_F(Harness, ShellDeliversSchemeAddressToRecorder) {
  ScopedUrlScheme scheme(L"tobrine2e", DriverFolder() + L"e2e_url_recorder.exe");
  const wchar_t* addresses[] = {L"tobrine2e:plain?q=http%3A//example.com/", L"tobrine2e:with raw spaces",
                                L"tobrine2e:日本語テキスト", L"tobrine2e:two\r\nlines\r\n"};
  for (const wchar_t* address : addresses) {
    RemoveFile(record_);
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", address, nullptr, nullptr, SW_SHOW));
    PumpMessagesFor(0);
    EXPECT_GT(result, 32) << Narrow(address);
    std::vector<Record> records;
    for (int i = 0; i < 200 && records.empty(); ++i) {
      PumpMessagesFor(50);
      records = Records();
    }
    ASSERT_EQ(records.size(), 1u) << Narrow(address);
    EXPECT_EQ(ArgumentsOf(records[0].commandLine), Quoted(Narrow(address)));
  }
}

}  // namespace
}  // namespace e2e
