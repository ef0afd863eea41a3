// The two encoding checks of the value report.
//
// looksBase64: the whole text is standard Base64 (length a multiple of 4, one or two "="
// only at the very end); looksPercentEncoded: some "%" is followed by two hex digits.
// Both give the answers of their regular expressions for texts of any length.
//
// Short texts go through Boost.Regex (Perl syntax, case-sensitive). Its matcher gives up
// with an exception on long texts (about 100 KB of Base64), so longer texts, and any text
// on which the engine throws, are decided by a linear scan that answers the same.
#pragma once

#include <cstddef>
#include <string_view>

namespace varimonde {

bool looksBase64(std::string_view text);
bool looksPercentEncoded(std::string_view text);

// Texts up to this many bytes are given to the regular expressions.
inline constexpr std::size_t kRegexCheckLimit = 8192;

// The two ways of deciding, exposed so that tests can hold them equal. The regex forms
// may throw on long texts. The Base64 expression must match the whole text: a search
// would let "^" and "$" stop at line breaks inside it, so "abcd\n" is not Base64.
bool looksBase64ByRegex(std::string_view text);
bool looksBase64ByScan(std::string_view text);
bool looksPercentEncodedByRegex(std::string_view text);
bool looksPercentEncodedByScan(std::string_view text);

}  // namespace varimonde
