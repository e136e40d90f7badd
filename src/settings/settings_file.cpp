// glosandas.ini: five lines, each a value and a fixed label, read back by position only.
#include <charconv>
#include <cmath>

#include "board/form1.h"
#include "files/atomic_file.h"
#include "text/text.h"

namespace glosandas {

namespace {

constexpr const char* kLabelPal = " = número de palabras";
constexpr const char* kLabelDef = " = número de glosandas ";
constexpr const char* kLabelMar = " = marcar errores en rojo";
constexpr const char* kLabelArc = " = último archivo utilizado";
constexpr const char* kLabelTam = " = tamaño de letra";
constexpr const char* kLabelRep = " = repasar fallos";  // a line newer than the other five
constexpr int kSettingsLines = 6;

// The number a line starts with: blanks skipped, an optional sign, digits, a point and more
// digits; reading stops at anything else. No number gives 0.
double LeadingNumber(const std::string& line) {
  std::size_t i = line.find_first_not_of(' ');
  if (i == std::string::npos) return 0;
  std::size_t end = i;
  if (line[end] == '+' || line[end] == '-') ++end;
  while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
  if (end < line.size() && line[end] == '.') {
    ++end;
    while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
  }
  const char* first = line.data() + i;
  if (*first == '+') ++first;  // from_chars takes a minus sign only
  double value = 0;
  // from_chars reads a point whatever the locale; strtod would stop at it under a Spanish one.
  const auto [stop, error] = std::from_chars(first, line.data() + end, value);
  return error == std::errc() && stop != first ? value : 0;
}

// A count as stored: rounded to nearest, ties to even; nothing if it leaves the 16-bit range.
std::optional<Int> CountValue(const std::string& line) {
  const double value = std::nearbyint(LeadingNumber(line));
  if (!(value >= -32767 && value <= 32767)) return std::nullopt;
  return static_cast<Int>(value);
}

std::optional<bool> BoolValue(const std::string& line) {
  const std::size_t blank = line.find(' ');
  if (blank == std::string::npos) return std::nullopt;
  const std::string word = FoldAscii(line.substr(0, blank));
  if (word == "true" || word == "verdadero") return true;
  if (word == "false" || word == "falso") return false;
  double number;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return number != 0;
}

}  // namespace

void Form1::GuardarOpciones() {
  const std::string text = std::to_string(NumPal) + kLabelPal + "\r\n" + std::to_string(NumDef) +
                           kLabelDef + "\r\n" + (MarcarErrores ? "True" : "False") + kLabelMar +
                           "\r\n" + Archivo + kLabelArc + "\r\n" + ShortestText(TbDef[0].FontSize) +
                           kLabelTam + "\r\n" + (RepasarFallos ? "True" : "False") + kLabelRep +
                           "\r\n";
  // Windows-1252 as the lists are written; UTF-8 only for a list name it cannot hold.
  const std::string bytes = Utf8ToCp1252(text).value_or(text);

  // A failed write leaves the previous settings whole; it is silent, the window closes all the
  // same.
  WriteFileAtomically(SettingsFile(platform_.Where()), bytes);
}

void Form1::LeerOpciones() {
  const std::filesystem::path path = SettingsFile(platform_.Where());
  if (const auto target = WriteTarget(path)) RemoveStaleTemporaries(target->parent_path());
  LineFile file(path);
  if (!file.IsOpen()) return;
  std::vector<RawLine> raw;
  RawLine line;
  while (raw.size() < kSettingsLines && file.ReadLine(line)) raw.push_back(std::move(line));
  const std::vector<std::string> lines = DecodeLines(std::move(raw), file.HadBom());
  // Each line is applied through the menus before the next is read; the first line missing or
  // holding a value no menu offers ends the reading, keeping what was applied.
  const auto at = [&lines](std::size_t i) -> const std::string* {
    return i < lines.size() ? &lines[i] : nullptr;
  };

  const auto apply_count = [this](const std::string* line, bool words) {
    if (!line) return false;
    const std::optional<Int> count = CountValue(*line);
    if (!count) return false;
    const Int index = static_cast<Int>(*count - 1);
    return words ? MnuOpcPalLis_Click(index) : MnuOpcDefLis_Click(index);
  };
  if (!apply_count(at(0), true) || !apply_count(at(1), false)) return;

  if (!at(2)) return;
  const std::optional<bool> marcar = BoolValue(*at(2));
  if (!marcar) return;
  MarcarErrores = *marcar;
  MnuOpcMar.Checked = *marcar;

  if (!at(3)) return;
  std::string name = *at(3);
  if (name.ends_with(kLabelArc)) name.resize(name.size() - std::string(kLabelArc).size());
  name = Trim(name);
  // The item of that very name; failing one, the first whose name contains it.
  std::optional<Int> chosen;
  for (int pass = 0; pass < 2 && !chosen && !name.empty(); ++pass) {
    for (std::size_t k = 0; k < MnuOpcArcLis.size() && !chosen; ++k) {
      const std::string caption = Trim(MnuOpcArcLis[k].Caption);
      if (pass == 0 ? caption == name : caption.find(name) != std::string::npos) {
        chosen = static_cast<Int>(k);
      }
    }
  }
  if (chosen && !MnuOpcArcLis_Click(*chosen)) return;

  if (!at(4)) return;
  const double size = LeadingNumber(*at(4));
  // "Aumentar" acts below the maximum, so a size up to one point above it can be written.
  if (!(size >= kMinLetterSize && size < kMaxLetterSize + 1)) return;
  ApplyLetterSize(static_cast<float>(size));

  // Missing or unreadable: off, as it was before the line existed.
  const std::optional<bool> repasar = at(5) ? BoolValue(*at(5)) : std::nullopt;
  RepasarFallos = MnuProRep.Checked = repasar.value_or(false);
}

}  // namespace glosandas
