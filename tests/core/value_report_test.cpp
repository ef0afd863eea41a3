#include "core/report/value_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/gbk_literal.h"

namespace varimonde {
namespace {

const MatchOptions kExactCase{true, true, true};
const MatchOptions kContainsCase{true, false, true};
const MatchOptions kExactFolded{false, true, true};
const MatchOptions kContainsFolded{false, false, true};

struct CounterpartCase {
    const char* label;
    std::vector<std::string_view> names;
    std::string name;
    MatchOptions options;
    long expected;
};

TEST(FindCounterpart, FirstMatchingRowFromTheTop) {
    const std::string trailA = "\x81\x41";  // a double-byte character whose trail byte is "A"
    const std::vector<CounterpartCase> cases = {
        {"exact", {"sid", "id"}, "id", kExactCase, 1},
        {"contains: sid above id is chosen", {"sid", "id"}, "id", kContainsFolded, 0},
        {"contains, case-sensitive: anywhere in the name", {"uid"}, "id", kContainsCase, 0},
        {"case-sensitive: SID is not sid", {"sid"}, "SID", kExactCase, -1},
        {"folded: SID finds sid", {"x", "sid"}, "SID", kExactFolded, 1},
        {"folded contains", {"x", "my_SID"}, "sid", kContainsFolded, 1},
        {"no row", {}, "a", kExactCase, -1},
        {"no row, empty name", {}, "", kExactCase, -1},
        {"empty name, exact: the empty row", {"a", ""}, "", kExactCase, 1},
        {"empty name, contains: the first non-empty row", {"", "b"}, "", kContainsCase, 1},
        {"empty name, contains: empty rows only", {"", ""}, "", kContainsFolded, -1},
        {"no match inside a double-byte character", {trailA, "xa"}, "a", kContainsFolded, 1},
        {"trail byte not folded", {"\x81\x61"}, trailA, kExactFolded, -1},
    };
    for (const CounterpartCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(findCounterpart(c.names, c.name, c.options), c.expected);
    }
}

TEST(ValueReport, PairReportTexts) {
    EXPECT_EQ(pairReport("1", "22", "Cookies"), gbk(u8"1号值 文本长度:1\r\n2号值 文本长度:2\r\n\r\n"
                                                    u8"1号值 Base64编码:否\r\n2号值 Base64编码:否\r\n\r\n"
                                                    u8"1号值 URL编码:否\r\n2号值 URL编码:否\r\n\r\n"
                                                    u8"对比Cookies值:不同"));
    EXPECT_EQ(pairReport("abcd", "a%2Fb", gbk(u8"Qurey参数")),
              gbk(u8"1号值 文本长度:4\r\n2号值 文本长度:5\r\n\r\n"
                  u8"1号值 Base64编码:是\r\n2号值 Base64编码:否\r\n\r\n"
                  u8"1号值 URL编码:否\r\n2号值 URL编码:是\r\n\r\n"
                  u8"对比Qurey参数值:不同"));
}

TEST(ValueReport, VerdictComparesBytes) {
    const std::string http = gbk(u8"Http协议");
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"same", "same", gbk(u8"对比Http协议值:相同")},
        {"ABC", "abc", gbk(u8"对比Http协议值:不同")},
        {"", "", gbk(u8"对比Http协议值:相同")},
        {gbk(u8"值"), gbk(u8"值 "), gbk(u8"对比Http协议值:不同")},
    };
    for (const auto& [value1, value2, ending] : cases) {
        SCOPED_TRACE(value1 + "|" + value2);
        EXPECT_TRUE(pairReport(value1, value2, http).ends_with("\r\n\r\n" + ending));
    }
}

TEST(ValueReport, SingleReportTexts) {
    EXPECT_EQ(singleReport("ab==", Side::One),
              gbk(u8"1号值 文本长度:4\r\n\r\n1号值 Base64编码:是\r\n\r\n1号值 URL编码:否\r\n\r\n"));
    EXPECT_EQ(singleReport(gbk(u8"%41啊"), Side::Two),
              gbk(u8"2号值 文本长度:5\r\n\r\n2号值 Base64编码:否\r\n\r\n2号值 URL编码:是\r\n\r\n"));
}

TEST(ValueReport, TrimTrailingAmpersand) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a=1&", "a=1"},
        {"a=1", "a=1"},
        {"", ""},
        {"&", ""},
        {"a&", "a"},
        {"&=", "="},
        {"&a=1", "&a=1"},        // the search starts near the end
        {"a=1&&", "a=1&"},       // only the first "&" found goes
        {"a&=1", "a=1"},         // found from byte len-2 on, not only at the end
        {"ab\x81&", "ab\x81&"},  // "&" as a trail byte is part of a character
        {gbk(u8"名=值&"), gbk(u8"名=值")},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(trimTrailingAmpersand(text), expected);
    }
}

}  // namespace
}  // namespace varimonde
