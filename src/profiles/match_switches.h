// The three matching switches (case, exact, pseudo-exact): each click is stored at once,
// and two of them explain their new state. Also reads the switches as MatchOptions.
#pragma once

#include "core/compare/match_options.h"

namespace varimonde {

class MainWindow;

MatchOptions matchOptionsOf(MainWindow& window);

void connectMatchSwitches(MainWindow& window);

}  // namespace varimonde
