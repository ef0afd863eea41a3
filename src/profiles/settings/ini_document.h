// The lines of an INI text, with the one-key lookup and the one-key rewrite of the
// Windows profile functions.
//
// Names and values here are in the file's own encoding. Section and key names match
// without regard to ASCII case; the first matching section and, in it, the first matching
// key count. A key line is "key=value" with blanks (spaces, tabs) around the key and the
// value ignored; lines starting with ";" or "#" are comments. A rewrite touches one line
// or adds one, and hands every other byte back as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profiles/settings/ini_encoding.h"

namespace varimonde {

// The key as it can stand on a key line: blanks around it dropped. Empty when nothing is
// left or the key could not be read back as written: it holds "=", a line break or NUL,
// or it starts with ";", "#" or "[" (it would make a comment or a section line).
std::string_view iniKeyName(std::string_view key);

// The part of a value that a key line can hold: everything before the first CR, LF or NUL,
// which is also what a reader of the Windows functions would get back.
std::string_view iniValueText(std::string_view value);

class IniDocument {
  public:
    // `body` is the file's text without a byte order mark; it must outlive the document.
    IniDocument(std::string_view body, IniEncoding encoding);

    // The value of `key` in `section`: blanks around it trimmed, and a value wholly inside
    // matching double or single quotes without them. Nothing when the section or key is absent.
    std::optional<std::string_view> findValue(std::string_view section, std::string_view key) const;

    // The whole text with `key` set to `value`: the first matching key line keeps its
    // spelling up to and including "=" and takes the new value; a key missing from the
    // section goes after the section's last key line (or its header); a missing section is
    // added at the end. New line breaks are `lineBreak`. Names and value must be valid
    // (see iniKeyName and iniValueText).
    std::string withValue(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view lineBreak) const;

  private:
    enum class LineKind { Other, Section, Key };

    struct Line {
        std::string_view text;       // without its line break
        std::string_view lineBreak;  // "\n", "\r\n", or empty on a last line without one
        LineKind kind = LineKind::Other;
        std::string_view name;          // section or key name, trimmed
        std::string_view value;         // key value, trimmed
        std::size_t keyPrefixSize = 0;  // bytes of `text` up to and including "="
    };

    // Where `key` of `section` is, or would go.
    struct Location {
        std::size_t section = kNone;
        std::size_t key = kNone;
        std::size_t insertAfter = kNone;  // the section header or its last key line
    };

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    Line parseLine(std::string_view text, std::string_view lineBreak) const;
    std::size_t findChar(std::string_view text, char wanted) const;
    bool sameName(std::string_view fileName, std::string_view foldedName) const;
    std::string foldCase(std::string_view name) const;
    Location locate(std::string_view section, std::string_view key) const;

    IniEncoding encoding_;
    std::vector<Line> lines_;
};

}  // namespace varimonde
