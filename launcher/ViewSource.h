#pragma once
// View-source mode: the browser hands over the path of a page file in its cache; the page is
// opened in the selected viewer, through a copy in the temporary folder when the viewer slot
// asks for an extension or the page lies in the browser's cache folder.
#include <string>
#include <string_view>

#include "platform/Platform.h"

// The file name part of a page path: the text after its last \, / or colon (never the second
// byte of a double-byte character). The slash counts too, since Windows takes it for a
// backslash: the copy must never lead out of the temporary folder.
std::string_view PageFileName(std::string_view pagePath);

void RunViewSource(platform::Platform& platform, const std::string& pagePath);
