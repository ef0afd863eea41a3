#include "core/compare/compare_sides.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/compare/name_index.h"
#include "core/text/gbk_literal.h"

namespace varimonde {
namespace {

const MatchOptions kExactCase{true, true, true};
const MatchOptions kPrefixCase{true, false, true};
const MatchOptions kExactFolded{false, true, true};
const MatchOptions kContainsFolded{false, false, true};

const char* modeName(const MatchOptions& options) {
    if (options.exactMatch) return options.caseSensitive ? "exact, case-sensitive" : "exact, folded";
    return options.caseSensitive ? "prefix, case-sensitive" : "contains, folded";
}

// Owns the texts of a side so that the views stay valid.
struct Side {
    std::vector<std::string> names;
    std::vector<std::string> values;

    SideRows rows() const {
        SideRows rows;
        for (const std::string& name : names) rows.names.push_back(name);
        for (const std::string& value : values) rows.values.push_back(value);
        return rows;
    }
};

struct Outcome {
    std::vector<std::size_t> missingOnSide1;
    std::vector<std::size_t> missingOnSide2;
    std::vector<ValueDifference> differences;
    bool operator==(const Outcome&) const = default;
};

Outcome outcomeOf(const ComparisonResult& result) {
    return {result.missingOnSide1, result.missingOnSide2, result.differences};
}

void PrintTo(const Outcome& outcome, std::ostream* out) {
    auto list = [&](const char* label, const std::vector<std::size_t>& rows) {
        *out << label << "{";
        for (std::size_t row : rows) *out << row << " ";
        *out << "} ";
    };
    list("missing1", outcome.missingOnSide1);
    list("missing2", outcome.missingOnSide2);
    *out << "differences{";
    for (const ValueDifference& d : outcome.differences) *out << d.row1 << "->" << d.row2 << " ";
    *out << "}";
}

struct NameCase {
    std::string wanted;
    std::string candidate;
    MatchOptions options;
    bool expected;
};

TEST(NameMatches, FollowsTheFourModes) {
    const std::string ah = gbk(u8"啊");     // B0 A1
    const std::string trailA = "\x81\x41";  // a double-byte character whose trail byte is "A"
    const std::vector<NameCase> cases = {
        {"SID", "SID", kExactCase, true},
        {"SID", "sid", kExactCase, false},
        {"SID", "sid", kExactFolded, true},
        {"sid", "sid2", kExactFolded, false},
        {"id", "uid", kContainsFolded, true},
        {"id", "uid", kPrefixCase, false},
        {"a", "ab", kPrefixCase, true},
        {"ab", "a", kPrefixCase, false},
        {"A", "ab", kPrefixCase, false},
        {"A", "xab", kContainsFolded, true},
        {"", "", kExactCase, true},
        {"", "x", kPrefixCase, true},
        {"", "", kPrefixCase, true},
        {"", "x", kContainsFolded, true},
        {"", "", kContainsFolded, false},
        {"x" + ah, "x" + ah + "y", kPrefixCase, true},
        {"\xB0", ah, kPrefixCase, true},            // byte prefix ends inside the character
        {"\xA1", ah, kContainsFolded, false},       // a trail byte is not a character start
        {"a", trailA, kContainsFolded, false},      // nor is an ASCII-valued trail byte
        {trailA, "\x81\x61", kExactFolded, false},  // the trail byte is never folded
        {ah + "B", "z" + ah + "b", kContainsFolded, true},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(modeName(c.options) + std::string(" wanted=") + c.wanted + " candidate=" + c.candidate);
        EXPECT_EQ(nameMatches(c.wanted, c.candidate, c.options), c.expected);
    }
}

struct ComparisonCase {
    const char* label;
    Side side1;
    Side side2;
    MatchOptions options;
    Outcome expected;
};

TEST(CompareSides, FillsTheThreeLists) {
    const std::vector<ComparisonCase> cases = {
        {"one missing each way, one difference",
         {{"a", "b"}, {"1", "2"}},
         {{"b", "c"}, {"3", "4"}},
         kExactCase,
         {{1}, {0}, {{1, 0}}}},
        {"case matters when case-sensitive", {{"SID"}, {"1"}}, {{"sid"}, {"1"}}, kExactCase, {{0}, {0}, {}}},
        {"case folded", {{"SID"}, {"1"}}, {{"sid"}, {"1"}}, kExactFolded, {{}, {}, {}}},
        {"values compared byte for byte", {{"SID"}, {"ABC"}}, {{"sid"}, {"abc"}}, kExactFolded, {{}, {}, {{0, 0}}}},
        {"contains: id finds uid, uid does not find id",
         {{"id"}, {"1"}},
         {{"uid"}, {"1"}},
         kContainsFolded,
         {{0}, {}, {}}},
        {"prefix: id does not find uid", {{"id"}, {"1"}}, {{"uid"}, {"1"}}, kPrefixCase, {{0}, {0}, {}}},
        {"prefix is one-way; difference under the side-1 row",
         {{"a"}, {"1"}},
         {{"ab"}, {"2"}},
         kPrefixCase,
         {{0}, {}, {{0, 0}}}},
        {"first match from the top; sid is not in id",
         {{"id"}, {"1"}},
         {{"sid", "id"}, {"2", "1"}},
         kContainsFolded,
         {{0}, {}, {{0, 0}}}},
        {"a name held twice finds the same row",
         {{"a", "a"}, {"1", "2"}},
         {{"a", "a"}, {"2", "1"}},
         kExactCase,
         {{}, {}, {{0, 0}}}},
        {"unmatched side-2 rows listed once each",
         {{"x"}, {"1"}},
         {{"y", "y"}, {"1", "1"}},
         kExactCase,
         {{0, 1}, {0}, {}}},
        {"empty side 1", {{}, {}}, {{"a", "b"}, {"1", "2"}}, kExactCase, {{0, 1}, {}, {}}},
        {"empty side 2", {{"a", "b"}, {"1", "2"}}, {{}, {}}, kContainsFolded, {{}, {0, 1}, {}}},
        {"both empty", {{}, {}}, {{}, {}}, kPrefixCase, {{}, {}, {}}},
        {"an empty name is contained in the first non-empty one",
         {{"", "a"}, {"1", "2"}},
         {{"", "b"}, {"1", "3"}},
         kContainsFolded,
         {{1}, {1}, {{0, 1}}}},
        {"an empty name begins every name",
         {{"", "a"}, {"1", "2"}},
         {{"b", ""}, {"1", "3"}},
         kPrefixCase,
         {{0}, {1}, {}}},
    };
    for (const ComparisonCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(outcomeOf(compareSides(c.side1.rows(), c.side2.rows(), c.options)), c.expected);
    }
}

TEST(CompareSides, SummaryLine) {
    ComparisonResult result;
    result.missingOnSide1 = {3};
    result.missingOnSide2 = {0};
    result.differences = {{1, 1}, {2, 2}};
    EXPECT_EQ(comparisonSummary(result, "Cookies"),
              gbk(u8"分析提示:[1号]缺少:1项   [2号]缺少:1项   Cookies值异同:2项"));
    EXPECT_EQ(comparisonSummary({}, gbk(u8"Http协议")),
              gbk(u8"分析提示:[1号]缺少:0项   [2号]缺少:0项   Http协议值异同:0项"));
}

// The comparison as a scan from the top with the plain rule.
Outcome plainComparison(const SideRows& side1, const SideRows& side2, const MatchOptions& options) {
    Outcome outcome;
    for (std::size_t row1 = 0; row1 < side1.names.size(); ++row1) {
        std::size_t found = kNoRow;
        for (std::size_t row2 = 0; row2 < side2.names.size() && found == kNoRow; ++row2)
            if (nameMatches(side1.names[row1], side2.names[row2], options)) found = row2;
        if (found == kNoRow)
            outcome.missingOnSide2.push_back(row1);
        else if (side1.values[row1] != side2.values[found])
            outcome.differences.push_back({row1, found});
    }
    for (std::size_t row2 = 0; row2 < side2.names.size(); ++row2) {
        const bool found = std::any_of(side1.names.begin(), side1.names.end(), [&](std::string_view name1) {
            return nameMatches(side2.names[row2], name1, options);
        });
        if (!found) outcome.missingOnSide1.push_back(row2);
    }
    return outcome;
}

std::size_t plainFirstMatch(const std::vector<std::string_view>& names, std::string_view wanted,
                            const MatchOptions& options) {
    for (std::size_t row = 0; row < names.size(); ++row)
        if (nameMatches(wanted, names[row], options)) return row;
    return kNoRow;
}

TEST(CompareSides, FastMatchingEqualsThePlainScanOnRandomSides) {
    // Small alphabets give many equal names, prefixes of each other and double-byte pieces
    // (one whose trail byte is "A", and a lone lead byte).
    const std::vector<std::string> pieces = {"a", "A", "b", "_", gbk(u8"啊"), "\x81\x41", "\xB0"};
    const std::vector<std::string> values = {"1", "2"};
    std::mt19937 random(7);
    // Long names repeat a short unit, so that many of their suffixes agree over long stretches.
    auto randomName = [&](bool longName) {
        std::string name;
        const std::size_t length = random() % 5;
        for (std::size_t k = 0; k < length; ++k) name += pieces[random() % pieces.size()];
        if (!longName) return name;
        std::string repeated;
        while (repeated.size() < 70 + random() % 30) repeated += name.empty() ? "a" : name;
        return repeated + pieces[random() % pieces.size()];
    };
    auto randomSide = [&](std::size_t rows, bool longNames) {
        Side side;
        for (std::size_t row = 0; row < rows; ++row) {
            const std::string name = randomName(longNames && random() % 4 != 0);
            side.names.push_back(name);
            side.values.push_back(values[random() % values.size()]);
        }
        return side;
    };
    for (const MatchOptions& options : {kExactCase, kPrefixCase, kExactFolded, kContainsFolded}) {
        SCOPED_TRACE(modeName(options));
        for (int round = 0; round < 300; ++round) {
            // Some sides large enough for the range minimum's block table.
            const std::size_t limit = round % 10 == 0 ? 400 : 20;
            const bool longNames = round % 3 == 1;
            const Side side1 = randomSide(random() % limit, longNames);
            const Side side2 = randomSide(random() % limit, longNames);
            const SideRows rows1 = side1.rows();
            const SideRows rows2 = side2.rows();
            ASSERT_EQ(outcomeOf(compareSides(rows1, rows2, options)), plainComparison(rows1, rows2, options))
                << "round " << round;
            std::vector<std::string_view> wanted(pieces.begin(), pieces.end());
            const std::string nineA(9, 'a');
            const std::string ahRun = gbk(u8"啊a啊a啊a啊a啊");
            for (std::string_view extra : {std::string_view(""), std::string_view(nineA), std::string_view(ahRun)})
                wanted.push_back(extra);
            MatchedRows expected;
            for (std::string_view name : wanted)
                expected.inSide2.push_back(plainFirstMatch(rows2.names, name, options));
            for (std::string_view name : rows2.names)
                expected.inSide1.push_back(plainFirstMatch(wanted, name, options));
            const MatchedRows matched = matchNames(wanted, rows2.names, options);
            ASSERT_EQ(matched.inSide2, expected.inSide2);
            ASSERT_EQ(matched.inSide1, expected.inSide1);
        }
    }
}

TEST(CompareSides, DegenerateSidesStayExact) {
    const std::string longName(3000, 'a');
    const std::vector<std::pair<const char*, Side>> sides = {
        {"all names equal", {std::vector<std::string>(500, "x"), std::vector<std::string>(500, "1")}},
        {"all names empty", {std::vector<std::string>(100, ""), std::vector<std::string>(100, "1")}},
        {"long names of one letter", {{longName, longName.substr(1), longName + "b", "b"}, {"1", "2", "3", "4"}}},
    };
    for (const auto& [label, side] : sides) {
        const SideRows rows = side.rows();
        for (const MatchOptions& options : {kExactCase, kPrefixCase, kExactFolded, kContainsFolded}) {
            SCOPED_TRACE(std::string(label) + ", " + modeName(options));
            EXPECT_EQ(outcomeOf(compareSides(rows, rows, options)), plainComparison(rows, rows, options));
        }
    }
}

TEST(RangeMinimum, EqualsAScanOverEveryRange) {
    std::mt19937 random(11);
    for (std::size_t size : {1, 31, 32, 33, 64, 65, 200, 1000}) {
        std::vector<std::uint32_t> values(size);
        for (std::uint32_t& value : values) value = random() % 1000;
        const RangeMinimum minimum(values);
        for (std::size_t first = 0; first < size; first += 1 + size / 50) {
            for (std::size_t last = first + 1; last <= size; ++last) {
                ASSERT_EQ(minimum.query(first, last), *std::min_element(values.begin() + static_cast<long>(first),
                                                                        values.begin() + static_cast<long>(last)))
                    << size << " [" << first << "," << last << ")";
            }
        }
    }
}

}  // namespace
}  // namespace varimonde
