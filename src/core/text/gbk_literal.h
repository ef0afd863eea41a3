// System texts written as UTF-8 literals in the source and converted to GBK once.
//
//   const std::string& title = u8"分析提示:"_gbk;
//
// Each literal is converted on first use and kept for the rest of the run.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace varimonde {

template <std::size_t N>
struct Utf8Literal {
    char8_t chars[N];
    constexpr Utf8Literal(const char8_t (&text)[N]) { std::copy_n(text, N, chars); }
    std::string_view view() const { return {reinterpret_cast<const char*>(chars), N - 1}; }
};

template <Utf8Literal Text>
const std::string& operator""_gbk() {
    static const std::string converted = gbkFromUtf8(Text.view());
    return converted;
}

// For UTF-8 texts that are not literals (command-line input, test tables).
inline std::string gbk(std::u8string_view utf8) {
    return gbkFromUtf8(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

}  // namespace varimonde
