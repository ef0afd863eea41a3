// Re-filling a side's item list from its input box, on every change of the box's text.
#pragma once

#include "core/items/item.h"

namespace varimonde {

class MainWindow;
class ReportList;

void parseSide(MainWindow& window, Side side);

// Fits the name columns of a list and gives the value column the rest of its width
// (never less than 20: then 100, taken from the name column).
void fitColumnsToContents(ReportList& list);
void giveValueColumnTheRest(ReportList& list, bool sideList);

}  // namespace varimonde
