#include "window_fixture.h"

namespace varimonde {
namespace {

using Rows = std::vector<std::string>;

// The report on a found pair, in UTF-8: lengths, Base64 and URL checks (是/否) and the verdict line.
std::string pairText(int length1, int length2, const char* base64_1, const char* base64_2, const char* url1,
                     const char* url2, const std::string& verdict) {
    return "1号值 文本长度:" + std::to_string(length1) + "\r\n2号值 文本长度:" + std::to_string(length2) +
           "\r\n\r\n1号值 Base64编码:" + base64_1 + "\r\n2号值 Base64编码:" + base64_2 +
           "\r\n\r\n1号值 URL编码:" + url1 + "\r\n2号值 URL编码:" + url2 + "\r\n\r\n" + verdict;
}

// The report on a value without counterpart, in UTF-8.
std::string aloneText(int side, int length, const char* base64, const char* url) {
    const std::string label = std::to_string(side) + "号值 ";
    return label + "文本长度:" + std::to_string(length) + "\r\n\r\n" + label + "Base64编码:" + base64 + "\r\n\r\n" +
           label + "URL编码:" + url + "\r\n\r\n";
}

class ValueReportTest : public WindowTest {
  protected:
    void prepare(CheckBox* MainWindow::*profileBox, bool caseSensitive, bool exactMatch, const std::string& side1,
                 const std::string& side2) {
        MainWindow& w = window();
        (w.*profileBox)->click();
        w.选择框2->setChecked(caseSensitive);
        w.选择框1->setChecked(exactMatch);
        w.编辑框1->setText(side1);
        w.编辑框2->setText(side2);
    }

    // The user moves to a row of a side list: the list takes the focus, then the row becomes current.
    void chooseSideRow(Side side, int row) {
        ReportList& list = window().sideList(side);
        giveFocus(list);
        list.setCurrentRow(row);
    }

    std::string box5() { return utf8(window().编辑框5->text()); }
    std::string box6() { return utf8(window().编辑框6->text()); }
    std::string report() { return utf8(window().分析结果编辑框1->text()); }

