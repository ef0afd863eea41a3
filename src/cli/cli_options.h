// Command-line options of varimonde-cli: the profile and its separators, the switches
// and the input files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/compare/match_options.h"
#include "core/items/parse_items.h"

namespace varimonde {

struct CliOptions {
    std::string command;  // "parse", "compare" or "help"
    ProfileTexts profile;
    bool decode = false;
    bool sort = false;
    bool gbkInput = false;
    MatchOptions match;
    std::vector<std::string> files;
};

// Returns the options or, in `error`, a message for a bad command line.
std::optional<CliOptions> parseCommandLine(const std::vector<std::string>& args, std::string& error);

const char* usageText();

}  // namespace varimonde
