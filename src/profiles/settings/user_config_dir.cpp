#include "profiles/settings/user_config_dir.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace varimonde {

namespace {

bool isAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string accountHomeDirectory() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
    return isAbsolute(found->pw_dir) ? found->pw_dir : std::string();
}

bool isDirectory(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::string userConfigDirectory() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (isAbsolute(configHome)) return configHome;
    const char* home = std::getenv("HOME");
    if (isAbsolute(home)) return std::string(home) + "/.config";
    const std::string accountHome = accountHomeDirectory();
    return accountHome.empty() ? std::string() : accountHome + "/.config";
}

bool makeDirectories(const std::string& directory) {
    if (directory.empty()) return false;
    // Each parent in turn, from the top; folders that exist already are fine.
    for (std::size_t slash = directory.find('/', 1); slash != std::string::npos;
         slash = directory.find('/', slash + 1)) {
        ::mkdir(directory.substr(0, slash).c_str(), 0700);
    }
    ::mkdir(directory.c_str(), 0700);
    return isDirectory(directory);
}

}  // namespace varimonde
