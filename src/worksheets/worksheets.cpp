#include "worksheets/worksheets.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "text/text.h"
#include "wordlists/limits.h"

namespace glosandas {

namespace {

// Equal texts share a number, one numbering for the words and one for the definitions.
struct Kinds {
  std::vector<int> word, definition;
  int words = 0, definitions = 0;
};

Kinds KindsOf(const std::vector<Entrada>& entries) {
  Kinds kinds;
  std::map<std::string, int> words, definitions;
  for (const Entrada& e : entries) {
    kinds.word.push_back(words.emplace(FoldCase(Trim(e.Palabra)), words.size()).first->second);
    kinds.definition.push_back(
        definitions.emplace(FoldCase(Trim(e.Definicion)), definitions.size()).first->second);
  }
  kinds.words = static_cast<int>(words.size());
  kinds.definitions = static_cast<int>(definitions.size());
  return kinds;
}

// How many entries whose word and definition are not `taken` yet can share a sheet, up to
// `enough`: a matching of words to definitions, grown one augmenting path at a time.
int Matched(const Kinds& kinds, const std::vector<char>& taken, int enough) {
  std::vector<std::vector<int>> edges(kinds.words);
  for (std::size_t e = 0; e < kinds.word.size(); ++e) {
    if (!taken[kinds.word[e]] && !taken[kinds.words + kinds.definition[e]])
      edges[kinds.word[e]].push_back(kinds.definition[e]);
  }
  std::vector<int> owner(kinds.definitions, -1);  // the word each definition is matched with
  std::vector<char> seen;
  const auto augment = [&](auto& self, int word) -> bool {
    for (int d : edges[word]) {
      if (seen[d]) continue;
      seen[d] = 1;
      if (owner[d] < 0 || self(self, owner[d])) {
        owner[d] = word;
        return true;
      }
    }
    return false;
  };
  int matched = 0;
  for (int word = 0; word < kinds.words && matched < enough; ++word) {
    seen.assign(kinds.definitions, 0);
    if (augment(augment, word)) ++matched;
  }
  return matched;
}

}  // namespace

int MostOnASheet(const std::vector<Entrada>& entries) {
  const Kinds kinds = KindsOf(entries);
  return Matched(kinds, std::vector<char>(kinds.words + kinds.definitions, 0), kinds.words);
}

std::vector<Worksheet> DealWorksheets(const std::vector<Entrada>& entries, int sheets, int words,
                                      int definitions, Random& random) {
  const Kinds kinds = KindsOf(entries);
  const int count = static_cast<int>(entries.size());
  definitions = std::min(definitions, MostOnASheet(entries));
  words = std::min(words, definitions);
  const auto draw = [&random](std::size_t count) {
    return static_cast<std::size_t>(std::floor(count * random.Next()));
  };
  std::vector<Worksheet> print(sheets);
  std::vector<int> unused;
  for (Worksheet& sheet : print) {
    std::vector<int> shown;                                       // words, then decoys
    std::vector<char> taken(kinds.words + kinds.definitions, 0);  // their words and definitions
    // Whether `e` can join the sheet and leave room for the rest of its definitions.
    const auto fits = [&](int e) {
      const int w = kinds.word[e], d = kinds.words + kinds.definition[e];
      if (taken[w] || taken[d]) return false;
      if (kinds.words == count && kinds.definitions == count) return true;  // nothing repeats
      taken[w] = taken[d] = 1;
      const int rest = definitions - static_cast<int>(shown.size()) - 1;
      const bool room = Matched(kinds, taken, rest) == rest;
      taken[w] = taken[d] = 0;
      return room;
    };
    // Takes one entry out of `pool` at a drawn place among those that fit; false when none does.
    const auto take = [&](std::vector<int>& pool) {
      std::vector<std::size_t> places;
      for (std::size_t at = 0; at < pool.size(); ++at)
        if (fits(pool[at])) places.push_back(at);
      if (places.empty()) return false;
      const std::size_t at = places[draw(places.size())];
      shown.push_back(pool[at]);
      taken[kinds.word[pool[at]]] = taken[kinds.words + kinds.definition[pool[at]]] = 1;
      pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(at));
      return true;
    };
    const auto off_sheet = [&](int e) {
      return std::find(shown.begin(), shown.end(), e) == shown.end();
    };
    while (static_cast<int>(shown.size()) < words) {
      if (take(unused)) continue;
      // None of the unused entries can go on the sheet: all of them again. This sheet's own stay
      // in the new round (they cannot fit here), or they would be a round behind the rest.
      for (int e = 0; e < count; ++e)
        if (std::find(unused.begin(), unused.end(), e) == unused.end()) unused.push_back(e);
      if (!take(unused)) break;  // cannot happen within MostOnASheet
    }
    sheet.words = shown;
    std::vector<int> decoys;
    for (int e = 0; e < count; ++e)
      if (off_sheet(e)) decoys.push_back(e);
    while (static_cast<int>(shown.size()) < definitions && take(decoys)) {
    }
    // A fresh order: each definition in turn goes to a free place drawn among all of them.
    sheet.definitions.assign(shown.size(), -1);
    for (int e : shown) {
      std::size_t at;
      do at = draw(shown.size());
      while (sheet.definitions[at] != -1);
      sheet.definitions[at] = e;
    }
  }
  return print;
}

CountsFault CheckWorksheetCounts(int entries, int sheets, int words, int definitions) {
  if (entries < 1) return CountsFault::kNoEntries;
  if (sheets < 1 || sheets > kMaxSheets) return CountsFault::kSheets;
  if (words < 1 || words > kMaxCount) return CountsFault::kWords;
  if (definitions < words || definitions > kMaxCount) return CountsFault::kDefinitions;
  if (definitions > entries) return CountsFault::kBeyondEntries;
  return CountsFault::kNone;
}

bool LowerWorksheetCounts(int most, int& words, int& definitions) {
  if (definitions <= most) return false;
  definitions = most;
  words = std::min(words, most);
  return true;
}

}  // namespace glosandas
