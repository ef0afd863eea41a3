// The row and value separator boxes: what a typed, pasted or emptied separator becomes,
// what is stored, and that an edit waits for the next parse.
#include <QInputMethodEvent>

#include "window_fixture.h"

namespace varimonde {
namespace {

using SeparatorBoxesTest = WindowTest;
using Texts = std::vector<std::string>;

// Gives the box the focus, which selects its whole text, so that typing replaces it.
void focusBox(EditBox& box) {
    box.setFocus();
    QApplication::processEvents();
}

TEST_F(SeparatorBoxesTest, EditsBecomeTheSeparatorAndAreStored) {
    enum class Box { Row, Value };
    struct Case {
        const char* name;
        Box box;
        std::function<void(EditBox&)> edit;
        Texts expected;  // box text, separator, stored value (UTF-8)
    };
    // Chinese text arrives through the input method, one committed character at a time.
    const auto type = [](const char* text) {
        return [text](EditBox& box) {
            focusBox(box);
            for (QChar character : QString::fromUtf8(text)) {
                QInputMethodEvent event;
                event.setCommitString(character);
                QApplication::sendEvent(&box, &event);
            }
        };
    };
    const auto paste = [](const char* text) {
        return [text](EditBox& box) { pasteInto(box, QString::fromUtf8(text)); };
    };
    const auto press = [](Qt::Key key) {
        return [key](EditBox& box) {
            focusBox(box);
            QTest::keyClick(&box, key);
        };
    };
    const std::vector<Case> cases = {
        {"row: typed bar", Box::Row, type("|"), {"|", "|", "|"}},
        {"row: typed word", Box::Row, type("分项"), {"分项", "分项", "分项"}},
        {"row: emptied", Box::Row, press(Qt::Key_Backspace), {"", ";", ";"}},
        {"row: typed 换行", Box::Row, type("换行"), {"换行", "\r\n", "换行"}},
        {"row: Enter over the selection", Box::Row, press(Qt::Key_Return), {"换行", "\r\n", "换行"}},
        {"row: pasted line break inside", Box::Row, paste("a\nb"), {"ab", "ab", "ab"}},
        {"row: pasted line breaks only", Box::Row, paste("\n\n"), {"", ";", ";"}},
        {"row: program write of a line break",
         Box::Row,
         [](EditBox& box) { box.setText("\r\n"); },
         {"换行", "\r\n", "换行"}},
        {"value: typed colon", Box::Value, type(":"), {":", ":", ":"}},
        {"value: emptied", Box::Value, press(Qt::Key_Delete), {"", "=", "="}},
        {"value: typed 换行", Box::Value, type("换行"), {"换行", "\r\n", "换行"}},
        {"value: pasted line break inside", Box::Value, paste("x\ny\n"), {"xy", "xy", "xy"}},
        {"value: Enter", Box::Value, press(Qt::Key_Return), {"换行", "\r\n", "换行"}},
        {"value: Enter with the caret at the end",
         Box::Value,
         [](EditBox& box) {
             focusBox(box);
             box.setSelection(-1, 0);
             QTest::keyClick(&box, Qt::Key_Enter);
         },
         {"换行", "\r\n", "换行"}},
    };
    MainWindow& w = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clickBox(*w.选择框3);
        const bool row = c.box == Box::Row;
        EditBox& box = row ? *w.编辑框行分隔6 : *w.编辑框值分隔7;
        c.edit(box);
        const ProfileTexts& profile = w.state().profile;
        EXPECT_EQ((Texts{utf8(box.text()), utf8(row ? profile.rowSeparator : profile.valueSeparator),
                         storedSetting(row ? u8"行分隔符" : u8"值分隔符")}),
                  c.expected);
    }
}

TEST_F(SeparatorBoxesTest, FocusAndMouseReleaseSelectTheWholeText) {
    MainWindow& w = start();
    for (EditBox* box : {w.编辑框行分隔6, w.编辑框值分隔7}) {
        box->setText("abc");
        w.编辑框1->setFocus();
        box->setSelection(1, 0);
        focusBox(*box);
        EXPECT_EQ((std::pair{box->selectionStart(), box->selectionLength()}), (std::pair{0L, 3L}));

        box->setSelection(1, 0);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ((std::pair{box->selectionStart(), box->selectionLength()}), (std::pair{0L, 3L}));
    }
}

TEST_F(SeparatorBoxesTest, AnEditWaitsForTheNextParseAndLastsUntilAProfileIsSelected) {
    MainWindow& w = start();
    w.编辑框1->setText("a=1&b=2;c=3");
    const Texts cookieRows = {"1|a|1&b=2|1&b=2", "2|c|3|3"};
    ASSERT_EQ(rowsOf(*w.超级列表框对比1), cookieRows);

    w.编辑框行分隔6->setText("&");
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), cookieRows);

    w.编辑框1->setText(w.编辑框1->text());
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), (Texts{"1|a|1|1", "2|b|2;c=3|2;c=3"}));

    clickBox(*w.选择框3);
    EXPECT_EQ(w.state().profile.rowSeparator, ";");
    EXPECT_EQ(rowsOf(*w.超级列表框对比1), cookieRows);
}

}  // namespace
}  // namespace varimonde
