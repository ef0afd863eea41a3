// Start-up from a settings file: the profile, separators, switches, placeholders, window
// state and start counter a run comes back with, and what the first start stores.
#include <QScreen>

#include "window_fixture.h"

namespace varimonde {
namespace {

using StartupTest = WindowTest;
using Texts = std::vector<std::string>;

// Which of the check boxes are checked, in a fixed order.
std::string checkedBoxes(MainWindow& w) {
    const std::vector<std::pair<const char*, CheckBox*>> boxes = {
        {"1", w.选择框1}, {"2", w.选择框2}, {"3", w.选择框3}, {"4", w.选择框4}, {"5", w.选择框5},
        {"6", w.选择框6}, {"7", w.选择框7}, {"8", w.选择框8}, {"9", w.选择框9}, {"10", w.选择框10}};
    std::string checked;
    for (const auto& [name, box] : boxes)
        if (box->isChecked()) checked += std::string(checked.empty() ? "" : " ") + name;
    return checked;
}

bool isWhiteOnBlack(const EditBox& box) {
    return box.palette().color(QPalette::Base) == QColor(0, 0, 0) &&
           box.palette().color(QPalette::Text) == QColor(255, 255, 255);
}

bool isBlackOnWhite(const EditBox& box) {
    return box.palette().color(QPalette::Base) == QColor(255, 255, 255) &&
           box.palette().color(QPalette::Text) == QColor(0, 0, 0);
}

TEST_F(StartupTest, FreshStartSelectsCookiesAndStoresTheFirstStart) {
    MainWindow& w = start();

    EXPECT_EQ(w.windowTitle().toStdString(), "Varimonde 正式版1.1            By:Quorvelind");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(checkedBoxes(w), "1 2 3 10");
    EXPECT_TRUE(w.选择框8->isHidden());
    EXPECT_TRUE(w.选择框5->isHidden());
    const ProfileTexts& profile = w.state().profile;
    EXPECT_EQ((Texts{profile.profileWord, profile.rowSeparator, profile.valueSeparator}), (Texts{"Cookies", ";", "="}));
    EXPECT_EQ((Texts{w.编辑框行分隔6->text(), w.编辑框值分隔7->text()}), (Texts{";", "="}));
    EXPECT_TRUE(isBlackOnWhite(*w.编辑框行分隔6));
    EXPECT_EQ((Texts{utf8(w.编辑框1->text()), utf8(w.编辑框2->text())}),
              (Texts{"请填入Cookies 1号数据", "请填入Cookies 2号数据"}));
    EXPECT_TRUE(w.超级列表框对比1->rows().empty());
    EXPECT_TRUE(MessageBox::shown().empty());

    EXPECT_EQ((Texts{storedSetting(u8"Times Count"), storedSetting(u8"分析项目"), storedSetting(u8"行分隔符"),
                     storedSetting(u8"值分隔符")}),
              (Texts{"1", "1", ";", "="}));
    // Switches are stored only when the user clicks them.
    for (std::u8string_view key : {u8"区分大小写", u8"精确匹配", u8"伪精确匹配", u8"自动排序", u8"是否精简"}) {
        SCOPED_TRACE(utf8(gbk(key)));
        EXPECT_EQ(storedSetting(key), "");
    }
    EXPECT_EQ(w.选择框10->toolTip().toStdString(),
              "搜索匹配条件将从整个字符串完全匹配 调整为从字符串左边开始对比关键词,包含就返回项目.");
}

TEST_F(StartupTest, StoredCustomProfileTakesItsSeparatorsFromTheFile) {
    struct Case {
        const char* name;
        std::u8string_view storedRow, storedValue;  // empty: key absent
        Texts boxes;                                // row box, value box
        Texts separators;                           // rowSeparator, valueSeparator
    };
    const std::vector<Case> cases = {
        {"line break and colon", u8"换行", u8":", {"换行", ":"}, {"\r\n", ":"}},
        {"no separator keys", u8"", u8"", {";", "="}, {";", "="}},
        {"line break as value separator", u8"|", u8"换行", {"|", "换行"}, {"|", "\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearSettings();
        storeSetting(u8"分析项目", u8"4");
        if (!c.storedRow.empty()) storeSetting(u8"行分隔符", c.storedRow);
        if (!c.storedValue.empty()) storeSetting(u8"值分隔符", c.storedValue);
        MainWindow& w = start();

        EXPECT_EQ(checkedBoxes(w), "1 2 9 10");
        EXPECT_FALSE(w.选择框8->isHidden());
        EXPECT_EQ((Texts{utf8(w.编辑框行分隔6->text()), utf8(w.编辑框值分隔7->text())}), c.boxes);
        EXPECT_EQ((Texts{w.state().profile.rowSeparator, w.state().profile.valueSeparator}), c.separators);
        EXPECT_TRUE(isWhiteOnBlack(*w.编辑框行分隔6));
        EXPECT_TRUE(isWhiteOnBlack(*w.编辑框值分隔7));
        EXPECT_EQ((Texts{utf8(w.编辑框1->text()), utf8(w.编辑框2->text())}),
                  (Texts{"请填入自定义数据 1号数据", "请填入自定义数据 2号数据"}));
        EXPECT_EQ((Texts{storedSetting(u8"分析项目"), storedSetting(u8"行分隔符"), storedSetting(u8"值分隔符")}),
                  (Texts{"4", c.boxes[0], c.boxes[1]}));
    }
}

TEST_F(StartupTest, StoredBuiltInProfilesComeBack) {
    struct Case {
        std::u8string_view code;
        std::string word;
        Texts boxes;
        std::string checked;
    };
    const std::vector<Case> cases = {
        {u8"1", "Cookies", {";", "="}, "1 2 3 10"},
        {u8"2", "Http协议", {"换行", ":"}, "1 2 4 10"},
        {u8"3", "Qurey参数", {"&", "="}, "1 2 6 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        clearSettings();
        storeSetting(u8"分析项目", c.code);
        MainWindow& w = start();
        EXPECT_EQ(utf8(w.state().profile.profileWord), c.word);
        EXPECT_EQ((Texts{utf8(w.编辑框行分隔6->text()), utf8(w.编辑框值分隔7->text())}), c.boxes);
        EXPECT_EQ(checkedBoxes(w), c.checked);
        EXPECT_EQ(utf8(w.编辑框1->text()), "请填入" + c.word + " 1号数据");
    }
}

TEST_F(StartupTest, StartCounterCountsAndStartsAgainAfterTwenty) {
    const std::vector<std::pair<std::u8string_view, std::string>> cases = {
        {u8"19", "20"}, {u8"20", "0"}, {u8"0", "1"}, {u8"21", "22"}, {u8"7.9", "8"}, {u8"abc", "1"},
    };
    for (const auto& [stored, next] : cases) {
        SCOPED_TRACE(utf8(gbk(stored)));
        clearSettings();
        storeSetting(u8"Times Count", stored);
        start();
        EXPECT_EQ(storedSetting(u8"Times Count"), next);
    }
}

TEST_F(StartupTest, StoredWindowPositionThreeStartsMaximisedOthersNormalAndCentred) {
    storeSetting(u8"窗口位置", u8"3");
    EXPECT_TRUE(start().isMaximized());

    clearSettings();
    storeSetting(u8"窗口位置", u8"2");
    MainWindow& w = start();
    QApplication::processEvents();
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ((std::pair{w.outerWidth(), w.outerHeight()}), (std::pair{822, 581}));
    // Platforms place a framed window to within the frame's width.
    const QPoint offCentre = w.frameGeometry().center() - w.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << "," << offCentre.y();
}

TEST_F(StartupTest, SwitchesComeBackFromTheirStoredTextsWithoutMessagesOrWrites) {
    struct Case {
        std::u8string_view key;
        std::u8string_view stored;
        CheckBox* MainWindow::*box;
        bool checked;
    };
    const std::vector<Case> cases = {
        {u8"区分大小写", u8"no", &MainWindow::选择框2, false},
        {u8"区分大小写", u8"No", &MainWindow::选择框2, true},
        {u8"区分大小写", u8"x", &MainWindow::选择框2, true},
        {u8"精确匹配", u8"no", &MainWindow::选择框1, false},
        {u8"精确匹配", u8"NO", &MainWindow::选择框1, true},
        {u8"伪精确匹配", u8"no", &MainWindow::选择框10, false},
        {u8"伪精确匹配", u8"yes", &MainWindow::选择框10, true},
        {u8"自动展开内容", u8"yes", &MainWindow::选择框5, true},
        {u8"自动展开内容", u8"Yes", &MainWindow::选择框5, false},
        {u8"自动排序", u8"yes", &MainWindow::选择框7, true},
        {u8"自动排序", u8"no", &MainWindow::选择框7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8(gbk(c.key)) + "=" + utf8(gbk(c.stored)));
        clearSettings();
        storeSetting(c.key, c.stored);
        MainWindow& w = start();
        EXPECT_EQ((w.*c.box)->isChecked(), c.checked);
        EXPECT_EQ(storedSetting(c.key), utf8(gbk(c.stored)));
        EXPECT_TRUE(MessageBox::shown().empty());
    }
}

TEST_F(StartupTest, UnrecognisedProfileSelectsNoneAndPastedTextIsATextError) {
    storeSetting(u8"分析项目", u8"7");
    MainWindow& w = start();

    const ProfileTexts& profile = w.state().profile;
    EXPECT_EQ((Texts{profile.profileWord, profile.rowSeparator, profile.valueSeparator}), (Texts{"", "", ""}));
    EXPECT_EQ(storedSetting(u8"分析项目"), "7");
    EXPECT_EQ(utf8(w.编辑框1->text()), "请填入 1号数据");

    pasteInto(*w.编辑框1, QString::fromUtf8("a=1;b=2\n请c=3"));
    EXPECT_EQ(utf8(w.分析结果编辑框1->text()), "检查到文本有错误!");
    EXPECT_TRUE(w.超级列表框对比1->rows().empty());
    EXPECT_TRUE(MessageBox::shown().empty());
}

}  // namespace
}  // namespace varimonde
