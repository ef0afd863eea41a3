#include "commands/parse_side.h"

#include "core/items/parse_items.h"
#include "ui/main_window.h"
#include "ui/toolkit/message_box.h"

namespace varimonde {

namespace {

std::vector<ListRow> listRowsFrom(ItemList&& items) {
    std::vector<ListRow> rows(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        Item& item = items[i];
        rows[i].cells = {std::move(item.ordinal), std::move(item.name), std::move(item.value),
                         std::move(item.altValue)};
    }
    return rows;
}

}  // namespace

void fitColumnsToContents(ReportList& list) {
    list.fitColumn(0);
    list.fitColumn(1);
}

void giveValueColumnTheRest(ReportList& list, bool sideList) {
    list.setColumnWidthOf(2, list.width() - list.columnWidthOf(0) - list.columnWidthOf(1) - 20);
    if (!sideList || list.columnWidthOf(2) >= 20) return;
    list.setColumnWidthOf(2, 100);
    list.setColumnWidthOf(1, list.columnWidthOf(1) - 97);
}

void parseSide(MainWindow& window, Side side) {
    ReportList& list = window.sideList(side);
    list.removeAllRows();
    const ParseOptions options{window.选择框8->isChecked(), window.选择框7->isChecked()};
    const auto confirm = [&window](const ParseQuestion& question) {
        return MessageBox::show(&window, question.text, question.title, kWarningYesNo) == MessageAnswer::Yes;
    };
    ParseResult result = parseItems(window.inputBox(side).text(), window.state().profile, side, options, confirm);
    if (result.resultText) window.分析结果编辑框1->setText(*result.resultText);
    if (result.stop != ParseStop::Completed) return;

    const std::size_t count = result.items.size();
    list.replaceRows(listRowsFrom(std::move(result.items)));
    window.状态条1->setText(result.statusText);
    window.itemBox(side).setText(result.itemBoxText);
    fitColumnsToContents(list);
    list.setColumnWidthOf(0, list.columnWidthOf(0) + 6);
    giveValueColumnTheRest(list, true);
    list.setColumnTitle(0, std::to_string(count));
}

}  // namespace varimonde
