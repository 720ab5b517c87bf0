#include "driver/ContextMenuScript.h"

#include "driver/Files.h"

namespace e2e {

namespace {

// Every backslash of the path twice, as a JScript string literal needs it. Done on UTF-16, so
// that the second byte of a double-byte character such as 表 (0x95 0x5C) is never doubled.
std::string DoubledBackslashes(const std::string& path) {
  std::wstring doubled;
  for (wchar_t c : Widen(path)) {
    doubled.push_back(c);
    if (c == L'\\') doubled.push_back(c);
  }
  return Narrow(doubled);
}

// A JScript string literal of the bytes: quotes, backslashes and line breaks escaped.
std::string JScriptLiteral(const std::string& bytes) {
  std::wstring literal = L"\"";
  for (wchar_t c : Widen(bytes)) {
    if (c == L'"' || c == L'\\') {
      literal.push_back(L'\\');
      literal.push_back(c);
    } else if (c == L'\r') {
      literal += L"\\r";
    } else if (c == L'\n') {
      literal += L"\\n";
    } else {
      literal.push_back(c);
    }
  }
  return Narrow(literal + L"\"");
}

}  // namespace

std::string ExpectedContextMenuScript(const std::string& temporaryFolder,
                                      const std::string& programFolder) {
  const char* const lines[] = {
      "<HTML>",
      "<HEAD>",
      "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">",
      "</HEAD>",
      "<SCRIPT LANGUAGE=\"JavaScript\">",
      "//<!--",
      "var obj = external.menuArguments;",
      "var objSel = obj.document.selection.createRange();",
      "var objHref = obj.location.href;",
      "var objHost = obj.location.hostname;",
      "var selHtml = objSel.htmlText;",
      "var selText = objSel.text;",
      "",
      "var prm = escape(objHref) + \"<DELIMITER>\";",
      "prm = prm + objHost + \"<DELIMITER>\";",
      "prm = prm + selHtml + \"<DELIMITER>\";",
      "prm = prm + selText;",
      "",
      nullptr,  // the hand-off path
      "var fs = new ActiveXObject(\"Scripting.FileSystemObject\");",
      "var stream = fs.CreateTextFile(tmpPath, true);",
      "stream.Write(prm);",
      "stream.Close();",
      "",
      nullptr,  // the launcher path
      "var WSHShell = new ActiveXObject(\"WScript.Shell\");",
      "var Return = WSHShell.Run(exePath, 1, true);",
      "//-->",
      "</SCRIPT>",
      "</HTML>",
  };
  std::string script;
  int machineLine = 0;
  for (const char* line : lines) {
    if (line != nullptr) {
      script += line;
    } else if (machineLine++ == 0) {
      script += "var tmpPath = \"" + DoubledBackslashes(temporaryFolder) + "Tobrin_Menu.tmp\";";
    } else {
      script += "var exePath = \"\\\"" + DoubledBackslashes(programFolder) + "Tobrin.exe\\\"\";";
    }
    script += "\r\n";
  }
  return script;
}

std::string ScriptHostProgram(const std::string& scriptBytes, const PageStandIn& page) {
  const std::string open = "//<!--\r\n";
  const std::string close = "//-->";
  const std::size_t begin = scriptBytes.find(open);
  const std::size_t end = scriptBytes.find(close);
  if (begin == std::string::npos || end == std::string::npos || end < begin) return {};
  const std::string body = scriptBytes.substr(begin + open.size(), end - begin - open.size());
  // The browser's page object as far as the script uses it; `escape` is JScript's own.
  return "var external = { menuArguments: {\r\n"
         "  document: { selection: { createRange: function() {\r\n"
         "    return { htmlText: " +
         JScriptLiteral(page.selectionHtml) + ", text: " + JScriptLiteral(page.selectionText) +
         " }; } } },\r\n"
         "  location: { href: " +
         JScriptLiteral(page.href) + ", hostname: " + JScriptLiteral(page.hostname) +
         " } } };\r\n" + body;
}

}  // namespace e2e
