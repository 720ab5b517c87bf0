#pragma once
// Cutting text into fields at a delimiter.
#include <string>
#include <string_view>
#include <vector>

// Empties `list` and fills it with the fields of `text` between the occurrences of
// `delimiter` (which match only on a character boundary); returns the number of fields.
// An empty text gives no field; an empty delimiter never matches.
int SplitDelimited(std::string_view text, std::vector<std::string>& list,
                   std::string_view delimiter);
