#include "profiles/startup_sequence.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/items/parse_items.h"
#include "core/text/gbk_literal.h"
#include "profiles/profile_selection.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/toolkit/qt_text.h"

namespace varimonde {

namespace {

const std::string& startCountKey() {
    return u8"Times Count"_gbk;
}

void centreOnScreen(MainWindow& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    window.move(available.center().x() - window.outerWidth() / 2, available.center().y() - window.outerHeight() / 2);
}

// The window was given its outer size before it had a frame, so that size went to the client
// area. Creating the native window makes the frame known where the platform tells it before
// the window is mapped; the same outer size is then set again, frame included, so that the
// layout is recorded against the real outer size. Where the frame is known only after
// mapping (a window manager on X11) it still counts as 0 here.
void settleOuterSize(MainWindow& window) {
    const int width = window.outerWidth();
    const int height = window.outerHeight();
    window.winId();
    if (window.outerWidth() != width || window.outerHeight() != height) window.setOuterSize(width, height);
}

void restoreWindowState(MainWindow& window) {
    if (window.settings().readSetting(u8"窗口位置"_gbk) == "3") {
        window.setWindowState(Qt::WindowMaximized);
        return;
    }
    window.setWindowState(Qt::WindowNoState);
    centreOnScreen(window);
}

// Counts this start. At 20 the thank-you window is due; the counter then starts again at 0.
void countStart(MainWindow& window) {
    const long count = startCountFrom(window.settings().readSetting(startCountKey()));
    if (count == 20) {
        window.settings().writeSetting(startCountKey(), "0");
        return;
    }
    window.settings().writeSetting(startCountKey(), std::to_string(count + 1));
}

void restoreSwitch(MainWindow& window, CheckBox& box, std::u8string_view key, bool onUnlessNo) {
    const std::string stored = window.settings().readSetting(gbk(key));
    box.setChecked(onUnlessNo ? stored != "no" : stored == "yes");
}

void fillPlaceholders(MainWindow& window) {
    for (Side side : {Side::One, Side::Two}) {
        EditBox& box = window.inputBox(side);
        if (box.isEmpty()) box.setText(placeholderText(window.state().profile.profileWord, side));
    }
}

void attachToolTips(MainWindow& window) {
    window.选择框1->setToolTipText(u8"精确匹配(全局) 程序所有功能(包括:搜索、分析、比对)都将变成模糊搜索模式！"_gbk);
    window.选择框2->setToolTipText(u8"区分大小写(全局) 程序所有功能(包括:搜索、分析、比对)都将区分大小写！"_gbk);
    window.选择框7->setToolTipText(u8"自动按照字符字母的先后顺序对列表排序！"_gbk);
    window.选择框9->setToolTipText(u8"分析文本格式设置为 自定义数据,请手动修改数据分隔符！"_gbk);
    window.选择框8->setToolTipText(u8"将请求参数进行URL解码(UTF8),关闭功能后自动恢复编码数据,支持实时修改！"_gbk);
    window.选择框6->setToolTipText(u8"分析文本格式设置为 URL请求参数格式！(=|&)"_gbk);
    window.选择框4->setToolTipText(u8"分析文本格式设置为 Http协议格式！(:|换行)"_gbk);
    window.选择框3->setToolTipText(u8"分析文本格式设置为 Cookies格式！(=|换行)"_gbk);
    window.选择框10->setToolTipText(
        u8"搜索匹配条件将从整个字符串完全匹配 调整为从字符串左边开始对比关键词,包含就返回项目."_gbk);
}

}  // namespace

long startCountFrom(std::string_view stored) {
    const std::string text(stored);
    const double value = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(value) || std::fabs(value) > 1e15) return 0;
    return static_cast<long>(std::trunc(value));
}

void runStartupSequence(MainWindow& window) {
    window.setWindowTitle(toQString(u8"Varimonde 正式版1.1            By:Quorvelind"_gbk));
    settleOuterSize(window);
    // The compact layout is restored here once the compact mode exists.
    recordLayout(window);
    restoreWindowState(window);
    window.图片框1->setBackground(QColor(241, 241, 241));
    window.图片框2->setBackground(QColor(241, 241, 241));
    // The value windows are loaded here; from now on size changes rescale the window.
    window.state().valueWindowsLoaded = true;
    window.setFocus();
    countStart(window);

    const std::string stored = window.settings().readSetting(u8"分析项目"_gbk);
    const std::optional<AnalysisProfile> profile = stored.empty() ? AnalysisProfile::Cookies : profileFromCode(stored);
    if (profile && profile != AnalysisProfile::Custom) selectProfile(window, *profile);
    restoreSwitch(window, *window.选择框10, u8"伪精确匹配", true);
    if (profile == AnalysisProfile::Custom) selectProfile(window, AnalysisProfile::Custom);
    if (window.isVisible()) {
        window.编辑框1->setText(window.编辑框1->text());
        window.编辑框2->setText(window.编辑框2->text());
    }
    restoreSwitch(window, *window.选择框2, u8"区分大小写", true);
    restoreSwitch(window, *window.选择框1, u8"精确匹配", true);
    restoreSwitch(window, *window.选择框5, u8"自动展开内容", false);
    restoreSwitch(window, *window.选择框7, u8"自动排序", false);
    fillPlaceholders(window);
    window.show();
    window.activateWindow();
    window.setFocus();
    attachToolTips(window);
}

}  // namespace varimonde
