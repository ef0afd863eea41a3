// Character-aware helpers for GBK (code page 936) byte strings.
//
// Every text of the program is a std::string of GBK bytes. A byte from 0x81 to 0xFE
// starts a double-byte character and takes the next byte with it as its trail, whatever
// that byte is; a lead byte at the very end of a text stands alone. Searches, splits,
// replacements, counts and case folding here step over such a pair as one unit, so a
// separator is never found inside a double-byte character. Nothing else in the program
// walks GBK text byte by byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varimonde {

inline constexpr std::size_t kNotFound = std::string_view::npos;

inline bool isLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// Byte length of the character that starts at `pos` (1 or 2; 1 for a lone lead byte at the end).
inline std::size_t charLength(std::string_view text, std::size_t pos) {
    return isLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// First occurrence of `needle` at a character boundary, scanning from `from` (taken as a
// boundary). An empty needle is never found.
std::size_t findText(std::string_view text, std::string_view needle, std::size_t from = 0);

inline bool containsText(std::string_view text, std::string_view needle) {
    return findText(text, needle) != kNotFound;
}

// Whether `text` begins / ends with `affix`, the end only at a character boundary.
inline bool startsWithText(std::string_view text, std::string_view affix) {
    return !affix.empty() && text.substr(0, affix.size()) == affix;
}
bool endsWithText(std::string_view text, std::string_view affix);

// Occurrences of `needle`, overlapping ones included: each further search starts one
// character after the start of the previous match.
std::size_t countText(std::string_view text, std::string_view needle);

// Pieces between the occurrences of `separator`. A leading separator gives an empty first
// piece and adjacent separators an empty piece between them; a trailing separator gives
// no empty last piece, and an empty text gives no pieces. The views point into `text`.
std::vector<std::string_view> splitText(std::string_view text, std::string_view separator);

// Replaces occurrences of `from` by `to`, all of them or only the first.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);
std::string replaceFirst(std::string_view text, std::string_view from, std::string_view to);

// Lower-cases the ASCII letters A-Z; double-byte characters stay as they are.
std::string asciiLower(std::string_view text);

// Removes every half-width blank (0x20) and every full-width blank (A1 A1).
std::string removeBlanks(std::string_view text);

// Strips half-width and full-width blanks from both ends.
std::string_view trimBlanks(std::string_view text);

// Removes every CR and LF byte.
std::string removeLineBreaks(std::string_view text);

// Compares two texts character by character (a double-byte character's code being
// lead * 256 + trail). With `foldUpper`, a-z and the full-width letters are upper-cased
// first. Returns <0, 0 or >0.
int compareChars(std::string_view a, std::string_view b, bool foldUpper);

}  // namespace varimonde
