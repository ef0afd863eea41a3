// Finding, for every name of one side, the first row from the top of the other side whose
// name it matches, without comparing every pair.
//
// Exact modes look the (lower-cased, when not case-sensitive) names up in a hash table of
// first occurrences. The other two modes keep texts in byte order with their rows: the
// names themselves for the prefix mode (case-sensitive, not exact), and for the contains
// mode (not case-sensitive, not exact) the suffixes of the lower-cased names that start at
// a character boundary, so an occurrence counts only where a character starts. The texts
// that begin with a wanted name form one run of that order, and a range minimum over the
// row numbers gives the first row. The wanted names are sorted as well and swept through
// the texts with galloping searches, which keeps memory access local. The contains mode
// only keeps suffixes whose first one or two bytes begin some wanted name.
//
// The answers equal a scan from the top with `nameMatches`, empty names included: every
// name begins with the empty name, and a name contains the empty name only when it is not
// empty itself. Offsets are 32-bit: a side's names may hold up to 4 GB in all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/compare/match_options.h"

namespace varimonde {

inline constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);

struct MatchedRows {
    std::vector<std::size_t> inSide2;  // for each side-1 name, the first side-2 row it matches, or kNoRow
    std::vector<std::size_t> inSide1;  // for each side-2 name, the first side-1 row it matches, or kNoRow
};

// Both directions at once: the work of sorting or lower-casing a side's names serves both.
MatchedRows matchNames(const std::vector<std::string_view>& names1, const std::vector<std::string_view>& names2,
                       const MatchOptions& options);

// Minimum over any range of a fixed array: blocks of 32 with a sparse table over the
// block minima, so memory stays near linear.
class RangeMinimum {
  public:
    RangeMinimum() = default;
    explicit RangeMinimum(std::vector<std::uint32_t> values);

    // Minimum of values[first, last); `first < last` required.
    std::uint32_t query(std::size_t first, std::size_t last) const;

  private:
    static constexpr std::size_t kBlock = 32;

    std::uint32_t scan(std::size_t first, std::size_t last) const;

    std::vector<std::uint32_t> values_;
    std::vector<std::vector<std::uint32_t>> blockLevels_;  // level k: minimum of 2^k blocks from each block
};

}  // namespace varimonde
