#pragma once
// The context-menu script Tobrin_Menu.html: the bytes the settings program is to write, and
// its JScript part made runnable by Wine's script host with a stand-in for the browser's page.
#include <string>

namespace e2e {

// The script for the temporary folder and the program folder (code page 932 bytes, each
// ending in a backslash): thirty lines, each ending in CR LF.
std::string ExpectedContextMenuScript(const std::string& temporaryFolder,
                                      const std::string& programFolder);

// What the browser hands the script: the page's address and host and its selection.
struct PageStandIn {
  std::string href;
  std::string hostname;
  std::string selectionHtml;  // code page 932 bytes; JScript string literal rules do not apply
  std::string selectionText;
};

// A .js file for `cscript`: a stand-in for the browser's `external.menuArguments` followed by
// the lines between the script's "//<!--" and "//-->". Empty when the markers are missing.
std::string ScriptHostProgram(const std::string& scriptBytes, const PageStandIn& page);

}  // namespace e2e
