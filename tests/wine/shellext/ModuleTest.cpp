// The DLL as COM and Explorer meet it: found through the registration the settings program
// writes, created through COM, counting its objects, and carrying its version.
#include "ComponentInstall.h"
#include "FileDropData.h"
#include "SettingsText.h"
#include "ShellExtFixture.h"

namespace shellext_test {
namespace {

TEST_F(ShellExtTest, RegisteredForFilesDirectoriesAndFolders) {
  CLSID expected{};
  ASSERT_HRESULT_SUCCEEDED(CLSIDFromString(kClassIdText, &expected));
  for (const wchar_t* fileClass : {L"*", L"Directory", L"Folder"}) {
    const std::optional<CLSID> registered = RegisteredHandler(fileClass);
    ASSERT_TRUE(registered.has_value()) << Printable(fileClass);
    EXPECT_TRUE(IsEqualCLSID(*registered, expected)) << Printable(fileClass);
  }
  ComPtr<IContextMenu> menu;
  ASSERT_HRESULT_SUCCEEDED(
      CoCreateInstance(expected, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&menu)));
  ComPtr<IShellExtInit> init;
  EXPECT_HRESULT_SUCCEEDED(menu.As(&init));
  ComPtr<IContextMenu2> menu2;
  EXPECT_EQ(menu.As(&menu2), E_NOINTERFACE) << "no owner-drawn entries, so no IContextMenu2";
}

// Every object counts: the DLL may be unloaded only when no handler, no class factory and no
// server lock is left, and a handler keeps no hold on Explorer's data object.
TEST_F(ShellExtTest, ReferencesAreCountedAndTheDllMayUnload) {
  using CanUnload = HRESULT(STDAPICALLTYPE*)();
  const auto canUnload = reinterpret_cast<CanUnload>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"TobrinShellEX.dll"), "DllCanUnloadNow")));
  ASSERT_NE(canUnload, nullptr);
  EXPECT_EQ(canUnload(), S_OK);

  WriteSettings(SettingsText("00011111", {{0, ViewerPath(), "", "", "記録", true, true}}));
  auto* data = new FileDropData({MemoFile(), Folder()});
  {
    ComPtr<IShellExtInit> init;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(*RegisteredHandler(L"*"), nullptr,
                                              CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&init)));
    ASSERT_HRESULT_SUCCEEDED(init->Initialize(nullptr, data, nullptr));
    ComPtr<IContextMenu> menu;
    ASSERT_HRESULT_SUCCEEDED(init.As(&menu));
    BuildMenu(menu);
    EXPECT_EQ(canUnload(), S_FALSE);
    init.Reset();
    EXPECT_EQ(canUnload(), S_FALSE) << "the menu interface still holds the handler";
    EXPECT_EQ(menu.Reset(), 0u);
  }
  EXPECT_EQ(canUnload(), S_OK);
  EXPECT_EQ(data->References(), 1u) << "the handler kept a reference to the data object";
  data->Release();

  ComPtr<IClassFactory> factory;
  ASSERT_HRESULT_SUCCEEDED(CoGetClassObject(*RegisteredHandler(L"*"), CLSCTX_INPROC_SERVER, nullptr,
                                            IID_PPV_ARGS(&factory)));
  EXPECT_EQ(canUnload(), S_FALSE);
  ASSERT_HRESULT_SUCCEEDED(factory->LockServer(TRUE));
  factory.Reset();
  EXPECT_EQ(canUnload(), S_FALSE) << "locked";
  ComPtr<IClassFactory> again;
  ASSERT_HRESULT_SUCCEEDED(CoGetClassObject(*RegisteredHandler(L"*"), CLSCTX_INPROC_SERVER, nullptr,
                                            IID_PPV_ARGS(&again)));
  ASSERT_HRESULT_SUCCEEDED(again->LockServer(FALSE));
  ComPtr<IUnknown> aggregated;
  EXPECT_EQ(again->CreateInstance(again.Get(), IID_IUnknown, &aggregated), CLASS_E_NOAGGREGATION);
  again.Reset();
  EXPECT_EQ(canUnload(), S_OK);
}

TEST_F(ShellExtTest, DllCarriesItsVersion) {
  const std::wstring dll = InstallFolder() + L"TobrinShellEX.dll";
  const DWORD size = GetFileVersionInfoSizeW(dll.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(dll.c_str(), 0, size, block.data()));
  const auto text = [&](const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    return VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)
               ? std::wstring(value)
               : std::wstring();
  };
  EXPECT_EQ(text(L"OriginalFilename"), L"TobrinShellEX.dll");
  EXPECT_EQ(text(L"ProductName"), L"トブリン＋");
  EXPECT_EQ(text(L"FileVersion"), L"1.0.0.0");
}

}  // namespace
}  // namespace shellext_test
