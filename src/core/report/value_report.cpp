#include "core/report/value_report.h"

#include "core/report/value_checks.h"
#include "core/text/gbk_literal.h"
#include "core/text/gbk_text.h"

namespace varimonde {

namespace {

const std::string& yesNo(bool answer) {
    return answer ? u8"是"_gbk : u8"否"_gbk;
}

bool counterpartMatches(std::string_view candidate, std::string_view wanted, bool exactMatch) {
    if (exactMatch) return candidate == wanted;
    if (wanted.empty()) return !candidate.empty();
    return containsText(candidate, wanted);
}

}  // namespace

long findCounterpart(const std::vector<std::string_view>& names, std::string_view name, const MatchOptions& options) {
    const std::string folded = options.caseSensitive ? std::string() : asciiLower(name);
    for (std::size_t row = 0; row < names.size(); ++row) {
        const bool matches = options.caseSensitive
                                 ? counterpartMatches(names[row], name, options.exactMatch)
                                 : counterpartMatches(asciiLower(names[row]), folded, options.exactMatch);
        if (matches) return static_cast<long>(row);
    }
    return -1;
}

std::string pairReport(std::string_view value1, std::string_view value2, std::string_view profileWord) {
    std::string report = u8"1号值 文本长度:"_gbk + std::to_string(value1.size());
    report += "\r\n" + u8"2号值 文本长度:"_gbk + std::to_string(value2.size());
    report += "\r\n\r\n" + u8"1号值 Base64编码:"_gbk + yesNo(looksBase64(value1));
    report += "\r\n" + u8"2号值 Base64编码:"_gbk + yesNo(looksBase64(value2));
    report += "\r\n\r\n" + u8"1号值 URL编码:"_gbk + yesNo(looksPercentEncoded(value1));
    report += "\r\n" + u8"2号值 URL编码:"_gbk + yesNo(looksPercentEncoded(value2));
    report += "\r\n\r\n" + u8"对比"_gbk;
    report += profileWord;
    report += value1 == value2 ? u8"值:相同"_gbk : u8"值:不同"_gbk;
    return report;
}

std::string singleReport(std::string_view value, Side side) {
    const std::string label = std::to_string(sideNumber(side)) + u8"号值 "_gbk;
    std::string report = label + u8"文本长度:"_gbk + std::to_string(value.size()) + "\r\n\r\n";
    report += label + u8"Base64编码:"_gbk + yesNo(looksBase64(value)) + "\r\n\r\n";
    report += label + u8"URL编码:"_gbk + yesNo(looksPercentEncoded(value)) + "\r\n\r\n";
    return report;
}

std::string trimTrailingAmpersand(std::string_view text) {
    // The search starts at byte len-2 counted from 1, that is index len-3, or at the front.
    const std::size_t from = text.size() >= 3 ? text.size() - 3 : 0;
    const std::size_t found = findText(text, "&", from);
    if (found == kNotFound) return std::string(text);
    std::string trimmed(text.substr(0, found));
    trimmed += text.substr(found + 1);
    return trimmed;
}

}  // namespace varimonde
