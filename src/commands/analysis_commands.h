// The commands on the side lists as a whole: compare the two sides into the three
// result lists, swap the value forms (decode switch), reload both texts, and the
// auto-sort switch.
#pragma once

namespace varimonde {

class MainWindow;

void compareSidesCommand(MainWindow& window);
void decodeSwitchClicked(MainWindow& window);
void reloadCommand(MainWindow& window);
void autoSortSwitchClicked(MainWindow& window);

void connectAnalysisCommands(MainWindow& window);

}  // namespace varimonde
