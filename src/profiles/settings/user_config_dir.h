// The folder that holds the user's configuration files.
//
// $XDG_CONFIG_HOME when it is set to an absolute path (a relative one is ignored, as the
// XDG base directory rules ask), else $HOME/.config, else the home folder of the user's
// account entry + "/.config". No administrator or root rights are involved.
#pragma once

#include <string>

namespace varimonde {

// Empty when no home folder can be found at all.
std::string userConfigDirectory();

// Creates `directory` and its missing parents with mode 0700; false when it is not a folder afterwards.
bool makeDirectories(const std::string& directory);

}  // namespace varimonde
