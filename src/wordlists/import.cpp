// Lists from other programs' files: each is read, saved as one of our lists in the user's lists
// folder, offered in the file menu and chosen.

#include "board/form1.h"
#include "files/atomic_file.h"
#include "wordlists/readers.h"

namespace glosandas {

ReadResult ReadResult::Of(std::vector<Entrada> entries, std::size_t found, bool counted) {
  ReadResult result;
  result.outcome = entries.empty()                      ? kNoEntry
                   : !counted || found > entries.size() ? kSomeDropped
                                                        : kRead;
  result.held = counted ? found : 0;
  result.entries = std::move(entries);
  return result;
}

std::string WordListBytes(const std::vector<Entrada>& entries,
                          const std::vector<std::string>& before,
                          const std::vector<std::string>& after) {
  std::string text;
  for (const std::string& line : before) text += line + "\r\n";
  for (const Entrada& e : entries) text += "P>" + e.Palabra + "\r\nD>" + e.Definicion + "\r\n";
  for (const std::string& line : after) text += line + "\r\n";
  const std::optional<std::string> cp1252 = Utf8ToCp1252(text);
  // Windows-1252 that happens to be valid UTF-8 ("Ã±") would be read back as UTF-8.
  const bool misread = cp1252 && *cp1252 != text && ValidUtf8Prefix(*cp1252) == cp1252->size();
  return cp1252 && !misread ? *cp1252 : "\xEF\xBB\xBF" + text;
}

std::string SavedListBytes(const ListFile& read, std::vector<Entrada> rows) {
  const auto whole = [](const std::map<std::string, std::string>& texts, std::string& text) {
    if (const auto found = texts.find(text); found != texts.end()) text = found->second;
  };
  for (Entrada& row : rows) {
    whole(read.whole_word, row.Palabra);
    whole(read.whole_definition, row.Definicion);
  }
  return WordListBytes(rows, read.before, read.after);
}

namespace {

bool SameEntries(const std::vector<Entrada>& a, const std::vector<Entrada>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Entrada& x, const Entrada& y) {
    return Trim(x.Palabra) == Trim(y.Palabra) && Trim(x.Definicion) == Trim(y.Definicion);
  });
}

}  // namespace

namespace {

std::string CannotOpenText(const std::string& shown, OpenFailure why) {
  const char* reason = why == OpenFailure::kMissing       ? "El archivo no existe."
                       : why == OpenFailure::kFolder      ? "Es una carpeta, no un archivo."
                       : why == OpenFailure::kNotOrdinary ? "No es un archivo normal."
                                                          : "No tiene permiso para leerlo.";
  return "No se puede abrir el archivo \"" + shown + "\". " + reason;
}

}  // namespace

bool Form1::ImportLists(const std::vector<std::filesystem::path>& files) {
  const Folders where = platform_.Where();
  const std::vector<std::filesystem::path> folders = ListFolders(where);
  std::string chosen;
  std::vector<std::string> notices;  // shown once the new screen is dealt
  for (const std::filesystem::path& file : files) {
    const std::string shown = FileNameText(file.filename().string());
    const ReadResult read = ReadAnyList(file);
    if (read.outcome == ReadResult::kCannotOpen) {
      platform_.MsgBox(CannotOpenText(shown, read.why), "Error");
      continue;
    }
    if (read.outcome == ReadResult::kUnreadable) {
      platform_.MsgBox(
          "El archivo \"" + shown + "\" no es un paquete de tarjetas que se pueda leer.", "Error");
      continue;
    }
    if (read.outcome == ReadResult::kNoEntry) {
      platform_.MsgBox(
          FoldAscii(file.extension().string()) == kListExtension
              ? "El archivo de glosandas \"" + shown +
                    "\" no contiene ninguna entrada: ninguna línea empieza por \"P>\"."
              : "El archivo \"" + shown + "\" no contiene ninguna pareja de palabra y definición.",
          "Error");
      continue;
    }
    const std::vector<Entrada>& entries = read.entries;
    std::string stem = FileNameText(file.stem().string());
    stem.erase(0, stem.find_first_not_of('.'));  // a hidden name would not be offered
    stem.resize(ValidUtf8Prefix(stem.substr(0, kListNameBytes)));
    if (stem.empty()) stem = "lista";
    // Its own name, or "name (2)", "name (3)"... where a list of that name holds other entries;
    // a list holding the same entries is that list already.
    bool saved = false;
    for (int k = 1;; ++k) {
      const std::string name = k == 1 ? stem : stem + " (" + std::to_string(k) + ")";
      const std::optional<std::filesystem::path> existing = FindList(folders, name);
      if (existing) {
        LineFile list(*existing);
        if (!SameEntries(ReadWordList(list).entries, entries)) continue;
      } else if (!WriteFileAtomically(where.user_lists / (name + kListExtension),
                                      WordListBytes(entries))) {
        platform_.MsgBox("No se puede guardar la lista de glosandas \"" + name + kListExtension +
                             "\" en la carpeta \"" + where.user_lists.string() + "\".",
                         "Error");
        break;
      }
      chosen = name;
      saved = true;
      break;
    }
    if (saved && read.outcome == ReadResult::kSomeDropped) {
      const std::string most = std::to_string(kMaxEntradas);
      notices.push_back("El archivo \"" + shown + "\" tiene " +
                        (read.held > 0 ? std::to_string(read.held) : "más de " + most) +
                        " entradas; sólo se han importado las " + most + " primeras.");
    }
  }
  if (chosen.empty() || !OfferList(chosen)) return false;
  for (const std::string& notice : notices) platform_.MsgBox(notice, "Importar");
  return true;
}

