// The items of a side: one row of a side list each.
//
// `value` is the form shown and compared; `altValue` is the other form (percent-decoded
// or as written, depending on the decode switch). The lists in the window are the only
// store of items; these types carry rows into and out of the pure functions.
#pragma once

#include <string>
#include <vector>

namespace varimonde {

enum class Side { One = 1, Two = 2 };

inline Side otherSide(Side side) {
    return side == Side::One ? Side::Two : Side::One;
}
inline int sideNumber(Side side) {
    return static_cast<int>(side);
}

struct Item {
    std::string ordinal;
    std::string name;
    std::string value;
    std::string altValue;

    bool operator==(const Item&) const = default;
};

using ItemList = std::vector<Item>;

}  // namespace varimonde
