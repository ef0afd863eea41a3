#include "commands/list_sorting.h"
#include "window_fixture.h"

namespace varimonde {
namespace {

using Rows = std::vector<std::string>;

using ListSortingTest = WindowTest;

TEST_F(ListSortingTest, TickingTheSwitchSortsBothSidesByNameAndRenumbers) {
    MainWindow& w = start();
    w.编辑框1->setText("b=1;A=2;a_b=3;ab=4;_x=5");
    w.编辑框2->setText("z=1;Y=2");
    w.选择框7->click();
    ASSERT_TRUE(w.选择框7->isChecked());

    // Upper-case folding puts the underscore after every letter.
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Rows{"1|A|2|2", "2|ab|4|4", "3|a_b|3|3", "4|b|1|1", "5|_x|5|5"}));
    EXPECT_EQ(rowsOf(*w.超级列表框对比2), (Rows{"1|Y|2|2", "2|z|1|1"}));
    EXPECT_EQ(storedSetting(u8"自动排序"), "yes");

    // Unticking keeps the present order until the next parse.
    w.选择框7->click();
    EXPECT_EQ(storedSetting(u8"自动排序"), "no");
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Rows{"1|A|2|2", "2|ab|4|4", "3|a_b|3|3", "4|b|1|1", "5|_x|5|5"}));
    w.编辑框1->setText(w.编辑框1->text());
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Rows{"1|b|1|1", "2|A|2|2", "3|a_b|3|3", "4|ab|4|4", "5|_x|5|5"}));
}

TEST_F(ListSortingTest, TheCurrentItemStaysCurrentAndIsMarked) {
    MainWindow& w = start();
    w.编辑框1->setText("c=1;b=2;a=3");
    w.编辑框2->setText("y=1;x=2");
    w.超级列表框对比1->setCurrentRow(0);
    w.超级列表框对比2->setCurrentRow(1);
    w.超级列表框对比2->setRowTag(1, 7);

    w.选择框7->click();
    EXPECT_EQ(w.超级列表框对比1->currentRow(), 2);
    EXPECT_EQ(w.超级列表框对比1->cellText(2, 1), "c");
    EXPECT_EQ(w.超级列表框对比1->rowTag(2), 1);
    // A row with a tag of its own keeps it and is found by it.
    EXPECT_EQ(w.超级列表框对比2->currentRow(), 0);
    EXPECT_EQ(w.超级列表框对比2->cellText(0, 1), "x");
    EXPECT_EQ(w.超级列表框对比2->rowTag(0), 7);
}

TEST_F(ListSortingTest, ParsingWithTheSwitchOnSortsAndEqualKeysFollowTheBisection) {
    struct Case {
        const char* text;
        Rows sorted;
    };
    const Case cases[] = {
        {"b=1;A=2;a_b=3;ab=4;_x=5", {"1|A|2|2", "2|ab|4|4", "3|a_b|3|3", "4|b|1|1", "5|_x|5|5"}},
        // A key equal to the last placed key goes after it ...
        {"a=1;A=2", {"1|a|1|1", "2|A|2|2"}},
        {"A=1;a=2", {"1|A|1|1", "2|a|2|2"}},
        // ... one equal to the first (and below the last) goes before it ...
        {"a=1;b=2;A=3", {"1|A|3|3", "2|a|1|1", "3|b|2|2"}},
        // ... and one met during the bisection goes right after the key it meets.
        {"a=1;b=2;c=3;B=4", {"1|a|1|1", "2|b|2|2", "3|B|4|4", "4|c|3|3"}},
        {"", {}},
        {"only=1", {"1|only|1|1"}},
    };
    storeSetting(u8"自动排序", u8"yes");
    MainWindow& w = start();
    ASSERT_TRUE(w.选择框7->isChecked());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        w.编辑框1->setText(c.text);
        EXPECT_EQ(rowsOf(*w.超级列表框对比1), c.sorted);
    }
}

TEST_F(ListSortingTest, TickingWithEmptyListsChangesNothing) {
    MainWindow& w = start();
    w.编辑框1->setText("");
    w.编辑框2->setText("");
    w.选择框7->click();
    EXPECT_TRUE(w.超级列表框对比1->rows().empty());
    EXPECT_TRUE(w.超级列表框对比2->rows().empty());
    EXPECT_EQ(w.超级列表框对比1->currentRow(), -1);
}

}  // namespace
}  // namespace varimonde

namespace varimonde {
namespace {

ListRow rowOf(std::vector<std::string> cells, std::vector<int> images, int tag = 0, int stateImage = -1) {
    ListRow row;
    row.cells = std::move(cells);
    row.images = std::move(images);
    row.tag = tag;
    row.stateImage = stateImage;
    return row;
}

std::string namesOf(const ReportList& list) {
    std::string names;
    for (const ListRow& row : list.rows()) names += row.cells[0];
    return names;
}

TEST(SortListViewTest, KeyTypesKeyMapAndDirection) {
    struct Case {
        int keyType;
        std::vector<std::string> keyMap;
        bool ascending;
        std::string order;
    };
    const Case cases[] = {
        {0, {}, true, "zyx"},        // 0 (no number), 9, 10; blanks around " 10 " are ignored
        {1, {}, true, "xyz"},        // "10" < "9" < "b" as texts
        {1, {}, false, "zyx"},       //
        {4, {}, true, "yzx"},        // by the images of the key column: 0, 1, 2
        {9, {}, true, "xyz"},        // an unknown type sorts as text
        {0, {"9:20"}, true, "zxy"},  // the key map turns 9 into 20
    };
    ReportList list;
    list.setColumns({"-", "key"}, {50, 50});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyType);
        list.replaceRows({rowOf({"x", " 10 "}, {-1, 2}), rowOf({"y", "9"}, {-1, 0}), rowOf({"z", "b"}, {-1, 1})});
        sortListView(list, 1, c.keyMap, c.keyType, true, c.ascending);
        EXPECT_EQ(namesOf(list), c.order);
    }
}

TEST(SortListViewTest, TagsAndImagesMoveWithTheirRowsExceptNone) {
    ReportList list;
    list.setColumns({"-", "key"}, {50, 50});
    list.replaceRows({rowOf({"b", "b"}, {-1, 5}, 0, -1), rowOf({"a", "a"}, {-1, -1}, 3, 2)});
    sortListView(list, 1, {}, 1);

    // An image or state image of -1 is not written, so the row keeps the one already in its place.
    const std::vector<ListRow>& rows = list.rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"a", "a"}));
    EXPECT_EQ(rows[0].tag, 3);
    EXPECT_EQ(rows[0].images, (std::vector<int>{-1, 5}));
    EXPECT_EQ(rows[0].stateImage, 2);
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"b", "b"}));
    EXPECT_EQ(rows[1].tag, 0);
    EXPECT_EQ(rows[1].images, (std::vector<int>{-1, 5}));
    EXPECT_EQ(rows[1].stateImage, 2);
}

}  // namespace
}  // namespace varimonde