bool Form1::OfferList(const std::string& name) {
  // The menu again, with the list in its sorted place; the list in force keeps its mark until
  // the new one is chosen.
  MnuOpcArcLis.assign(1, MenuItem{.Caption = "&Relieve"});
  ListarArchivos();
  for (MenuItem& item : MnuOpcArcLis) item.Checked = item.Caption == Archivo;
  for (std::size_t k = 0; k < MnuOpcArcLis.size(); ++k) {
    if (FoldCase(MnuOpcArcLis[k].Caption) == FoldCase(name))
      return MnuOpcArcLis_Click(static_cast<Int>(k));
  }
  return false;
}

bool Form1::RestoreList(const std::string& name,
                        const std::function<bool(const std::filesystem::path&)>& to_trash) {
  const std::optional<std::filesystem::path> copy = UserList(name);
  if (!copy || !to_trash(*copy)) {
    platform_.MsgBox("No se puede llevar su copia de la lista \"" + name + "\" a la papelera.",
                     "Error");
    return false;
  }
  OfferList(name);
  return true;
}

std::vector<Entrada> Form1::EntriesInForce() const {
  std::vector<Entrada> entries;
  for (Int e = 1; e <= NumEntradas; ++e)
    entries.push_back({Trim(Entradas(e).Palabra), Trim(Entradas(e).Definicion)});
  return entries;
}

std::optional<std::filesystem::path> Form1::UserList(const std::string& name) {
  return FindList({platform_.Where().user_lists}, name);
}

bool Form1::HasOriginal(const std::string& name) {
  std::vector<std::filesystem::path> others = ListFolders(platform_.Where());
  others.erase(others.begin());  // the user's own
  return FindList(others, name).has_value();
}

std::optional<std::filesystem::path> Form1::ShownList(const std::string& name) {
  return FindList(ListFolders(platform_.Where()), name);
}

bool Form1::ListChanged(const std::string& name, const std::optional<std::string>& read) {
  const std::optional<std::filesystem::path> file = ShownList(name);
  return (file ? ReadListFile(*file).bytes : std::nullopt) != read;
}

bool Form1::SaveList(const std::string& name, const std::vector<Entrada>& entries,
                     const ListFile& kept, const std::string& renamed) {
  const std::filesystem::path file =
      UserList(name).value_or(platform_.Where().user_lists / (name + kListExtension));
  if (!WriteFileAtomically(file, SavedListBytes(kept, entries))) {
    platform_.MsgBox("No se puede guardar la lista de glosandas \"" +
                         FileNameText(file.filename()) + "\" en la carpeta \"" +
                         FileNameText(file.parent_path()) + "\".",
                     "Error");
    return false;
  }
  // The old name goes only once the new file is in place, so that a failed write loses nothing.
  std::optional<std::filesystem::path> old;
  if (!renamed.empty() && FoldCase(renamed) != FoldCase(name)) old = UserList(renamed);
  std::error_code error;
  if (old && *old != file) std::filesystem::remove(*old, error);
  const bool offered = OfferList(name);
  if (error) {
    platform_.MsgBox("Se ha guardado la lista \"" + name +
                         "\", pero no se puede quitar el archivo \"" +
                         FileNameText(old->filename()) + "\" de la carpeta \"" +
                         FileNameText(old->parent_path()) + "\".",
                     "Error");
  }
  return offered;
}

}  // namespace glosandas
