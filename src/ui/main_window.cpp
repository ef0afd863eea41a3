#include "ui/main_window.h"

#include <QResizeEvent>

#include "commands/analysis_commands.h"
#include "commands/parse_side.h"
#include "commands/value_report_handlers.h"
#include "core/text/gbk_literal.h"
#include "profiles/match_switches.h"
#include "profiles/profile_selection.h"
#include "profiles/startup_sequence.h"
#include "ui/main_window_layout.h"

namespace varimonde {

namespace {

template <class Control>
Control* place(QWidget* parent, int left, int top, int width, int height) {
    auto* control = new Control(parent);
    control->setGeometry(left, top, width, height);
    return control;
}

template <class Control>
Control* placeWithCaption(QWidget* parent, int left, int top, int width, int height, const std::string& caption) {
    Control* control = place<Control>(parent, left, top, width, height);
    control->setCaption(caption);
    return control;
}

const std::vector<int> kSideColumnWidths = {50, 100, 142, 0};
const std::vector<int> kResultColumnWidths = {50, 100, 142};
const std::vector<int> kValueColumnWidths = {22, 120, 215, 215};

}  // namespace

MainWindow::MainWindow(SettingsFile settings, QWidget* parent) : QWidget(parent), settings_(std::move(settings)) {
    createControls();
    connectHandlers();
    runStartupSequence(*this);
}

MainWindow::~MainWindow() {
    // Closing the window destroys the boxes; their handlers must not run on a half-destroyed window.
    for (EditBox* box : findChildren<EditBox*>()) box->textChanged = nullptr;
}

int MainWindow::outerWidth() const {
    return frameGeometry().width();
}
int MainWindow::outerHeight() const {
    return frameGeometry().height();
}

void MainWindow::setOuterSize(int width, int height) {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    resize(width - (frame.width() - client.width()), height - (frame.height() - client.height()));
}

void MainWindow::createControls() {
    // Sizes are designed for a 12-pixel interface font.
    QFont interfaceFont = font();
    interfaceFont.setPixelSize(12);
    setFont(interfaceFont);
    setOuterSize(822, 581);
    move(50, 50);

    图片框1 = place<PictureBox>(this, 6, 1, 200, 525);
    图片框2 = place<PictureBox>(this, 194, -5, 611, 695);
    编辑框5 = place<EditBox>(this, 208, 338, 594, 49);
    编辑框6 = place<EditBox>(this, 208, 386, 594, 49);
    超级列表框值对比3 = place<ReportList>(this, 208, 434, 594, 84);
    分隔条1 = place<Label>(this, 20, 331, 781, 1);
    分隔条1->setFrameShape(QFrame::HLine);
    分隔条1->setFrameShadow(QFrame::Sunken);
    按钮3 = placeWithCaption<Button>(this, -1, -3, 12, 550, ">");
    状态条1 = place<StatusBar>(this, 3, 531, 802, 20);
    状态条1->setText(u8"分析提示:"_gbk);
    透明标签4 = placeWithCaption<Label>(this, 21, 402, 123, 15, u8"废弃使用"_gbk);
    透明标签4->hide();

    编辑框3 = place<EditBox>(图片框1, 14, 5, 91, 40);
    编辑框7 = place<EditBox>(图片框1, 103, 5, 91, 40);
    透明标签5 = placeWithCaption<Label>(图片框1, 14, 49, 118, 12, u8"查找结果:(点击定位)"_gbk);
    选择框10 = placeWithCaption<CheckBox>(图片框1, 140, 49, 57, 13, u8"伪精确"_gbk);
    编辑框4 = place<EditBox>(图片框1, 14, 68, 180, 150);
    选择框2 = placeWithCaption<CheckBox>(图片框1, 15, 223, 81, 17, u8"区分大小写"_gbk);
    选择框3 = placeWithCaption<CheckBox>(图片框1, 105, 223, 87, 17, u8"分析Cookies"_gbk);
    选择框1 = placeWithCaption<CheckBox>(图片框1, 15, 243, 81, 17, u8"精确匹配"_gbk);
    选择框4 = placeWithCaption<CheckBox>(图片框1, 105, 243, 92, 17, u8"分析Http协议"_gbk);
    选择框7 = placeWithCaption<CheckBox>(图片框1, 15, 263, 81, 17, u8"自动排序"_gbk);
    选择框6 = placeWithCaption<CheckBox>(图片框1, 105, 263, 92, 17, u8"分析请求参数"_gbk);
    选择框9 = placeWithCaption<CheckBox>(图片框1, 15, 283, 84, 17, u8"分析自定义"_gbk);
    选择框5 = placeWithCaption<CheckBox>(图片框1, 15, 283, 81, 17, u8"扩展窗口"_gbk);
    选择框5->hide();
    选择框8 = placeWithCaption<CheckBox>(图片框1, 105, 283, 93, 17, u8"参数解码"_gbk);
    透明标签6 = placeWithCaption<Label>(图片框1, 15, 304, 55, 18, u8"行分隔符:"_gbk);
    编辑框行分隔6 = place<EditBox>(图片框1, 68, 302, 35, 22);
    透明标签9 = placeWithCaption<Label>(图片框1, 104, 304, 55, 18, u8"值分隔符:"_gbk);
    编辑框值分隔7 = place<EditBox>(图片框1, 157, 302, 35, 22);
    分析结果编辑框1 = place<EditBox>(图片框1, 14, 337, 180, 133);
    透明标签3 = placeWithCaption<Label>(图片框1, 14, 448, 94, 18, u8"对比结果:"_gbk);
    透明标签3->hide();
    按钮5 = placeWithCaption<Button>(图片框1, 15, 476, 63, 41, u8"重载数据"_gbk);
    按钮1 = placeWithCaption<Button>(图片框1, 81, 476, 113, 41, u8"分析Cookies"_gbk);

    编辑框1 = place<EditBox>(图片框2, 14, 11, 296, 40);
    编辑框2 = place<EditBox>(图片框2, 312, 11, 296, 40);
    按钮4 = placeWithCaption<Button>(图片框2, 14, 52, 593, 20, u8"分析Cookies"_gbk);
    按钮4->hide();
    透明标签1 =
        placeWithCaption<Label>(图片框2, 17, 56, 294, 12, u8"[Cookies 1号] 分析内容:              (双击修改)"_gbk);
    透明标签2 = placeWithCaption<Label>(图片框2, 313, 56, 147, 12, u8"[Cookies 2号] 分析内容:"_gbk);
    超级列表框对比1 = place<ReportList>(图片框2, 14, 74, 296, 150);
    超级列表框对比2 = place<ReportList>(图片框2, 312, 74, 296, 150);
    超级列表框结果1 = place<ReportList>(图片框2, 14, 226, 296, 104);
    超级列表框结果2 = place<ReportList>(图片框2, 312, 226, 296, 104);
    透明标签7 = placeWithCaption<Label>(图片框2, 18, 377, 208, 20, u8"[1号2号中值不同的项](双击浏览)"_gbk);
    透明标签7->hide();
    透明标签8 = placeWithCaption<Label>(图片框2, 253, 380, 176, 20, u8"[1号2号Cookies:值内容对比]"_gbk);
    透明标签8->hide();
    按钮2 = placeWithCaption<Button>(图片框2, 593, 584, 18, 18, u8"大"_gbk);

    // The side panel and the value area lie over the main area.
    for (QWidget* raised :
         std::initializer_list<QWidget*>{图片框1, 编辑框5, 编辑框6, 超级列表框值对比3, 分隔条1, 按钮3})
        raised->raise();

    编辑框3->setText(u8"[#查项#]"_gbk);
    编辑框7->setText(u8"[#查值#]"_gbk);
    分析结果编辑框1->setText(u8"对比结果:\r\n\r\n请填入(1号)(2号) Cookies数据."_gbk);

    超级列表框对比1->setColumns({"-", "Cookies", u8"值[1]"_gbk, u8"解码值[1]"_gbk}, kSideColumnWidths);
    超级列表框对比2->setColumns({"-", "Cookies", u8"值[2]"_gbk, u8"解码值[2]"_gbk}, kSideColumnWidths);
    超级列表框结果1->setColumns({"-", u8"缺少Cookies"_gbk, u8"值"_gbk}, kResultColumnWidths);
    超级列表框结果2->setColumns({"-", u8"缺少Cookies"_gbk, u8"值"_gbk}, kResultColumnWidths);
    超级列表框值对比3->setColumns({"-", u8"值不同的Cookies"_gbk, u8"值[1]"_gbk, u8"值[2]"_gbk}, kValueColumnWidths);

    listMenu = new PopupMenu(this);
    copySide1Item = listMenu->addItem(u8"复制 1号数据"_gbk, nullptr);
    copySide2Item = listMenu->addItem(u8"复制 2号数据"_gbk, nullptr);

    layoutControls_ = {透明标签6, 编辑框行分隔6,   透明标签4,         透明标签3,       分隔条1,         编辑框5,
                       透明标签5, 选择框2,         编辑框4,           透明标签2,       透明标签1,       编辑框3,
                       选择框1,   按钮1,           超级列表框结果2,   超级列表框结果1, 超级列表框对比2, 编辑框2,
                       编辑框1,   超级列表框对比1, 超级列表框值对比3, 透明标签7,       透明标签8,       按钮2,
                       透明标签9, 编辑框值分隔7,   图片框1,           图片框2,         按钮3,           选择框3,
                       选择框4,   按钮4,           分析结果编辑框1,   选择框5,         按钮5,           选择框6,
                       选择框7,   选择框8,         编辑框6,           选择框9,         编辑框7,         选择框10};
}

void MainWindow::connectHandlers() {
    编辑框1->textChanged = [this] { parseSide(*this, Side::One); };
    编辑框2->textChanged = [this] { parseSide(*this, Side::Two); };
    connectProfileHandlers(*this);
    connectMatchSwitches(*this);
    connectAnalysisCommands(*this);
    connectValueReportHandlers(*this);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    handleMainWindowResized(*this);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    handleMainWindowMoved(*this);
}

}  // namespace varimonde
