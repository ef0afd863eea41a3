// Selecting an analysis profile and the handling of the two separator boxes.
//
// Selecting a profile stores it, sets the separators and the profile word, relabels the
// window and re-parses both sides. The separator boxes take any non-empty text; a line
// break is shown and stored as "换行", and an emptied box falls back to ";" or "=".
#pragma once

#include "profiles/analysis_profile.h"

namespace varimonde {

class MainWindow;

void selectProfile(MainWindow& window, AnalysisProfile profile);

void connectProfileHandlers(MainWindow& window);

}  // namespace varimonde
