// Selecting an analysis profile with its check box: what it relabels, stores and re-parses.
#include "window_fixture.h"

namespace varimonde {
namespace {

using ProfileSelectionTest = WindowTest;
using Texts = std::vector<std::string>;

// Everything a profile sets in the window, one "what: text" line each, in UTF-8.
Texts profileView(MainWindow& w) {
    const auto colours = [](const EditBox& box) {
        return box.palette().color(QPalette::Text).name().toStdString() + " on " +
               box.palette().color(QPalette::Base).name().toStdString();
    };
    std::string checked;
    for (CheckBox* box : {w.选择框3, w.选择框4, w.选择框6, w.选择框9})
        if (box->isChecked()) checked += utf8(box->caption()) + " ";
    return {
        "word: " + utf8(w.state().profile.profileWord),
        "checked: " + checked,
        "按钮1: " + utf8(w.按钮1->caption()),
        "按钮4: " + utf8(w.按钮4->caption()),
        "透明标签1: " + utf8(w.透明标签1->caption()),
        "透明标签2: " + utf8(w.透明标签2->caption()),
        "透明标签7: " + utf8(w.透明标签7->caption()),
        "透明标签8: " + utf8(w.透明标签8->caption()),
        "menu 1: " + utf8(PopupMenu::caption(w.copySide1Item)),
        "menu 2: " + utf8(PopupMenu::caption(w.copySide2Item)),
        "对比1: " + utf8(w.超级列表框对比1->columnTitle(1)),
        "对比2: " + utf8(w.超级列表框对比2->columnTitle(1)),
        "结果1: " + utf8(w.超级列表框结果1->columnTitle(1)),
        "结果2: " + utf8(w.超级列表框结果2->columnTitle(1)),
        "值对比3: " + utf8(w.超级列表框值对比3->columnTitle(1)),
        std::string("选择框8: ") + (w.选择框8->isHidden() ? "hidden" : "shown"),
        "row box: " + utf8(w.编辑框行分隔6->text()) + " " + colours(*w.编辑框行分隔6),
        "value box: " + utf8(w.编辑框值分隔7->text()) + " " + colours(*w.编辑框值分隔7),
        "separators: " + utf8(w.state().profile.rowSeparator) + " " + utf8(w.state().profile.valueSeparator),
        "编辑框1: " + utf8(w.编辑框1->text()),
        "编辑框2: " + utf8(w.编辑框2->text()),
    };
}

TEST_F(ProfileSelectionTest, EachProfileRelabelsTheWindowAndStoresItsCode) {
    struct Case {
        CheckBox* MainWindow::*box;
        std::string code;
        Texts view;
    };
    const std::string blanks(14, ' ');
    const std::vector<Case> cases = {
        {&MainWindow::选择框4,
         "2",
         {"word: Http协议",
          "checked: 分析Http协议 ",
          "按钮1: 分析Http协议",
          "按钮4: 分析Http协议",
          "透明标签1: [Http协议 1号] 分析内容:" + blanks + "(双击修改)",
          "透明标签2: [Http协议 2号] 分析内容:",
          "透明标签7: [1号2号中值不同的项](双击浏览)",
          "透明标签8: [1号2号Http协议:值内容对比]",
          "menu 1: 复制 1号Http协议数据",
          "menu 2: 复制 2号Http协议数据",
          "对比1: Http协议",
          "对比2: Http协议",
          "结果1: 缺少协议",
          "结果2: 缺少协议",
          "值对比3: 值不同的[Http协议]",
          "选择框8: hidden",
          "row box: 换行 #000000 on #ffffff",
          "value box: : #000000 on #ffffff",
          "separators: \r\n :",
          "编辑框1: 请填入Http协议 1号数据",
          "编辑框2: 请填入Http协议 2号数据"}},
        {&MainWindow::选择框6,
         "3",
         {"word: Qurey参数",
          "checked: 分析请求参数 ",
          "按钮1: 分析Qurey参数",
          "按钮4: 分析Qurey参数",
          "透明标签1: [Qurey参数 1号] 分析内容:" + blanks + "(双击修改)",
          "透明标签2: [Qurey参数 2号] 分析内容:",
          "透明标签7: [1号2号中值不同的项](双击浏览)",
          "透明标签8: [1号2号Qurey参数:值内容对比]",
          "menu 1: 复制 1号Qurey参数数据",
          "menu 2: 复制 2号Qurey参数数据",
          "对比1: Qurey参数",
          "对比2: Qurey参数",
          "结果1: 缺少参数",
          "结果2: 缺少参数",
          "值对比3: 值不同的[Qurey参数]",
          "选择框8: shown",
          "row box: & #000000 on #ffffff",
          "value box: = #000000 on #ffffff",
          "separators: & =",
          "编辑框1: 请填入Qurey参数 1号数据",
          "编辑框2: 请填入Qurey参数 2号数据"}},
        {&MainWindow::选择框9,
         "4",
         {"word: 自定义数据",
          "checked: 分析自定义 ",
          "按钮1: 分析自定义数据",
          "按钮4: 分析自定义数据",
          "透明标签1: [数据 1号] 分析内容:" + blanks + "(双击修改)",
          "透明标签2: [数据 2号] 分析内容:",
          "透明标签7: [1号2号中值不同的项](双击浏览)",
          "透明标签8: [1号2号数据:值内容对比]",
          "menu 1: 复制 1号数据",
          "menu 2: 复制 2号数据",
          "对比1: 数据项",
          "对比2: 数据项",
          "结果1: 缺少项",
          "结果2: 缺少项",
          "值对比3: 值不同的[项]",
          "选择框8: shown",
          "row box: & #ffffff on #000000",
          "value box: = #ffffff on #000000",
          "separators: & =",
          "编辑框1: 请填入自定义数据 1号数据",
          "编辑框2: 请填入自定义数据 2号数据"}},
        {&MainWindow::选择框3,
         "1",
         {"word: Cookies",
          "checked: 分析Cookies ",
          "按钮1: 分析Cookies",
          "按钮4: 分析Cookies",
          "透明标签1: [Cookies 1号] 分析内容:" + blanks + "(双击修改)",
          "透明标签2: [Cookies 2号] 分析内容:",
          "透明标签7: [1号2号中值不同的项](双击浏览)",
          "透明标签8: [1号2号Cookies:值内容对比]",
          "menu 1: 复制 1号Cookies数据",
          "menu 2: 复制 2号Cookies数据",
          "对比1: Cookies",
          "对比2: Cookies",
          "结果1: 缺少Cookies",
          "结果2: 缺少Cookies",
          "值对比3: 值不同的[Cookies]",
          "选择框8: hidden",
          "row box: ; #000000 on #ffffff",
          "value box: = #000000 on #ffffff",
          "separators: ; =",
          "编辑框1: 请填入Cookies 1号数据",
          "编辑框2: 请填入Cookies 2号数据"}},
    };
    MainWindow& w = start();
    // In this order the custom profile starts from the query profile's separators.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        clickBox(*(w.*c.box));
        EXPECT_EQ(profileView(w), c.view);
        EXPECT_EQ(storedSetting(u8"分析项目"), c.code);
    }
}

TEST_F(ProfileSelectionTest, SelectingAProfileParsesBothSidesAgain) {
    MainWindow& w = start();
    w.编辑框1->setText("a=1&b=2;c=3");
    w.编辑框2->setText("x=1&y=2;z=3");
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Texts{"1|a|1&b=2|1&b=2", "2|c|3|3"}));

    clickBox(*w.选择框6);
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Texts{"1|a|1|1", "2|b|2;c=3|2;c=3"}));
    EXPECT_EQ(rowsOf(*w.超级列表框对比2), (Texts{"1|x|1|1", "2|y|2;z=3|2;z=3"}));
    EXPECT_EQ(utf8(w.超级列表框对比1->columnTitle(1)), "Qurey参数");
}

