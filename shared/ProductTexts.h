#pragma once
// The texts both programs use: the application title (the caption of every message box),
// the settings file's name and the message of a file that cannot be written. Literals compile
// to Shift_JIS, the form in which the programs handle all text.
#include <string_view>

namespace product_text {

inline constexpr std::string_view kTitle = "トブリン＋";
inline constexpr std::string_view kSettingsFileName = "TobrinPlus.ini";
// Follows a file's path: "<path> に書き込めません".
inline constexpr std::string_view kCannotWrite = " に書き込めません";

}  // namespace product_text
