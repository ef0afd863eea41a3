#include "core/report/value_checks.h"

#include <algorithm>
#include <boost/regex.hpp>
#include <exception>

namespace varimonde {

namespace {

const boost::regex& base64Pattern() {
    static const boost::regex pattern("^([A-Za-z0-9+/]{4})*([A-Za-z0-9+/]{4}|[A-Za-z0-9+/]{3}=|[A-Za-z0-9+/]{2}==)$");
    return pattern;
}

const boost::regex& percentPattern() {
    static const boost::regex pattern("((%[0-9A-Fa-f]{2}))+");
    return pattern;
}

bool isBase64Char(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The regex answer for short texts; the scan when the text is long or the engine throws.
template <class Regex, class Scan>
bool decide(std::string_view text, Regex byRegex, Scan byScan) {
    if (text.size() > kRegexCheckLimit) return byScan(text);
    try {
        return byRegex(text);
    } catch (const std::exception&) {
        return byScan(text);
    }
}

}  // namespace

bool looksBase64ByRegex(std::string_view text) {
    return boost::regex_match(text.data(), text.data() + text.size(), base64Pattern());
}

bool looksBase64ByScan(std::string_view text) {
    if (text.empty() || text.size() % 4 != 0) return false;
    std::size_t padding = 0;
    if (text.ends_with("=="))
        padding = 2;
    else if (text.ends_with("="))
        padding = 1;
    const std::string_view body = text.substr(0, text.size() - padding);
    return std::all_of(body.begin(), body.end(), isBase64Char);
}

bool looksPercentEncodedByRegex(std::string_view text) {
    return boost::regex_search(text.data(), text.data() + text.size(), percentPattern());
}

bool looksPercentEncodedByScan(std::string_view text) {
    for (std::size_t pos = text.find('%'); pos != std::string_view::npos; pos = text.find('%', pos + 1)) {
        if (pos + 2 < text.size() && isHexDigit(text[pos + 1]) && isHexDigit(text[pos + 2])) return true;
    }
    return false;
}

bool looksBase64(std::string_view text) {
    return decide(text, looksBase64ByRegex, looksBase64ByScan);
}

bool looksPercentEncoded(std::string_view text) {
    return decide(text, looksPercentEncodedByRegex, looksPercentEncodedByScan);
}

}  // namespace varimonde