    // Marks the three report texts so that a test can tell they were not written.
    void markTexts() {
        window().编辑框5->setText("m5");
        window().编辑框6->setText("m6");
        window().分析结果编辑框1->setText("mr");
    }
};

TEST_F(ValueReportTest, ChoosingASideRowReportsItAgainstItsCounterpart) {
    struct Case {
        const char* what;
        CheckBox* MainWindow::*profile;
        bool caseSensitive;
        bool exactMatch;
        const char* side1;
        const char* side2;
        Side source;
        int row;
        int counterpart;  // current row of the other list afterwards
        std::string box5;
        std::string box6;
        std::string report;
    };
    const std::string cookiesDiffer = "对比Cookies值:不同";
    const Case cases[] = {
        {"cookies pair", &MainWindow::选择框3, true, true, "a=abcd", "a=x%2Fy", Side::One, 0, 0, "a=abcd;", "a=x%2Fy;",
         pairText(4, 5, "是", "否", "否", "是", cookiesDiffer)},
        {"cookies alone", &MainWindow::选择框3, true, true, "a=1", "b=2", Side::One, 0, -1, "a=1", "无对应Cookies项",
         aloneText(1, 1, "否", "否")},
        {"other list empty", &MainWindow::选择框3, true, true, "a=QUJD", "", Side::One, 0, -1, "a=QUJD",
         "无对应Cookies项", aloneText(1, 4, "是", "否")},
        {"side 2 pair", &MainWindow::选择框3, true, true, "x=1;a=1", "a=2", Side::Two, 0, 1, "a=1;", "a=2;",
         pairText(1, 1, "否", "否", "否", "否", cookiesDiffer)},
        {"side 2 alone", &MainWindow::选择框3, true, true, "a=1", "b=%41", Side::Two, 0, -1, "无对应Cookies项", "b=%41",
         aloneText(2, 3, "否", "是")},
        {"query pair", &MainWindow::选择框6, true, true, "a=1", "a=2", Side::One, 0, 0, "a=1", "a=2",
         pairText(1, 1, "否", "否", "否", "否", "对比Qurey参数值:不同")},
        {"query alone", &MainWindow::选择框6, true, true, "a=1", "b=2", Side::One, 0, -1, "a=1\r\n",
         "无对应Qurey参数项", aloneText(1, 1, "否", "否")},
        {"http pair", &MainWindow::选择框4, true, true, "a:1", "a:1", Side::One, 0, 0, "a:1\r\n", "a:1\r\n",
         pairText(1, 1, "否", "否", "否", "否", "对比Http协议值:相同")},
        {"http alone", &MainWindow::选择框4, true, true, "a:1", "b:1", Side::One, 0, -1, "a:1\r\n", "无对应Http协议项",
         aloneText(1, 1, "否", "否")},
        // Without exact matching the first name containing the chosen one is the counterpart, whatever the case switch.
        {"contains", &MainWindow::选择框3, true, false, "id=1", "sid=2;id=1", Side::One, 0, 0, "id=1;", "sid=2;",
         pairText(1, 1, "否", "否", "否", "否", cookiesDiffer)},
        {"contains, ignoring case", &MainWindow::选择框3, false, false, "ID=1", "x=1;sid=1", Side::One, 0, 1, "ID=1;",
         "sid=1;", pairText(1, 1, "否", "否", "否", "否", "对比Cookies值:相同")},
        // Ignoring case finds the name, but the values are still compared byte for byte.
        {"ignoring case", &MainWindow::选择框3, false, true, "sid=ABC", "x=1;SID=abc", Side::One, 0, 1, "sid=ABC;",
         "SID=abc;", pairText(3, 3, "否", "否", "否", "否", cookiesDiffer)},
    };
    MainWindow& w = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prepare(c.profile, c.caseSensitive, c.exactMatch, c.side1, c.side2);
        chooseSideRow(c.source, c.row);
        EXPECT_EQ(w.sideList(otherSide(c.source)).currentRow(), c.counterpart);
        EXPECT_EQ(box5(), c.box5);
        EXPECT_EQ(box6(), c.box6);
        EXPECT_EQ(report(), c.report);
    }
}

// Taking the focus makes no row current, so choosing the first row afterwards still reports it.
TEST_F(ValueReportTest, TheFirstRowChosenAfterTheFocusArrivesIsReported) {
    MainWindow& w = start();
    prepare(&MainWindow::选择框3, true, true, "a=1;b=2", "a=2");
    giveFocus(*w.超级列表框对比1);
    EXPECT_EQ(w.超级列表框对比1->currentRow(), -1);
    EXPECT_EQ(utf8(w.state().focusTag), "Cookies[1号]");
    EXPECT_EQ(w.state().activeList, w.超级列表框对比1);

    w.超级列表框对比1->setCurrentRow(0);
    EXPECT_EQ(w.超级列表框对比2->currentRow(), 0);
    EXPECT_EQ(box5(), "a=1;");
    EXPECT_EQ(box6(), "a=2;");
}

TEST_F(ValueReportTest, ChoosingAValueComparisonRowReportsThatName) {
    MainWindow& w = start();
    prepare(&MainWindow::选择框3, true, true, "a=1;b=2", "b=3;a=1");
    w.按钮1->click();
    ASSERT_EQ(rowsOf(*w.超级列表框值对比3), (Rows{"1|b|2|3"}));

    w.超级列表框值对比3->setCurrentRow(0);
    EXPECT_EQ(w.超级列表框对比1->currentRow(), 1);
    EXPECT_EQ(w.超级列表框对比2->currentRow(), 0);
    EXPECT_EQ(box5(), "b=2;");
    EXPECT_EQ(box6(), "b=3;");
    EXPECT_EQ(report(), pairText(1, 1, "否", "否", "否", "否", "对比Cookies值:不同"));
    EXPECT_EQ(utf8(w.state().focusTag), "Cookies值异同列表");

    // A click on the row that is already current reports it again.
    markTexts();
    clickRow(*w.超级列表框值对比3, 0);
    EXPECT_EQ(w.state().activeList, w.超级列表框值对比3);
    EXPECT_EQ(box5(), "b=2;");
    EXPECT_EQ(box6(), "b=3;");
    EXPECT_EQ(report(), pairText(1, 1, "否", "否", "否", "否", "对比Cookies值:不同"));
}

TEST_F(ValueReportTest, AValueComparisonRowWhoseNameHasGoneChangesNoText) {
    MainWindow& w = start();
    prepare(&MainWindow::选择框3, true, true, "a=1;b=2", "b=3;a=1");
    w.按钮1->click();
    w.超级列表框对比1->removeRow(1);
    markTexts();

    w.超级列表框值对比3->setCurrentRow(0);
    EXPECT_EQ(w.超级列表框对比1->currentRow(), -1);
    EXPECT_EQ(w.超级列表框对比2->currentRow(), -1);
    EXPECT_EQ(box5(), "m5");
    EXPECT_EQ(box6(), "m6");
    EXPECT_EQ(report(), "mr");
}

TEST_F(ValueReportTest, AValueComparisonRowWithoutSideTwoMatchReportsSideOneAlone) {
    MainWindow& w = start();
    prepare(&MainWindow::选择框3, true, true, "a=1;b=2", "b=3;a=1");
    w.按钮1->click();
    w.超级列表框对比2->setCellText(0, 1, "q");

    w.超级列表框值对比3->setCurrentRow(0);
    EXPECT_EQ(w.超级列表框对比1->currentRow(), 1);
    EXPECT_EQ(w.超级列表框对比2->currentRow(), -1);
    EXPECT_EQ(box5(), "b=2");
    EXPECT_EQ(box6(), "无对应Cookies项");
    EXPECT_EQ(report(), aloneText(1, 1, "否", "否"));
}

TEST_F(ValueReportTest, AResultRowClickShowsTheItemInItsBox) {
    struct Case {
        const char* what;
        CheckBox* MainWindow::*profile;
        const char* side1;
        const char* side2;
        std::string box5;  // after the click on result list 1
        std::string box6;  // after the click on result list 2
    };
    const Case cases[] = {
        {"cookies", &MainWindow::选择框3, "a=1;b=2", "b=3;c=4", "c=4;", "a=1;"},
        {"query", &MainWindow::选择框6, "a=1&b=2", "b=3&c=4", "c=4", "a=1"},
    };
    MainWindow& w = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prepare(c.profile, true, true, c.side1, c.side2);
        w.按钮1->click();
        markTexts();
        w.编辑框6->setText("z=9&");

        clickRow(*w.超级列表框结果1, 0);
        EXPECT_EQ(box5(), c.box5);
        // Under the query profile the other box loses its trailing "&" as well.
        EXPECT_EQ(box6(), c.profile == &MainWindow::选择框6 ? "z=9" : "z=9&");
        EXPECT_EQ(w.state().activeList, w.超级列表框结果1);
        EXPECT_EQ(utf8(w.state().focusTag), "Cookies[1号]缺少");

        clickRow(*w.超级列表框结果2, 0);
        EXPECT_EQ(box6(), c.box6);
        EXPECT_EQ(w.state().activeList, w.超级列表框结果2);
        EXPECT_EQ(utf8(w.state().focusTag), "Cookies[2号]缺少");
        EXPECT_EQ(report(), "mr");
    }
}

