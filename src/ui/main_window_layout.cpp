#include "ui/main_window_layout.h"

#include <algorithm>

#include "commands/parse_side.h"
#include "core/text/gbk_literal.h"
#include "ui/main_window.h"

namespace varimonde {

namespace {

int scaled(double fraction, int size) {
    return static_cast<int>(fraction * size);
}

// The frame counted in the recorded outer size. A window manager adds its frame only once the
// window is mapped, after start-up has recorded the layout; a frame that appears later must
// not stretch the controls, so the layout goes by the client size plus the recorded frame.
// That is the outer size whenever the frame has not changed since the recording.

QSize frameOf(const MainWindow& window) {
    return {window.outerWidth() - window.width(), window.outerHeight() - window.height()};
}

QSize layoutSizeOf(MainWindow& window, QSize clientSize) {
    const ProgramState& state = window.state();
    return clientSize + QSize(state.recordedFrameWidth, state.recordedFrameHeight);
}

// The status bar is not scaled: it stays docked along the bottom edge.
void dockStatusBar(MainWindow& window) {
    constexpr int kHeight = 20;
    window.状态条1->setGeometry(0, window.height() - kHeight, window.width(), kHeight);
    window.状态条1->raise();
}

std::vector<ReportList*> sideAndResultLists(MainWindow& window) {
    return {window.超级列表框对比1, window.超级列表框对比2, window.超级列表框结果1, window.超级列表框结果2};
}

void fitListColumns(MainWindow& window) {
    const std::vector<ReportList*> lists = sideAndResultLists(window);
    for (ReportList* list : lists) list->fitColumn(0);
    for (ReportList* list : lists) list->fitColumn(1);
    for (ReportList* list : {window.超级列表框对比1, window.超级列表框对比2})
        list->setColumnWidthOf(0, list->columnWidthOf(0) + 6);
    for (ReportList* list : lists)
        giveValueColumnTheRest(*list, list == window.超级列表框对比1 || list == window.超级列表框对比2);
}

// A scaled control's width while the window has its normal size. Maximising moves a window
// before it resizes it on Windows, so the value columns of a maximised window were always
// taken from the list's normal width; Qt reports the move after the resize, when the list
// has already grown, and two columns of the grown width each would overflow the list.
int normalWidthOf(MainWindow& window, const QWidget& control) {
    const std::vector<QWidget*>& controls = window.layoutControls();
    const std::vector<LayoutRatio>& ratios = window.state().layoutRatios;
    const auto found = std::find(controls.begin(), controls.end(), &control);
    const auto index = static_cast<std::size_t>(found - controls.begin());
    if (index >= ratios.size()) return control.width();
    const QSize normalSize = window.normalGeometry().size();
    if (normalSize.width() <= 0) return control.width();
    return scaled(ratios[index].width, layoutSizeOf(window, normalSize).width());
}

}  // namespace

std::vector<LayoutRatio> measureLayout(const std::vector<QWidget*>& controls, int width, int height) {
    std::vector<LayoutRatio> ratios;
    if (width <= 0 || height <= 0) return ratios;
    ratios.reserve(controls.size());
    for (const QWidget* control : controls) {
        const QRect place = control->geometry();
        ratios.push_back({static_cast<double>(place.y()) / height, static_cast<double>(place.x()) / width,
                          static_cast<double>(place.height()) / height, static_cast<double>(place.width()) / width});
    }
    return ratios;
}

void placeLayout(const std::vector<QWidget*>& controls, const std::vector<LayoutRatio>& ratios, int width, int height) {
    for (std::size_t i = 0; i < controls.size() && i < ratios.size(); ++i) {
        const LayoutRatio& ratio = ratios[i];
        controls[i]->setGeometry(scaled(ratio.left, width), scaled(ratio.top, height), scaled(ratio.width, width),
                                 scaled(ratio.height, height));
    }
}

void recordLayout(MainWindow& window) {
    window.state().layoutRatios = measureLayout(window.layoutControls(), window.outerWidth(), window.outerHeight());
    const QSize frame = frameOf(window);
    window.state().recordedFrameWidth = frame.width();
    window.state().recordedFrameHeight = frame.height();
}

void applyLayout(MainWindow& window) {
    const QSize size = layoutSizeOf(window, window.size());
    placeLayout(window.layoutControls(), window.state().layoutRatios, size.width(), size.height());
}

void handleMainWindowResized(MainWindow& window) {
    dockStatusBar(window);
    if (!window.state().valueWindowsLoaded) return;
    {
        RedrawSuspension suspension(&window);
        window.setFocus();
        if (!window.state().layoutSuspended) applyLayout(window);
        fitListColumns(window);
    }
    if (window.isMaximized()) {
        window.settings().writeSetting(u8"窗口位置"_gbk, "3");
    } else if (!window.isMinimized()) {
        window.settings().writeSetting(u8"窗口位置"_gbk, "1");
    }
}

void handleMainWindowMoved(MainWindow& window) {
    if (window.超级列表框值对比3->hasFocus()) window.setFocus();
    ReportList& values = *window.超级列表框值对比3;
    const int width = window.isMaximized() ? static_cast<int>(normalWidthOf(window, values) / 1.4) : 215;
    values.setColumnWidthOf(2, width);
    values.setColumnWidthOf(3, width);
}

}  // namespace varimonde
