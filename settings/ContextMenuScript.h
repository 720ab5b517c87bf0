#pragma once
// The script that Internet Explorer runs for the context-menu entry "トブリン＋(&S)": it hands
// the page's address, host and selection to the launcher through the hand-off file in the
// temporary folder and starts the launcher.
#include <string>
#include <string_view>

// The path with every backslash written twice, for a string literal of the script. Only real
// backslashes count: the second byte of a double-byte character (表, ソ) is never one.
std::string DoubleBackslashes(std::string_view path);

// The script's 30 lines, each ending in CR LF, for the temporary folder and the program
// folder (both ending in a backslash).
std::string BuildContextMenuScript(std::string_view tempFolder, std::string_view programFolder);
