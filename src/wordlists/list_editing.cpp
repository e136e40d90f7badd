#include "wordlists/list_editing.h"

#include <unordered_map>

#include "text/text.h"

namespace glosandas {

namespace {

std::size_t Characters(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

NameFault CheckListName(const std::string& name) {
  if (Trim(name).empty()) return NameFault::kEmpty;
  for (unsigned char c : name) {
    if (c == '/' || c == '&' || c < 0x20 || c == 0x7F) return NameFault::kForbiddenCharacter;
  }
  if (name[0] == '.') return NameFault::kLeadingDot;
  if (name.size() > kListNameBytes) return NameFault::kTooLong;
  return NameFault::kNone;
}

std::string OneLine(const std::string& text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
  }
  return Trim(line);
}

bool IsBlankRow(const Entrada& row) {
  return Trim(row.Palabra).empty() && Trim(row.Definicion).empty();
}

std::vector<RowProblems> CheckRows(const std::vector<Entrada>& rows) {
  std::vector<RowProblems> problems(rows.size());
  std::unordered_map<std::string, int> words;
  for (const Entrada& row : rows) ++words[FoldCase(row.Palabra)];
  std::size_t entries = 0;  // blank rows take no place in the list
  for (std::size_t i = 0; i < rows.size(); ++i) {
    RowProblems& p = problems[i];
    const Entrada& row = rows[i];
    if (IsBlankRow(row)) continue;
    if (entries++ >= kMaxEntradas) {
      p.word = p.definition = CellFault::kSurplus;
      continue;
    }
    const auto fault = [](const std::string& text, std::size_t most) {
      return text.empty()              ? CellFault::kMissing
             : Characters(text) > most ? CellFault::kTooLong
                                       : CellFault::kNone;
    };
    p.word = fault(row.Palabra, kPalabraLen);
    p.definition = fault(row.Definicion, kDefinicionLen);
    p.repeated = !row.Palabra.empty() && words[FoldCase(row.Palabra)] > 1;
  }
  return problems;
}

}  // namespace glosandas
