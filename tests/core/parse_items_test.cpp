#include <gtest/gtest.h>

#include "core/items/parse_items.h"
#include "core/text/gbk_literal.h"

namespace varimonde {
namespace {

const ProfileTexts kCookies{"Cookies", ";", "="};
const ProfileTexts kHttp{gbk(u8"Http协议"), "\r\n", ":"};
const ProfileTexts kQuery{gbk(u8"Qurey参数"), "&", "="};

struct Asked {
    int count = 0;
    ParseQuestion last;
    bool answer = true;
};

ParseResult parse(std::string_view text, const ProfileTexts& profile = kCookies, ParseOptions options = {},
                  Asked* asked = nullptr, Side side = Side::One) {
    return parseItems(text, profile, side, options, [asked](const ParseQuestion& question) {
        if (asked == nullptr) return true;
        ++asked->count;
        asked->last = question;
        return asked->answer;
    });
}

TEST(ParseItems, ExampleTextGivesItsRowsAndMessages) {
    const ParseResult result = parse("a=1; b=x%41; c=; d; =e");
    EXPECT_EQ(result.stop, ParseStop::Completed);
    EXPECT_EQ(result.items, (ItemList{{"1", "a", "1", "1"}, {"2", "b", "x%41", "xA"}, {"3", "c", "", ""}}));
    const std::string messages =
        gbk(u8"检查到Cookies文本有错误!\r\n请检查多余＝号! [错误数:1]\r\n\r\n"
            u8"检查到Cookies文本有错误!\r\nCookies或值为空 [错误数:1]\r\n\r\n");
    EXPECT_EQ(result.resultText, messages);
    EXPECT_EQ(result.statusText, gbk(u8"分析提示:") + messages);
    EXPECT_EQ(result.itemBoxText, gbk(u8"Cookies[c]的值为(空)\r\n"));
}

struct RowCase {
    const char8_t* text;
    const ProfileTexts* profile;
    ItemList items;
};

TEST(ParseItems, RowsUnderEachProfile) {
    const RowCase cases[] = {
        {u8"Host: box:8080\r\n:method: GET\r\nGET / HTTP/1.1\r\nUser-Agent: A B\r\n",
         &kHttp,
         {{"1", "Host", "box:8080", "box:8080"}, {"2", ":method", "GET", "GET"}, {"3", "User-Agent", "AB", "AB"}}},
        {u8"k=abc==;l=abc=;m==",
         &kCookies,
         {{"1", "k", "abc==", "abc=="}, {"2", "l", "abc=", "abc="}, {"3", "m", "==", "=="}}},
        {u8"a=1;b=2;", &kCookies, {{"1", "a", "1", "1"}, {"2", "b", "2", "2"}}},
        {u8"a=1;;b=2", &kCookies, {{"1", "a", "1", "1"}, {"2", "b", "2", "2"}}},
        {u8"a=1;a=2", &kCookies, {{"1", "a", "1", "1"}, {"2", "a", "2", "2"}}},
        {u8"a=1&b=\r\n2", &kQuery, {{"1", "a", "1", "1"}, {"2", "b", "2", "2"}}},
        {u8"x=a=b=c;y=\t1", &kCookies, {{"1", "x", "a=b=c", "a=b=c"}, {"2", "y", "\t1", "\t1"}}},
        {u8"名字=值　1;", &kCookies, {{"1", gbk(u8"名字"), gbk(u8"值1"), gbk(u8"值1")}}},
    };
    for (const RowCase& c : cases) {
        const std::string text = gbk(c.text);
        SCOPED_TRACE(text);
        EXPECT_EQ(parse(text, *c.profile).items, c.items);
    }
}

TEST(ParseItems, RequestLineAtTheEndIsAnIncompleteTail) {
    const ParseResult result = parse("Host: a\r\nGET / HTTP/1.1", kHttp);
    EXPECT_EQ(result.items, (ItemList{{"1", "Host", "a", "a"}}));
    EXPECT_EQ(result.tailErrorCount, 1u);
    EXPECT_EQ(result.resultText, gbk(u8"Http协议1号尾部数据不全,已过滤!\r\n请检查完整性! [错误数:1]\r\n\r\n"));
}

TEST(ParseItems, DecodeSwitchShowsTheDecodedForm) {
    const ParseResult on = parse("q=%E4%B8%AD;r=plain", kCookies, {.decode = true});
    EXPECT_EQ(on.items, (ItemList{{"1", "q", gbk(u8"中"), "%E4%B8%AD"}, {"2", "r", "plain", "plain"}}));
    const ParseResult off = parse("q=%E4%B8%AD", kCookies, {.decode = false});
    EXPECT_EQ(off.items, (ItemList{{"1", "q", "%E4%B8%AD", gbk(u8"中")}}));
}

TEST(ParseItems, AutoSortOrdersByNameBeforeNumbering) {
    const ParseResult result = parse("b=1;A=2;a_b=3;ab=4;_x=5", kCookies, {.autoSort = true});
    std::vector<std::string> names;
    for (const Item& item : result.items) names.push_back(item.ordinal + item.name);
    EXPECT_EQ(names, (std::vector<std::string>{"1A", "2ab", "3a_b", "4b", "5_x"}));
}

TEST(ParseItems, EarlyStopsSetOnlyWhatTheyOwn) {
    struct StopCase {
        std::string text;
        ParseStop stop;
        std::optional<std::string> resultText;
    };
    const StopCase cases[] = {
        {"", ParseStop::EmptyText, std::nullopt},
        {gbk(u8"请填入Cookies 1号数据"), ParseStop::Placeholder, std::nullopt},
        {"x" + gbk(u8"请填入Cookies") + "a=1;b=2", ParseStop::Placeholder, std::nullopt},
        {"abc", ParseStop::TextError, gbk(u8"检查到Cookies文本有错误!")},
        {"abc;", ParseStop::TextError, gbk(u8"检查到Cookies文本有错误!")},  // only a tail without "="
        {" ; ", ParseStop::TextError, gbk(u8"检查到Cookies文本有错误!")},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.text);
        Asked asked;
        const ParseResult result = parse(c.text, kCookies, {}, &asked);
        EXPECT_EQ(result.stop, c.stop);
        EXPECT_TRUE(result.items.empty());
        EXPECT_EQ(result.resultText, c.resultText);
        EXPECT_TRUE(result.statusText.empty());
    }
}

TEST(ParseItems, OnlyOneKindOfSeparatorAsksFirst) {
    Asked asked;
    asked.answer = false;
    EXPECT_EQ(parse("a=1b=2", kCookies, {}, &asked, Side::Two).stop, ParseStop::Declined);
    EXPECT_EQ(asked.count, 1);
    EXPECT_EQ(asked.last.title, gbk(u8"提示：文本逻辑存在错误！"));
    EXPECT_EQ(asked.last.text,
              gbk(u8"Cookies2号源文本 分隔符 逻辑数量有误，可能是分析模式不正确\r\n\r\n是否继续分析？"));

    asked = Asked{};
    const ParseResult yes = parse("a=1b=2", kCookies, {}, &asked);
    EXPECT_EQ(asked.count, 1);
    EXPECT_EQ(yes.items, (ItemList{{"1", "a", "1b=2", "1b=2"}}));

    asked = Asked{};
    EXPECT_EQ(parse("a=1", kCookies, {}, &asked).items, (ItemList{{"1", "a", "1", "1"}}));
    EXPECT_EQ(asked.count, 0);  // exactly one item: no question
}

TEST(ParseItems, EmptySeparatorsReportATextErrorInsteadOfLooping) {
    const ParseResult result = parse("a=1;b=2", ProfileTexts{});
    EXPECT_EQ(result.stop, ParseStop::TextError);
    EXPECT_EQ(result.resultText, gbk(u8"检查到文本有错误!"));
}

TEST(ParseItems, SeveralByteSeparatorsAndSeparatorBytesInsideCharacters) {
    const ProfileTexts arrows{"X", "<>", "=>"};
    EXPECT_EQ(parse("a=>1<>b=>2=><>c=><>", arrows).items,
              (ItemList{{"1", "a", "1", "1"}, {"2", "b", "2=>", "2=>"}, {"3", "c", "", ""}}));
    // "\xB0\x41" holds the byte of "A" as its trail: a separator "A" is not found inside it.
    const ProfileTexts letterA{"X", ";", "A"};
    EXPECT_EQ(parse("k\xB0\x41"
                    "A1;z\xB0\x41",
                    letterA)
                  .items,
              (ItemList{{"1", "k\xB0\x41", "1", "1"}}));
}

TEST(ParseItems, HostileBytesNeverCrash) {
    const std::string inputs[] = {
        std::string("a=\0;b\0=1", 8), "a=\xFF\xFE\x80;b=\x81", "\x81",      "a=1;\x81",
        std::string(1000, '='),       std::string(1000, ';'),  "a=%;b=%%%", ":::\r\n::\r\n:",
    };
    for (const std::string& input : inputs) {
        for (const ProfileTexts* profile : {&kCookies, &kHttp, &kQuery}) {
            const ParseResult result = parse(input, *profile, {.decode = true});
            for (const Item& item : result.items) EXPECT_FALSE(item.name.empty());
        }
    }
}

TEST(ParseItems, LargeTextsParseWhole) {
    std::string text = "big=" + std::string(1 << 20, 'v') + ";";
    for (int i = 0; i < 400000; ++i) text += "k" + std::to_string(i) + "=v" + std::to_string(i) + ";";
    text.resize(10u << 20, 'x');  // about 10 MB, cut in the middle of an item
    const ParseResult result = parse(text, kCookies, {.decode = true, .autoSort = true});
    ASSERT_EQ(result.stop, ParseStop::Completed);
    EXPECT_GT(result.items.size(), 400000u);
    EXPECT_EQ(result.items.front().name, "big");
    EXPECT_EQ(result.items.front().value.size(), 1u << 20);
}

}  // namespace
}  // namespace varimonde
