#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "core/text/gbk_literal.h"
#include "ui/toolkit/edit_box.h"
#include "ui/toolkit/report_list.h"

namespace varimonde {
namespace {

TEST(EditBoxTest, EveryProgramWriteRaisesTextChangedOnce) {
    EditBox box;
    int changes = 0;
    box.textChanged = [&] { ++changes; };
    box.setText("a");
    box.setText("a");
    box.setText("");
    EXPECT_EQ(changes, 3);
    box.appendText("b");
    EXPECT_EQ(changes, 4);
    box.show();
    box.setFocus();
    QTest::keyClicks(&box, "xy");
    EXPECT_EQ(changes, 6);  // typing raises it per edit
}

TEST(EditBoxTest, LineBreaksReadAsCrLfAndOffsetsCountGbkBytes) {
    EditBox box;
    box.setText(gbk(u8"中a\r\nb\nc"));
    EXPECT_EQ(box.text(), gbk(u8"中a\r\nb\r\nc"));
    box.setSelection(2, 5);  // "a", CR LF, "b", CR of the next break: rounds to the whole break
    EXPECT_EQ(box.selectionStart(), 2);
    EXPECT_EQ(box.selectionLength(), 6);
    box.setSelection(-1, 0);
    EXPECT_EQ(box.selectionStart(), static_cast<long>(box.text().size()));
    box.selectWholeText();
    EXPECT_EQ(box.selectionLength(), static_cast<long>(box.text().size()));
    box.setText(gbk(u8"€😀"));  // GBK lacks the emoji: it reads back as "?"
    EXPECT_EQ(box.text(), gbk(u8"€?"));
}

TEST(ReportListTest, CurrentRowWritesFireTheCallbackAndFindRowMatchesColumnOne) {
    ReportList list;
    list.setColumns({"-", "name", "value"}, {50, 100, 0});
    EXPECT_EQ(list.columnWidthOf(2), 0);
    list.appendRow({"1", "abc", "x"});
    list.appendRow({"2", "ab", "y"});
    int changes = 0;
    list.currentRowChanged = [&] { ++changes; };
    list.setCurrentRow(1);
    list.setCurrentRow(-1);
    list.setCurrentRow(1);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.findRow("ab", true), 1);
    EXPECT_EQ(list.findRow("ab", false), 0);
    EXPECT_EQ(list.findRow("zz", false), -1);
    list.removeAllRows();
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_EQ(list.rowCount(), 0);
}

}  // namespace
}  // namespace varimonde
