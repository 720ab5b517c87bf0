#pragma once
// Every text the launcher shows or uses as a name, in one place. Literals compile to
// Shift_JIS, the form in which the launcher handles all text.
#include <array>
#include <string_view>

namespace launcher_text {

inline constexpr std::string_view kSettingsFileMissing = "設定ファイルが存在しません";
inline constexpr std::string_view kViewerNotFound = "ファイルが見つかりません";
inline constexpr std::string_view kPageNotFound = "ページが見つかりません";
inline constexpr std::string_view kHandOffFileMissing = "テンポラリファイルが存在しません";
inline constexpr std::string_view kHandOffFieldsBad = "パラメータが不正です";
inline constexpr std::string_view kMenuEmpty = "メニューが登録されていません";

// File names: the hand-off file in the temporary folder; every file the launcher writes into
// the temporary folder starts with the prefix.
inline constexpr std::string_view kHandOffFileName = "Tobrin_Menu.tmp";
inline constexpr std::string_view kTempFilePrefix = "~";

// The separator between the fields of the hand-off file.
inline constexpr std::string_view kHandOffDelimiter = "<DELIMITER>";

// The verb the shell is asked to perform on viewers and site addresses.
inline constexpr std::string_view kOpenVerb = "Open";

// Captions of the popup menu's fixed entries.
inline constexpr std::string_view kShowSelectionSource = "選択範囲のソース表示";
inline constexpr std::string_view kShowSelectionText = "選択範囲のテキスト表示";
inline constexpr std::string_view kSeparator = "-";
inline constexpr std::string_view kClose = "閉じる";

}  // namespace launcher_text
