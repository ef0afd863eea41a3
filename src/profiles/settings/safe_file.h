// Whole-file reads with a size bound, and whole-file replacement that a crash cannot tear.
//
// A replacement writes the new content to a temporary file beside the old one, flushes it
// to the disk and renames it over the old file, so the file always holds either its old or
// its new content. A temporary file left behind by a crash is never read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varimonde {

enum class FileReadStatus {
    Read,
    Missing,   // the file (or a folder on its path) does not exist
    Unusable,  // it exists but is no regular file, cannot be read, or exceeds the bound
};

struct FileContents {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
};

// Never blocks on a FIFO or device placed where the file should be: such a path is Unusable.
FileContents readFileBounded(const std::string& path, std::size_t maxBytes);

// Replaces the content of `path` as described above; false when anything fails, in which
// case the temporary file is gone and the old file untouched. An existing file keeps its
// mode (and owner where the process may set it) and must be writable by the process, as
// it would have to be for writing in place; a new file gets mode 0600. A symbolic link is
// followed and its target replaced, so the link stays.
bool replaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace varimonde
