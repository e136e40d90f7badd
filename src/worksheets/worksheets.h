// Worksheets on paper: which entries each sheet of a print shows, and in what order.
#pragma once

#include <string>
#include <vector>

#include "board/random.h"

namespace glosandas {

struct Worksheet {
  std::vector<int> words;        // entries (from 0), numbered 1, 2... on the sheet
  std::vector<int> definitions;  // entries, the words' and the decoys', in the sheet's order
};

// `sheets` sheets of `words` words and `definitions` definitions from a list of `entries`
// (words <= definitions <= entries). Words come from the entries no earlier sheet of the print
// has used, all of them again once each has been used, never twice on a sheet; decoys from the
// entries not on the sheet. Every draw takes the integer part of u times a count, as a screen's.
std::vector<Worksheet> DealWorksheets(int entries, int sheets, int words, int definitions,
                                      Random& random);

// What is wrong with the counts of a print, in Spanish; empty when they can be printed.
std::string WorksheetCountsProblem(int entries, int sheets, int words, int definitions);

}  // namespace glosandas
