// Sorting a report list in place by one column, moving each row's cells, tag and images
// together and keeping the current row on the same item.
#pragma once

#include <string>
#include <vector>

namespace varimonde {

class ReportList;

void sortListView(ReportList& list, int keyColumn, const std::vector<std::string>& keyMap, int keyType,
                  bool caseSensitive = true, bool ascending = true);

// The auto-sort order of a side list: by name, as text, ignoring case, ascending.
void sortSideList(ReportList& list);

// Rewrites column 0 with each row's 1-based position.
void renumberRows(ReportList& list);

}  // namespace varimonde
