// Input the component must survive inside Explorer: a viewer that cannot be started, and a
// selection of thousands of items with names outside code page 932.
#include "SettingsText.h"
#include "ShellExtFixture.h"
#include "driver/Files.h"

namespace shellext_test {
namespace {

TEST_F(ShellExtTest, FailingViewerStartShowsOneMessage) {
  const std::string missing = "C:\\どこにもない\\viewer.exe";
  WriteSettings(SettingsText("00010000", {{0, missing, "", "", "無い", true, false}}));
  ComPtr<IContextMenu> handler = CreateHandler({MemoFile(), PageFile()});
  ASSERT_EQ(BuildMenu(handler).lines, L"開く|無い|プロパティ") << "offered without a look at it";

  HRESULT result = S_OK;
  const auto boxes = AnsweringMessageBoxes([&] { result = InvokeOffset(handler, 0); });
  EXPECT_HRESULT_FAILED(result);
  ASSERT_EQ(boxes.size(), 1u) << "the first failure stops the starts of the other items";
  EXPECT_EQ(boxes[0].caption, "トブリン＋");
  EXPECT_EQ(boxes[0].text, missing + " を起動できません");
  EXPECT_EQ(boxes[0].icon, e2e::IconKind::Error);
  EXPECT_EQ(boxes[0].owner, Owner());
  EXPECT_EQ(boxes[0].buttons, L"OK");
  EXPECT_EQ(Starts().size(), 1u);

  // The caller may ask for no user interface: the failure is only reported.
  const auto silent =
      AnsweringMessageBoxes([&] { result = InvokeOffset(handler, 0, CMIC_MASK_FLAG_NO_UI); });
  EXPECT_HRESULT_FAILED(result);
  EXPECT_TRUE(silent.empty());
}

TEST_F(ShellExtTest, ThousandsOfItems) {
  std::vector<std::wstring> items;
  std::wstring expected;
  for (int i = 0; i < 3000; ++i) {
    items.push_back(Folder() + L"\\ファイル" + std::to_wstring(i) + L"-\x00E9\xD83D\xDE00.txt");
    expected += (i > 0 ? L"\r\n" : L"") + items.back();
  }
  WriteSettings(SettingsText("00011111", {{0, ViewerPath(), "", "", "記録", true, true}}));
  const ULONGLONG begin = GetTickCount64();
  ComPtr<IContextMenu> handler = CreateHandler(items);
  const BuiltMenu built = BuildMenu(handler);
  const ULONGLONG took = GetTickCount64() - begin;
  EXPECT_EQ(built.lines,
            L"開く|ファイルリスト|パスコピー|コマンドプロンプト起動|エクスプローラ起動|プロパティ")
      << "no viewer entry: it would start a program per item";
  EXPECT_LT(took, 2000u) << "milliseconds; Explorer waits for the menu";

  PutOnClipboard(L"before");
  ASSERT_HRESULT_SUCCEEDED(InvokeOffset(handler, 1));
  EXPECT_EQ(ClipboardText(), expected);
  EXPECT_HRESULT_FAILED(InvokeAnsiVerb(handler, "TobrinViewer1"));
  EXPECT_TRUE(Starts().empty());
}

}  // namespace
}  // namespace shellext_test
