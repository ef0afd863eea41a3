#include "core/report/value_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/gbk_literal.h"

namespace varimonde {
namespace {

struct CheckCase {
    std::string text;
    bool base64;
    bool percent;
};

TEST(ValueChecks, AnswerForTypicalValues) {
    const std::vector<CheckCase> cases = {
        {"abcd", true, false},         {"ab==", true, false},
        {"abc=", true, false},         {"abc", false, false},
        {"a===", false, false},        {"", false, false},
        {"====", false, false},        {"ab=c", false, false},
        {"abcd\n", false, false},      {"abcd\r\n", false, false},
        {"\nabcd", false, false},      {"abcd\nefgh", false, false},
        {"a+/9ZZ==", true, false},     {"ab-_", false, false},
        {"a%2Fb", false, true},        {"%2", false, false},
        {"%zz", false, false},         {"100%", false, false},
        {"%%41", false, true},         {"%4G%41", false, true},
        {gbk(u8"啊啊"), false, false}, {std::string("ab\0d", 4), false, false},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(looksBase64(c.text), c.base64);
        EXPECT_EQ(looksPercentEncoded(c.text), c.percent);
    }
}

// Every text of up to four characters over an alphabet that reaches each branch of both
// expressions: the two ways of deciding must agree on all of them.
TEST(ValueChecks, ScanAgreesWithTheRegularExpressions) {
    const std::string alphabet = std::string("a+=\n%4G") + '\xB0';
    std::vector<std::string> texts = {""};
    for (std::size_t begin = 0, length = 0; length < 4; ++length) {
        const std::size_t end = texts.size();
        for (std::size_t k = begin; k < end; ++k)
            for (char c : alphabet) texts.push_back(texts[k] + c);
        begin = end;
    }
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        ASSERT_EQ(looksBase64ByScan(text), looksBase64ByRegex(text));
        ASSERT_EQ(looksPercentEncodedByScan(text), looksPercentEncodedByRegex(text));
    }
}

TEST(ValueChecks, LongValuesNeverThrowAndAnswerRight) {
    const std::size_t megabyte = 1 << 20;
    const std::string base64(megabyte, 'A');
    const std::string noPercent(megabyte, '-');
    std::string percentRun;
    while (percentRun.size() < megabyte) percentRun += "%41";
    const std::vector<CheckCase> cases = {
        {base64, true, false},
        {base64.substr(4) + "AA==", true, false},
        {base64.substr(1) + "!", false, false},
        {base64.substr(1), false, false},
        {base64 + "\n", false, false},
        {base64.substr(0, kRegexCheckLimit + 4), true, false},
        {noPercent, false, false},
        {noPercent + "%4", false, false},
        {noPercent + "%4f", false, true},
        {percentRun, false, true},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.text.size());
        EXPECT_NO_THROW(EXPECT_EQ(looksBase64(c.text), c.base64));
        EXPECT_NO_THROW(EXPECT_EQ(looksPercentEncoded(c.text), c.percent));
    }
}

}  // namespace
}  // namespace varimonde
