#include <array>
#include <map>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

std::map<std::string, std::string> environment;
const char* FakeEnv(const char* name) {
  const auto found = environment.find(name);
  return found == environment.end() ? nullptr : found->second.c_str();
}

// A row: the environment, a system install or not, then the folders found: settings, the user's
// lists, the shared lists and the shipped ones, of a program in /opt/g/lib/glosandas.
TEST(FoldersTest, FreedesktopRules) {
  const std::array<const char*, 6> rows[] = {
      {"HOME=/h", "", "/h/.config/glosandas", "/h/.local/share/glosandas",
       "/usr/local/share/glosandas /usr/share/glosandas", "/opt/g/lib/glosandas"},
      {"HOME=/h XDG_CONFIG_HOME=/c XDG_DATA_HOME=/d XDG_DATA_DIRS=/x:relative::/y/", "system",
       "/c/glosandas", "/d/glosandas", "/x/glosandas /y/glosandas", "/opt/g/share/glosandas"},
      {"HOME=/h XDG_CONFIG_HOME=rel XDG_DATA_HOME= XDG_DATA_DIRS=", "", "/h/.config/glosandas",
       "/h/.local/share/glosandas", "/usr/local/share/glosandas /usr/share/glosandas",
       "/opt/g/lib/glosandas"},
  };
  for (const auto& [env, system, config, lists, shared, shipped] : rows) {
    SCOPED_TRACE(env);
    environment.clear();
    std::istringstream words(env);
    for (std::string w; words >> w;)
      environment[w.substr(0, w.find('='))] = w.substr(w.find('=') + 1);
    const Folders f = FoldersFor("/opt/g/lib/glosandas", *system != 0, FakeEnv);
    std::string found;
    for (const auto& p : f.shared_lists) found += (found.empty() ? "" : " ") + p.string();
    EXPECT_EQ(f.user_config, config);
    EXPECT_EQ(f.user_lists, lists);
    EXPECT_EQ(found, shared);
    EXPECT_EQ(f.shipped_lists.lexically_normal(), shipped);
  }
}

// The user's lists, then the administrator's, then the shipped ones: one menu, the first folder
// winning a name (letter case aside); the settings in the user's folder for a system install.
TEST_F(FormTest, ListsOfEveryFolderAndSettingsOfASystemInstall) {
  const std::filesystem::path& p = folder.path();
  for (const char* sub : {"user", "admin", "shipped"}) std::filesystem::create_directory(p / sub);
  folder.Write("user/Árbol.txt", NumberedList(7));
  folder.Write("admin/árbol.txt", NumberedList(8));
  folder.Write("admin/islas.txt", NumberedList(9));
  folder.Write("shipped/ÁRBOL.txt", NumberedList(10));
  folder.Write("shipped/relieve.txt", NumberedList(11));
  folder.Write("shipped/islas.txt", NumberedList(12));
  platform.where = Folders{.program = p / "prog",
                           .shipped_lists = p / "shipped",
                           .user_config = p / "home/config/glosandas",
                           .user_lists = p / "user",
                           .shared_lists = {p / "nowhere", p / "admin"},
                           .system_install = true};
  Form1& f = Start();
  EXPECT_EQ(f.NumEntradas, 11);
  std::string captions;
  for (const MenuItem& item : f.MnuOpcArcLis) captions += item.Caption + " ";
  EXPECT_EQ(captions, "islas relieve Árbol ");
  f.MnuOpcArcLis_Click(0);
  EXPECT_EQ(f.NumEntradas, 9);
  f.MnuOpcArcLis_Click(2);
  EXPECT_EQ(f.NumEntradas, 7);
  f.Form_QueryUnload();
  EXPECT_TRUE(ReadBytes(p / "home/config/glosandas/glosandas.ini").starts_with("4 = "));
  // A settings folder that cannot be made: nothing is written, nothing is lost.
  folder.Write("blocked", "a file where a folder should be");
  platform.where->user_config = p / "blocked/glosandas";
  Start().Form_QueryUnload();
  EXPECT_EQ(ReadBytes(p / "blocked"), "a file where a folder should be");
}

}  // namespace
}  // namespace glosandas::testing
