// How names and search keys are matched, as set by the three matching switches.
#pragma once

namespace varimonde {

struct MatchOptions {
    bool caseSensitive = true;
    bool exactMatch = true;
    bool pseudoExact = true;  // consulted by the item search only
};

}  // namespace varimonde
