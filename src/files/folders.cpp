#include "files/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace glosandas {

namespace {

// A variable that is set to an absolute path; the rules ignore anything else.
std::filesystem::path AbsoluteOr(const char* value, const std::filesystem::path& fallback) {
  return value && value[0] == '/' ? std::filesystem::path(value) : fallback;
}

}  // namespace

const char* ProcessEnvironment(const char* name) { return std::getenv(name); }

Folders FoldersFor(const std::filesystem::path& program, bool system_install,
                   const char* (*getenv)(const char*)) {
  std::filesystem::path home = AbsoluteOr(getenv("HOME"), {});
  if (home.empty()) {
    const passwd* user = ::getpwuid(::getuid());
    home = user && user->pw_dir ? user->pw_dir : "/";
  }
  Folders f;
  f.program = program;
  f.system_install = system_install;
  // <prefix>/lib/glosandas/glosandas finds its lists in <prefix>/share/glosandas.
  f.shipped_lists =
      system_install ? (program / ".." / ".." / "share" / "glosandas").lexically_normal() : program;
  f.user_config = AbsoluteOr(getenv("XDG_CONFIG_HOME"), home / ".config") / "glosandas";
  f.user_lists = AbsoluteOr(getenv("XDG_DATA_HOME"), home / ".local" / "share") / "glosandas";
  const char* dirs = getenv("XDG_DATA_DIRS");
  const std::string list = dirs && dirs[0] ? dirs : "/usr/local/share:/usr/share";
  for (std::size_t start = 0; start <= list.size();) {
    std::size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    const std::string dir = list.substr(start, end - start);
    if (!dir.empty() && dir[0] == '/')
      f.shared_lists.push_back(std::filesystem::path(dir) / "glosandas");
    start = end + 1;
  }
  return f;
}

std::vector<std::filesystem::path> ListFolders(const Folders& folders) {
  // A program started from its own folder (a build, a per-user install) plays the lists beside
  // it, not those of a package installed on the same machine.
  std::vector<std::filesystem::path> order = {folders.user_lists};
  if (!folders.system_install) order.push_back(folders.shipped_lists);
  order.insert(order.end(), folders.shared_lists.begin(), folders.shared_lists.end());
  if (folders.system_install) order.push_back(folders.shipped_lists);
  return order;
}

std::filesystem::path SettingsFile(const Folders& folders) {
  const bool beside = !folders.system_install && ::access(folders.program.c_str(), W_OK) == 0;
  return (beside ? folders.program : folders.user_config) / kSettingsFile;
}

}  // namespace glosandas
