#include "commands/analysis_commands.h"

#include "commands/list_sorting.h"
#include "core/compare/compare_sides.h"
#include "core/items/parse_items.h"
#include "core/text/gbk_literal.h"
#include "profiles/match_switches.h"
#include "ui/main_window.h"
#include "ui/toolkit/message_box.h"

namespace varimonde {

namespace {

SideRows sideRowsOf(const ReportList& list) {
    SideRows side;
    side.names.reserve(list.rows().size());
    side.values.reserve(list.rows().size());
    for (const ListRow& row : list.rows()) {
        side.names.push_back(row.cells[1]);
        side.values.push_back(row.cells[2]);
    }
    return side;
}

ListRow resultRow(std::size_t position, std::vector<std::string> cells) {
    ListRow row;
    row.cells = std::move(cells);
    row.cells.insert(row.cells.begin(), std::to_string(position));
    return row;
}

std::vector<ListRow> missingRows(const ReportList& source, const std::vector<std::size_t>& rows) {
    std::vector<ListRow> out;
    out.reserve(rows.size());
    for (std::size_t row : rows) {
        const ListRow& item = source.rows()[row];
        out.push_back(resultRow(out.size() + 1, {item.cells[1], item.cells[2]}));
    }
    return out;
}

std::vector<ListRow> differenceRows(const ReportList& side1, const ReportList& side2,
                                    const std::vector<ValueDifference>& differences) {
    std::vector<ListRow> out;
    out.reserve(differences.size());
    for (const ValueDifference& difference : differences) {
        const ListRow& item1 = side1.rows()[difference.row1];
        out.push_back(
            resultRow(out.size() + 1, {item1.cells[1], item1.cells[2], side2.rows()[difference.row2].cells[2]}));
    }
    return out;
}

// Whether the comparison may run; shows the refusal when not.
bool readyToCompare(MainWindow& window) {
    if (window.编辑框行分隔6->text() == window.编辑框值分隔7->text()) {
        MessageBox::show(&window, u8"行分隔符 与 值分隔符 相冲突！请修改！"_gbk, "", kWarningOk);
        return false;
    }
    const std::string& word = window.state().profile.profileWord;
    if (window.编辑框1->text() == placeholderText(word, Side::One) ||
        window.编辑框2->text() == placeholderText(word, Side::Two)) {
        MessageBox::show(&window, u8"请将需要分析对比的数据分别填入 1号和2号！"_gbk, u8"温馨提示"_gbk, kWarningOk);
        return false;
    }
    return !(window.编辑框1->isEmpty() && window.编辑框2->isEmpty());
}

void copyColumnWidths(const ReportList& from, ReportList& to) {
    for (int column = 0; column < 3; ++column) to.setColumnWidthOf(column, from.columnWidthOf(column));
}

}  // namespace

void compareSidesCommand(MainWindow& window) {
    if (!readyToCompare(window)) return;
    ReportList& side1 = *window.超级列表框对比1;
    ReportList& side2 = *window.超级列表框对比2;
    ReportList& missing1 = *window.超级列表框结果1;
    ReportList& missing2 = *window.超级列表框结果2;
    ReportList& values = *window.超级列表框值对比3;
    for (ReportList* list : {&values, &missing1, &missing2}) list->removeAllRows();

    const ComparisonResult result = compareSides(sideRowsOf(side1), sideRowsOf(side2), matchOptionsOf(window));
    missing2.replaceRows(missingRows(side1, result.missingOnSide2));
    values.replaceRows(differenceRows(side1, side2, result.differences));
    missing1.replaceRows(missingRows(side2, result.missingOnSide1));
    for (ReportList* list : {&values, &missing1, &missing2}) list->setColumnTitle(0, std::to_string(list->rowCount()));
    copyColumnWidths(side1, missing1);
    copyColumnWidths(side2, missing2);
    window.状态条1->setText(comparisonSummary(result, window.state().profile.profileWord));
}

void decodeSwitchClicked(MainWindow& window) {
    // Every click swaps once, whatever the switch's new state.
    window.超级列表框对比1->swapColumns(2, 3);
    window.超级列表框对比2->swapColumns(2, 3);
    compareSidesCommand(window);
}

void reloadCommand(MainWindow& window) {
    window.编辑框1->setText(window.编辑框1->text());
    window.编辑框2->setText(window.编辑框2->text());
    for (ReportList* list : {window.超级列表框结果1, window.超级列表框结果2, window.超级列表框值对比3})
        list->removeAllRows();
    window.编辑框5->setText("");
    window.状态条1->setText(u8"操作提示:已重新载入原始数据！:"_gbk);
}

void autoSortSwitchClicked(MainWindow& window) {
    if (!window.选择框7->isChecked()) {
        window.settings().writeSetting(u8"自动排序"_gbk, "no");
        return;
    }
    sortSideList(*window.超级列表框对比1);
    sortSideList(*window.超级列表框对比2);
    renumberRows(*window.超级列表框对比1);
    renumberRows(*window.超级列表框对比2);
    window.settings().writeSetting(u8"自动排序"_gbk, "yes");
}

void connectAnalysisCommands(MainWindow& window) {
    window.按钮1->clicked = [&window] { compareSidesCommand(window); };
    window.按钮4->clicked = [&window] { compareSidesCommand(window); };
    window.按钮5->clicked = [&window] { reloadCommand(window); };
    window.选择框8->clicked = [&window] { decodeSwitchClicked(window); };
    window.选择框7->clicked = [&window] { autoSortSwitchClicked(window); };
}

}  // namespace varimonde
