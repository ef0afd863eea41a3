#include "profiles/settings/ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace varimonde {
namespace {

using namespace std::string_literals;

std::string utf8(std::u8string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

struct LookupCase {
    const char* label;
    std::string body;
    std::string key;
    std::optional<std::string> expected;
};

TEST(IniDocumentFindValue, MatchesTheFirstKeyOfTheFirstSection) {
    const std::vector<LookupCase> cases = {
        {"plain", "[Config]\nkey=v\n", "key", "v"},
        {"ASCII case of section and key ignored", "[cONFIG]\nKEY=v\n", "Key", "v"},
        {"blanks around names and value", "[ Config ]\n \t key \t= \tv w \t\n", "key", "v w"},
        {"CR LF lines", "[Config]\r\nkey=v\r\n", "key", "v"},
        {"last line without line break", "[Config]\nkey=v", "key", "v"},
        {"CR without LF counts as a blank", "[Config]\nkey=v\r", "key", "v"},
        {"double quotes dropped, blanks inside kept", "[Config]\nkey= \" v \" \n", "key", " v "},
        {"single quotes dropped", "[Config]\nkey='v'\n", "key", "v"},
        {"empty quotes", "[Config]\nkey=\"\"\n", "key", ""},
        {"unmatched quotes kept", "[Config]\nkey=\"v'\n", "key", "\"v'"},
        {"a lone quote kept", "[Config]\nkey=\"\n", "key", "\""},
        {"quotes only at one end kept", "[Config]\nkey=\"a\"b\n", "key", "\"a\"b"},
        {"empty value is present", "[Config]\nkey=\n", "key", ""},
        {"value holding =", "[Config]\nkey=a=b\n", "key", "a=b"},
        {"first of repeated keys", "[Config]\nkey=1\nkey=2\n", "key", "1"},
        {"only the first matching section", "[Config]\na=1\n[config]\nkey=2\n", "key", std::nullopt},
        {"key of another section", "[Other]\nkey=1\n[Config]\na=2\n", "key", std::nullopt},
        {"section after another", "[Other]\nkey=1\n[Config]\nkey=2\n", "key", "2"},
        {"key before any section", "key=1\n[Config]\na=2\n", "key", std::nullopt},
        {"comments are not keys", "[Config]\n;key=1\n  #key=2\nkey=3\n", "key", "3"},
        {"line without = is not a key", "[Config]\nkey\nkey=4\n", "key", "4"},
        {"empty key name ignored", "[Config]\n=1\n", "", std::nullopt},
        {"text after the header's ]", "[Config] ; note\nkey=v\n", "key", "v"},
        {"header without ] is no section", "[Config\nkey=v\n", "key", std::nullopt},
        {"missing key", "[Config]\na=1\n", "key", std::nullopt},
        {"empty text", "", "key", std::nullopt},
        {"Chinese key", utf8(u8"[Config]\n分析项目 = 2\n"), utf8(u8"分析项目"), "2"},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.label);
        const IniDocument document(c.body, IniEncoding::Utf8);
        EXPECT_EQ(document.findValue("Config", c.key), c.expected);
    }
}

TEST(IniDocumentFindValue, StepsOverGbkCharactersWhoseTrailLooksAscii) {
    // B0 5D has "]" as its trail byte, B0 41 has "A" and B0 61 has "a": other characters,
    // not a bracket and not letters that fold into each other.
    const std::string body = "[\xB0\x5D]\n\xB0\x41=1\n";
    const IniDocument document(body, IniEncoding::Gbk);
    EXPECT_EQ(document.findValue("\xB0\x5D", "\xB0\x41"), "1");
    EXPECT_EQ(document.findValue("\xB0\x5D", "\xB0\x61"), std::nullopt);
    EXPECT_EQ(document.findValue("\xB0", "\xB0\x41"), std::nullopt);
}

struct RewriteCase {
    const char* label;
    std::string body;
    std::string lineBreak;
    std::string expected;
};

TEST(IniDocumentWithValue, ChangesOneLineAndKeepsTheRest) {
    const std::vector<RewriteCase> cases = {
        {"empty text gets the section", "", "\n", "[Config]\nkey=v\n"},
        {"replaces the value", "[Config]\nkey=old\nb=1\n", "\n", "[Config]\nkey=v\nb=1\n"},
        {"keeps the key's spelling and layout", "[config]\n  KEY = old \n", "\n", "[config]\n  KEY =v\n"},
        {"replaces only the first of repeated keys", "[Config]\nkey=1\nkey=2\n", "\n", "[Config]\nkey=v\nkey=2\n"},
        {"keeps the line break of the replaced line", "[Config]\r\nkey=1\r\n", "\r\n", "[Config]\r\nkey=v\r\n"},
        {"replaced last line stays without line break", "[Config]\nkey=1", "\n", "[Config]\nkey=v"},
        {"adds after the section's last key", "[Config]\na=1\n\n; next\n[Other]\nb=2\n", "\n",
         "[Config]\na=1\nkey=v\n\n; next\n[Other]\nb=2\n"},
        {"adds after a header without keys", "[Config]\n\n[Other]\n", "\n", "[Config]\nkey=v\n\n[Other]\n"},
        {"adds after a last key without line break", "[Config]\na=1", "\n", "[Config]\na=1\nkey=v\n"},
        {"adds after a header at the end without line break", "[Config]", "\n", "[Config]\nkey=v\n"},
        {"adds the section at the end", "; top\n[Other]\nkey=2\n", "\n", "; top\n[Other]\nkey=2\n[Config]\nkey=v\n"},
        {"adds the section after a last line without break", "[Other]\nb=2", "\n", "[Other]\nb=2\n[Config]\nkey=v\n"},
        {"new lines take the given line break", "[Config]\r\na=1\r\n", "\r\n", "[Config]\r\na=1\r\nkey=v\r\n"},
        {"commented key stays a comment", "[Config]\n;key=1\n", "\n", "[Config]\nkey=v\n;key=1\n"},
        {"keys of other sections untouched", "[Other]\nkey=1\n[Config]\nkey=2\n", "\n",
         "[Other]\nkey=1\n[Config]\nkey=v\n"},
        {"odd lines kept as they are", "junk\n[Config\n\t\n[Config]\nx\n", "\n",
         "junk\n[Config\n\t\n[Config]\nkey=v\nx\n"},
    };
    for (const RewriteCase& c : cases) {
        SCOPED_TRACE(c.label);
        const IniDocument document(c.body, IniEncoding::Utf8);
        EXPECT_EQ(document.withValue("Config", "key", "v", c.lineBreak), c.expected);
    }
}

TEST(IniKeyName, AcceptsOnlyKeysThatReadBackAsWritten) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Times Count", "Times Count"},
        {" \tkey \t", "key"},
        {"", ""},
        {"  ", ""},
        {"a=b", ""},
        {";key", ""},
        {"#key", ""},
        {"[key]", ""},
        {"a\nb", ""},
        {"a\r", "a"},
        {"a\0b"s, ""},
    };
    for (const auto& [key, expected] : cases) {
        SCOPED_TRACE(key);
        EXPECT_EQ(iniKeyName(key), expected);
    }
}

TEST(IniValueText, StopsAtALineBreakOrNul) {
    EXPECT_EQ(iniValueText("a b;c"), "a b;c");
    EXPECT_EQ(iniValueText("a\r\n[Config]"), "a");
    EXPECT_EQ(iniValueText("a\nb"), "a");
    EXPECT_EQ(iniValueText("a\0b"s), "a");
}

}  // namespace
}  // namespace varimonde
