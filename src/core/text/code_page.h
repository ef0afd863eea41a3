// Conversions between GBK (code page 936), UTF-16 and UTF-8.
//
// UTF-8 that is not valid becomes U+FFFD; a character that GBK cannot hold, U+FFFD
// included, becomes "?". GBK bytes that do not form a character become U+FFFD on the way
// to UTF-16. The conversions never fail and keep NUL bytes.
#pragma once

#include <string>
#include <string_view>

namespace varimonde {

std::u16string gbkToUtf16(std::string_view gbk);
std::string utf16ToGbk(std::u16string_view utf16);
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

inline std::string gbkFromUtf8(std::string_view utf8) {
    return utf16ToGbk(utf8ToUtf16(utf8));
}
inline std::string utf8FromGbk(std::string_view gbk) {
    return utf16ToUtf8(gbkToUtf16(gbk));
}

}  // namespace varimonde
