#include "commands/list_sorting.h"

#include "core/ordering/list_ordering.h"
#include "core/text/gbk_text.h"
#include "ui/toolkit/report_list.h"

namespace varimonde {

namespace {

std::vector<std::string> sortKeys(const ReportList& list, int keyColumn, SortKeyType type) {
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(list.rowCount()));
    const auto column = static_cast<std::size_t>(keyColumn);
    for (const ListRow& row : list.rows()) {
        if (type == SortKeyType::ImageIndex) {
            keys.push_back(std::to_string(column < row.images.size() ? row.images[column] : -1));
            continue;
        }
        keys.emplace_back(column < row.cells.size() ? trimBlanks(row.cells[column]) : std::string_view());
    }
    return keys;
}

// Target row `target` takes the source's texts and tag; an image of -1 (none) is not written.
ListRow movedRow(const ListRow& source, const ListRow& target) {
    ListRow moved = source;
    moved.images = target.images;
    moved.images.resize(std::max(source.images.size(), target.images.size()), -1);
    for (std::size_t c = 0; c < source.images.size(); ++c)
        if (source.images[c] != -1) moved.images[c] = source.images[c];
    moved.stateImage = source.stateImage != -1 ? source.stateImage : target.stateImage;
    return moved;
}

}  // namespace

void sortListView(ReportList& list, int keyColumn, const std::vector<std::string>& keyMap, int keyType,
                  bool caseSensitive, bool ascending) {
    const SortKeyType type = sortKeyTypeFrom(keyType);
    int marker = 0;
    const int current = list.currentRow();
    if (current >= 0) {
        if (list.rowTag(current) == 0) list.setRowTag(current, 1);
        marker = list.rowTag(current);
    }
    const std::vector<std::size_t> placement =
        sortPlacement(sortKeys(list, keyColumn, type), keyMap, type, caseSensitive, ascending);
    const std::vector<ListRow>& rows = list.rows();
    std::vector<ListRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t target = 0; target < placement.size(); ++target)
        sorted.push_back(movedRow(rows[placement[target]], rows[target]));
    list.replaceRows(std::move(sorted));
    if (marker == 0) return;
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.rowTag(row) != marker) continue;
        list.setCurrentRow(row);
        list.scrollToRow(row);
        return;
    }
}

void sortSideList(ReportList& list) {
    sortListView(list, 1, {}, static_cast<int>(SortKeyType::Text), false, true);
}

void renumberRows(ReportList& list) {
    list.numberRows(0);
}

}  // namespace varimonde
