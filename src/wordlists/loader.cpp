// Loading a word list: "P>" starts an entry, "D>" gives its definition, any other line extends
// the definition.
#include <vector>

#include "board/form1.h"
#include "wordlists/text.h"

namespace glosandas {

namespace {

// The list's file in the program's folder; when the exact name is absent, a name that differs
// only in letter case ("Relieve.TXT") serves.
std::filesystem::path FindList(const std::filesystem::path& folder, const std::string& name) {
  const std::string file = name + ".txt";
  std::error_code ec;
  std::filesystem::path exact = folder / file;
  if (std::filesystem::exists(exact, ec)) return exact;
  const std::string wanted = FoldCase(file);
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (FoldCase(entry.path().filename().string()) == wanted) return entry.path();
  }
  return exact;
}

struct RawLine {
  std::string bytes;
  bool truncated;
};

}  // namespace

void Form1::CargarArchivo() {
  const std::string file_name = Archivo + ".txt";
  LineFile file(FindList(platform_.ProgramFolder(), Archivo));
  if (!file.IsOpen()) {
    platform_.MsgBox("No se puede abrir el archivo de glosandas \"" + file_name +
                         "\". Compruebe que está en la carpeta del programa y que se puede leer.",
                     "Error");
    return;
  }

  // Read the raw lines that matter: from the first word line up to the 101st, which ends the
  // list. The code page is decided once every line is in.
  std::vector<RawLine> lines;
  int words = 0;
  std::string raw;
  bool first = true;
  bool bom = false;
  while (file.ReadLine(raw)) {
    if (first && raw.starts_with("\xEF\xBB\xBF")) {
      bom = true;
      raw.erase(0, 3);
    }
    first = false;
    const bool word_line = raw.size() >= 2 && (raw[0] == 'P' || raw[0] == 'p') && raw[1] == '>';
    if (word_line && ++words > kMaxEntradas) break;
    if (words == 0) continue;
    const bool truncated = raw.size() == LineFile::kLineCap;
    lines.push_back({std::move(raw), truncated});
  }

  bool utf8 = bom;
  if (!utf8) {
    bool valid = true, ascii = true;
    for (const RawLine& line : lines) {
      const std::size_t ok = ValidUtf8Prefix(line.bytes);
      // A cut line may end inside a character; only what precedes the cut must be well formed.
      valid = valid && (ok == line.bytes.size() || (line.truncated && line.bytes.size() - ok < 4));
      ascii = ascii && IsAscii(line.bytes);
    }
    utf8 = valid && !ascii;
  }

  Int n = 0;
  for (RawLine& line : lines) {
    std::string text;
    if (utf8) {
      text = std::move(line.bytes);
      text.resize(ValidUtf8Prefix(text));
    } else {
      text = Cp1252ToUtf8(line.bytes);
    }
    const char marker = text.size() >= 2 && text[1] == '>' ? text[0] & ~0x20 : 0;
    if (marker == 'P') {
      ++n;
      Entradas(n).Palabra = CutChars(std::string_view(text).substr(2), kPalabraLen);
      Entradas(n).Definicion.clear();
    } else if (marker == 'D') {
      Entradas(n).Definicion = CutChars(std::string_view(text).substr(2), kDefinicionLen);
    } else {
      Entradas(n).Definicion =
          CutChars(Trim(Entradas(n).Definicion) + " " + Trim(text), kDefinicionLen);
    }
  }
  NumEntradas = n;

  // Until the count menus route it, the counts are lowered here, words first, dealing as a
  // choice of count would.
  if (NumEntradas >= 1 && NumPal > NumEntradas) {
    NumPal = NumEntradas;
    if (NumDef < NumPal) NumDef = NumPal;
    NuevaPantalla();
  }
  if (NumEntradas >= 1 && NumDef > NumEntradas) {
    NumDef = NumEntradas;
    NuevaPantalla();
  }
}

}  // namespace glosandas
