#include "profiles/settings/ini_document.h"

#include "core/text/gbk_text.h"

namespace varimonde {

namespace {

// A CR without its LF (a file cut short, or edited on an old Mac) counts as a blank too.
constexpr std::string_view kBlanks = " \t\r";

std::string_view trimIniBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isCommentStart(char c) {
    return c == ';' || c == '#';
}

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() < 2) return value;
    const char first = value.front();
    if ((first != '"' && first != '\'') || value.back() != first) return value;
    return value.substr(1, value.size() - 2);
}

}  // namespace

// The bytes looked for here (=, CR, LF, NUL) are below 0x40 and so never the trail byte of a
// GBK character, nor part of a UTF-8 sequence: a plain byte search is exact in both encodings.
std::string_view iniKeyName(std::string_view key) {
    const std::string_view name = trimIniBlanks(key);
    if (name.empty() || isCommentStart(name.front()) || name.front() == '[') return {};
    if (name.find_first_of(std::string_view("=\r\n\0", 4)) != std::string_view::npos) return {};
    return name;
}

std::string_view iniValueText(std::string_view value) {
    return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

IniDocument::IniDocument(std::string_view body, IniEncoding encoding) : encoding_(encoding) {
    std::size_t start = 0;
    while (start < body.size()) {
        const std::size_t lineFeed = body.find('\n', start);
        if (lineFeed == std::string_view::npos) {
            lines_.push_back(parseLine(body.substr(start), {}));
            break;
        }
        const bool crLf = lineFeed > start && body[lineFeed - 1] == '\r';
        const std::size_t textEnd = crLf ? lineFeed - 1 : lineFeed;
        lines_.push_back(parseLine(body.substr(start, textEnd - start), body.substr(textEnd, lineFeed + 1 - textEnd)));
        start = lineFeed + 1;
    }
}

IniDocument::Line IniDocument::parseLine(std::string_view text, std::string_view lineBreak) const {
    Line line;
    line.text = text;
    line.lineBreak = lineBreak;
    const std::string_view content = trimIniBlanks(text);
    if (content.empty() || isCommentStart(content.front())) return line;
    if (content.front() == '[') {
        // Without its "]" the line is neither a section nor a key: kept, never matched.
        const std::size_t close = findChar(content, ']');
        if (close == kNotFound) return line;
        line.kind = LineKind::Section;
        line.name = trimIniBlanks(content.substr(1, close - 1));
        return line;
    }
    const std::size_t equals = findChar(text, '=');
    if (equals == kNotFound) return line;
    line.name = trimIniBlanks(text.substr(0, equals));
    if (line.name.empty()) return line;
    line.kind = LineKind::Key;
    line.value = trimIniBlanks(text.substr(equals + 1));
    line.keyPrefixSize = equals + 1;
    return line;
}

// "]" can be the trail byte of a GBK character, so a GBK line is searched by characters.
std::size_t IniDocument::findChar(std::string_view text, char wanted) const {
    const std::string_view needle(&wanted, 1);
    return encoding_ == IniEncoding::Gbk ? findText(text, needle) : text.find(wanted);
}

std::string IniDocument::foldCase(std::string_view name) const {
    if (encoding_ == IniEncoding::Gbk) return asciiLower(name);
    // UTF-8 sequences consist of bytes from 0x80 up, which ASCII folding leaves alone.
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool IniDocument::sameName(std::string_view fileName, std::string_view foldedName) const {
    return fileName.size() == foldedName.size() && foldCase(fileName) == foldedName;
}

IniDocument::Location IniDocument::locate(std::string_view section, std::string_view key) const {
    const std::string foldedSection = foldCase(section);
    const std::string foldedKey = foldCase(key);
    Location at;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (at.section == kNone) {
            if (line.kind == LineKind::Section && sameName(line.name, foldedSection)) at.section = at.insertAfter = i;
            continue;
        }
        if (line.kind == LineKind::Section) break;
        if (line.kind != LineKind::Key) continue;
        if (sameName(line.name, foldedKey)) {
            at.key = i;
            break;
        }
        at.insertAfter = i;
    }
    return at;
}

std::optional<std::string_view> IniDocument::findValue(std::string_view section, std::string_view key) const {
    const Location at = locate(section, key);
    if (at.key == kNone) return std::nullopt;
    return withoutQuotes(lines_[at.key].value);
}

std::string IniDocument::withValue(std::string_view section, std::string_view key, std::string_view value,
                                   std::string_view lineBreak) const {
    const Location at = locate(section, key);
    const std::string keyLine = std::string(key) + "=" + std::string(value) + std::string(lineBreak);
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (i == at.key) {
            out += line.text.substr(0, line.keyPrefixSize);
            out += value;
            out += line.lineBreak;
            continue;
        }
        out += line.text;
        const bool insertHere = at.key == kNone && i == at.insertAfter;
        // A line that gets a key after it needs a line break of its own, even at the end of the file.
        out += insertHere && line.lineBreak.empty() ? lineBreak : line.lineBreak;
        if (insertHere) out += keyLine;
    }
    if (at.section != kNone) return out;
    if (!lines_.empty() && lines_.back().lineBreak.empty()) out += lineBreak;
    out += "[" + std::string(section) + "]" + std::string(lineBreak) + keyLine;
    return out;
}

}  // namespace varimonde
