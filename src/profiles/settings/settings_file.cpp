#include "profiles/settings/settings_file.h"

#include <optional>
#include <utility>

#include "core/text/gbk_text.h"
#include "profiles/settings/ini_document.h"
#include "profiles/settings/ini_encoding.h"
#include "profiles/settings/safe_file.h"
#include "profiles/settings/user_config_dir.h"

namespace varimonde {

namespace {

// The longest prefix of `text` that fits the read buffer without splitting a character.
std::string fitReadBuffer(std::string text) {
    constexpr std::size_t limit = SettingsFile::kReadBufferBytes - 1;
    if (text.size() <= limit) return text;
    std::size_t end = 0;
    while (end + charLength(text, end) <= limit) end += charLength(text, end);
    text.resize(end);
    return text;
}

std::string readValue(const std::string& path, std::string_view key) {
    const FileContents file = readFileBounded(path, SettingsFile::kMaxFileBytes);
    if (file.status != FileReadStatus::Read) return {};
    const IniForm form = detectIniForm(file.bytes);
    const IniDocument document(iniBody(file.bytes, form), form.encoding);
    const std::optional<std::string_view> value =
        document.findValue(SettingsFile::kSection, gbkToIniEncoding(key, form.encoding));
    if (!value) return {};
    return fitReadBuffer(iniEncodingToGbk(*value, form.encoding));
}

void writeValue(const std::string& path, std::string_view key, std::string_view value) {
    const FileContents file = readFileBounded(path, SettingsFile::kMaxFileBytes);
    if (file.status == FileReadStatus::Unusable) return;
    const IniForm form = file.status == FileReadStatus::Read ? detectIniForm(file.bytes) : IniForm{};
    const IniDocument document(iniBody(file.bytes, form), form.encoding);
    std::string bytes = form.byteOrderMark ? std::string(kUtf8ByteOrderMark) : std::string();
    bytes += document.withValue(SettingsFile::kSection, gbkToIniEncoding(key, form.encoding),
                                gbkToIniEncoding(value, form.encoding), form.lineBreak);
    // What would read back as unusable is not written at all.
    if (bytes.size() > SettingsFile::kMaxFileBytes) return;
    replaceFileContents(path, bytes);
}

}  // namespace

SettingsFile::SettingsFile(std::string directory) : directory_(std::move(directory)) {}

SettingsFile SettingsFile::forUser() {
    std::string directory = userConfigDirectory();
    makeDirectories(directory);
    return SettingsFile(std::move(directory));
}

std::string SettingsFile::path() const {
    if (directory_.empty()) return {};
    const bool endsInSlash = directory_.back() == '/';
    return directory_ + (endsInSlash ? "" : "/") + std::string(kFileName);
}

std::string SettingsFile::readSetting(std::string_view key) const noexcept {
    const std::string_view name = iniKeyName(key);
    if (directory_.empty() || name.empty()) return {};
    try {
        return readValue(path(), name);
    } catch (...) {  // out of memory: the setting reads as absent
        return {};
    }
}

void SettingsFile::writeSetting(std::string_view key, std::string_view value) noexcept {
    const std::string_view name = iniKeyName(key);
    if (directory_.empty() || name.empty()) return;
    try {
        writeValue(path(), name, iniValueText(value));
    } catch (...) {  // out of memory: the write is dropped like any other failed write
    }
}

}  // namespace varimonde
