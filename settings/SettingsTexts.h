#pragma once
// Every text the settings program shows or uses as a name, apart from the control captions,
// which stand with their controls. Literals compile to Shift_JIS, the form in which the
// program handles all text.
#include <string_view>

namespace settings_text {

// Messages of the main window's sequences and of the pages.
inline constexpr std::string_view kApplied = "設定しました";
inline constexpr std::string_view kReloaded = "読込ました";
inline constexpr std::string_view kFileMissing = "ファイルが存在しません";

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

// Sections of the settings file: switches and list indexes, texts and list positions, and the
// main window's position under the key prefix "Form".
inline constexpr const char* kCheckSection = "CHK";
inline constexpr const char* kEditSection = "EDIT";
inline constexpr const char* kFormSection = "FORM";
inline constexpr const char* kFormPositionPrefix = "Form";

}  // namespace settings_text
