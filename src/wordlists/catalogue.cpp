// The file menu: every word list of the program's folder.
#include <algorithm>
#include <unordered_set>

#include "board/form1.h"
#include "files/atomic_file.h"
#include "text/text.h"

namespace glosandas {

namespace {

// How much of a file the first-line test reads at most: a huge file without line breaks costs
// no more. It starts with a small read, as a first line is short.
constexpr std::size_t kFirstLineBytes = 64 * 1024;
constexpr std::size_t kFirstRead = 256;

}  // namespace

void Form1::ListarArchivos() {
  // Every folder's names; where folders share a name (letter case aside), the first folder's
  // file stands for it. Then a stable order, letter case aside, as a case-blind file system
  // lists them.
  struct Candidate {
    std::string name, key;
    std::filesystem::path file;
  };
  std::vector<Candidate> lists;
  std::unordered_set<std::string> seen;
  std::error_code ec;
  const Folders where = platform_.Where();
  RemoveStaleTemporaries(where.user_lists);  // what killed imports left behind
  for (const std::filesystem::path& folder : ListFolders(where)) {
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
      std::string name = entry.path().filename().string();
      if (name.size() <= std::size(kListExtension) - 1 || name[0] == '.' ||
          !FoldAscii(name).ends_with(kListExtension))
        continue;
      std::string key = FoldCase(FileNameText(name));
      if (seen.insert(key).second) lists.push_back({std::move(name), std::move(key), entry.path()});
    }
  }
  std::sort(lists.begin(), lists.end(),
            [](const Candidate& a, const Candidate& b) { return a.key < b.key; });

  std::size_t k = 0;
  for (const Candidate& list : lists) {
    LineFile file(list.file, kFirstRead);  // only ordinary files open
    file.LimitReading(kFirstLineBytes);
    std::string first;
    if (!file.ReadLine(first, kFirstLineBytes) || first.find('>') == std::string::npos) continue;
    if (k > 0) MnuOpcArcLis.push_back(MenuItem{});
    MenuItem& item = MnuOpcArcLis[k];
    item.Caption = FileNameText(list.name.substr(0, list.name.size() - 4));
    if (item.Caption.find("elieve") != std::string::npos) item.Checked = true;
    ++k;
  }
}

bool Form1::MnuOpcArcLis_Click(Int Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= MnuOpcArcLis.size()) return false;
  const std::vector<MenuItem> before = MnuOpcArcLis;
  const std::string previous = Archivo;
  for (MenuItem& item : MnuOpcArcLis) item.Checked = false;
  MnuOpcArcLis[Index].Checked = true;
  Archivo = MnuOpcArcLis[Index].Caption;
  if (!CargarArchivo()) {
    // The entries in force are still the previous list's: the menu, the name and the screen
    // stay with them.
    MnuOpcArcLis = before;
    Archivo = previous;
    return false;
  }
  NuevaPantalla();
  return true;
}

}  // namespace glosandas
