// Lists written in the program: the checks a list passes before it is saved.
#pragma once

#include <string>
#include <vector>

#include "wordlists/entry.h"

namespace glosandas {

// What can be wrong with a list's name; kNone when it can be a file name and a menu caption.
enum class NameFault { kNone, kEmpty, kForbiddenCharacter, kLeadingDot, kTooLong };
NameFault CheckListName(const std::string& name);

// A text as one line, as the loader would read it back: each line break a blank, no outer blanks.
std::string OneLine(const std::string& text);

// A row with nothing written in it (a trailing one, typically): never marked nor counted, and
// left out when the list is saved.
bool IsBlankRow(const Entrada& row);

// What can be wrong with a word or a definition: missing, longer than the limit, or in a row
// past the most entries a list holds. A repeated word is shown, not refused.
enum class CellFault { kNone, kMissing, kTooLong, kSurplus };
struct RowProblems {
  CellFault word = CellFault::kNone, definition = CellFault::kNone;
  bool repeated = false;
};
std::vector<RowProblems> CheckRows(const std::vector<Entrada>& rows);

}  // namespace glosandas
