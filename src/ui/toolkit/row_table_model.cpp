#include "ui/toolkit/row_table_model.h"

#include <algorithm>

#include "ui/toolkit/qt_text.h"

namespace varimonde {

int RowTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RowTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : titles_.size();
}

QVariant RowTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    const auto& cells = rows_[static_cast<std::size_t>(index.row())].cells;
    const auto column = static_cast<std::size_t>(index.column());
    if (column >= cells.size()) return QString();
    // Very long values are cut for display only; the row keeps the whole text.
    constexpr std::size_t kShownBytes = 4096;
    const std::string& text = cells[column];
    return toQString(text.size() > kShownBytes ? std::string_view(text).substr(0, kShownBytes) : text);
}

QVariant RowTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return titles_.value(section);
}

void RowTableModel::setColumnTitles(const QStringList& titles) {
    beginResetModel();
    titles_ = titles;
    for (ListRow& row : rows_) row.cells.resize(static_cast<std::size_t>(titles_.size()));
    endResetModel();
}

void RowTableModel::setColumnTitle(int column, const QString& title) {
    if (column < 0 || column >= titles_.size()) return;
    titles_[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void RowTableModel::replaceRows(std::vector<ListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    for (ListRow& row : rows_) row.cells.resize(static_cast<std::size_t>(titles_.size()));
    endResetModel();
}

int RowTableModel::appendRow(ListRow row) {
    const int index = static_cast<int>(rows_.size());
    row.cells.resize(static_cast<std::size_t>(titles_.size()));
    beginInsertRows(QModelIndex(), index, index);
    rows_.push_back(std::move(row));
    endInsertRows();
    return index;
}

void RowTableModel::removeRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void RowTableModel::setCell(int row, int column, std::string text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= titles_.size()) return;
    rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)] = std::move(text);
    const QModelIndex at = index(row, column);
    emit dataChanged(at, at);
}

void RowTableModel::swapColumns(int a, int b) {
    if (a < 0 || b < 0 || a >= titles_.size() || b >= titles_.size() || rows_.empty()) return;
    for (ListRow& row : rows_)
        std::swap(row.cells[static_cast<std::size_t>(a)], row.cells[static_cast<std::size_t>(b)]);
    emit dataChanged(index(0, std::min(a, b)), index(rowCount() - 1, std::max(a, b)));
}

void RowTableModel::numberRows(int column) {
    if (column < 0 || column >= titles_.size() || rows_.empty()) return;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rows_[i].cells[static_cast<std::size_t>(column)] = std::to_string(i + 1);
    emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

}  // namespace varimonde
