// Splitting a side's text into items under the active profile.
//
// The pure half of parsing a side: text in; rows, counters and the texts for the result
// box, the status bar and the side's item box out. Rows that cannot be read are counted
// and skipped, never fatal. The one question parsing may ask (the text has only one kind
// of separator) goes through the `confirm` callback; the caller shows it or answers it.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/items/item.h"

namespace varimonde {

// The active profile's texts. The separators are never empty once a profile is selected.
struct ProfileTexts {
    std::string profileWord;
    std::string rowSeparator;
    std::string valueSeparator;
};

struct ParseOptions {
    bool decode = false;    // show the percent-decoded form as the value
    bool autoSort = false;  // order the rows by name
};

enum class ParseStop {
    Completed,    // a full run: every output text is set
    EmptyText,    // nothing to do
    Placeholder,  // the box shows its placeholder
    TextError,    // no usable separator or no rows: only the result box is set
    Declined,     // the user answered No to the question
};

struct ParseResult {
    ParseStop stop = ParseStop::EmptyText;
    ItemList items;
    std::size_t tailErrorCount = 0;
    std::size_t extraSeparatorCount = 0;
    std::size_t missingValueCount = 0;
    std::optional<std::string> resultText;  // for the analysis result box, when this run sets it
    std::string statusText;                 // Completed only
    std::string itemBoxText;                // Completed only: the empty-value notes
};

struct ParseQuestion {
    std::string title;
    std::string text;
};

// Returns true to go on.
using ConfirmContinue = std::function<bool(const ParseQuestion&)>;

ParseResult parseItems(std::string_view text, const ProfileTexts& profile, Side side, ParseOptions options,
                       const ConfirmContinue& confirm);

// "检查到" + word + "文本有错误!"
std::string textErrorMessage(std::string_view profileWord);

// "请填入" + word + " 1号数据" / " 2号数据"
std::string placeholderText(std::string_view profileWord, Side side);

}  // namespace varimonde
