#include "core/ordering/list_ordering.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text/gbk_literal.h"
#include "core/text/gbk_text.h"

namespace varimonde {
namespace {

using Keys = std::vector<std::string>;
using Placement = std::vector<std::size_t>;

struct InsertCase {
    const char* label;
    Keys sorted;
    std::string key;
    SortKeyType type;
    bool caseSensitive;
    std::size_t expected;
};

TEST(FindInsertPosition, FollowsTheBisectionSteps) {
    const std::vector<InsertCase> cases = {
        {"empty list", {}, "x", SortKeyType::Text, true, 1},
        {"equal to the last goes after it", {"a", "b"}, "b", SortKeyType::Text, true, 3},
        {"above the last", {"a", "b"}, "c", SortKeyType::Text, true, 3},
        {"equal to the first goes before it", {"a", "b"}, "a", SortKeyType::Text, true, 1},
        {"between two keys", {"a", "c"}, "b", SortKeyType::Text, true, 2},
        {"equal at the first mid stops there", {"a", "b", "c", "d", "e"}, "c", SortKeyType::Text, true, 4},
        {"equal at a later mid", {"a", "b", "c", "d", "e"}, "b", SortKeyType::Text, true, 3},
        {"equal run: lands after the probed one", {"a", "b", "b", "b", "b", "b", "c"}, "b", SortKeyType::Text, true, 5},
        {"case folded equal to the first", {"A", "b"}, "a", SortKeyType::Text, false, 1},
        {"case-sensitive: a is above A and below b", {"A", "b"}, "a", SortKeyType::Text, true, 2},
        {"folded underscore sorts after letters", {"A", "ab"}, "a_b", SortKeyType::Text, false, 3},
        {"number within tolerance of the last", {"1", "2", "3"}, "2.99999995", SortKeyType::Number, true, 4},
        {"number within tolerance of the first", {"1", "2", "3"}, "1.00000009", SortKeyType::Number, true, 1},
        {"number just outside the tolerance", {"1", "2", "3"}, "1.0000002", SortKeyType::Number, true, 2},
        {"number equal to the mid", {"1", "2", "3"}, "2.00000001", SortKeyType::Number, true, 3},
        {"numbers, not texts", {"2", "10"}, "9", SortKeyType::Number, true, 2},
        {"image index compares as a number", {"2", "10"}, "9", SortKeyType::ImageIndex, true, 2},
        {"as text 9 is above 10", {"10", "2"}, "9", SortKeyType::Text, true, 3},
        {"dates in different forms", {"2024-01-01", "2024-03-01"}, "2024/02/01", SortKeyType::DateTime, true, 2},
        {"unparsable date is day 0", {"1899-12-29", "2024-03-01"}, "soon", SortKeyType::DateTime, true, 2},
    };
    for (const InsertCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(findInsertPosition(c.sorted, c.key, c.type, c.caseSensitive), c.expected);
    }
}

TEST(SortKeys, NumberFromText) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"42", 42}, {"-1.5px", -1.5}, {"+3", 3},  {".5", 0.5}, {"7.", 7},    {"abc", 0},
        {"", 0},    {"-", 0},         {"1e5", 1}, {"0x10", 0}, {"12,5", 12}, {"-.25", -0.25},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(numberFromText(text), expected);
    }
    EXPECT_EQ(numberFromText(std::string(400, '9')), std::numeric_limits<double>::max());
}

TEST(SortKeys, DaysFromDateText) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"1899-12-30", 0},
        {"1900-01-01", 2},
        {"2024-01-01", 45292},
        {"2024/1/1", 45292},
        {"2024.01.01", 45292},
        {gbk(u8"2024年1月1日"), 45292},
        {gbk(u8"2024年01月01"), 45292},
        {"2024-01-01 12:00:00", 45292.5},
        {"2024-01-01T06:00", 45292.25},
        {"2024/01/01  18:00", 45292.75},
        {gbk(u8"2024年1月1日 12时00分"), 45292.5},
        {"12:00", 0.5},
        {"2024-02-29", 45351},
        {"2023-02-29", 0},
        {"2024-13-01", 0},
        {"2024-01-01 24:00", 0},
        {"2024-01-01x", 0},
        {"2024-01/01", 0},
        {"tomorrow", 0},
        {"", 0},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(daysFromDateText(text), expected);
    }
}

TEST(SortKeys, TypeOutsideTheRangeIsText) {
    EXPECT_EQ(sortKeyTypeFrom(-1), SortKeyType::Text);
    EXPECT_EQ(sortKeyTypeFrom(5), SortKeyType::Text);
    EXPECT_EQ(sortKeyTypeFrom(3), SortKeyType::Flag);
}

struct PlacementCase {
    const char* label;
    Keys keys;
    Keys keyMap;
    SortKeyType type;
    bool caseSensitive;
    bool ascending;
    Placement expected;
};

