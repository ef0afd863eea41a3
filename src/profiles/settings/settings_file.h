// The program's settings file "Varimonde.ini": one key of section "Config" read or written
// per call, straight from and to the file, with the behaviour of the Windows profile
// functions the program was built on.
//
// Keys and values are GBK texts. A key that is absent, a missing file and a file that cannot
// be read all read as the empty text; a read returns at most 10239 bytes, cut at a character
// boundary, and drops blanks around the value and quotes that enclose it. Writes keep every
// other line of the file, its encoding (GBK or UTF-8, with or without byte order mark) and
// its line breaks; a new file is UTF-8 with LF. A write that cannot be done passes silently,
// and an existing file that cannot be read, is larger than 16 MiB, is no regular file or is
// read-only is never overwritten. A replaced key keeps its spelling in the file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varimonde {

class SettingsFile {
  public:
    static constexpr std::string_view kFileName = "Varimonde.ini";
    static constexpr std::string_view kSection = "Config";
    static constexpr std::size_t kReadBufferBytes = 10240;  // the terminating NUL takes one of them
    static constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

    // `directory` holds the file. An empty directory stands for "no settings file": reads
    // give the empty text and writes do nothing.
    explicit SettingsFile(std::string directory);

    // The user's configuration folder (created with its parents if missing).
    static SettingsFile forUser();

    std::string path() const;
    std::string readSetting(std::string_view key) const noexcept;
    void writeSetting(std::string_view key, std::string_view value) noexcept;

  private:
    std::string directory_;
};

}  // namespace varimonde
