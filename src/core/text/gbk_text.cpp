#include "core/text/gbk_text.h"

#include <cstring>

namespace varimonde {

namespace {

bool matchesAt(std::string_view text, std::size_t pos, std::string_view needle) {
    return text.size() - pos >= needle.size() && std::memcmp(text.data() + pos, needle.data(), needle.size()) == 0;
}

// Single-byte texts are the common case: a plain byte search is then exact.
bool isSingleByte(std::string_view text) {
    for (unsigned char c : text)
        if (isLeadByte(c)) return false;
    return true;
}

}  // namespace

std::size_t findText(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty() || from >= text.size()) return kNotFound;
    const unsigned char first = static_cast<unsigned char>(needle[0]);
    std::size_t pos = from;
    while (pos < text.size()) {
        // Jump ahead with memchr while the bytes in between hold no lead byte.
        const char* hit = static_cast<const char*>(std::memchr(text.data() + pos, first, text.size() - pos));
        if (hit == nullptr) return kNotFound;
        const std::size_t candidate = static_cast<std::size_t>(hit - text.data());
        if (isSingleByte(text.substr(pos, candidate - pos))) {
            if (matchesAt(text, candidate, needle)) return candidate;
            pos = candidate + charLength(text, candidate);
            continue;
        }
        // A lead byte lies between: walk character by character up to the candidate.
        while (pos < candidate) pos += charLength(text, pos);
        if (pos == candidate && matchesAt(text, pos, needle)) return pos;
        if (pos == candidate) pos += charLength(text, pos);
    }
    return kNotFound;
}

bool endsWithText(std::string_view text, std::string_view affix) {
    if (affix.empty() || affix.size() > text.size()) return false;
    const std::size_t start = text.size() - affix.size();
    if (text.substr(start) != affix) return false;
    // Only a match that starts a character counts; short texts are walked from the front.
    std::size_t pos = 0;
    while (pos < start) pos += charLength(text, pos);
    return pos == start;
}

std::size_t countText(std::string_view text, std::string_view needle) {
    std::size_t count = 0;
    for (std::size_t pos = findText(text, needle); pos != kNotFound;
         pos = findText(text, needle, pos + charLength(text, pos)))
        ++count;
    return count;
}

std::vector<std::string_view> splitText(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    if (text.empty()) return pieces;
    std::size_t start = 0;
    for (std::size_t pos = findText(text, separator); pos != kNotFound; pos = findText(text, separator, start)) {
        pieces.push_back(text.substr(start, pos - start));
        start = pos + separator.size();
    }
    if (start < text.size()) pieces.push_back(text.substr(start));
    return pieces;
}

namespace {

std::string replaceOccurrences(std::string_view text, std::string_view from, std::string_view to, bool firstOnly) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t pos = findText(text, from); pos != kNotFound; pos = findText(text, from, start)) {
        out.append(text.substr(start, pos - start));
        out.append(to);
        start = pos + from.size();
        if (firstOnly) break;
    }
    out.append(text.substr(start));
    return out;
}

}  // namespace

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    return replaceOccurrences(text, from, to, false);
}

std::string replaceFirst(std::string_view text, std::string_view from, std::string_view to) {
    return replaceOccurrences(text, from, to, true);
}

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (std::size_t pos = 0; pos < out.size(); pos += charLength(out, pos)) {
        char& c = out[pos];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

namespace {

bool isFullWidthBlank(std::string_view text, std::size_t pos) {
    return pos + 1 < text.size() && static_cast<unsigned char>(text[pos]) == 0xA1 &&
           static_cast<unsigned char>(text[pos + 1]) == 0xA1;
}

}  // namespace

std::string removeBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t len = charLength(text, pos);
        if (text[pos] != ' ' && !isFullWidthBlank(text, pos)) out.append(text.substr(pos, len));
        pos += len;
    }
    return out;
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && (text[begin] == ' ' || isFullWidthBlank(text, begin)))
        begin += text[begin] == ' ' ? 1 : 2;
    // Walk forward so a trailing A1 A1 is only taken when it is a whole character.
    std::size_t end = begin;
    for (std::size_t pos = begin; pos < text.size();) {
        const std::size_t len = charLength(text, pos);
        if (text[pos] != ' ' && !isFullWidthBlank(text, pos)) end = pos + len;
        pos += len;
    }
    return text.substr(begin, end - begin);
}

std::string removeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n') out.push_back(c);
    return out;
}

namespace {

// Code of the character at `pos`, folded to upper case when asked.
unsigned charCode(std::string_view text, std::size_t pos, std::size_t len, bool foldUpper) {
    const unsigned lead = static_cast<unsigned char>(text[pos]);
    if (len == 1) return foldUpper && lead >= 'a' && lead <= 'z' ? lead - 0x20 : lead;
    unsigned trail = static_cast<unsigned char>(text[pos + 1]);
    // Full-width a-z are A3 E1..A3 FA; their capitals A3 C1..A3 DA.
    if (foldUpper && lead == 0xA3 && trail >= 0xE1 && trail <= 0xFA) trail -= 0x20;
    return lead * 256 + trail;
}

}  // namespace

int compareChars(std::string_view a, std::string_view b, bool foldUpper) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t la = charLength(a, i);
        const std::size_t lb = charLength(b, j);
        const unsigned ca = charCode(a, i, la, foldUpper);
        const unsigned cb = charCode(b, j, lb, foldUpper);
        if (ca != cb) return ca < cb ? -1 : 1;
        i += la;
        j += lb;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace varimonde
