#pragma once
// Every text the settings program shows or uses as a name, apart from the control captions,
// which stand with their controls. Literals compile to Shift_JIS, the form in which the
// program handles all text.
#include <string>
#include <string_view>
#include <vector>

namespace settings_text {

// Messages of the main window's sequences and of the pages.
inline constexpr std::string_view kApplied = "設定しました";
inline constexpr std::string_view kReloaded = "読込ました";
inline constexpr std::string_view kFileMissing = "ファイルが存在しません";

// The items of a site's target and encoding lists, in the order of the positions stored for
// them; the site list editor's grid shows a site's target and encoding in these words.
inline const std::vector<std::string> kSiteTargetItems{"通常", "選択範囲"};
inline const std::vector<std::string> kSiteEncodingItems{"なし", "EUC-JP", "UTF-8"};

// Messages of the site list editor.
inline constexpr std::string_view kSiteListLoaded = "メニューリストを読込ました";
inline constexpr std::string_view kSiteListSaved = "メニューリストを保存しました";
// Follows a file's path: "<path> を読み込めません".
inline constexpr std::string_view kCannotRead = " を読み込めません";

// Messages of the registration steps.
inline constexpr std::string_view kViewSourceFailed = "IEのメニュー登録に失敗しました";
inline constexpr std::string_view kMenuDeleteFailed = "IE拡張メニューの削除に失敗しました";
inline constexpr std::string_view kMenuWriteFailed = "IE拡張メニューの登録に失敗しました";
inline constexpr std::string_view kDllRegisterFailed = "DLLの登録に失敗しました";
inline constexpr std::string_view kDllUnregisterFailed = "DLLの解除に失敗しました";

// Files in the program folder that the settings program names, and the hand-off file in the
// temporary folder that the context-menu script writes.
inline constexpr std::string_view kLauncherFileName = "Tobrin.exe";
inline constexpr std::string_view kScriptFileName = "Tobrin_Menu.html";
inline constexpr std::string_view kShellExtensionFileName = "TobrinShellEX.dll";
inline constexpr std::string_view kHandOffFileName = "Tobrin_Menu.tmp";
inline constexpr std::string_view kSiteListFileName = "MenuList.csv";

// Sections of the settings file: switches and list indexes, texts and list positions, and the
// main window's position under the key prefix "Form".
inline constexpr const char* kCheckSection = "CHK";
inline constexpr const char* kEditSection = "EDIT";
inline constexpr const char* kFormSection = "FORM";
inline constexpr const char* kFormPositionPrefix = "Form";

}  // namespace settings_text
