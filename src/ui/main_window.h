// The main window: both sides' input boxes and item lists, the result lists, the value
// report boxes and the side panel with the switches, the search and the analysis result.
//
// Controls keep their design names and are created at their design places; the window
// scales them in proportion when its size changes. Handlers live in the subsystem
// folders and reach the controls through this class.
#pragma once

#include <QWidget>

#include <memory>
#include <vector>

#include "profiles/settings/settings_file.h"
#include "ui/program_state.h"
#include "ui/toolkit/edit_box.h"
#include "ui/toolkit/report_list.h"
#include "ui/toolkit/simple_controls.h"
#include "ui/toolkit/window_services.h"

class QAction;

namespace varimonde {

class MainWindow : public QWidget {
  public:
    // Runs the start-up sequence against `settings` before returning; the window is then shown.
    explicit MainWindow(SettingsFile settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    SettingsFile& settings() { return settings_; }
    ProgramState& state() { return state_; }

    // Outer size and place (frame included).
    int outerWidth() const;
    int outerHeight() const;
    int outerLeft() const { return frameGeometry().x(); }
    int outerTop() const { return frameGeometry().y(); }
    void setOuterSize(int width, int height);

    // The 42 scaled controls, in the order of the layout ratios.
    const std::vector<QWidget*>& layoutControls() const { return layoutControls_; }

    // Side-dependent controls.
    EditBox& inputBox(Side side) { return side == Side::One ? *编辑框1 : *编辑框2; }
    ReportList& sideList(Side side) { return side == Side::One ? *超级列表框对比1 : *超级列表框对比2; }
    EditBox& itemBox(Side side) { return side == Side::One ? *编辑框5 : *编辑框6; }
    // The list of the names this side lacks.
    ReportList& missingList(Side side) { return side == Side::One ? *超级列表框结果1 : *超级列表框结果2; }

    PictureBox* 图片框1;
    PictureBox* 图片框2;
    EditBox* 编辑框5;
    EditBox* 编辑框6;
    ReportList* 超级列表框值对比3;
    Label* 分隔条1;
    Button* 按钮3;
    StatusBar* 状态条1;
    Label* 透明标签4;
    EditBox* 编辑框3;
    EditBox* 编辑框7;
    Label* 透明标签5;
    CheckBox* 选择框10;
    EditBox* 编辑框4;
    CheckBox* 选择框2;
    CheckBox* 选择框3;
    CheckBox* 选择框1;
    CheckBox* 选择框4;
    CheckBox* 选择框7;
    CheckBox* 选择框6;
    CheckBox* 选择框9;
    CheckBox* 选择框5;
    CheckBox* 选择框8;
    Label* 透明标签6;
    EditBox* 编辑框行分隔6;
    Label* 透明标签9;
    EditBox* 编辑框值分隔7;
    EditBox* 分析结果编辑框1;
    Label* 透明标签3;
    Button* 按钮5;
    Button* 按钮1;
    EditBox* 编辑框1;
    EditBox* 编辑框2;
    Button* 按钮4;
    Label* 透明标签1;
    Label* 透明标签2;
    ReportList* 超级列表框对比1;
    ReportList* 超级列表框对比2;
    ReportList* 超级列表框结果1;
    ReportList* 超级列表框结果2;
    Label* 透明标签7;
    Label* 透明标签8;
    Button* 按钮2;

    // The list menu and its two items whose captions follow the profile.
    PopupMenu* listMenu;
    QAction* copySide1Item;
    QAction* copySide2Item;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void createControls();
    void connectHandlers();

    SettingsFile settings_;
    ProgramState state_;
    std::vector<QWidget*> layoutControls_;
};

}  // namespace varimonde
