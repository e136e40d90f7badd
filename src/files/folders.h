// The folders the program reads and writes: its own, and the user's and the system's by the
// freedesktop base-directory rules.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace glosandas {

inline constexpr const char* kSettingsFile = "glosandas.ini";

struct Folders {
  std::filesystem::path program;                    // the program itself
  std::filesystem::path shipped_lists;              // the word lists that come with it
  std::filesystem::path user_config;                // $XDG_CONFIG_HOME/glosandas
  std::filesystem::path user_lists;                 // $XDG_DATA_HOME/glosandas
  std::vector<std::filesystem::path> shared_lists;  // glosandas/ under each of $XDG_DATA_DIRS
  bool system_install = false;  // installed for every user: the program folder is not theirs
};

// The folders of a program in `program`, from the environment (`getenv` answers nullptr for a
// variable that is not set). A system install keeps its lists in share/glosandas of its prefix.
const char* ProcessEnvironment(const char* name);  // std::getenv
Folders FoldersFor(const std::filesystem::path& program, bool system_install,
                   const char* (*getenv)(const char*) = &ProcessEnvironment);

// Where word lists are looked for, the first winning where several hold a list of one name: the
// user's, the program's own, then glosandas/ under each of $XDG_DATA_DIRS (an administrator's
// before a package's); a system install's shipped lists come last.
std::vector<std::filesystem::path> ListFolders(const Folders& folders);

// The settings file: beside the program when the program folder is the user's and writable,
// otherwise in the user's configuration folder.
std::filesystem::path SettingsFile(const Folders& folders);

}  // namespace glosandas
