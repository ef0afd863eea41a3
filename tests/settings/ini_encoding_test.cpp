#include "profiles/settings/ini_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varimonde {
namespace {

std::string utf8(std::u8string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

struct FormCase {
    const char* label;
    std::string bytes;
    IniEncoding encoding;
    bool byteOrderMark;
    std::string lineBreak;
};

TEST(DetectIniForm, TellsUtf8FromGbkAndFindsTheLineBreak) {
    const std::vector<FormCase> cases = {
        {"empty", "", IniEncoding::Utf8, false, "\n"},
        {"ASCII only", "[Config]\r\na=1\r\n", IniEncoding::Utf8, false, "\r\n"},
        {"UTF-8 Chinese", utf8(u8"[Config]\n分析项目=1\n"), IniEncoding::Utf8, false, "\n"},
        {"byte order mark", "\xEF\xBB\xBF[Config]\n", IniEncoding::Utf8, true, "\n"},
        {"byte order mark before invalid bytes", "\xEF\xBB\xBF\xB7\xD6", IniEncoding::Utf8, true, "\n"},
        {"GBK Chinese", "[Config]\r\n\xB7\xD6\xCE\xF6=1\r\n", IniEncoding::Gbk, false, "\r\n"},
        {"overlong form", "\xC0\xAF", IniEncoding::Gbk, false, "\n"},
        {"surrogate", "\xED\xA0\x80", IniEncoding::Gbk, false, "\n"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", IniEncoding::Gbk, false, "\n"},
        {"cut short", "a\xE4\xB8", IniEncoding::Gbk, false, "\n"},
        {"four-byte UTF-8", "\xF0\x9F\x98\x80", IniEncoding::Utf8, false, "\n"},
        {"first line break decides", "a\nb\r\n", IniEncoding::Utf8, false, "\n"},
        {"no line break", "a", IniEncoding::Utf8, false, "\n"},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.label);
        const IniForm form = detectIniForm(c.bytes);
        EXPECT_EQ(form.encoding, c.encoding);
        EXPECT_EQ(form.byteOrderMark, c.byteOrderMark);
        EXPECT_EQ(form.lineBreak, c.lineBreak);
    }
}

}  // namespace
}  // namespace varimonde
