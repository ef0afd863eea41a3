#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "window_fixture.h"

namespace varimonde {
namespace {

using ParseSideTest = WindowTest;
using Rows = std::vector<std::string>;

TEST_F(ParseSideTest, PastingTheExampleFillsSideOneWithItsRowsAndTexts) {
    MainWindow& w = start();
    QApplication::clipboard()->setText(QString::fromUtf8("a=1; b=x%41; c=; d; =e"));
    w.编辑框1->setFocus();
    w.编辑框1->selectAll();
    QTest::keyClick(w.编辑框1, Qt::Key_V, Qt::ControlModifier);

    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Rows{"1|a|1|1", "2|b|x%41|xA", "3|c||"}));
    const std::string messages =
        "检查到Cookies文本有错误!\r\n请检查多余＝号! [错误数:1]\r\n\r\n"
        "检查到Cookies文本有错误!\r\nCookies或值为空 [错误数:1]\r\n\r\n";
    EXPECT_EQ(utf8(w.分析结果编辑框1->text()), messages);
    EXPECT_EQ(utf8(w.状态条1->text()), "分析提示:" + messages);
    EXPECT_EQ(utf8(w.编辑框5->text()), "Cookies[c]的值为(空)\r\n");
    EXPECT_EQ(w.超级列表框对比1->columnTitle(0), "3");
    EXPECT_EQ(w.超级列表框对比1->columnWidthOf(3), 0);
    EXPECT_EQ(w.超级列表框对比1->columnWidthOf(2), w.超级列表框对比1->width() - w.超级列表框对比1->columnWidthOf(0) -
                                                       w.超级列表框对比1->columnWidthOf(1) - 20);
    EXPECT_TRUE(w.超级列表框对比2->rows().empty());
}

TEST_F(ParseSideTest, SideTwoWritesItsOwnItemBox) {
    MainWindow& w = start();
    w.编辑框2->setText("x=;y=2");
    EXPECT_EQ(rowsOf(*w.超级列表框对比2), (Rows{"1|x||", "2|y|2|2"}));
    EXPECT_EQ(utf8(w.编辑框6->text()), "Cookies[x]的值为(空)\r\n");
    EXPECT_EQ(utf8(w.分析结果编辑框1->text()), "空");
}

TEST_F(ParseSideTest, QuestionAnsweredYesParsesAndNoLeavesTheListEmpty) {
    MainWindow& w = start();
    w.编辑框1->setText("a=1;b=2");
    const std::string resultBefore = w.分析结果编辑框1->text();

    MessageBox::queueAnswer(MessageAnswer::No);
    w.编辑框1->setText("a=1b=2");
    ASSERT_EQ(MessageBox::shown().size(), 1u);
    const ShownMessage& asked = MessageBox::shown().back();
    EXPECT_EQ(asked.flags, kWarningYesNo);
    EXPECT_EQ(utf8(asked.caption), "提示：文本逻辑存在错误！");
    EXPECT_EQ(utf8(asked.text), "Cookies1号源文本 分隔符 逻辑数量有误，可能是分析模式不正确\r\n\r\n是否继续分析？");
    EXPECT_TRUE(w.超级列表框对比1->rows().empty());
    EXPECT_EQ(w.分析结果编辑框1->text(), resultBefore);

    MessageBox::queueAnswer(MessageAnswer::Yes);
    w.编辑框1->setText("a=1b=2");
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Rows{"1|a|1b=2|1b=2"}));
}

TEST_F(ParseSideTest, WritingTheSameTextParsesAgain) {
    MainWindow& w = start();
    w.编辑框1->setText("a=1");
    w.超级列表框对比1->removeAllRows();
    w.编辑框1->setText(w.编辑框1->text());
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Rows{"1|a|1|1"}));
}

TEST_F(ParseSideTest, LargeValueAndLargeTextParseInTheWindow) {
    MainWindow& w = start();
    const std::string big(1 << 20, 'v');
    w.编辑框1->setText("big=" + big + ";small=1");
    ASSERT_EQ(w.超级列表框对比1->rowCount(), 2);
    EXPECT_EQ(w.超级列表框对比1->cellText(0, 2), big);

    std::string many;
    for (int i = 0; i < 100000; ++i) many += "name" + std::to_string(i) + "=value" + std::to_string(i) + "\n;";
    w.编辑框2->setText(many);
    EXPECT_EQ(w.超级列表框对比2->rowCount(), 100000);
    EXPECT_EQ(w.超级列表框对比2->columnTitle(0), "100000");
}

}  // namespace
}  // namespace varimonde
