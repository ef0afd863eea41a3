// Matching the items of two sides by name.
//
// Side 1 is looked up in side 2 and side 2 in side 1; only the first match from the top
// counts. Under exact matching a name equals the other (ASCII case folded when not
// case-sensitive); otherwise, case-sensitive, the other name must begin with it, and not
// case-sensitive, it may occur anywhere in the other name. Partial matching is therefore
// not symmetric. The result holds row indices into the two sides.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/compare/match_options.h"

namespace varimonde {

struct SideRows {
    std::vector<std::string_view> names;
    std::vector<std::string_view> values;
};

struct ValueDifference {
    std::size_t row1;  // the side-1 row
    std::size_t row2;  // its first match in side 2
    bool operator==(const ValueDifference&) const = default;
};

struct ComparisonResult {
    std::vector<std::size_t> missingOnSide1;   // side-2 rows with no match in side 1 ("[1号]缺少")
    std::vector<std::size_t> missingOnSide2;   // side-1 rows with no match in side 2 ("[2号]缺少")
    std::vector<ValueDifference> differences;  // side-1 rows whose first match has another value
};

// Whether `wanted` (the name looked for) matches `candidate` (a name of the other side).
// The prefix test is byte-wise; the contains test only finds `wanted` where a character
// of `candidate` starts. Every name begins with the empty name, but only a non-empty name
// contains it.
bool nameMatches(std::string_view wanted, std::string_view candidate, const MatchOptions& options);

ComparisonResult compareSides(const SideRows& side1, const SideRows& side2, const MatchOptions& options);

// "分析提示:[1号]缺少:N项   [2号]缺少:N项   <word>值异同:N项"
std::string comparisonSummary(const ComparisonResult& result, std::string_view profileWord);

}  // namespace varimonde
