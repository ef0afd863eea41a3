#include "profiles/settings/ini_encoding.h"

#include "core/text/code_page.h"

namespace varimonde {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at `pos`, or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t pos) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[pos + i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;   // bounds of the second byte, which rule out overlong forms,
    unsigned char high = 0xBF;  // surrogates and code points above U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() - pos < length) return 0;
    if (at(1) < low || at(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(at(i))) return 0;
    return length;
}

std::string_view detectLineBreak(std::string_view bytes) {
    const std::size_t lineFeed = bytes.find('\n');
    if (lineFeed != std::string_view::npos && lineFeed > 0 && bytes[lineFeed - 1] == '\r') return "\r\n";
    return "\n";
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

IniForm detectIniForm(std::string_view fileBytes) {
    IniForm form;
    form.byteOrderMark = fileBytes.starts_with(kUtf8ByteOrderMark);
    form.encoding = form.byteOrderMark || isValidUtf8(fileBytes) ? IniEncoding::Utf8 : IniEncoding::Gbk;
    form.lineBreak = detectLineBreak(fileBytes);
    return form;
}

std::string_view iniBody(std::string_view fileBytes, const IniForm& form) {
    return form.byteOrderMark ? fileBytes.substr(kUtf8ByteOrderMark.size()) : fileBytes;
}

std::string gbkToIniEncoding(std::string_view gbk, IniEncoding encoding) {
    return encoding == IniEncoding::Utf8 ? utf8FromGbk(gbk) : std::string(gbk);
}

std::string iniEncodingToGbk(std::string_view bytes, IniEncoding encoding) {
    return encoding == IniEncoding::Utf8 ? gbkFromUtf8(bytes) : std::string(bytes);
}

}  // namespace varimonde
