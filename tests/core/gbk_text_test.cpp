#include <gtest/gtest.h>

#include "core/text/gbk_literal.h"
#include "core/text/gbk_text.h"

namespace varimonde {
namespace {

const std::string kPairWithA = "\xB0\x41";  // a double-byte character whose trail byte is "A"
const std::string kPairWithEq = "\x81\x40";

TEST(GbkText, SearchesMatchOnlyAtCharacterBoundaries) {
    EXPECT_EQ(findText(kPairWithA + "A", "A"), 2u);
    EXPECT_EQ(findText(kPairWithA, "A"), kNotFound);
    EXPECT_EQ(findText("x" + kPairWithA + "xA", "A"), 4u);
    EXPECT_EQ(findText("abc", ""), kNotFound);
    EXPECT_EQ(findText("abc", "c", 5), kNotFound);
    EXPECT_EQ(countText(kPairWithA + "A" + kPairWithA, "A"), 1u);
    EXPECT_EQ(countText("===", "=="), 2u);      // overlapping occurrences count
    EXPECT_EQ(countText("a\x81", "\x81"), 1u);  // a lead byte at the very end stands alone
    EXPECT_FALSE(endsWithText(kPairWithA, "A"));
    EXPECT_TRUE(endsWithText(kPairWithA + "A", "A"));
}

TEST(GbkText, SplitKeepsEmptyPiecesButNoTrailingOne) {
    using Pieces = std::vector<std::string_view>;
    EXPECT_EQ(splitText(";a;;b;", ";"), (Pieces{"", "a", "", "b"}));
    EXPECT_EQ(splitText("", ";"), Pieces{});
    EXPECT_EQ(splitText(";", ";"), (Pieces{""}));
    EXPECT_EQ(splitText("a<>b<>", "<>"), (Pieces{"a", "b"}));
    EXPECT_EQ(splitText(kPairWithA + "AxA", "A"), (Pieces{kPairWithA, "x"}));
}

TEST(GbkText, CaseFoldingAndBlanksLeaveDoubleByteCharactersAlone) {
    EXPECT_EQ(asciiLower("AbC" + kPairWithA + "Z"), "abc" + kPairWithA + "z");
    EXPECT_EQ(removeBlanks(gbk(u8"a b　c\t")), "abc\t");
    EXPECT_EQ(removeBlanks("\xA1\xA1\xA1"), "\xA1");  // one full-width blank, then a lone lead byte
    EXPECT_EQ(trimBlanks(gbk(u8" 　a b　 ")), "a b");
    EXPECT_EQ(replaceFirst("a:b:c", ":", "-"), "a-b:c");
    EXPECT_EQ(replaceAll(kPairWithEq + "@@", "@", "#"), kPairWithEq + "##");
}

TEST(GbkText, CharacterComparisonFoldsToUpperCase) {
    EXPECT_LT(compareChars("ab", "a_b", true), 0);  // "_" sorts after all letters
    EXPECT_GT(compareChars("_id", "SID", true), 0);
    EXPECT_EQ(compareChars("a", "A", true), 0);
    EXPECT_GT(compareChars("a", "A", false), 0);
    EXPECT_EQ(compareChars(gbk(u8"ａ"), gbk(u8"Ａ"), true), 0);  // full-width letters fold too
    EXPECT_LT(compareChars("ab", "abc", true), 0);
}

}  // namespace
}  // namespace varimonde
