#include "core/compare/compare_sides.h"

#include "core/compare/name_index.h"
#include "core/text/gbk_literal.h"
#include "core/text/gbk_text.h"

namespace varimonde {

namespace {

// A side whose value column is shorter than its name column reads the missing values as empty.
std::string_view valueAt(const SideRows& side, std::size_t row) {
    return row < side.values.size() ? side.values[row] : std::string_view();
}

}  // namespace

bool nameMatches(std::string_view wanted, std::string_view candidate, const MatchOptions& options) {
    if (options.exactMatch) {
        return options.caseSensitive ? candidate == wanted : asciiLower(candidate) == asciiLower(wanted);
    }
    // Byte prefix: the end of `wanted` may fall inside a double-byte character of `candidate`.
    if (options.caseSensitive) return candidate.starts_with(wanted);
    if (wanted.empty()) return !candidate.empty();
    return containsText(asciiLower(candidate), asciiLower(wanted));
}

ComparisonResult compareSides(const SideRows& side1, const SideRows& side2, const MatchOptions& options) {
    ComparisonResult result;
    const MatchedRows matches = matchNames(side1.names, side2.names, options);
    const std::vector<std::size_t>& matches1 = matches.inSide2;
    for (std::size_t row1 = 0; row1 < matches1.size(); ++row1) {
        const std::size_t row2 = matches1[row1];
        if (row2 == kNoRow)
            result.missingOnSide2.push_back(row1);
        else if (valueAt(side1, row1) != valueAt(side2, row2))
            result.differences.push_back({row1, row2});
    }
    const std::vector<std::size_t>& matches2 = matches.inSide1;
    for (std::size_t row2 = 0; row2 < matches2.size(); ++row2) {
        if (matches2[row2] == kNoRow) result.missingOnSide1.push_back(row2);
    }
    return result;
}

std::string comparisonSummary(const ComparisonResult& result, std::string_view profileWord) {
    std::string summary = u8"分析提示:[1号]缺少:"_gbk;
    summary += std::to_string(result.missingOnSide1.size());
    summary += u8"项   [2号]缺少:"_gbk;
    summary += std::to_string(result.missingOnSide2.size());
    summary += u8"项   "_gbk;
    summary += profileWord;
    summary += u8"值异同:"_gbk;
    summary += std::to_string(result.differences.size());
    summary += u8"项"_gbk;
    return summary;
}

}  // namespace varimonde
