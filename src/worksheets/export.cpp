#include "worksheets/export.h"

#include <algorithm>

#include "wordlists/limits.h"
#include "worksheets/worksheets.h"

namespace glosandas {

Exported ExportList(const ListFormat& format, const std::string& name,
                    const std::vector<Entrada>& entries, const ExportCounts& counts,
                    Random& random) {
  ExportedList list{name, entries, {}};
  const int held = static_cast<int>(entries.size());
  if (held == 0) return {{ExportFault::kNoEntries, {}}};
  if (format.questions) {
    const int words = counts.words.value_or(std::min(held, MostOnASheet(entries)));
    const int definitions = counts.definitions.value_or(words);
    if (counts.questions < 1 || counts.questions > kMaxSheets)
      return {{ExportFault::kQuestions, {}}};
    if (words < 1 || words > held) return {{ExportFault::kWords, {}}};
    if (definitions < words || definitions > held) return {{ExportFault::kDefinitions, {}}};
    for (const Worksheet& sheet :
         DealWorksheets(entries, counts.questions, words, definitions, random)) {
      Question& q = list.questions.emplace_back();
      q.words = sheet.words;
      for (int e : sheet.definitions)
        if (std::find(q.words.begin(), q.words.end(), e) == q.words.end()) q.decoys.push_back(e);
    }
  }
  return format.write(list);
}

}  // namespace glosandas
