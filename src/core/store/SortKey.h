#pragma once

#include <string_view>

namespace ms {

// The one comparison of every ship list: the sort keys ("A22", "B50", ...) as text, ASCII letters
// without regard to case, character by character, a shorter key before its extensions. So "A100"
// sorts before "A22", and new ships ("A...") before templates ("B..."). <0, 0, >0 like strcmp.
int CompareSortKeys(std::string_view a, std::string_view b);

inline bool SortKeyLess(std::string_view a, std::string_view b) {
    return CompareSortKeys(a, b) < 0;
}

} // namespace ms
