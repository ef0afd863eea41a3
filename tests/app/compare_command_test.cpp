#include <ostream>

#include "window_fixture.h"

namespace varimonde {
namespace {

using Rows = std::vector<std::string>;

// Everything a comparison writes: the three result lists, their column-0 titles and the status bar.
struct Outcome {
    Rows missingOn1;
    Rows missingOn2;
    Rows differing;
    std::vector<std::string> counts;
    std::string status;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    const auto rows = [&out](const char* label, const Rows& rows) {
        out << label << ":";
        for (const std::string& row : rows) out << " [" << row << "]";
        out << "\n";
    };
    rows("missingOn1", outcome.missingOn1);
    rows("missingOn2", outcome.missingOn2);
    rows("differing", outcome.differing);
    out << "counts:";
    for (const std::string& count : outcome.counts) out << " " << count;
    return out << "\nstatus: " << outcome.status;
}

class CompareCommandTest : public WindowTest {
  protected:
    Outcome outcome() {
        MainWindow& w = window();
        return {
            rowsOf(*w.超级列表框结果1),
            rowsOf(*w.超级列表框结果2),
            rowsOf(*w.超级列表框值对比3),
            {w.超级列表框结果1->columnTitle(0), w.超级列表框结果2->columnTitle(0), w.超级列表框值对比3->columnTitle(0)},
            utf8(w.状态条1->text())};
    }

    void setSides(const std::string& side1, const std::string& side2) {
        window().编辑框1->setText(side1);
        window().编辑框2->setText(side2);
    }

    void setMatching(bool caseSensitive, bool exactMatch) {
        window().选择框2->setChecked(caseSensitive);
        window().选择框1->setChecked(exactMatch);
    }
};

TEST_F(CompareCommandTest, BothAnalyseButtonsFillTheResultListsAndTheSummary) {
    MainWindow& w = start();
    for (Button* button : {w.按钮1, w.按钮4}) {
        SCOPED_TRACE(utf8(button->caption()));
        setSides("a=1;b=2", "b=3;c=4");
        setMatching(true, true);
        for (ReportList* list : {w.超级列表框结果1, w.超级列表框结果2, w.超级列表框值对比3}) {
            list->removeAllRows();
            list->setColumnTitle(0, "-");
        }
        button->click();

        const Outcome expected{{"1|c|4"},
                               {"1|a|1"},
                               {"1|b|2|3"},
                               {"1", "1", "1"},
                               "分析提示:[1号]缺少:1项   [2号]缺少:1项   Cookies值异同:1项"};
        EXPECT_EQ(outcome(), expected);
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(w.超级列表框结果1->columnWidthOf(column), w.超级列表框对比1->columnWidthOf(column));
            EXPECT_EQ(w.超级列表框结果2->columnWidthOf(column), w.超级列表框对比2->columnWidthOf(column));
        }
        EXPECT_TRUE(MessageBox::shown().empty());
    }
}

TEST_F(CompareCommandTest, MatchingModesDecideWhatIsMissingAndWhatDiffers) {
    struct Case {
        const char* side1;
        const char* side2;
        bool caseSensitive;
        bool exactMatch;
        Rows missingOn1;
        Rows missingOn2;
        Rows differing;
    };
    const Case cases[] = {
        // Values are compared byte for byte in every mode: ABC and abc differ.
        {"SID=ABC;id=2", "sid=abc;uid=3", true, true, {"1|sid|abc", "2|uid|3"}, {"1|SID|ABC", "2|id|2"}, {}},
        {"SID=ABC;id=2", "sid=abc;uid=3", false, true, {"1|uid|3"}, {"1|id|2"}, {"1|SID|ABC|abc"}},
        {"SID=ABC;id=2", "sid=abc;uid=3", true, false, {"1|sid|abc", "2|uid|3"}, {"1|SID|ABC", "2|id|2"}, {}},
        // Without either switch a name may occur anywhere: id finds sid, the first row containing it.
        {"SID=ABC;id=2", "sid=abc;uid=3", false, false, {"1|uid|3"}, {}, {"1|SID|ABC|abc", "2|id|2|abc"}},
        // Prefix matching is one-way: a finds ab, but ab does not find a.
        {"a=1;id=1", "ab=2;uid=1", true, false, {"1|ab|2", "2|uid|1"}, {"1|id|1"}, {"1|a|1|2"}},
        // Only the first match counts, however often a name repeats.
        {"a=1;a=2", "a=1;a=3", true, true, {}, {}, {"1|a|2|1"}},
        {"x=1", "y=1;y=2", true, true, {"1|y|1", "2|y|2"}, {"1|x|1"}, {}},
    };
    MainWindow& w = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.side1) + " / " + c.side2 + " case=" + std::to_string(c.caseSensitive) +
                     " exact=" + std::to_string(c.exactMatch));
        setSides(c.side1, c.side2);
        setMatching(c.caseSensitive, c.exactMatch);
        w.按钮1->click();
        const Outcome got = outcome();
        EXPECT_EQ(got.missingOn1, c.missingOn1);
        EXPECT_EQ(got.missingOn2, c.missingOn2);
        EXPECT_EQ(got.differing, c.differing);
        EXPECT_EQ(got.counts,
                  (std::vector<std::string>{std::to_string(c.missingOn1.size()), std::to_string(c.missingOn2.size()),
                                            std::to_string(c.differing.size())}));
    }
}