TEST_F(ProfileSelectionTest, ClickingTheCheckedBoxKeepsItCheckedStoresAgainAndParsesAgain) {
    MainWindow& w = start();
    w.编辑框1->setText("a=1;b=2");
    w.编辑框2->setText("c=3");
    w.超级列表框对比1->removeAllRows();
    w.超级列表框对比2->removeAllRows();
    storeSetting(u8"分析项目", u8"x");

    clickBox(*w.选择框3);
    EXPECT_TRUE(w.选择框3->isChecked());
    EXPECT_EQ(storedSetting(u8"分析项目"), "1");
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Texts{"1|a|1|1", "2|b|2|2"}));
    EXPECT_EQ(rowsOf(*w.超级列表框对比2), (Texts{"1|c|3|3"}));
}

TEST_F(ProfileSelectionTest, CustomProfileDiscardsBothInputsAndReportsThemUnderThePreviousWord) {
    struct Case {
        CheckBox* MainWindow::*previous;
        std::string word;
    };
    const std::vector<Case> cases = {
        {&MainWindow::选择框3, "Cookies"}, {&MainWindow::选择框4, "Http协议"}, {&MainWindow::选择框6, "Qurey参数"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        clearSettings();
        MainWindow& w = start();
        clickBox(*(w.*c.previous));
        w.编辑框1->setText("a=1;b=2&c:3\r\nd=4");
        w.编辑框2->setText("e=5&f=6");
        MessageBox::shown().clear();

        clickBox(*w.选择框9);
        EXPECT_EQ((Texts{utf8(w.编辑框1->text()), utf8(w.编辑框2->text())}),
                  (Texts{"请填入自定义数据 1号数据", "请填入自定义数据 2号数据"}));
        EXPECT_EQ((Texts{w.超级列表框对比1->columnTitle(0), w.超级列表框对比2->columnTitle(0)}), (Texts{"-", "-"}));
        EXPECT_TRUE(w.超级列表框对比1->rows().empty());
        EXPECT_TRUE(w.超级列表框对比2->rows().empty());
        EXPECT_EQ(utf8(w.分析结果编辑框1->text()), "检查到" + c.word + "文本有错误!");
        EXPECT_TRUE(MessageBox::shown().empty());
    }
}

TEST_F(ProfileSelectionTest, CustomProfileStartsFromTheSeparatorsLastStored) {
    MainWindow& w = start();
    clickBox(*w.选择框4);
    EXPECT_EQ((Texts{storedSetting(u8"行分隔符"), storedSetting(u8"值分隔符")}), (Texts{"换行", ":"}));

    clickBox(*w.选择框9);
    EXPECT_EQ((Texts{w.state().profile.rowSeparator, w.state().profile.valueSeparator}), (Texts{"\r\n", ":"}));
    EXPECT_EQ((Texts{utf8(w.编辑框行分隔6->text()), utf8(w.编辑框值分隔7->text())}), (Texts{"换行", ":"}));
}

TEST_F(ProfileSelectionTest, AnyTextHoldingThePlaceholderWordIsReplacedByThePlaceholder) {
    MainWindow& w = start();
    w.编辑框1->setText(g(u8"a=1;请填入;b=2"));
    w.编辑框2->setText("c=1;d=2");

    clickBox(*w.选择框4);
    EXPECT_EQ((Texts{utf8(w.编辑框1->text()), utf8(w.编辑框2->text())}), (Texts{"请填入Http协议 1号数据", "c=1;d=2"}));
    EXPECT_TRUE(w.超级列表框对比1->rows().empty());
}

}  // namespace
}  // namespace varimonde
