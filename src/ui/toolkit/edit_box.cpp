#include "ui/toolkit/edit_box.h"

#include <QPalette>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>

#include "ui/toolkit/qt_text.h"

namespace varimonde {

EditBox::EditBox(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(false);
    // Word-boundary wrapping is quadratic on the long unbroken values this program shows.
    setWordWrapMode(QTextOption::WrapAnywhere);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!programWrite_) raiseTextChanged();
    });
}

std::string EditBox::text() const {
    return boxTextFromQt(toPlainText());
}

void EditBox::setText(std::string_view gbk) {
    programWrite_ = true;
    setPlainText(boxTextToQt(gbk));
    programWrite_ = false;
    raiseTextChanged();
}

void EditBox::appendText(std::string_view gbk) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    programWrite_ = true;
    cursor.insertText(boxTextToQt(gbk));
    programWrite_ = false;
    raiseTextChanged();
}

void EditBox::raiseTextChanged() {
    if (textChanged) textChanged();
}

long EditBox::selectionStart() const {
    return byteOffsetOf(toPlainText(), textCursor().selectionStart());
}

long EditBox::selectionLength() const {
    const QTextCursor cursor = textCursor();
    const QString plain = toPlainText();
    return byteOffsetOf(plain, cursor.selectionEnd()) - byteOffsetOf(plain, cursor.selectionStart());
}

void EditBox::setSelection(long start, long count) {
    const QString plain = toPlainText();
    const int end = static_cast<int>(plain.size());
    const int from = start < 0 ? end : positionOfByteOffset(plain, start);
    const int to = count < 0 ? end : positionOfByteOffset(plain, byteOffsetOf(plain, from) + count);
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void EditBox::setColors(const QColor& background, const QColor& text) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    setPalette(palette);
}

void EditBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    if (events.gotFocus) events.gotFocus();
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (events.lostFocus) events.lostFocus();
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    if (events.keyPressed && !events.keyPressed(keyPressFrom(*event))) return;
    QPlainTextEdit::keyPressEvent(event);
}

void EditBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (mouseReleased) mouseReleased();
}

void EditBox::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    if (mouseMoved) mouseMoved();
}

}  // namespace varimonde
