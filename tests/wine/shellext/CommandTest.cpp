// Each command of the component carried out: the viewer stand-in's command line, the
// clipboard text, the start requests for the command prompt and Explorer; the commands named
// by offset and by verb, and their verbs and help texts.
#include "SettingsText.h"
#include "ShellExtFixture.h"
#include "driver/Files.h"

namespace shellext_test {
namespace {

// Every command, flat: the viewer (offset 0, options "-o"), file list, path copy, command
// prompt, Explorer (offsets 1 to 4).
std::string EveryCommand() {
  return SettingsText("00011111", {{0, ShellExtTest::ViewerPath(), "-o", "", "記録", true, true}});
}

constexpr UINT kViewer = 0, kFileList = 1, kPathCopy = 2, kCommandPrompt = 3, kExplorer = 4;

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

class Commands : public ShellExtTest {
 protected:
  ComPtr<IContextMenu> MenuFor(const std::vector<std::wstring>& items) {
    WriteSettings(EveryCommand());
    ComPtr<IContextMenu> handler = CreateHandler(items);
    EXPECT_EQ(BuildMenu(handler).ids.size(), 5u);
    PutOnClipboard(L"before");
    return handler;
  }
};

TEST_F(Commands, ViewerStartsOncePerItemWithItsOptions) {
  const std::vector<std::wstring> items = {MemoFile(), ForeignFile()};
  ComPtr<IContextMenu> handler = MenuFor(items);
  ASSERT_HRESULT_SUCCEEDED(InvokeOffset(handler, kViewer));

  const std::vector<ShellStart> starts = Starts();
  ASSERT_EQ(starts.size(), 2u);
  for (std::size_t i = 0; i < starts.size(); ++i) {
    EXPECT_EQ(starts[i].verb, L"open");
    EXPECT_EQ(starts[i].file, e2e::Widen(ViewerPath()));
    EXPECT_EQ(starts[i].parameters, L" -o " + Quoted(items[i])) << Printable(starts[i].parameters);
    EXPECT_EQ(starts[i].owner, Owner());
    EXPECT_NE(starts[i].mask & SEE_MASK_FLAG_NO_UI, 0u) << "the component shows its own message";
  }
  // The stand-in found each item by the path it was given: the name outside code page 932
  // arrived whole, though the record shows the command line in code page 932.
  // The two viewers run at once, so their records come in either order.
  const std::vector<e2e::Record> records = ViewerRecords(2);
  ASSERT_EQ(records.size(), 2u);
  const std::string memoArguments = " -o " + e2e::Quoted(e2e::Narrow(MemoFile()));
  EXPECT_TRUE(e2e::ArgumentsOf(records[0].commandLine) == memoArguments ||
              e2e::ArgumentsOf(records[1].commandLine) == memoArguments)
      << records[0].commandLine << "\n"
      << records[1].commandLine;
  for (const e2e::Record& record : records) {
    EXPECT_EQ(record.file, ItemContent()) << record.commandLine;
  }
}

TEST_F(Commands, FileListAndPathCopyPutUnicodeTextOnTheClipboard) {
  const std::vector<std::wstring> items = {MemoFile(), ForeignFile(), Folder(), LongFile()};
  const std::wstring foreignName = ForeignFile().substr(ForeignFile().rfind(L'\\') + 1);
  const std::wstring longName = LongFile().substr(LongFile().rfind(L'\\') + 1);
  ComPtr<IContextMenu> handler = MenuFor(items);

  ASSERT_HRESULT_SUCCEEDED(InvokeOffset(handler, kFileList));
  EXPECT_EQ(ClipboardText(), L"メモ.txt\r\n" + foreignName + L"\r\nデータ\r\n" + longName);

  ASSERT_HRESULT_SUCCEEDED(InvokeOffset(handler, kPathCopy));
  EXPECT_EQ(ClipboardText(),
            MemoFile() + L"\r\n" + ForeignFile() + L"\r\n" + Folder() + L"\r\n" + LongFile());
  EXPECT_TRUE(Starts().empty());
}

TEST_F(Commands, CommandPromptAndExplorerStartInTheSelectionsFolder) {
  const struct {
    const char* what;
    std::vector<std::wstring> items;
    UINT command;
    ShellStart start;
  } cases[] = {
      {"prompt for a file",
       {MemoFile(), Folder()},
       kCommandPrompt,
       {L"open", SystemCommandPrompt(), L"", Folder()}},
      {"prompt for a folder",
       {Folder()},
       kCommandPrompt,
       {L"open", SystemCommandPrompt(), L"", Folder()}},
      {"Explorer selects the file",
       {ForeignFile()},
       kExplorer,
       {L"open", SystemExplorer(), L"/select," + Quoted(ForeignFile()), Folder()}},
      {"Explorer opens the folder",
       {Folder(), MemoFile()},
       kExplorer,
       {L"open", SystemExplorer(), Quoted(Folder()), Folder()}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ComPtr<IContextMenu> handler = MenuFor(c.items);
    const std::size_t before = Starts().size();
    ASSERT_HRESULT_SUCCEEDED(InvokeOffset(handler, c.command));
    const std::vector<ShellStart> starts = Starts();
    ASSERT_EQ(starts.size(), before + 1);
    const ShellStart& start = starts.back();
    EXPECT_EQ(start.verb, c.start.verb);
    EXPECT_EQ(start.file, c.start.file) << Printable(start.file);
    EXPECT_EQ(start.parameters, c.start.parameters) << Printable(start.parameters);
    EXPECT_EQ(start.directory, c.start.directory) << Printable(start.directory);
    EXPECT_EQ(start.show, SW_SHOWNORMAL);
  }
}

TEST_F(Commands, VerbsNameTheCommandsInAnyLetterCase) {
  ComPtr<IContextMenu> handler = MenuFor({MemoFile()});
  ASSERT_HRESULT_SUCCEEDED(InvokeAnsiVerb(handler, "TobrinPathCopy"));
  EXPECT_EQ(ClipboardText(), MemoFile());
  ASSERT_HRESULT_SUCCEEDED(InvokeWideVerb(handler, L"tobrinfilelist"));
  EXPECT_EQ(ClipboardText(), L"メモ.txt");
  ASSERT_HRESULT_SUCCEEDED(InvokeAnsiVerb(handler, "TOBRINEXPLORER"));
  EXPECT_EQ(Starts().size(), 1u);

  PutOnClipboard(L"before");
  EXPECT_HRESULT_FAILED(InvokeAnsiVerb(handler, "open"));
  EXPECT_HRESULT_FAILED(InvokeWideVerb(handler, L"TobrinViewer2")) << "slot 2 is not offered";
  EXPECT_HRESULT_FAILED(InvokeOffset(handler, 5));
  EXPECT_EQ(ClipboardText(), L"before");
  EXPECT_EQ(Starts().size(), 1u);
}

TEST_F(Commands, VerbsAndHelpTextsForEveryEntry) {
  ComPtr<IContextMenu> handler = MenuFor({MemoFile()});
  const struct {
    const char* verb;
    std::wstring help;
  } expected[] = {
      {"TobrinViewer1", L"選択した項目を「記録」で開きます"},
      {"TobrinFileList", L"選択した項目の名前をクリップボードにコピーします"},
      {"TobrinPathCopy", L"選択した項目のフルパスをクリップボードにコピーします"},
      {"TobrinCommandPrompt", L"このフォルダでコマンドプロンプトを起動します"},
      {"TobrinExplorer", L"このフォルダを新しいエクスプローラで開きます"},
  };
  for (UINT offset = 0; offset < std::size(expected); ++offset) {
    SCOPED_TRACE(expected[offset].verb);
    char ansi[128] = {};
    wchar_t wide[128] = {};
    EXPECT_EQ(handler->GetCommandString(offset, GCS_VALIDATEW, nullptr, nullptr, 0), S_OK);
    ASSERT_HRESULT_SUCCEEDED(handler->GetCommandString(offset, GCS_VERBA, nullptr, ansi, 128));
    EXPECT_STREQ(ansi, expected[offset].verb);
    ASSERT_HRESULT_SUCCEEDED(
        handler->GetCommandString(offset, GCS_VERBW, nullptr, reinterpret_cast<char*>(wide), 128));
    EXPECT_EQ(e2e::Narrow(wide), expected[offset].verb);
    ASSERT_HRESULT_SUCCEEDED(handler->GetCommandString(offset, GCS_HELPTEXTW, nullptr,
                                                       reinterpret_cast<char*>(wide), 128));
    EXPECT_EQ(std::wstring(wide), expected[offset].help) << Printable(wide);
    // The ANSI help text is in the system's code page, 932 under the Japanese locale.
    ASSERT_HRESULT_SUCCEEDED(handler->GetCommandString(offset, GCS_HELPTEXTA, nullptr, ansi, 128));
    EXPECT_EQ(std::string(ansi), e2e::Narrow(expected[offset].help));
  }
  char small[5] = {};
  ASSERT_HRESULT_SUCCEEDED(handler->GetCommandString(1, GCS_VERBA, nullptr, small, 5));
  EXPECT_STREQ(small, "Tobr") << "cut to the caller's buffer";
  EXPECT_EQ(handler->GetCommandString(5, GCS_VALIDATEA, nullptr, nullptr, 0), S_FALSE);
  EXPECT_HRESULT_FAILED(handler->GetCommandString(5, GCS_VERBA, nullptr, small, 5));
}

}  // namespace
}  // namespace shellext_test
