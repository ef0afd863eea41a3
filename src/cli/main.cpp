// varimonde-cli: the parsing and comparison of the window, for scripts.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/cli_options.h"
#include "core/compare/compare_sides.h"
#include "core/text/code_page.h"
#include "core/text/gbk_literal.h"
#include "core/text/gbk_text.h"

using namespace varimonde;

namespace {

bool readInput(const std::string& file, bool gbkInput, std::string& text, std::string& error) {
    std::string bytes;
    if (file == "-") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            error = "cannot read " + file;
            return false;
        }
        std::ostringstream content;
        content << in.rdbuf();
        if (in.bad()) {
            error = "cannot read " + file;
            return false;
        }
        bytes = content.str();
    }
    // The input box holds CR LF line breaks whatever was pasted.
    const std::string gbkText = gbkInput ? bytes : gbkFromUtf8(bytes);
    text = replaceAll(replaceAll(gbkText, "\r\n", "\n"), "\n", "\r\n");
    return true;
}

std::string escapeField(std::string_view gbkField) {
    const std::string utf8 = utf8FromGbk(gbkField);
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

void printRow(std::ostream& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) out << '\t';
        out << escapeField(field);
        first = false;
    }
    out << '\n';
}

// A box's text as printed: UTF-8, LF line breaks.
std::string boxText(std::string_view gbkText) {
    return replaceAll(utf8FromGbk(gbkText), "\r\n", "\n");
}

ParseResult parseText(const CliOptions& options, const std::string& text, Side side) {
    // The window asks whether to go on; scripts always go on.
    const auto goOn = [](const ParseQuestion&) { return true; };
    return parseItems(text, options.profile, side, {options.decode, options.sort}, goOn);
}

int runParse(const CliOptions& options) {
    std::string text;
    std::string error;
    if (!readInput(options.files[0], options.gbkInput, text, error)) {
        std::cerr << "varimonde-cli: " << error << '\n';
        return 2;
    }
    const ParseResult result = parseText(options, text, Side::One);
    for (const Item& item : result.items) printRow(std::cout, {item.ordinal, item.name, item.value, item.altValue});
    std::cout << '\n';
    if (result.resultText) std::cout << boxText(*result.resultText);
    std::cout << '\n';
    return 0;
}

int runCompare(const CliOptions& options) {
    std::string texts[2];
    for (int i = 0; i < 2; ++i) {
        std::string error;
        if (!readInput(options.files[static_cast<std::size_t>(i)], options.gbkInput, texts[i], error)) {
            std::cerr << "varimonde-cli: " << error << '\n';
            return 2;
        }
    }
    const ParseResult side1 = parseText(options, texts[0], Side::One);
    const ParseResult side2 = parseText(options, texts[1], Side::Two);
    SideRows rows1;
    SideRows rows2;
    for (const Item& item : side1.items) rows1.names.push_back(item.name), rows1.values.push_back(item.value);
    for (const Item& item : side2.items) rows2.names.push_back(item.name), rows2.values.push_back(item.value);
    const ComparisonResult result = compareSides(rows1, rows2, options.match);

    std::cout << escapeField(u8"[1号]缺少"_gbk) << '\n';
    std::size_t position = 0;
    for (std::size_t row : result.missingOnSide1)
        printRow(std::cout, {std::to_string(++position), side2.items[row].name, side2.items[row].value});
    std::cout << escapeField(u8"[2号]缺少"_gbk) << '\n';
    position = 0;
    for (std::size_t row : result.missingOnSide2)
        printRow(std::cout, {std::to_string(++position), side1.items[row].name, side1.items[row].value});
    std::cout << escapeField(u8"值异同"_gbk) << '\n';
    position = 0;
    for (const ValueDifference& difference : result.differences)
        printRow(std::cout, {std::to_string(++position), side1.items[difference.row1].name,
                             side1.items[difference.row1].value, side2.items[difference.row2].value});
    std::cout << escapeField(comparisonSummary(result, options.profile.profileWord)) << '\n';
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    std::string error;
    const std::optional<CliOptions> options = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "varimonde-cli: " << error << "\n\n" << usageText();
        return 2;
    }
    if (options->command == "help") {
        std::cout << usageText();
        return 0;
    }
    return options->command == "parse" ? runParse(*options) : runCompare(*options);
}
