#include "ui/toolkit/report_list.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "ui/toolkit/qt_text.h"

namespace varimonde {

ReportList::ReportList(QWidget* parent) : QTableView(parent), model_(new RowTableModel(this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(false);
    setTextElideMode(Qt::ElideRight);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (currentRowChanged) currentRowChanged();
    });
}

void ReportList::setColumns(const std::vector<std::string>& titles, const std::vector<int>& widths) {
    QStringList qtTitles;
    for (const std::string& title : titles) qtTitles << toQString(title);
    model_->setColumnTitles(qtTitles);
    for (std::size_t column = 0; column < widths.size(); ++column)
        setColumnWidthOf(static_cast<int>(column), widths[column]);
}

std::string ReportList::columnTitle(int column) const {
    return fromQString(model_->columnTitle(column));
}

void ReportList::setColumnTitle(int column, std::string_view title) {
    model_->setColumnTitle(column, toQString(title));
}

int ReportList::columnWidthOf(int column) const {
    return isColumnHidden(column) ? 0 : columnWidth(column);
}

void ReportList::setColumnWidthOf(int column, int width) {
    if (width <= 0) {
        setColumnHidden(column, true);
        return;
    }
    setColumnHidden(column, false);
    setColumnWidth(column, width);
}

void ReportList::fitColumn(int column) {
    if (column < 0 || column >= columnCount()) return;
    const QFontMetrics cellMetrics = fontMetrics();
    const QFontMetrics headerMetrics = horizontalHeader()->fontMetrics();
    constexpr int kPadding = 12;
    int width = headerMetrics.horizontalAdvance(model_->columnTitle(column)) + kPadding + 8;
    // Only the longest texts can be the widest: measure those, not all of a large list.
    std::size_t longest = 0;
    for (const ListRow& row : model_->rows())
        longest = std::max(longest, row.cells[static_cast<std::size_t>(column)].size());
    const std::size_t threshold = longest / 2;
    for (const ListRow& row : model_->rows()) {
        const std::string& cell = row.cells[static_cast<std::size_t>(column)];
        if (cell.size() < threshold || cell.empty()) continue;
        width = std::max(width, cellMetrics.horizontalAdvance(toQString(cell.substr(0, 512))) + kPadding);
    }
    setColumnWidthOf(column, width);
}

void ReportList::replaceRows(std::vector<ListRow> rows) {
    model_->replaceRows(std::move(rows));
}

int ReportList::appendRow(std::vector<std::string> cells) {
    ListRow row;
    row.cells = std::move(cells);
    return model_->appendRow(std::move(row));
}

void ReportList::removeRow(int row) {
    model_->removeRow(row);
}

void ReportList::removeAllRows() {
    const bool hadCurrent = currentIndex().isValid();
    model_->replaceRows({});
    // A reset model drops the current index without a signal; report it like any other change.
    if (hadCurrent && currentRowChanged) currentRowChanged();
}

std::string ReportList::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return {};
    return model_->rows()[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
}

void ReportList::setCellText(int row, int column, std::string text) {
    model_->setCell(row, column, std::move(text));
}

int ReportList::rowTag(int row) const {
    if (row < 0 || row >= rowCount()) return 0;
    return model_->rows()[static_cast<std::size_t>(row)].tag;
}

void ReportList::setRowTag(int row, int tag) {
    if (row < 0 || row >= rowCount()) return;
    model_->rowAt(row).tag = tag;
}

int ReportList::currentRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ReportList::setCurrentRow(int row) {
    if (row < 0 || row >= rowCount()) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ReportList::scrollToRow(int row) {
    if (row >= 0 && row < rowCount()) scrollTo(model_->index(row, 0));
}

int ReportList::findRow(std::string_view key, bool exact) const {
    const auto& rows = model_->rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].cells.size() < 2) return -1;
        const std::string& name = rows[i].cells[1];
        if (exact ? name == key : std::string_view(name).substr(0, key.size()) == key) return static_cast<int>(i);
    }
    return -1;
}

void ReportList::focusInEvent(QFocusEvent* event) {
    // Taking the focus by keyboard or by program, Qt makes the first row the focused row
    // without selecting it; a later write of that row would then select it without any
    // row-change event. A list without a current row keeps none, and hears nothing of it.
    const bool hadFocusedRow = currentIndex().isValid();
    {
        const QSignalBlocker quiet(selectionModel());
        QTableView::focusInEvent(event);
        if (!hadFocusedRow && currentRow() < 0)
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    if (events.gotFocus) events.gotFocus();
}

void ReportList::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    if (events.lostFocus) events.lostFocus();
}

void ReportList::keyPressEvent(QKeyEvent* event) {
    if (events.keyPressed && !events.keyPressed(keyPressFrom(*event))) return;
    QTableView::keyPressEvent(event);
}

void ReportList::mousePressEvent(QMouseEvent* event) {
    // A right click makes its row current first, as a left click does.
    if (event->button() == Qt::RightButton) {
        const QModelIndex at = indexAt(event->position().toPoint());
        if (at.isValid()) setCurrentRow(at.row());
    }
    QTableView::mousePressEvent(event);
}

void ReportList::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && clicked) clicked();
    if (event->button() == Qt::RightButton && rightClicked) rightClicked();
}

void ReportList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && doubleClicked) doubleClicked();
}

}  // namespace varimonde
