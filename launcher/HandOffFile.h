#pragma once
// The hand-off file that the browser's context-menu script leaves in the temporary folder:
// page address (escaped), host name, selection HTML and selection text, joined by
// "<DELIMITER>".
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

struct HandOffValues {
  std::string pageAddress;    // escaped by the script; passed on unchanged
  std::string hostName;       // empty for a page without a host
  std::string selectionHtml;  // empty when nothing is selected
  std::string selectionText;  // always ends in CR LF once read
};

// The hand-off file's path in the temporary folder (which ends in a backslash).
std::string HandOffPath(std::string_view tempFolder);

// The fields of the file's bytes: every line break becomes CR LF, every line (the last one
// included) ends in CR LF, a zero byte ends the text, then the text is cut at each
// delimiter. An empty file gives no field.
std::vector<std::string> SplitHandOff(std::string_view bytes);

// The fields of the file at the path; no field when it cannot be read.
std::vector<std::string> ReadHandOffFields(const platform::FileSystem& files,
                                           const std::string& path);

// The four values from the fields; a missing field is taken as empty.
HandOffValues HandOffValuesOf(std::vector<std::string>&& fields);
