// Texts of the value comparison report: the counterpart search, the item lines and the
// report on one value or on a pair of values.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/compare/match_options.h"
#include "core/items/item.h"

namespace varimonde {

// First row of `names` matched by `name` (exact or contains, ASCII case folded when not
// case-sensitive), or -1. A text contains the empty text only when it is not empty.
long findCounterpart(const std::vector<std::string_view>& names, std::string_view name, const MatchOptions& options);

// The report on a found pair: lengths, Base64 and URL checks, and the verdict.
std::string pairReport(std::string_view value1, std::string_view value2, std::string_view profileWord);

// The report on a value without counterpart, for its side.
std::string singleReport(std::string_view value, Side side);

// Removes the first "&" found from byte len-2 (1-based) on; the text is unchanged without one.
std::string trimTrailingAmpersand(std::string_view text);

}  // namespace varimonde
