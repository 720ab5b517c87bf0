#pragma once
// The common ground of the component's tests under Wine: TobrinShellEX.dll installed in a
// folder whose name code page 932 cannot hold and registered as the settings program
// registers it, a COM apartment, items to select (Japanese names, a name outside code page
// 932, a path beyond the classic length limit), the viewer stand-in, and a record of every
// shell start the component asks for. Starts of the command prompt and Explorer are recorded
// and not carried out; every other start goes on to the shell.
#include <windows.h>
// shellapi.h gives the SEE_MASK_ flags that the CMIC_MASK_ flags of shlobj.h are made of.
#include <shellapi.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "driver/Desktop.h"
#include "driver/Records.h"

namespace shellext_test {

using Microsoft::WRL::ComPtr;

// One request the component handed to ShellExecuteExW.
struct ShellStart {
  std::wstring verb;
  std::wstring file;
  std::wstring parameters;  // empty for none
  std::wstring directory;   // empty for none
  int show = 0;
  ULONG mask = 0;
  HWND owner = nullptr;
};

// What QueryContextMenu made of a menu that held two entries of Explorer's own.
struct BuiltMenu {
  HRESULT result = E_FAIL;
  std::wstring lines;     // "|" between lines, "-" a separator, "caption[...]" a submenu
  std::vector<UINT> ids;  // identifiers of our commands, in menu order
};

// The first identifier the tests give the component, and the entries around its place.
constexpr UINT kFirstId = 100;
constexpr UINT kLastId = 0x7FFF;

class ShellExtTest : public ::testing::Test {
 public:
  static std::wstring InstallFolder();
  static std::wstring ItemsFolder();  // holds the selectable items
  static std::string ViewerPath();    // the viewer stand-in, Shift_JIS as the settings name it

  // Items to select, all existing: two files with Japanese names, a file whose name code page
  // 932 cannot hold, a folder, and a file whose path is longer than MAX_PATH.
  static std::wstring MemoFile();
  static std::wstring PageFile();
  static std::wstring ForeignFile();
  static std::wstring Folder();
  static std::wstring LongFile();
  static const std::string& ItemContent();  // every item file holds these bytes

  static HWND Owner();
  static std::wstring SystemCommandPrompt();
  static std::wstring SystemExplorer();

 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  void WriteSettings(const std::string& bytes);
  void RemoveSettings();

  // A handler made by COM from the class registered for `*`, initialised with the items.
  ComPtr<IContextMenu> CreateHandler(const std::vector<std::wstring>& items);

  // Builds the menu at position 1 of a menu holding "開く" and "プロパティ".
  BuiltMenu BuildMenu(const ComPtr<IContextMenu>& handler, UINT flags = CMF_NORMAL,
                      UINT lastId = kLastId);

  // Invokes a command by its offset, by an ANSI verb or by a Unicode verb, owned by the
  // driver's window.
  HRESULT InvokeOffset(const ComPtr<IContextMenu>& handler, UINT offset, DWORD mask = 0);
  HRESULT InvokeAnsiVerb(const ComPtr<IContextMenu>& handler, const char* verb);
  HRESULT InvokeWideVerb(const ComPtr<IContextMenu>& handler, const wchar_t* verb);

  // Runs the call while a second thread answers every message box our process shows; the
  // boxes seen, in order.
  std::vector<e2e::MessageBoxSeen> AnsweringMessageBoxes(const std::function<void()>& call);

  // Shell starts since the test began.
  static std::vector<ShellStart> Starts();
  // The viewer stand-in's records, once `count` of them have arrived (or the wait is over).
  std::vector<e2e::Record> ViewerRecords(std::size_t count);

  static std::optional<std::wstring> ClipboardText();
  static void PutOnClipboard(const std::wstring& text);
};

// Code page 932 bytes of wide text, for failure messages.
std::string Printable(const std::wstring& text);

}  // namespace shellext_test
