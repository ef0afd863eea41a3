// A report-style list view: rows of GBK cells under titled columns.
//
// Rows and columns count from 0. The current row is the selected row; writing it selects
// and focuses the row, -1 clears it, and the current-row callback fires whenever the
// focused row changes, by hand or by a write. A width of 0 hides a column.
#pragma once

#include <QTableView>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/control_events.h"
#include "ui/toolkit/row_table_model.h"

namespace varimonde {

class ReportList : public QTableView {
  public:
    explicit ReportList(QWidget* parent = nullptr);

    // Titles (GBK) and widths of the columns; rows are kept.
    void setColumns(const std::vector<std::string>& titles, const std::vector<int>& widths);
    int columnCount() const { return model_->columnCount(); }
    std::string columnTitle(int column) const;
    void setColumnTitle(int column, std::string_view title);
    int columnWidthOf(int column) const;
    void setColumnWidthOf(int column, int width);
    // Fits a column to its title and its cells.
    void fitColumn(int column);

    int rowCount() const { return model_->rowCount(); }
    const std::vector<ListRow>& rows() const { return model_->rows(); }
    void replaceRows(std::vector<ListRow> rows);
    int appendRow(std::vector<std::string> cells);
    void removeRow(int row);
    void removeAllRows();
    std::string cellText(int row, int column) const;
    void setCellText(int row, int column, std::string text);
    void swapColumns(int a, int b) { model_->swapColumns(a, b); }
    void numberRows(int column) { model_->numberRows(column); }
    int rowTag(int row) const;
    void setRowTag(int row, int tag);

    int currentRow() const;
    void setCurrentRow(int row);
    void scrollToRow(int row);
    // First row whose column-1 text equals `key` (exact) or begins with it; -1 if none.
    int findRow(std::string_view key, bool exact) const;

    std::function<void()> currentRowChanged;
    std::function<void()> clicked;
    std::function<void()> rightClicked;
    std::function<void()> doubleClicked;
    ControlEvents events;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    RowTableModel* model_;
};

}  // namespace varimonde
