#pragma once
// View-source mode: the browser hands over the path of a page file in its cache; the page is
// opened in the selected viewer, through a copy in the temporary folder when the viewer slot
// asks for an extension or the page lies in the browser's cache folder.
#include <string>

#include "platform/Platform.h"

void RunViewSource(platform::Platform& platform, const std::string& pagePath);
