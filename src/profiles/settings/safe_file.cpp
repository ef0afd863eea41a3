#include "profiles/settings/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <utility>

namespace varimonde {

namespace {

// Closes a descriptor once; `release` hands it over for a close whose result matters.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

// The temporary file of a replacement: removed unless the rename has taken it.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!renamed_) ::unlink(path_.c_str());
    }
    const std::string& path() const { return path_; }
    void markRenamed() { renamed_ = true; }

  private:
    std::string path_;
    bool renamed_ = false;
};

bool readAll(int fd, std::size_t maxBytes, std::string& out) {
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;
        if (count == 0) return true;
        // The file may have grown since it was measured.
        if (out.size() + static_cast<std::size_t>(count) > maxBytes) return false;
        out.append(buffer, static_cast<std::size_t>(count));
    }
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// The file a write should replace: `path` itself, or the target of a link at `path`.
// Nothing for a dangling link, which a rename would otherwise turn into a plain file.
std::optional<std::string> replacementTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return std::nullopt;
    return std::string(resolved);
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// False when an existing file may not be written by this process (a read-only file stays as it is).
bool adoptExistingAttributes(int fd, const std::string& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) return errno == ENOENT;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
    // Only a privileged process can hand the file back to its owner (say, one started with sudo
    // on the user's file); elsewhere the new file belongs to this process's user.
    if (status.st_uid != ::geteuid() && ::fchown(fd, status.st_uid, status.st_gid) != 0) {
        // Not fatal: the content matters more than the owner.
    }
    return ::fchmod(fd, status.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a failure here leaves a consistent file either way.
void syncDirectory(const std::string& directory) {
    const FileDescriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

FileContents readFileBounded(const std::string& path, std::size_t maxBytes) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return {missing ? FileReadStatus::Missing : FileReadStatus::Unusable, {}};
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return {FileReadStatus::Unusable, {}};
    if (static_cast<std::size_t>(status.st_size) > maxBytes) return {FileReadStatus::Unusable, {}};
    FileContents contents{FileReadStatus::Read, {}};
    contents.bytes.reserve(static_cast<std::size_t>(status.st_size));
    if (!readAll(fd.get(), maxBytes, contents.bytes)) return {FileReadStatus::Unusable, {}};
    return contents;
}

bool replaceFileContents(const std::string& path, std::string_view bytes) {
    const std::optional<std::string> target = replacementTarget(path);
    if (!target) return false;
    const std::string directory = directoryOf(*target);
    std::string pattern = directory + "/." + fileNameOf(*target) + ".XXXXXX";
    FileDescriptor fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (fd.get() < 0) return false;
    TemporaryFile temporary(pattern);
    if (!adoptExistingAttributes(fd.get(), *target)) return false;
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) return false;
    if (::close(fd.release()) != 0) return false;
    if (::rename(temporary.path().c_str(), target->c_str()) != 0) return false;
    temporary.markRenamed();
    syncDirectory(directory);
    return true;
}

}  // namespace varimonde
