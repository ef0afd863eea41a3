// The rows behind a report list: GBK cell texts plus the per-row integer (tag), cell
// images and state image, converted to QString only when a cell is drawn.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <vector>

namespace varimonde {

struct ListRow {
    std::vector<std::string> cells;
    int tag = 0;
    int stateImage = -1;
    std::vector<int> images;  // per column; empty means none
};

class RowTableModel : public QAbstractTableModel {
  public:
    explicit RowTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setColumnTitles(const QStringList& titles);
    void setColumnTitle(int column, const QString& title);
    QString columnTitle(int column) const { return titles_.value(column); }

    const std::vector<ListRow>& rows() const { return rows_; }
    void replaceRows(std::vector<ListRow> rows);
    int appendRow(ListRow row);
    void removeRow(int row);
    void setCell(int row, int column, std::string text);
    // Exchanges two columns' texts in every row.
    void swapColumns(int a, int b);
    // Writes each row's 1-based position into `column`.
    void numberRows(int column);
    ListRow& rowAt(int row) { return rows_[static_cast<std::size_t>(row)]; }

  private:
    QStringList titles_;
    std::vector<ListRow> rows_;
};

}  // namespace varimonde
