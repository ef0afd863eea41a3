#include "ui/toolkit/control_events.h"

namespace varimonde {

KeyPress keyPressFrom(const QKeyEvent& event) {
    KeyPress press;
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & Qt::ControlModifier) press.modifiers |= kCtrl;
    if (mods & Qt::ShiftModifier) press.modifiers |= kShift;
    if (mods & Qt::AltModifier) press.modifiers |= kAlt;
    const int key = event.key();
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            press.key = kKeyEnter;
            break;
        case Qt::Key_Escape:
            press.key = kKeyEscape;
            break;
        case Qt::Key_Up:
            press.key = kKeyUp;
            break;
        case Qt::Key_Down:
            press.key = kKeyDown;
            break;
        default:
            // Qt's codes for digits and capital letters are their ASCII codes.
            press.key = key < 0x80 ? key : 0;
    }
    return press;
}

}  // namespace varimonde
