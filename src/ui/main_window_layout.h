// Proportional layout of the main window.
//
// recordLayout measures every scaled control against the window's outer size; after a
// size change applyLayout places each control again at the same fractions, each product
// truncated toward zero. Controls inside a picture box are measured by their place in
// the box but divided by the window's size. A window frame that appears only after the
// recording (a window manager framing the mapped window) is left out of the scaling.
#pragma once

#include <vector>

#include "ui/program_state.h"

class QWidget;

namespace varimonde {

class MainWindow;

std::vector<LayoutRatio> measureLayout(const std::vector<QWidget*>& controls, int width, int height);
void placeLayout(const std::vector<QWidget*>& controls, const std::vector<LayoutRatio>& ratios, int width, int height);

void recordLayout(MainWindow& window);
void applyLayout(MainWindow& window);

void handleMainWindowResized(MainWindow& window);
void handleMainWindowMoved(MainWindow& window);

}  // namespace varimonde
