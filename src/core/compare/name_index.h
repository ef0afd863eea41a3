// An index over the names of one side that answers "which is the first row, from the top,
// whose name the wanted name matches" without scanning every row.
//
// Exact modes look names up in a hash of first occurrences (names lower-cased when not
// case-sensitive). The prefix mode (case-sensitive, not exact) keeps the names in byte
// order: the names that begin with a wanted name form one run of that order, and a range
// minimum over row numbers gives the first of them. The contains mode (not case-sensitive,
// not exact) does the same over every suffix of the lower-cased names that starts at a
// character boundary, so an occurrence counts only where a character starts.
//
// The answers equal a scan from the top with `nameMatches`, empty names included: every
// name begins with the empty name, and a name contains the empty name only when it is not
// empty itself.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/compare/match_options.h"

namespace varimonde {

inline constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);

// Minimum over any range of a fixed array: blocks of 32 with a sparse table over the
// block minima, so memory stays near linear.
class RangeMinimum {
  public:
    RangeMinimum() = default;
    explicit RangeMinimum(std::vector<std::size_t> values);

    // Minimum of values[first, last); `first < last` required.
    std::size_t query(std::size_t first, std::size_t last) const;

  private:
    static constexpr std::size_t kBlock = 32;

    std::size_t scan(std::size_t first, std::size_t last) const;

    std::vector<std::size_t> values_;
    std::vector<std::vector<std::size_t>> blockLevels_;  // level k: minimum of 2^k blocks from each block
};

class NameIndex {
  public:
    // `names` must outlive the index.
    NameIndex(const std::vector<std::string_view>& names, const MatchOptions& options);

    // First row whose name `wanted` matches, or kNoRow.
    std::size_t firstMatch(std::string_view wanted) const;

  private:
    enum class Mode { Exact, ExactFolded, Prefix, Contains };

    // A suffix (or, in prefix mode, a whole name) and the row it belongs to.
    struct Entry {
        std::string_view text;
        std::size_t row;
    };

    void buildExact(const std::vector<std::string_view>& names);
    void buildPrefix(const std::vector<std::string_view>& names);
    void buildContains(const std::vector<std::string_view>& names);
    std::size_t firstEntryMatch(std::string_view wanted) const;

    Mode mode_ = Mode::Exact;
    std::size_t firstNonEmptyRow_ = kNoRow;
    std::string folded_;  // lower-cased names, one after another
    std::unordered_map<std::string_view, std::size_t> firstRowByName_;
    std::vector<Entry> entries_;  // in byte order of their texts
    RangeMinimum entryRows_;
};

}  // namespace varimonde
