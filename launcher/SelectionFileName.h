#pragma once
// The name of the file a selection is written to in the temporary folder, taken from the
// page's host name: "~" + base [+ "." + extension].
#include <string>
#include <string_view>

// The name base: the host's first label, or its second when the first is exactly "www".
// The host comes from a file anyone can write, so characters that cannot stand in a file
// name are replaced by "_" (the name can never lead out of the temporary folder), and a host
// without a usable label (empty, "www" alone, an empty label, an address in brackets) gives
// kFallbackSelectionBase.
std::string SelectionFileBase(std::string_view hostName);

// The whole file name, with the "~" prefix and, when the extension is not empty, "." and the
// extension.
std::string SelectionFileName(std::string_view hostName, std::string_view extension);

inline constexpr std::string_view kFallbackSelectionBase = "selection";
