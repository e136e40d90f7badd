// Lists from other programs' files: each is read, saved as one of our lists in the user's lists
// folder, offered in the file menu and chosen.

#include "files/atomic_file.h"
#include "wordlists/readers.h"
#include "wordlists/text.h"

namespace glosandas {

std::vector<Entrada> ReadAnyList(const std::filesystem::path& file) {
  const std::string extension = FoldCase(file.extension().string());
  if (extension == ".kvtml") return ReadKvtml(file);
  LineFile lines(file);
  if (extension == ".txt") return ReadWordList(lines);
  if (extension == ".tsv" || extension == ".tab") return ReadDelimited(lines, true);
  if (extension == ".csv") return ReadDelimited(lines, false);
  return {};
}

std::string WordListBytes(const std::vector<Entrada>& entries) {
  std::string text;
  for (const Entrada& e : entries) text += "P>" + e.Palabra + "\r\nD>" + e.Definicion + "\r\n";
  return Utf8ToCp1252(text).value_or("\xEF\xBB\xBF" + text);
}

namespace {

bool SameEntries(const std::vector<Entrada>& a, const std::vector<Entrada>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Entrada& x, const Entrada& y) {
    return Trim(x.Palabra) == Trim(y.Palabra) && Trim(x.Definicion) == Trim(y.Definicion);
  });
}

}  // namespace

bool Form1::ImportLists(const std::vector<std::filesystem::path>& files) {
  const Folders where = platform_.Where();
  const std::vector<std::filesystem::path> folders = ListFolders(where);
  std::string chosen;
  for (const std::filesystem::path& file : files) {
    const std::string shown = FileNameText(file.filename().string());
    const std::vector<Entrada> entries = ReadAnyList(file);
    if (entries.empty()) {
      platform_.MsgBox("El archivo de glosandas \"" + shown +
                           "\" no contiene ninguna entrada: ninguna línea empieza por \"P>\".",
                       "Error");
      continue;
    }
    std::string stem = FileNameText(file.stem().string());
    stem.erase(0, stem.find_first_not_of('.'));  // a hidden name would not be offered
    if (stem.empty()) stem = "lista";
    // Its own name, or "name (2)", "name (3)"... where a list of that name holds other entries;
    // a list holding the same entries is that list already.
    for (int k = 1;; ++k) {
      const std::string name = k == 1 ? stem : stem + " (" + std::to_string(k) + ")";
      const std::optional<std::filesystem::path> existing = FindList(folders, name);
      if (existing) {
        LineFile list(*existing);
        if (!SameEntries(ReadWordList(list), entries)) continue;
      } else if (!WriteFileAtomically(where.user_lists / (name + ".txt"), WordListBytes(entries))) {
        platform_.MsgBox("No se puede guardar la lista de glosandas \"" + name +
                             ".txt\" en la carpeta \"" + where.user_lists.string() + "\".",
                         "Error");
        break;
      }
      chosen = name;
      break;
    }
  }
  if (chosen.empty()) return false;

  // The menu again, with the new list in its sorted place; the list in force keeps its mark
  // until the new one is chosen.
  MnuOpcArcLis.assign(1, MenuItem{.Caption = "&Relieve"});
  ListarArchivos();
  for (std::size_t k = 0; k < MnuOpcArcLis.size(); ++k) {
    MnuOpcArcLis[k].Checked = MnuOpcArcLis[k].Caption == Archivo;
  }
  for (std::size_t k = 0; k < MnuOpcArcLis.size(); ++k) {
    if (MnuOpcArcLis[k].Caption == chosen) return MnuOpcArcLis_Click(static_cast<Int>(k));
  }
  return false;
}

}  // namespace glosandas
