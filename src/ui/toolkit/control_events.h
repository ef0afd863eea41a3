// Event hooks shared by the program's controls.
//
// Handlers are plain callbacks set by the window that owns the control. Key codes are
// the program's own (Esc 27, Enter 13, letters by their capital's code, Up 38, Down 40)
// and modifiers are Ctrl 1, Shift 2, Alt 4.
#pragma once

#include <QKeyEvent>

#include <functional>

namespace varimonde {

enum KeyModifier { kCtrl = 1, kShift = 2, kAlt = 4 };
enum KeyCode { kKeyEnter = 13, kKeyEscape = 27, kKeyUp = 38, kKeyDown = 40, kKeyA = 65 };

struct KeyPress {
    int key = 0;
    int modifiers = 0;
};

KeyPress keyPressFrom(const QKeyEvent& event);

struct ControlEvents {
    std::function<void()> gotFocus;
    std::function<void()> lostFocus;
    // Returns false to swallow the key; true lets the control handle it as usual.
    std::function<bool(const KeyPress&)> keyPressed;
};

}  // namespace varimonde
