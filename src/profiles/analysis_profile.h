// The four analysis profiles and what each one sets: separators, the profile word, and
// the texts of the labels, menu items and list columns that name the data.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varimonde {

enum class AnalysisProfile { Cookies = 1, Http = 2, Query = 3, Custom = 4 };

struct ProfileLabels {
    std::string profileWord;
    std::string rowBoxText;    // row separator as shown ("换行" for a line break); empty for Custom
    std::string valueBoxText;  // likewise
    bool showDecodeSwitch = false;
    std::string sideHeading1;    // 透明标签1
    std::string sideHeading2;    // 透明标签2
    std::string valueHeading;    // 透明标签8
    std::string copySide1Menu;   // "复制 1号..."
    std::string copySide2Menu;   // "复制 2号..."
    std::string sideNameColumn;  // column 1 of the side lists
    std::string missingColumn;   // column 1 of the result lists
    std::string differsColumn;   // column 1 of the value comparison list
};

const ProfileLabels& labelsOf(AnalysisProfile profile);

// The code stored under "分析项目" ("1" to "4"), and back; nullopt for anything else.
std::string profileCode(AnalysisProfile profile);
std::optional<AnalysisProfile> profileFromCode(std::string_view code);

// A separator as held (CR LF) from its box and stored form ("换行"), and back.
std::string separatorFromDisplay(std::string_view shown);
std::string separatorToDisplay(std::string_view separator);

}  // namespace varimonde
