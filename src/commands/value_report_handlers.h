// The value comparison report of the current item, and the list events that run it.
//
// Making an item current on one side selects its counterpart on the other side, shows
// both items as lines in the item boxes and reports lengths, encoding checks and
// equality. `focusTag` names the list that last took the focus; the row-change handlers
// test it and the keyboard focus so that a report started by one list does not run a
// second time from the other list's handler.
#pragma once

#include "core/items/item.h"

namespace varimonde {

class MainWindow;
class ReportList;

void showValueReport(MainWindow& window, ReportList& source, ReportList& other, Side sourceSide);

void connectValueReportHandlers(MainWindow& window);

}  // namespace varimonde
