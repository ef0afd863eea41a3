// The matching switches: each click is stored at once, and the exact and pseudo-exact
// switches explain their new state in a message box.
#include "window_fixture.h"

namespace varimonde {
namespace {

using MatchSwitchesTest = WindowTest;
using Texts = std::vector<std::string>;

const char* const kExactOff = "关闭 精确匹配(全局) 程序所有功能(包括:搜索、分析、比对)都将变成模糊搜索模式！";
const char* const kPseudoOn =
    "启用伪精确后 搜索匹配条件将从整个字符串完全匹配 调整为从字符串左边开始对比关键词,左起包含关键字就返回项目."
    "\r\n\r\n该功能视需求而定.\r\n\r\n如需要完全模糊匹配请关闭精确匹配功能.";
const char* const kPseudoOff =
    "关闭伪精确后 搜索关键字必须与目标值完全一致才会返回项目.\r\n\r\n该功能视需求而定.\r\n\r\n"
    "如需要完全模糊匹配请关闭精确匹配功能.";

TEST_F(MatchSwitchesTest, ClicksAreStoredAndExplained) {
    struct Step {
        const char* name;
        CheckBox* MainWindow::*box;
        std::u8string_view key;
        std::string stored;
        Texts messages;
        int valueSearchRuns;  // rewrites of the value search box
    };
    // From a fresh start all three switches are on.
    const std::vector<Step> steps = {
        {"case off", &MainWindow::选择框2, u8"区分大小写", "no", {}, 0},
        {"case on", &MainWindow::选择框2, u8"区分大小写", "yes", {}, 0},
        {"exact off", &MainWindow::选择框1, u8"精确匹配", "no", {kExactOff}, 0},
        {"pseudo-exact off while exact is off", &MainWindow::选择框10, u8"伪精确匹配", "no", {kPseudoOff}, 1},
        {"pseudo-exact on", &MainWindow::选择框10, u8"伪精确匹配", "yes", {kPseudoOn}, 1},
        {"exact on", &MainWindow::选择框1, u8"精确匹配", "yes", {}, 0},
    };
    MainWindow& w = start();
    int valueSearchRuns = 0;
    const std::function<void()> search = w.编辑框7->textChanged;
    w.编辑框7->textChanged = [&valueSearchRuns, search] {
        ++valueSearchRuns;
        if (search) search();
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        MessageBox::shown().clear();
        valueSearchRuns = 0;
        CheckBox& box = *(w.*step.box);
        const bool expectedState = !box.isChecked();
        clickBox(box);
        EXPECT_EQ(box.isChecked(), expectedState);
        EXPECT_EQ(storedSetting(step.key), step.stored);
        EXPECT_EQ(shownTexts(), step.messages);
        for (const ShownMessage& message : MessageBox::shown())
            EXPECT_EQ((std::pair{utf8(message.caption), message.flags}),
                      (std::pair{std::string("功能改动提示:"), 4160}));
        EXPECT_EQ(valueSearchRuns, step.valueSearchRuns);
        EXPECT_EQ(utf8(w.编辑框7->text()), "[#查值#]");
    }
}

TEST_F(MatchSwitchesTest, CaseSwitchLeavesResultsUntilTheNextAnalysis) {
    MainWindow& w = start();
    w.编辑框1->setText("a=1;B=2");
    w.编辑框2->setText("A=1;B=3");
    const auto results = [&w] {
        return std::vector<Texts>{rowsOf(*w.超级列表框结果1), rowsOf(*w.超级列表框结果2), rowsOf(*w.超级列表框值对比3)};
    };
    w.按钮1->click();
    const std::vector<Texts> caseSensitive = results();

    clickBox(*w.选择框2);
    EXPECT_EQ(results(), caseSensitive);
    EXPECT_TRUE(MessageBox::shown().empty());

    w.按钮1->click();
    EXPECT_NE(results(), caseSensitive);
}

}  // namespace
}  // namespace varimonde
