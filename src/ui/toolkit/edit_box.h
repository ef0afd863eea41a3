// A multi-line edit box holding a GBK text with CR LF line breaks.
//
// Every program write of the text, even of the same text, raises the text-changed
// callback exactly once, synchronously, as a user edit does; the program relies on that
// to re-parse a side by writing its text back. Offsets and counts are GBK bytes.
#pragma once

#include <QColor>
#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <string_view>

#include "ui/toolkit/control_events.h"

namespace varimonde {

class EditBox : public QPlainTextEdit {
  public:
    explicit EditBox(QWidget* parent = nullptr);

    std::string text() const;
    void setText(std::string_view gbk);
    void appendText(std::string_view gbk);
    bool isEmpty() const { return document()->isEmpty(); }

    // -1 as start puts the caret at the end; -1 as count selects everything from start.
    long selectionStart() const;
    long selectionLength() const;
    void setSelection(long start, long count);
    void selectWholeText() { setSelection(0, -1); }

    void setColors(const QColor& background, const QColor& text);

    std::function<void()> textChanged;
    std::function<void()> mouseReleased;
    std::function<void()> mouseMoved;
    ControlEvents events;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void raiseTextChanged();
    bool programWrite_ = false;
};

}  // namespace varimonde
