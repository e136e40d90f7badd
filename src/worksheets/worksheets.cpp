#include "worksheets/worksheets.h"

#include <algorithm>
#include <cmath>

namespace glosandas {

std::vector<Worksheet> DealWorksheets(int entries, int sheets, int words, int definitions,
                                      Random& random) {
  const auto draw = [&random](std::size_t count) {
    return static_cast<std::size_t>(std::floor(count * random.Next()));
  };
  // Takes one entry out of `pool` at a drawn place.
  const auto take = [&draw](std::vector<int>& pool) {
    const std::size_t at = draw(pool.size());
    const int entry = pool[at];
    pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(at));
    return entry;
  };
  std::vector<Worksheet> print(sheets);
  std::vector<int> unused;
  for (Worksheet& sheet : print) {
    const auto on_sheet = [&sheet](int e) {
      return std::find(sheet.words.begin(), sheet.words.end(), e) != sheet.words.end();
    };
    while (static_cast<int>(sheet.words.size()) < words) {
      if (unused.empty()) {  // every entry has been used: all of them again, this sheet's aside
        for (int e = 0; e < entries; ++e)
          if (!on_sheet(e)) unused.push_back(e);
      }
      sheet.words.push_back(take(unused));
    }
    std::vector<int> decoys;
    for (int e = 0; e < entries; ++e)
      if (!on_sheet(e)) decoys.push_back(e);
    std::vector<int> shown = sheet.words;
    while (static_cast<int>(shown.size()) < definitions) shown.push_back(take(decoys));
    // A fresh order: each definition in turn goes to a free place drawn among all of them.
    sheet.definitions.assign(definitions, -1);
    for (int e : shown) {
      std::size_t at;
      do at = draw(definitions);
      while (sheet.definitions[at] != -1);
      sheet.definitions[at] = e;
    }
  }
  return print;
}

std::string WorksheetCountsProblem(int entries, int sheets, int words, int definitions) {
  if (entries < 1) return "La lista no tiene ninguna entrada.";
  if (sheets < 1 || sheets > 30) return "El número de fichas va de 1 a 30.";
  if (words < 1 || words > 10) return "El número de palabras por ficha va de 1 a 10.";
  if (definitions < words || definitions > 10)
    return "El número de definiciones por ficha va del de palabras a 10.";
  if (definitions > entries) {
    return "La lista tiene " + std::to_string(entries) +
           (entries == 1 ? " entrada" : " entradas") +
           ": no puede haber más definiciones por ficha.";
  }
  return {};
}

}  // namespace glosandas
