#include "core/codec/percent_codec.h"

#include "core/text/code_page.h"

namespace varimonde {

namespace {

// Position of the upper-cased byte in "0123456789ABCDEF", or -2 for any other byte.
int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -2;
}

int digitAt(std::string_view text, std::size_t pos) {
    return pos < text.size() ? digitValue(text[pos]) : 0;
}

bool isUnreserved(unsigned char c) {
    return c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string percentDecode(std::string_view text, bool utf8) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        const int hi = digitAt(text, ++i);
        const int lo = digitAt(text, ++i);
        const int value = ((16 * hi + lo) % 256 + 256) % 256;
        if (value != 0) out.push_back(static_cast<char>(value));
    }
    return utf8 ? gbkFromUtf8(out) : out;
}

std::string percentEncode(std::string_view text, bool keepUnreserved, bool utf8) {
    if (text.empty()) return {};
    const std::string bytes = utf8 ? utf8FromGbk(text) : std::string(text);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (unsigned char b : bytes) {
        if (keepUnreserved && isUnreserved(b)) {
            out.push_back(static_cast<char>(b));
            continue;
        }
        out.push_back('%');
        out.push_back(kHex[b >> 4]);
        out.push_back(kHex[b & 0x0F]);
    }
    return out;
}

}  // namespace varimonde
