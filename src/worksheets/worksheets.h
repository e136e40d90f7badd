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

// What is wrong with the counts of a print, in Spanish; empty when they can be printed.
std::string WorksheetCountsProblem(int entries, int sheets, int words, int definitions);

// Why a sheet of a list holds at most `most` entries when it repeats words or definitions.
std::string RepeatsNote(int most);

// Lowers the counts to `most` entries a sheet; what it did, in Spanish, or empty when they fit.
std::string LowerWorksheetCounts(int most, int& words, int& definitions);

}  // namespace glosandas
