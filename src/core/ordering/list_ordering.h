// Ordering of list rows by the contents of one column.
//
// Keys are placed one after another by a bisection search (`findInsertPosition`); rows
// with equal keys therefore come out in the order that search gives, not necessarily in
// their old order. `sortPlacement` computes the whole order without moving rows, so the
// caller can move every cell, tag and image of a row together.
//
// `sortPlacement` gives exactly the order of inserting key after key into a growing array,
// in O(n log n) rather than the O(n^2) element moves of doing so: where keys fall into
// groups of equal keys, the bisection runs on ranks counted per group, and the final order
// follows from the insertion positions by a backward pass over free slots. Numbers that
// chain within the tolerance (0, 0.6e-7, 1.2e-7) form no groups; for them the sorted keys
// are kept in a tree with access by rank.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varimonde {

enum class SortKeyType {
    Number = 0,      // leading decimal number of the text, 0 when it has none
    Text = 1,        // the text itself
    DateTime = 2,    // the text as a date-time, in days
    Flag = 3,        // "假" keeps its order at the end; every other row goes to the front
    ImageIndex = 4,  // the decimal text of the cell's image index, compared as a number
};

// Clamps a raw key type to 0..4; anything else is Text.
SortKeyType sortKeyTypeFrom(int raw);

// The leading decimal number of a text ("-1.5px" -> -1.5); 0 when it has none. An optional
// sign and fraction are read, no exponent; a number too large for a double is clamped to
// the largest finite one so that two keys never differ by NaN.
double numberFromText(std::string_view text);

// A date-time text as days since 1899-12-30, the time of day as the fraction. Read forms:
// "YYYY-MM-DD", "YYYY/MM/DD", "YYYY.MM.DD" and "YYYY年MM月DD日", each optionally followed by
// a blank (or "T") and "HH:MM[:SS]" or "HH时MM分[SS秒]"; a time alone is a fraction of day 0.
// Anything else, an impossible date included, is 0.
double daysFromDateText(std::string_view text);

// 1-based position before which `key` goes among `sortedKeys` (count + 1: after the last).
// Number, DateTime and ImageIndex compare numerically with tolerance 1e-7, Text by
// characters (upper-case folding when not case-sensitive). Flag keys are never searched
// by the sort; here they compare as Text.
std::size_t findInsertPosition(const std::vector<std::string>& sortedKeys, std::string_view key, SortKeyType type,
                               bool caseSensitive);

// The order a sort gives: entry q is the source row index that ends up at row q.
// `keys` are the key column's cell texts (for ImageIndex the decimal image indices),
// in row order; `keyMap` entries have the form key + ":" + substitute.
std::vector<std::size_t> sortPlacement(const std::vector<std::string>& keys, const std::vector<std::string>& keyMap,
                                       SortKeyType type, bool caseSensitive, bool ascending);

// The order the side lists take under the auto-sort switch: by name, as text, ignoring
// case, ascending, with no key map.
std::vector<std::size_t> nameSortPlacement(const std::vector<std::string>& names);

}  // namespace varimonde
