#pragma once
// Every text of its own that the Explorer context-menu component shows or uses as a name; the
// title (the submenu's caption and every message box's) and the settings file's name are the
// product's (shared/ProductTexts.h).
// Literals compile to Shift_JIS, the form in which the system keeps its texts; they become
// UTF-16 for Windows through code page 932.
#include <string_view>

namespace shellext_text {

// Captions of the commands; a viewer's caption is its display name.
inline constexpr std::string_view kFileList = "ファイルリスト";
inline constexpr std::string_view kPathCopy = "パスコピー";
inline constexpr std::string_view kCommandPrompt = "コマンドプロンプト起動";
inline constexpr std::string_view kExplorer = "エクスプローラ起動";

// Help texts; a viewer's help text is the lead, its display name and the tail.
inline constexpr std::string_view kViewerHelpLead = "選択した項目を「";
inline constexpr std::string_view kViewerHelpTail = "」で開きます";
inline constexpr std::string_view kFileListHelp =
    "選択した項目の名前をクリップボードにコピーします";
inline constexpr std::string_view kPathCopyHelp =
    "選択した項目のフルパスをクリップボードにコピーします";
inline constexpr std::string_view kCommandPromptHelp =
    "このフォルダでコマンドプロンプトを起動します";
inline constexpr std::string_view kExplorerHelp = "このフォルダを新しいエクスプローラで開きます";

// Language-independent verbs; a viewer's verb is the prefix and its slot number from 1.
inline constexpr std::string_view kViewerVerbPrefix = "TobrinViewer";
inline constexpr std::string_view kFileListVerb = "TobrinFileList";
inline constexpr std::string_view kPathCopyVerb = "TobrinPathCopy";
inline constexpr std::string_view kCommandPromptVerb = "TobrinCommandPrompt";
inline constexpr std::string_view kExplorerVerb = "TobrinExplorer";

// Messages: a program that cannot be started follows its path; the clipboard stands alone.
inline constexpr std::string_view kCannotStart = " を起動できません";
inline constexpr std::string_view kCannotCopy = "クリップボードにコピーできません";

}  // namespace shellext_text
