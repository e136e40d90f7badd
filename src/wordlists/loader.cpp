// Loading a word list: "P>" starts an entry, "D>" gives its definition, any other line extends
// the definition.
#include <vector>

#include "board/form1.h"
#include "wordlists/readers.h"

namespace glosandas {

std::optional<std::filesystem::path> FindList(const std::vector<std::filesystem::path>& folders,
                                              const std::string& name) {
  const std::string file = name + ".txt";
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

ReadResult ReadWordList(LineFile& file, bool count) {
  // Read the raw lines that matter: from the first word line up to the 101st, which ends the
  // list (or, when counting, only adds to the count). The code page is decided once every line
  // is in.
  std::vector<RawLine> raw_lines;
  std::size_t words = 0;
  bool counted = true;
  RawLine raw;
  while (file.ReadLine(raw)) {
    const std::string& b = raw.bytes;
    const bool word_line = b.size() >= 2 && (b[0] == 'P' || b[0] == 'p') && b[1] == '>';
    if (word_line && ++words > kMaxEntradas) {
      if (!count || words == kMaxEntradas + kCountedEntries) {
        counted = false;
        break;
      }
      file.LimitReading(kReadPastEntry);
    }
    if (words > 0 && words <= kMaxEntradas) raw_lines.push_back(std::move(raw));
  }

  std::vector<Entrada> entries;
  for (const std::string& text : DecodeLines(std::move(raw_lines), file.HadBom())) {
    const char marker = text.size() >= 2 && text[1] == '>' ? text[0] & ~0x20 : 0;
    if (marker == 'P') {
      entries.push_back({CutChars(std::string_view(text).substr(2), kPalabraLen), ""});
    } else if (marker == 'D') {
      entries.back().Definicion = CutChars(std::string_view(text).substr(2), kDefinicionLen);
    } else {
      std::string& definition = entries.back().Definicion;
      definition = CutChars(Trim(definition) + " " + Trim(text), kDefinicionLen);
    }
  }
  return ReadResult::Of(std::move(entries), words, counted);
}

bool Form1::CargarArchivo() {
  const std::string file_name = Archivo + ".txt";
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
