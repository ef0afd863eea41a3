#include "commands/value_report_handlers.h"

#include "core/report/value_report.h"
#include "core/text/gbk_literal.h"
#include "profiles/match_switches.h"
#include "ui/main_window.h"

namespace varimonde {

namespace {

const std::string& side1Tag() {
    return u8"Cookies[1号]"_gbk;
}
const std::string& side2Tag() {
    return u8"Cookies[2号]"_gbk;
}
const std::string& valueListTag() {
    return u8"Cookies值异同列表"_gbk;
}

std::vector<std::string_view> namesOf(const ReportList& list) {
    std::vector<std::string_view> names;
    names.reserve(list.rows().size());
    for (const ListRow& row : list.rows()) names.push_back(row.cells[1]);
    return names;
}

// Under the query profile item lines lose a trailing "&".
bool trimsAmpersand(MainWindow& window) {
    return window.state().profile.rowSeparator == "&" || window.选择框6->isChecked();
}

void trimItemBoxes(MainWindow& window) {
    for (EditBox* box : {window.编辑框5, window.编辑框6}) box->setText(trimTrailingAmpersand(box->text()));
}

std::string itemLine(MainWindow& window, const std::string& name, const std::string& value) {
    return name + window.state().profile.valueSeparator + value;
}

void reportPair(MainWindow& window, ReportList& other, int counterpart, Side sourceSide, const std::string& name,
                const std::string& value) {
    other.setCurrentRow(-1);
    other.setCurrentRow(counterpart);
    other.scrollToRow(counterpart);
    runPendingEvents();
    const std::string otherValue = other.cellText(counterpart, 2);
    const std::string otherName = other.cellText(counterpart, 1);
    const std::string& rowSeparator = window.state().profile.rowSeparator;
    const std::string sourceLine = itemLine(window, name, value) + rowSeparator;
    const std::string otherLine = itemLine(window, otherName, otherValue) + rowSeparator;
    const bool fromSide1 = sourceSide == Side::One;
    window.编辑框5->setText(fromSide1 ? sourceLine : otherLine);
    window.编辑框6->setText(fromSide1 ? otherLine : sourceLine);
    if (trimsAmpersand(window)) trimItemBoxes(window);
    window.分析结果编辑框1->setText(fromSide1 ? pairReport(value, otherValue, window.state().profile.profileWord)
                                              : pairReport(otherValue, value, window.state().profile.profileWord));
}

void reportAlone(MainWindow& window, Side sourceSide, const std::string& name, const std::string& value) {
    const std::string& rowSeparator = window.state().profile.rowSeparator;
    std::string line = itemLine(window, name, value);
    if (rowSeparator == "\r\n")
        line += rowSeparator;
    else if (trimsAmpersand(window))
        line += "\r\n";
    window.itemBox(sourceSide).setText(line);
    window.分析结果编辑框1->setText(singleReport(value, sourceSide));
}

void sideRowChanged(MainWindow& window, Side side) {
    ReportList& list = window.sideList(side);
    runPendingEvents();
    if (list.hasFocus() && list.rowCount() > 0) {
        const std::string& otherTag = side == Side::One ? side2Tag() : side1Tag();
        if (window.state().focusTag == otherTag || window.state().focusTag == valueListTag()) return;
        showValueReport(window, list, window.sideList(otherSide(side)), side);
        runPendingEvents();
    }
    list.scrollToRow(list.currentRow());
}

void sideListGotFocus(MainWindow& window, Side side) {
    ReportList& list = window.sideList(side);
    runPendingEvents();
    window.state().focusTag = side == Side::One ? side1Tag() : side2Tag();
    window.state().activeList = &list;
    if (list.hasFocus() && list.rowCount() > 0) showValueReport(window, list, window.sideList(otherSide(side)), side);
    runPendingEvents();
}

void selectByName(ReportList& list, const std::string& name) {
    list.setCurrentRow(-1);
    const int row = list.findRow(name, true);
    if (row >= 0) list.setCurrentRow(row);
}

void valueListRowChosen(MainWindow& window) {
    ReportList& values = *window.超级列表框值对比3;
    const int current = values.currentRow();
    if (current < 0) return;
    window.state().focusTag = valueListTag();
    runPendingEvents();
    const std::string name = values.cellText(current, 1);
    selectByName(*window.超级列表框对比1, name);
    selectByName(*window.超级列表框对比2, name);
    showValueReport(window, *window.超级列表框对比1, *window.超级列表框对比2, Side::One);
    runPendingEvents();
}

void resultRowClicked(MainWindow& window, Side side) {
    ReportList& list = window.missingList(side);
    const int current = list.currentRow();
    if (current < 0) return;
    window.itemBox(side).setText(itemLine(window, list.cellText(current, 1), list.cellText(current, 2)) +
                                 window.state().profile.rowSeparator);
    if (trimsAmpersand(window)) trimItemBoxes(window);
}

void resultListGotFocus(MainWindow& window, Side side) {
    ReportList& list = window.missingList(side);
    window.state().activeList = &list;
    window.state().focusTag = side == Side::One ? u8"Cookies[1号]缺少"_gbk : u8"Cookies[2号]缺少"_gbk;
    resultRowClicked(window, side);
}

}  // namespace

void showValueReport(MainWindow& window, ReportList& source, ReportList& other, Side sourceSide) {
    const MatchOptions options = matchOptionsOf(window);
    other.setCurrentRow(-1);
    const int row = source.currentRow();
    if (row < 0) return;
    const std::string name = source.cellText(row, 1);
    const std::string value = source.cellText(row, 2);
    const long counterpart = findCounterpart(namesOf(other), name, options);
    if (counterpart >= 0)
        reportPair(window, other, static_cast<int>(counterpart), sourceSide, name, value);
    else
        reportAlone(window, sourceSide, name, value);
    const std::string none = u8"无对应"_gbk + window.state().profile.profileWord + u8"项"_gbk;
    if (window.超级列表框对比1->currentRow() < 0) window.编辑框5->setText(none);
    if (window.超级列表框对比2->currentRow() < 0) window.编辑框6->setText(none);
}

void connectValueReportHandlers(MainWindow& window) {
    for (Side side : {Side::One, Side::Two}) {
        ReportList& list = window.sideList(side);
        list.currentRowChanged = [&window, side] { sideRowChanged(window, side); };
        list.events.gotFocus = [&window, side] { sideListGotFocus(window, side); };
        ReportList& result = window.missingList(side);
        result.clicked = [&window, side] { resultRowClicked(window, side); };
        result.events.gotFocus = [&window, side] { resultListGotFocus(window, side); };
    }
    ReportList& values = *window.超级列表框值对比3;
    values.currentRowChanged = [&window] { valueListRowChosen(window); };
    values.clicked = [&window] { valueListRowChosen(window); };
    values.events.gotFocus = [&window] {
        window.state().activeList = window.超级列表框值对比3;
        window.state().focusTag = valueListTag();
    };
}

}  // namespace varimonde
