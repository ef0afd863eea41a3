#include "profiles/profile_selection.h"

#include <QColor>
#include <QTextDocument>

#include "core/items/parse_items.h"
#include "core/text/gbk_literal.h"
#include "core/text/gbk_text.h"
#include "ui/main_window.h"

namespace varimonde {

namespace {

const std::string& rowSeparatorKey() {
    return u8"行分隔符"_gbk;
}
const std::string& valueSeparatorKey() {
    return u8"值分隔符"_gbk;
}

CheckBox* profileCheckBox(MainWindow& window, AnalysisProfile profile) {
    switch (profile) {
        case AnalysisProfile::Cookies:
            return window.选择框3;
        case AnalysisProfile::Http:
            return window.选择框4;
        case AnalysisProfile::Query:
            return window.选择框6;
        case AnalysisProfile::Custom:
            break;
    }
    return window.选择框9;
}

void checkOnly(MainWindow& window, AnalysisProfile profile) {
    for (CheckBox* box : {window.选择框3, window.选择框4, window.选择框6, window.选择框9})
        box->setChecked(box == profileCheckBox(window, profile));
}

// Profile word, captions, labels, menu texts and column titles.
void relabel(MainWindow& window, const ProfileLabels& labels) {
    window.state().profile.profileWord = labels.profileWord;
    window.按钮1->setCaption(u8"分析"_gbk + labels.profileWord);
    window.按钮4->setCaption(u8"分析"_gbk + labels.profileWord);
    window.透明标签1->setCaption(labels.sideHeading1);
    window.透明标签2->setCaption(labels.sideHeading2);
    window.透明标签7->setCaption(u8"[1号2号中值不同的项](双击浏览)"_gbk);
    window.透明标签8->setCaption(labels.valueHeading);
    PopupMenu::setCaption(window.copySide1Item, labels.copySide1Menu);
    PopupMenu::setCaption(window.copySide2Item, labels.copySide2Menu);
    window.超级列表框对比1->setColumnTitle(1, labels.sideNameColumn);
    window.超级列表框对比2->setColumnTitle(1, labels.sideNameColumn);
    window.超级列表框结果1->setColumnTitle(1, labels.missingColumn);
    window.超级列表框结果2->setColumnTitle(1, labels.missingColumn);
    window.超级列表框值对比3->setColumnTitle(1, labels.differsColumn);
}

void colourSeparatorBoxes(MainWindow& window, const QColor& background, const QColor& text) {
    window.编辑框行分隔6->setColors(background, text);
    window.编辑框值分隔7->setColors(background, text);
}

// Writing a box's own text back re-parses its side.
void reparseBothSides(MainWindow& window) {
    if (!window.isVisible()) return;
    window.编辑框1->setText(window.编辑框1->text());
    window.编辑框2->setText(window.编辑框2->text());
}

void selectBuiltInProfile(MainWindow& window, AnalysisProfile profile) {
    const ProfileLabels& labels = labelsOf(profile);
    window.settings().writeSetting(u8"分析项目"_gbk, profileCode(profile));
    window.编辑框行分隔6->setText(labels.rowBoxText);
    window.编辑框值分隔7->setText(labels.valueBoxText);
    window.state().profile.rowSeparator = separatorFromDisplay(labels.rowBoxText);
    window.state().profile.valueSeparator = separatorFromDisplay(labels.valueBoxText);
    window.选择框8->setVisible(labels.showDecodeSwitch);
    checkOnly(window, profile);
    relabel(window, labels);
    for (Side side : {Side::One, Side::Two}) {
        EditBox& box = window.inputBox(side);
        if (containsText(box.text(), u8"请填入"_gbk)) box.setText(placeholderText(labels.profileWord, side));
    }
    reparseBothSides(window);
    colourSeparatorBoxes(window, QColor(255, 255, 255), QColor(0, 0, 0));
}

// A stored custom separator: empty falls back to the given default.
std::string storedBoxText(MainWindow& window, const std::string& key, const char* fallback) {
    std::string stored = window.settings().readSetting(key);
    return stored.empty() ? std::string(fallback) : stored;
}

void selectCustomProfile(MainWindow& window) {
    const ProfileLabels& labels = labelsOf(AnalysisProfile::Custom);
    // Both input texts are discarded; these writes are still parsed under the previous profile.
    window.编辑框1->setText(u8"请填入自定义数据"_gbk);
    window.编辑框2->setText(u8"请填入自定义数据"_gbk);
    window.settings().writeSetting(u8"分析项目"_gbk, profileCode(AnalysisProfile::Custom));
    const std::string rowText = storedBoxText(window, rowSeparatorKey(), ";");
    const std::string valueText = storedBoxText(window, valueSeparatorKey(), "=");
    window.编辑框行分隔6->setText(rowText);
    window.state().profile.rowSeparator = separatorFromDisplay(rowText);
    window.编辑框值分隔7->setText(valueText);
    window.state().profile.valueSeparator = separatorFromDisplay(valueText);
    window.选择框8->setVisible(true);
    checkOnly(window, AnalysisProfile::Custom);
    relabel(window, labels);
    for (Side side : {Side::One, Side::Two}) {
        window.inputBox(side).setText(placeholderText(labels.profileWord, side));
        window.sideList(side).setColumnTitle(0, "-");
    }
    reparseBothSides(window);
    colourSeparatorBoxes(window, QColor(0, 0, 0), QColor(255, 255, 255));
}

// The edit handling shared by both separator boxes; `fallback` is what an emptied box means.
void separatorBoxEdited(MainWindow& window, EditBox& box, std::string& separator, const std::string& key,
                        const char* fallback) {
    if (box.text() == "\r\n") box.setText(u8"换行"_gbk);
    runPendingEvents();
    const std::string text = box.text();
    if (containsText(text, "\r\n")) box.setText(replaceAll(text, "\r\n", ""));
    const std::string now = box.text();
    const std::string stored = now.empty() ? std::string(fallback) : now;
    separator = separatorFromDisplay(stored);
    window.settings().writeSetting(key, stored);
}

void connectSeparatorBox(MainWindow& window, EditBox& box, std::string& separator, const std::string& key,
                         const char* fallback) {
    // A box 22 pixels high holds one short line: scroll bars and the usual margin would hide it.
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.document()->setDocumentMargin(1);
    box.textChanged = [&window, &box, &separator, &key, fallback] {
        separatorBoxEdited(window, box, separator, key, fallback);
    };
    box.events.gotFocus = [&box] { box.selectWholeText(); };
    box.mouseReleased = [&box] { box.selectWholeText(); };
}

}  // namespace

void selectProfile(MainWindow& window, AnalysisProfile profile) {
    if (profile == AnalysisProfile::Custom) {
        selectCustomProfile(window);
        return;
    }
    selectBuiltInProfile(window, profile);
}

void connectProfileHandlers(MainWindow& window) {
    for (AnalysisProfile profile :
         {AnalysisProfile::Cookies, AnalysisProfile::Http, AnalysisProfile::Query, AnalysisProfile::Custom})
        profileCheckBox(window, profile)->clicked = [&window, profile] { selectProfile(window, profile); };
    ProfileTexts& profile = window.state().profile;
    connectSeparatorBox(window, *window.编辑框行分隔6, profile.rowSeparator, rowSeparatorKey(), ";");
    connectSeparatorBox(window, *window.编辑框值分隔7, profile.valueSeparator, valueSeparatorKey(), "=");
    EditBox& valueBox = *window.编辑框值分隔7;
    valueBox.events.keyPressed = [&valueBox](const KeyPress& press) {
        if (press.key != kKeyEnter) return true;
        valueBox.setText("");
        valueBox.setText(u8"换行"_gbk);
        return false;
    };
}

}  // namespace varimonde
