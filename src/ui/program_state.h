// The program-wide state that the controls do not hold: the active profile's texts, the
// list and row the item commands act on, the tag of the list that last took the focus,
// the layout ratios and the flags of the layout and the value area.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/items/parse_items.h"

namespace varimonde {

class ReportList;

// One control's place as fractions of the window's outer size.
struct LayoutRatio {
    double top = 0;
    double left = 0;
    double height = 0;
    double width = 0;
};

struct ProgramState {
    ProfileTexts profile;  // empty until start-up selects a profile
    ReportList* activeList = nullptr;
    int editRow = -1;
    std::string focusTag;
    bool addMode = false;
    std::vector<LayoutRatio> layoutRatios;
    bool layoutSuspended = false;
    // The window frame counted in the outer size when the layout was recorded.
    int recordedFrameWidth = 0;
    int recordedFrameHeight = 0;
    bool valueAreaExpanded = false;
    bool focusJump = false;
    bool valueWindowsLoaded = false;
};

}  // namespace varimonde