TEST(SortPlacement, OrdersRows) {
    const std::string no = gbk(u8"假");
    const std::string fullWidthBlank = gbk(u8"\u3000");
    const std::vector<PlacementCase> cases = {
        {"names ignoring case", {"b", "A", "a_b", "ab", "_x"}, {}, SortKeyType::Text, false, true, {1, 3, 2, 0, 4}},
        {"descending reverses", {"b", "A", "a_b", "ab", "_x"}, {}, SortKeyType::Text, false, false, {4, 0, 2, 3, 1}},
        {"case-sensitive: capitals and _ first",
         {"b", "A", "a_b", "ab", "_x"},
         {},
         SortKeyType::Text,
         true,
         true,
         {1, 4, 2, 3, 0}},
        {"empty list", {}, {}, SortKeyType::Text, false, true, {}},
        {"one row", {"x"}, {}, SortKeyType::Text, false, true, {0}},
        {"a then A: A equals the last key", {"a", "A"}, {}, SortKeyType::Text, false, true, {0, 1}},
        {"A equal to the first but below the last", {"a", "b", "A"}, {}, SortKeyType::Text, false, true, {2, 0, 1}},
        {"blanks stripped", {" b", "a" + fullWidthBlank, "c"}, {}, SortKeyType::Text, true, true, {1, 0, 2}},
        {"flag rows", {no, "x", no, "y"}, {}, SortKeyType::Flag, true, true, {3, 1, 0, 2}},
        {"flag rows descending", {no, "x", no, "y"}, {}, SortKeyType::Flag, true, false, {2, 0, 1, 3}},
        {"numbers", {"10px", "9", "-1.5", "abc"}, {}, SortKeyType::Number, true, true, {2, 3, 1, 0}},
        {"image indices", {"10", "9", "-1"}, {}, SortKeyType::ImageIndex, true, true, {2, 1, 0}},
        {"dates", {"2024-03-01", "2023-12-31 23:59", "2024-01-01"}, {}, SortKeyType::DateTime, true, true, {1, 2, 0}},
        {"key map substitutes",
         {"abc", "z", "q"},
         {"ab:9", "abc:2", "z:1", "abc:0"},
         SortKeyType::Text,
         true,
         true,
         {1, 0, 2}},
        {"key map removes every key:", {"k", "b"}, {"k:k:a"}, SortKeyType::Text, true, true, {0, 1}},
        {"key map turns flags", {"x", "y"}, {"y:" + no}, SortKeyType::Flag, true, true, {0, 1}},
        {"type outside the range sorts as text", {"10", "9"}, {}, static_cast<SortKeyType>(9), true, true, {0, 1}},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(sortPlacement(c.keys, c.keyMap, c.type, c.caseSensitive, c.ascending), c.expected);
    }
}

TEST(SortPlacement, NameSortIgnoresCaseAscending) {
    // SID meets sid as the first key and goes before it; _id stays last.
    EXPECT_EQ(nameSortPlacement({"sid", "_id", "SID", "Abc"}), (Placement{3, 2, 0, 1}));
}

// The sort exactly as described: keys inserted one by one into a plain vector.
Placement referencePlacement(const Keys& keys, const Keys& keyMap, SortKeyType type, bool caseSensitive,
                             bool ascending) {
    type = sortKeyTypeFrom(static_cast<int>(type));
    Keys sorted;
    Placement placement;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::string key = type == SortKeyType::ImageIndex ? keys[i] : std::string(trimBlanks(keys[i]));
        for (const std::string& entry : keyMap) {
            if (entry.starts_with(key + ":")) {
                key = replaceAll(entry, key + ":", "");
                break;
            }
        }
        std::size_t position = 0;
        if (type == SortKeyType::Flag) {
            position = key == gbk(u8"假") ? i + 1 : 1;
        } else {
            const SortKeyType searchType = type == SortKeyType::ImageIndex ? SortKeyType::Number : type;
            position = findInsertPosition(sorted, key, searchType, caseSensitive);
            sorted.insert(sorted.begin() + static_cast<long>(position) - 1, key);
        }
        placement.insert(placement.begin() + static_cast<long>(position) - 1, i);
    }
    if (!ascending) std::reverse(placement.begin(), placement.end());
    return placement;
}

struct KeyPool {
    const char* label;
    SortKeyType type;
    Keys pieces;
    std::size_t maxPieces;
};

TEST(SortPlacement, MatchesThePlainInsertionSortOnRandomKeys) {
    const std::vector<KeyPool> pools = {
        {"texts", SortKeyType::Text, {"a", "A", "b", "_", " ", gbk(u8"啊"), gbk(u8"ａ"), gbk(u8"Ａ"), "\xB0"}, 3},
        {"whole numbers", SortKeyType::Number, {"0", "1", "2", "-3", "x", "1.0", "7"}, 1},
        {"close numbers", SortKeyType::Number, {"0", "0.00000006", "0.00000012", "0.00000018", "1", "1.00000009"}, 1},
        {"dates", SortKeyType::DateTime, {"2024-01-01", "2024/01/01", "2024-01-01 12:00", "1999-09-09", "bad"}, 1},
        {"flags", SortKeyType::Flag, {gbk(u8"假"), gbk(u8"真"), "", " "}, 1},
        {"image indices", SortKeyType::ImageIndex, {"0", "1", "2", "-1", "10"}, 1},
        {"bad type", static_cast<SortKeyType>(-4), {"a", "b", "B"}, 2},
    };
    std::mt19937 random(20240601);
    for (const KeyPool& pool : pools) {
        SCOPED_TRACE(pool.label);
        for (int round = 0; round < 400; ++round) {
            // A few long rounds reach deeper trees; the rest many small equal-heavy lists.
            const std::size_t count = round < 3 ? 1500 : random() % 40;
            Keys keys(count);
            for (std::string& key : keys) {
                const std::size_t pieces = 1 + random() % pool.maxPieces;
                for (std::size_t k = 0; k < pieces; ++k) key += pool.pieces[random() % pool.pieces.size()];
            }
            Keys keyMap;
            if (random() % 4 == 0) keyMap = {keys.empty() ? "x:y" : keys[0] + ":" + pool.pieces[0], "zz:1"};
            const bool caseSensitive = random() % 2 == 0;
            const bool ascending = random() % 3 != 0;
            ASSERT_EQ(sortPlacement(keys, keyMap, pool.type, caseSensitive, ascending),
                      referencePlacement(keys, keyMap, pool.type, caseSensitive, ascending))
                << "round " << round << " rows " << count;
        }
    }
}

}  // namespace
}  // namespace varimonde