TEST_F(ValueReportTest, AClickInAnEmptyResultListChangesNothing) {
    MainWindow& w = start();
    prepare(&MainWindow::选择框6, true, true, "a=1&", "a=1&");
    w.按钮1->click();
    ASSERT_EQ(w.超级列表框结果1->rowCount(), 0);
    markTexts();
    w.编辑框6->setText("z=9&");

    clickBelowRows(*w.超级列表框结果1);
    clickBelowRows(*w.超级列表框结果2);
    EXPECT_EQ(box5(), "m5");
    EXPECT_EQ(box6(), "z=9&");
    EXPECT_EQ(report(), "mr");
}

// The report runs once per choice: the other side's row-change handler (without the focus) and the
// focused side list's handler (while the value comparison list is choosing) must not report again.
TEST_F(ValueReportTest, OneChoiceWritesOneReport) {
    struct Case {
        const char* what;
        ReportList* MainWindow::*focused;
        bool viaValueList;
    };
    const Case cases[] = {
        {"side 1 row", &MainWindow::超级列表框对比1, false},
        {"side 2 row", &MainWindow::超级列表框对比2, false},
        {"value row while side 1 has the focus", &MainWindow::超级列表框对比1, true},
        {"value row while side 2 has the focus", &MainWindow::超级列表框对比2, true},
    };
    MainWindow& w = start();
    int writes = 0;
    w.分析结果编辑框1->textChanged = [&writes] { ++writes; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prepare(&MainWindow::选择框3, true, true, "a=1;b=2", "b=3;a=1");
        w.按钮1->click();
        w.超级列表框值对比3->setCurrentRow(-1);
        ReportList& focused = *(w.*c.focused);
        giveFocus(focused);
        writes = 0;
        if (c.viaValueList)
            w.超级列表框值对比3->setCurrentRow(0);
        else
            focused.setCurrentRow(focused.findRow("b", true));
        EXPECT_EQ(writes, 1);
        EXPECT_EQ(box5(), "b=2;");
        EXPECT_EQ(box6(), "b=3;");
    }
    w.分析结果编辑框1->textChanged = nullptr;
}

}  // namespace
}  // namespace varimonde
