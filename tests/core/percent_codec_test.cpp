#include <gtest/gtest.h>

#include "core/codec/percent_codec.h"
#include "core/text/gbk_literal.h"

namespace varimonde {
namespace {

struct DecodeCase {
    std::string input;
    bool utf8;
    std::string expected;
};

TEST(PercentDecode, ReadsEscapesTheWayTheDecoderDefinesThem) {
    const DecodeCase cases[] = {
        {"%E4%B8%AD", true, gbk(u8"中")},
        {"%e4%b8%ad", true, gbk(u8"中")},
        {"a+b%20c", false, "a+b c"},
        {"100%", false, "100"},  // two missing digits read as 0: nothing appended
        {"a%3", false, "a0"},    // missing low digit is 0: 0x30
        {"%00x", false, "x"},
        {"%G1", false, "\xE1"},  // hi = -2: 16 * -2 + 1 = -31, that is 225
        {"%GG", false, "\xDE"},  // -34 -> 222
        {"%", false, ""},
        {"", true, ""},
        {"plain", true, "plain"},
        {gbk(u8"中"), true, "??"},  // GBK bytes are not UTF-8: each invalid byte becomes "?"
        {"%FF%FE", true, "??"},
        {"%F0%9F%98%80", true, "?"},  // outside GBK
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(percentDecode(c.input, c.utf8), c.expected);
    }
}

TEST(PercentEncode, EscapesAllButTheUnreservedBytes) {
    EXPECT_EQ(percentEncode(gbk(u8"中 a_b"), true, true), "%E4%B8%AD%20a%5Fb");
    EXPECT_EQ(percentEncode("ab", false, false), "%61%62");
    EXPECT_EQ(percentEncode("", true, true), "");
    EXPECT_EQ(percentEncode("-.~/Az09", true, false), "-.%7E%2FAz09");
    EXPECT_EQ(percentEncode("\n", true, false), "%0A");
}

TEST(PercentCodec, EncodingThenDecodingGivesTheTextBack) {
    const std::string texts[] = {gbk(u8"名字=值; 中文&x"), "a b+c", gbk(u8"全角　空格")};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(percentDecode(percentEncode(text, true, true), true), text);
    }
}

}  // namespace
}  // namespace varimonde
