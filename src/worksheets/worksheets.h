// Worksheets on paper: which entries each sheet of a print shows, and in what order.
#pragma once

#include <string>
#include <vector>

#include "board/random.h"
#include "wordlists/entry.h"

namespace glosandas {

struct Worksheet {
  std::vector<int> words;        // entries (from 0), numbered 1, 2... on the sheet
  std::vector<int> definitions;  // entries, the words' and the decoys', in the sheet's order
};

// How many entries can share a sheet: a sheet never shows two equal words nor two equal
// definitions (decoys included), compared as the editor finds repeated words.
int MostOnASheet(const std::vector<Entrada>& entries);

// `sheets` sheets of `words` words and `definitions` definitions from `entries` (words <=
// definitions <= MostOnASheet; more are lowered to that). Words come from the entries no earlier
// sheet of the print has used, all of them again once none of those can go on the sheet; decoys
// from the entries not on the sheet. Every draw takes the integer part of u times a count, as a
// screen's, among the entries that can still go on the sheet.
std::vector<Worksheet> DealWorksheets(const std::vector<Entrada>& entries, int sheets, int words,
                                      int definitions, Random& random);

// What can be wrong with the counts of a print: no entries, or the sheets, the words or the
// definitions out of their ranges (the definitions also beyond the list's entries).
enum class CountsFault { kNone, kNoEntries, kSheets, kWords, kDefinitions, kBeyondEntries };
CountsFault CheckWorksheetCounts(int entries, int sheets, int words, int definitions);

// Lowers the counts to `most` entries a sheet; whether they had to be.
bool LowerWorksheetCounts(int most, int& words, int& definitions);

}  // namespace glosandas
