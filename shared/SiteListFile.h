#pragma once
// The site list file (MenuList.csv and the lists the user saves): one site a line, five
// comma-separated fields a line, as the site list editor's grid loads and saves them.
#include <array>
#include <string>
#include <string_view>
#include <vector>

using SiteListRow = std::array<std::string, 5>;

// The rows of a list file's bytes: one row a line; missing fields are empty, fields after
// the fifth are dropped.
std::vector<SiteListRow> ParseSiteList(std::string_view fileBytes);

// The bytes of a list file for the rows: each row one line ending in CR LF. A cell that would
// not read back as itself (it holds the delimiter, a control byte, or starts with a double
// quote) is written quoted; every other cell is written bare, as before. What no line can
// hold is made storable: each line break becomes a space and a zero byte ends the cell. A lead
// byte left alone at a cell's end (as a line cut inside a character leaves it) is kept when
// the cell is the row's last non-empty one, whose line then ends right after it; elsewhere it
// is dropped.
std::string ComposeSiteList(const std::vector<SiteListRow>& rows);
