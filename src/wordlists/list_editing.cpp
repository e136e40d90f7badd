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

std::string ListNameProblem(const std::string& name) {
  if (Trim(name).empty()) return "Escriba un nombre para la lista.";
  for (unsigned char c : name) {
    if (c == '/' || c == '&' || c < 0x20 || c == 0x7F)
      return "El nombre no puede contener «/», «&» ni caracteres de control.";
  }
  if (name[0] == '.') return "El nombre no puede empezar por un punto.";
  if (name.size() > kListNameBytes) return "El nombre es demasiado largo.";
  return {};
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
      p.word = p.definition =
          "Sobra: una lista tiene como mucho " + std::to_string(kMaxEntradas) + " entradas.";
      continue;
    }
    p.word = row.Palabra.empty() ? "Falta la palabra."
             : Characters(row.Palabra) > kPalabraLen
                 ? "La palabra pasa de " + std::to_string(kPalabraLen) + " caracteres."
                 : "";
    p.definition = row.Definicion.empty() ? "Falta la definición."
                   : Characters(row.Definicion) > kDefinicionLen
                       ? "La definición pasa de " + std::to_string(kDefinicionLen) + " caracteres."
                       : "";
    p.repeated = !row.Palabra.empty() && words[FoldCase(row.Palabra)] > 1;
  }
  return problems;
}

}  // namespace glosandas
