// The program's start: title, window state, start counter, the stored profile and
// switches, the placeholders, showing the window and the tooltips, in that order.
#pragma once

#include <string_view>

namespace varimonde {

class MainWindow;

void runStartupSequence(MainWindow& window);

// The stored start count as an integer: its leading number truncated toward zero, 0 when empty.
long startCountFrom(std::string_view stored);

}  // namespace varimonde
