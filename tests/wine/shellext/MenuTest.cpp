// The entries the component adds to a menu for the settings beside it and the selection.
#include <random>

#include "ComponentInstall.h"
#include "FileDropData.h"
#include "SettingsText.h"
#include "ShellExtFixture.h"

namespace shellext_test {
namespace {

// Slot 0 any file, slot 1 ".htm" files and folders (captioned by its executable's name),
// slot 2 folders only.
std::vector<ViewerSlotText> ThreeViewers() {
  const std::string viewer = ShellExtTest::ViewerPath();
  return {{0, viewer, "-o", "", "記録", true, false},
          {1, viewer, "", "htm", "", true, true},
          {2, viewer, "", "", "フォルダ用", false, true}};
}

std::wstring LongFolder(const std::wstring& longFile) {
  return longFile.substr(0, longFile.rfind(L'\\'));
}

TEST_F(ShellExtTest, MenuFollowsSettingsAndSelection) {
  const std::string garbage = [] {
    std::mt19937 random(3);
    std::string bytes(1 << 16, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
  }();
  std::string huge = SettingsText("11111111", ThreeViewers());
  huge.resize(2 * 1024 * 1024, ' ');
  const struct {
    const char* what;
    std::optional<std::string> settings;  // nothing: no settings file
    std::vector<std::wstring> selection;
    std::wstring lines;
  } cases[] = {
      {"everything on, a file",
       SettingsText("11111111", ThreeViewers()),
       {MemoFile()},
       L"開く|-|トブリン＋[記録|-|ファイルリスト|パスコピー|コマンドプロンプト起動|"
       L"エクスプローラ起動]|-|プロパティ"},
      {"flat, a folder",
       SettingsText("01110011", ThreeViewers()),
       {Folder()},
       L"開く|-|表示ビューア|フォルダ用|-|コマンドプロンプト起動|エクスプローラ起動|-|プロパティ"},
      {"a .htm file",
       SettingsText("00011000", ThreeViewers()),
       {PageFile()},
       L"開く|記録|表示ビューア|ファイルリスト|プロパティ"},
      {"a folder beyond the classic path length",
       SettingsText("00010000", ThreeViewers()),
       {LongFolder(LongFile())},
       L"開く|表示ビューア|フォルダ用|プロパティ"},
      {"every switch off",
       SettingsText("00000000", ThreeViewers()),
       {MemoFile()},
       L"開く|プロパティ"},
      {"no settings file", std::nullopt, {MemoFile()}, L"開く|プロパティ"},
      {"random bytes as settings", garbage, {MemoFile()}, L"開く|プロパティ"},
      {"settings file too large to be one", huge, {MemoFile()}, L"開く|プロパティ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.settings) {
      WriteSettings(*c.settings);
    } else {
      RemoveSettings();
    }
    ComPtr<IContextMenu> handler = CreateHandler(c.selection);
    ASSERT_TRUE(handler);
    const BuiltMenu built = BuildMenu(handler);
    EXPECT_EQ(built.lines, c.lines) << Printable(built.lines);
    ASSERT_HRESULT_SUCCEEDED(built.result);
    EXPECT_EQ(HRESULT_CODE(built.result), static_cast<int>(built.ids.size()));
    for (std::size_t i = 0; i < built.ids.size(); ++i) EXPECT_EQ(built.ids[i], kFirstId + i);
  }
}

// The settings are read at every menu: a change applied in the settings program shows at the
// next right-click, even with the same handler.
TEST_F(ShellExtTest, ChangedSettingsShowAtTheNextMenu) {
  WriteSettings(SettingsText("00001000", {}));
  ComPtr<IContextMenu> handler = CreateHandler({MemoFile()});
  EXPECT_EQ(BuildMenu(handler).lines, L"開く|ファイルリスト|プロパティ");
  WriteSettings(SettingsText("00000100", {}));
  EXPECT_EQ(BuildMenu(handler).lines, L"開く|パスコピー|プロパティ");
  RemoveSettings();
  EXPECT_EQ(BuildMenu(handler).lines, L"開く|プロパティ");
}

TEST_F(ShellExtTest, NothingAddedForDefaultOnlyOrWithoutRoom) {
  WriteSettings(SettingsText("00001111", {}));
  ComPtr<IContextMenu> handler = CreateHandler({MemoFile()});
  const BuiltMenu defaultOnly = BuildMenu(handler, CMF_DEFAULTONLY);
  EXPECT_EQ(defaultOnly.lines, L"開く|プロパティ");
  EXPECT_EQ(HRESULT_CODE(defaultOnly.result), 0);
  const BuiltMenu cramped = BuildMenu(handler, CMF_NORMAL, kFirstId + 2);  // room for three
  EXPECT_EQ(cramped.lines, L"開く|プロパティ");
  EXPECT_EQ(HRESULT_CODE(cramped.result), 0);
  const BuiltMenu exact = BuildMenu(handler, CMF_NORMAL, kFirstId + 3);
  EXPECT_EQ(exact.ids.size(), 4u);
}

TEST_F(ShellExtTest, InitializeWithoutFileListFails) {
  ComPtr<IShellExtInit> init;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(*RegisteredHandler(L"*"), nullptr, CLSCTX_INPROC_SERVER,
                                            IID_PPV_ARGS(&init)));
  ComPtr<IDataObject> data;
  data.Attach(new FileDropData({MemoFile()}, false));
  EXPECT_HRESULT_FAILED(init->Initialize(nullptr, data.Get(), nullptr));
  EXPECT_HRESULT_FAILED(init->Initialize(nullptr, nullptr, nullptr));
}

}  // namespace
}  // namespace shellext_test
