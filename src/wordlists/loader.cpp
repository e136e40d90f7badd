// Loading a word list: "P>" starts an entry, "D>" gives its definition, any other line extends
// the definition.
#include <array>
#include <vector>

#include "board/form1.h"
#include "wordlists/readers.h"

namespace glosandas {

std::optional<std::filesystem::path> FindList(const std::vector<std::filesystem::path>& folders,
                                              const std::string& name) {
  const std::string file = name + kListExtension;
  const std::string wanted = FoldCase(file);
  std::error_code ec;
  for (const std::filesystem::path& folder : folders) {
    std::filesystem::path exact = folder / file;
    if (std::filesystem::exists(exact, ec)) return exact;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
      if (FoldCase(FileNameText(entry.path().filename().string())) == wanted) return entry.path();
    }
  }
  return std::nullopt;
}

namespace {

bool IsWordLine(const std::string& bytes) {
  return bytes.size() >= 2 && (bytes[0] == 'P' || bytes[0] == 'p') && bytes[1] == '>';
}

// The entries of a list's lines from its first word line on: each text cut to its limit as the
// exercise shows it or, without `cut`, whole and without outer blanks.
std::vector<Entrada> Entries(const std::vector<std::string>& lines, bool cut) {
  const auto text = [cut](std::string_view t, std::size_t limit) {
    return cut ? CutChars(t, limit) : Trim(t);
  };
  std::vector<Entrada> entries;
  for (const std::string& line : lines) {
    const char marker = line.size() >= 2 && line[1] == '>' ? line[0] & ~0x20 : 0;
    if (marker == 'P') {
      entries.push_back({text(std::string_view(line).substr(2), kPalabraLen), ""});
    } else if (marker == 'D') {
      entries.back().Definicion = text(std::string_view(line).substr(2), kDefinicionLen);
    } else if (std::string& definition = entries.back().Definicion; cut) {
      definition = CutChars(Trim(definition) + " " + Trim(line), kDefinicionLen);
    } else if (const std::string more = Trim(line); !more.empty()) {
      // Appended in place: a whole text may run over many lines.
      definition += (definition.empty() ? "" : " ") + more;
    }
  }
  return entries;
}

}  // namespace

ReadResult ReadWordList(LineFile& file, bool count) {
  // Read the raw lines that matter: from the first word line up to the 101st, which ends the
  // list (or, when counting, only adds to the count). The code page is decided once every line
  // is in.
  std::vector<RawLine> raw_lines;
  std::size_t words = 0;
  bool counted = true;
  RawLine raw;
  while (file.ReadLine(raw)) {
    if (IsWordLine(raw.bytes) && ++words > kMaxEntradas) {
      if (!count || words == kMaxEntradas + kCountedEntries) {
        counted = false;
        break;
      }
      file.LimitReading(kReadPastEntry);
    }
    if (words > 0 && words <= kMaxEntradas) raw_lines.push_back(std::move(raw));
  }
  return ReadResult::Of(Entries(DecodeLines(std::move(raw_lines), file.HadBom()), true), words,
                        counted);
}

ListFile ReadListFile(const std::filesystem::path& path) {
  ListFile list;
  LineFile file(path);
  if (!file.IsOpen()) return list;
  std::string bytes;
  file.KeepBytes(&bytes);
  // Lines before the first entry, of the entries shown, and from the 101st entry on; each part
  // decoded on its own, so that notes in another code page do not change how entries read.
  std::array<std::vector<RawLine>, 3> parts;
  RawLine raw;
  while (file.ReadLine(raw, kWholeLine)) {
    list.held += IsWordLine(raw.bytes);
    parts[list.held == 0 ? 0 : list.held <= kMaxEntradas ? 1 : 2].push_back(std::move(raw));
  }
  list.bytes = std::move(bytes);
  list.before = DecodeLines(std::move(parts[0]), file.HadBom());
  list.after = DecodeLines(std::move(parts[2]), file.HadBom());
  const std::vector<std::string> shown = DecodeLines(std::move(parts[1]), file.HadBom());
  const std::vector<Entrada> whole = Entries(shown, false);
  list.entries = Entries(shown, true);
  for (std::size_t k = 0; k < whole.size(); ++k) {
    Entrada& e = list.entries[k];
    e = {Trim(e.Palabra), Trim(e.Definicion)};
    if (e.Palabra != whole[k].Palabra) list.whole_word.emplace(e.Palabra, whole[k].Palabra);
    if (e.Definicion != whole[k].Definicion)
      list.whole_definition.emplace(e.Definicion, whole[k].Definicion);
  }
  return list;
}

bool Form1::CargarArchivo() {
  const std::string file_name = Archivo + kListExtension;
  const std::vector<std::filesystem::path> folders = ListFolders(platform_.Where());
  LineFile file(FindList(folders, Archivo).value_or(folders.back() / file_name));
  if (!file.IsOpen()) {
    platform_.MsgBox("No se puede abrir el archivo de glosandas \"" + file_name +
                         "\". Compruebe que está en la carpeta del programa y que se puede leer.",
                     "Error");
    return false;
  }

  // The settings usually name the list start-up has just loaded: its entries are in the table.
  // A file without a word line writes nothing into the table, so the list in force stays.
  if (file.Id() != loaded_id_) {
    std::vector<Entrada> entries = ReadWordList(file).entries;
    if (entries.empty()) {
      platform_.MsgBox("El archivo de glosandas \"" + file_name +
                           "\" no contiene ninguna entrada: ninguna línea empieza por \"P>\".",
                       "Error");
      return false;
    }
    loaded_id_ = file.Id();
    // Entries past the new list's end keep what an earlier list left; they are never drawn.
    NumEntradas = static_cast<Int>(entries.size());
    for (Int k = 1; k <= NumEntradas; ++k) Entradas(k) = entries[k - 1];
  }

  // Words first: lowering them may raise the definitions, which are lowered next.
  if (NumEntradas >= 1 && NumPal > NumEntradas)
    MnuOpcPalLis_Click(static_cast<Int>(NumEntradas - 1));
  if (NumEntradas >= 1 && NumDef > NumEntradas)
    MnuOpcDefLis_Click(static_cast<Int>(NumEntradas - 1));
  return true;
}

}  // namespace glosandas
