// A main window started against a temporary configuration folder, with helpers to read
// its controls as UTF-8.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "core/text/code_page.h"
#include "core/text/gbk_literal.h"
#include "ui/main_window.h"
#include "ui/toolkit/message_box.h"

namespace varimonde {

inline std::string utf8(std::string_view gbkText) {
    return utf8FromGbk(gbkText);
}
inline std::string g(std::u8string_view text) {
    return gbk(text);
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MessageBox::shown().clear();
        ASSERT_TRUE(configDir_.isValid());
    }

    // Stored settings (UTF-8 key, value) written before the window starts.
    void storeSetting(std::u8string_view key, std::u8string_view value) {
        SettingsFile(configDir_.path().toStdString()).writeSetting(gbk(key), gbk(value));
    }
    std::string storedSetting(std::u8string_view key) {
        return utf8(SettingsFile(configDir_.path().toStdString()).readSetting(gbk(key)));
    }

    MainWindow& start() {
        window_ = std::make_unique<MainWindow>(SettingsFile(configDir_.path().toStdString()));
        return *window_;
    }
    MainWindow& window() { return *window_; }

    // Closes the window and deletes the settings file, for a start from scratch.
    void clearSettings() {
        window_.reset();
        QFile::remove(QString::fromStdString(SettingsFile(configDir_.path().toStdString()).path()));
    }

    // Rows of a list, each row's cells joined by "|", in UTF-8.
    static std::vector<std::string> rowsOf(const ReportList& list) {
        std::vector<std::string> rows;
        for (const ListRow& row : list.rows()) {
            std::string joined;
            for (std::size_t c = 0; c < row.cells.size(); ++c) joined += (c ? "|" : "") + utf8(row.cells[c]);
            rows.push_back(joined);
        }
        return rows;
    }

    // Gives a control the keyboard focus and lets its got-focus handler run.
    static void giveFocus(QWidget& control) {
        control.setFocus();
        QApplication::processEvents();
    }

    // A left click on the name cell of a row, as the user makes it.
    static void clickRow(ReportList& list, int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(row, 1)).center());
    }
    // A left click near the bottom of a list, below its rows when they do not fill it.
    static void clickBelowRows(ReportList& list) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, list.viewport()->height() - 3));
    }

    static std::vector<std::string> shownTexts() {
        std::vector<std::string> texts;
        for (const ShownMessage& message : MessageBox::shown()) texts.push_back(utf8(message.text));
        return texts;
    }

    // Clicks a check box on its indicator, as a user does: the box toggles, then its click handler runs.
    static void clickBox(CheckBox& box) { QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(7, box.height() / 2)); }

    // Selects the whole text of a box and pastes `text` over it from the clipboard.
    static void pasteInto(EditBox& box, const QString& text) {
        QApplication::clipboard()->setText(text);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    }

    QTemporaryDir configDir_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace varimonde
