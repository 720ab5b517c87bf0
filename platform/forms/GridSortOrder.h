#pragma once
// The order of a grid's rows sorted by one column: the comparisons of texts and of numbers
// that the grid's caption clicks use.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Compares Shift_JIS texts byte by byte with ASCII letters of either case alike; the second
// byte of a double-byte character is compared as it is. Negative, zero or positive.
int CompareTextIgnoringCase(std::string_view a, std::string_view b);

// The rows' positions in sorted order, by the cell in `column` of each row (`columnCount`
// cells a row, row after row). Equal keys keep their order in either direction. Numbers are
// whole numbers with an optional sign and blanks around them, of any length; in a number
// column they come first in their order, then every other text in text order.
std::vector<std::size_t> SortedRowOrder(const std::vector<std::string>& cells,
                                        std::size_t columnCount, std::size_t column, bool numbers,
                                        bool descending);

}  // namespace platform
