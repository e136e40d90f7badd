// Lists written in the program: the checks a list passes before it is saved.
#pragma once

#include <string>
#include <vector>

#include "wordlists/entry.h"

namespace glosandas {

// What is wrong with a list's name, in Spanish; empty when it can be a file name and a menu
// caption.
std::string ListNameProblem(const std::string& name);

// A text as one line, as the loader would read it back: each line break a blank, no outer blanks.
std::string OneLine(const std::string& text);

// A row with nothing written in it (a trailing one, typically): never marked nor counted, and
// left out when the list is saved.
bool IsBlankRow(const Entrada& row);

// What is wrong with a row; empty texts when nothing is. A repeated word is shown, not refused.
struct RowProblems {
  std::string word, definition;
  bool repeated = false;
};
std::vector<RowProblems> CheckRows(const std::vector<Entrada>& rows);

}  // namespace glosandas
