#include "settings/ContextMenuScript.h"

#include <vector>

#include "settings/SettingsTexts.h"
#include "text/Sjis.h"

std::string DoubleBackslashes(std::string_view path) {
  std::string doubled;
  doubled.reserve(path.size() + 16);
  for (std::size_t i = 0; i < path.size();) {
    const std::size_t length = SjisCharLength(path, i);
    doubled.append(path.substr(i, length));
    if (length == 1 && path[i] == '\\') doubled.push_back('\\');
    i += length;
  }
  return doubled;
}

std::string BuildContextMenuScript(std::string_view tempFolder, std::string_view programFolder) {
  const std::string handOffPath =
      DoubleBackslashes(tempFolder) + std::string(settings_text::kHandOffFileName);
  const std::string launcherPath =
      DoubleBackslashes(programFolder) + std::string(settings_text::kLauncherFileName);
  const std::vector<std::string> lines{
      "<HTML>",
      "<HEAD>",
      R"(<META http-equiv="Content-Type" content="text/html; charset=Shift_JIS">)",
      "</HEAD>",
      R"(<SCRIPT LANGUAGE="JavaScript">)",
      "//<!--",
      "var obj = external.menuArguments;",
      "var objSel = obj.document.selection.createRange();",
      "var objHref = obj.location.href;",
      "var objHost = obj.location.hostname;",
      "var selHtml = objSel.htmlText;",
      "var selText = objSel.text;",
      "",
      R"(var prm = escape(objHref) + "<DELIMITER>";)",
      R"(prm = prm + objHost + "<DELIMITER>";)",
      R"(prm = prm + selHtml + "<DELIMITER>";)",
      "prm = prm + selText;",
      "",
      "var tmpPath = \"" + handOffPath + "\";",
      R"(var fs = new ActiveXObject("Scripting.FileSystemObject");)",
      "var stream = fs.CreateTextFile(tmpPath, true);",
      "stream.Write(prm);",
      "stream.Close();",
      "",
      // The launcher's path between escaped quotes, so that the shell runs the quoted path
      // and a folder name with blanks survives.
      "var exePath = \"\\\"" + launcherPath + "\\\"\";",
      R"(var WSHShell = new ActiveXObject("WScript.Shell");)",
      "var Return = WSHShell.Run(exePath, 1, true);",
      "//-->",
      "</SCRIPT>",
      "</HTML>",
  };
  return JoinLinesCrLf(lines);
}
