// The byte form of a settings file: its encoding, byte order mark and line breaks.
//
// The file may have been written on Windows (GBK, CR LF) or saved by a Linux editor
// (UTF-8, perhaps with a byte order mark, LF). The form is taken from the file's own bytes
// so that a rewrite keeps it, and names and values cross between the program's GBK texts
// and the file's encoding here.
#pragma once

#include <string>
#include <string_view>

namespace varimonde {

enum class IniEncoding { Gbk, Utf8 };

struct IniForm {
    IniEncoding encoding = IniEncoding::Utf8;
    bool byteOrderMark = false;
    std::string_view lineBreak = "\n";
};

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// UTF-8 when the file opens with a byte order mark or is valid UTF-8 as a whole (an
// ASCII-only file included, so that a file this program created stays UTF-8 after
// Chinese keys are added); GBK otherwise. CR LF when the first line break is CR LF, LF
// otherwise (also for a file without line breaks).
IniForm detectIniForm(std::string_view fileBytes);

// The file's bytes without a leading byte order mark.
std::string_view iniBody(std::string_view fileBytes, const IniForm& form);

std::string gbkToIniEncoding(std::string_view gbk, IniEncoding encoding);
std::string iniEncodingToGbk(std::string_view bytes, IniEncoding encoding);

}  // namespace varimonde
