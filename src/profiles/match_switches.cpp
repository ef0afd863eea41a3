#include "profiles/match_switches.h"

#include "core/text/gbk_literal.h"
#include "ui/main_window.h"
#include "ui/toolkit/message_box.h"

namespace varimonde {

namespace {

std::string yesNo(bool on) {
    return on ? "yes" : "no";
}

void explain(MainWindow& window, const std::string& text) {
    MessageBox::show(&window, text, u8"功能改动提示:"_gbk, kInformationOk);
}

void caseSwitchClicked(MainWindow& window) {
    window.settings().writeSetting(u8"区分大小写"_gbk, yesNo(window.选择框2->isChecked()));
}

void exactSwitchClicked(MainWindow& window) {
    const bool on = window.选择框1->isChecked();
    window.settings().writeSetting(u8"精确匹配"_gbk, yesNo(on));
    if (on) return;
    explain(window, u8"关闭 精确匹配(全局) 程序所有功能(包括:搜索、分析、比对)都将变成模糊搜索模式！"_gbk);
}

void pseudoExactSwitchClicked(MainWindow& window) {
    const bool on = window.选择框10->isChecked();
    window.settings().writeSetting(u8"伪精确匹配"_gbk, yesNo(on));
    explain(
        window,
        on ? u8"启用伪精确后 搜索匹配条件将从整个字符串完全匹配 调整为从字符串左边开始对比关键词,左起包含关键字就返回项目.\r\n\r\n该功能视需求而定.\r\n\r\n如需要完全模糊匹配请关闭精确匹配功能."_gbk
           : u8"关闭伪精确后 搜索关键字必须与目标值完全一致才会返回项目.\r\n\r\n该功能视需求而定.\r\n\r\n如需要完全模糊匹配请关闭精确匹配功能."_gbk);
    // Writing the value search box's own text back runs the search by value again.
    window.编辑框7->setText(window.编辑框7->text());
}

}  // namespace

MatchOptions matchOptionsOf(MainWindow& window) {
    return {window.选择框2->isChecked(), window.选择框1->isChecked(), window.选择框10->isChecked()};
}

void connectMatchSwitches(MainWindow& window) {
    window.选择框2->clicked = [&window] { caseSwitchClicked(window); };
    window.选择框1->clicked = [&window] { exactSwitchClicked(window); };
    window.选择框10->clicked = [&window] { pseudoExactSwitchClicked(window); };
}

}  // namespace varimonde