TEST_F(CompareCommandTest, AnEmptySideListsAllOfTheOtherAsMissing) {
    MainWindow& w = start();
    setSides("", "b=3;c=4");
    w.按钮1->click();
    EXPECT_EQ(outcome(), (Outcome{{"1|b|3", "2|c|4"},
                                  {},
                                  {},
                                  {"2", "0", "0"},
                                  "分析提示:[1号]缺少:2项   [2号]缺少:0项   Cookies值异同:0项"}));

    setSides("a=1", "");
    w.按钮1->click();
    EXPECT_EQ(
        outcome(),
        (Outcome{{}, {"1|a|1"}, {}, {"0", "1", "0"}, "分析提示:[1号]缺少:0项   [2号]缺少:1项   Cookies值异同:0项"}));
    EXPECT_TRUE(MessageBox::shown().empty());
}

TEST_F(CompareCommandTest, RefusalsShowTheirMessageAndChangeNothing) {
    struct Case {
        const char* what;
        std::string side1;
        std::string side2;
        std::string valueSeparator;  // written into the value separator box
        std::vector<ShownMessage> messages;
    };
    const std::string conflict = g(u8"行分隔符 与 值分隔符 相冲突！请修改！");
    const std::string fillIn = g(u8"请将需要分析对比的数据分别填入 1号和2号！");
    const Case cases[] = {
        {"separators equal", "x=1", "y=2", ";", {{conflict, g(u8"信息："), kWarningOk}}},
        {"side 1 placeholder", g(u8"请填入Cookies 1号数据"), "y=2", "=", {{fillIn, g(u8"温馨提示"), kWarningOk}}},
        {"side 2 placeholder", "x=1", g(u8"请填入Cookies 2号数据"), "=", {{fillIn, g(u8"温馨提示"), kWarningOk}}},
        {"both empty", "", "", "=", {}},
    };
    MainWindow& w = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setSides("a=1;b=2", "b=3;c=4");
        w.编辑框值分隔7->setText("=");
        w.按钮1->click();
        const Outcome before = outcome();

        setSides(c.side1, c.side2);
        w.编辑框值分隔7->setText(c.valueSeparator);
        w.状态条1->setText(u8"分析提示:"_gbk);
        MessageBox::shown().clear();
        w.按钮1->click();

        ASSERT_EQ(MessageBox::shown().size(), c.messages.size());
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(utf8(MessageBox::shown()[i].text), utf8(c.messages[i].text));
            EXPECT_EQ(utf8(MessageBox::shown()[i].caption), utf8(c.messages[i].caption));
            EXPECT_EQ(MessageBox::shown()[i].flags, c.messages[i].flags);
        }
        Outcome expected = before;
        expected.status = "分析提示:";
        EXPECT_EQ(outcome(), expected);
    }
}

TEST_F(CompareCommandTest, DecodeSwitchSwapsTheValueFormsAndComparesAgain) {
    MainWindow& w = start();
    w.选择框6->click();
    ASSERT_TRUE(w.选择框8->isVisible());
    setSides("a=x%41&b=%2F", "a=xA&b=%2F");
    w.按钮1->click();
    ASSERT_EQ(rowsOf(*w.超级列表框值对比3), (Rows{"1|a|x%41|xA"}));

    w.选择框8->click();
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Rows{"1|a|xA|x%41", "2|b|/|%2F"}));
    EXPECT_EQ(rowsOf(*w.超级列表框对比2), (Rows{"1|a|xA|xA", "2|b|/|%2F"}));
    EXPECT_EQ(outcome(),
              (Outcome{{}, {}, {}, {"0", "0", "0"}, "分析提示:[1号]缺少:0项   [2号]缺少:0项   Qurey参数值异同:0项"}));

    // A refused comparison still leaves the values swapped and the old results in place.
    w.编辑框值分隔7->setText("&");
    const Outcome before = outcome();
    w.选择框8->click();
    EXPECT_EQ(shownTexts(), (Rows{"行分隔符 与 值分隔符 相冲突！请修改！"}));
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Rows{"1|a|x%41|xA", "2|b|%2F|/"}));
    EXPECT_EQ(rowsOf(*w.超级列表框对比2), (Rows{"1|a|xA|xA", "2|b|%2F|/"}));
    EXPECT_EQ(outcome(), before);
}

TEST_F(CompareCommandTest, ReloadParsesBothSidesAgainAndEmptiesTheResults) {
    MainWindow& w = start();
    setSides("a=1;b=2", "b=3;c=4");
    w.按钮1->click();
    w.超级列表框对比1->setCellText(0, 2, "edited");
    w.超级列表框对比2->removeRow(0);
    w.编辑框5->setText("a=1;");

    w.按钮5->click();
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Rows{"1|a|1|1", "2|b|2|2"}));
    EXPECT_EQ(rowsOf(*w.超级列表框对比2), (Rows{"1|b|3|3", "2|c|4|4"}));
    EXPECT_EQ(outcome(), (Outcome{{}, {}, {}, {"1", "1", "1"}, "操作提示:已重新载入原始数据！:"}));
    EXPECT_EQ(w.编辑框5->text(), "");
}

}  // namespace
}  // namespace varimonde
