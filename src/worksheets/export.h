// A list put into a format of another program: for the question formats, its questions dealt as
// a print deals its sheets.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/random.h"
#include "wordlists/readers.h"

namespace glosandas {

struct ExportCounts {
  int questions = 1;
  // Words and definitions per question; by default every entry (as many as can share a
  // question) and no decoys.
  std::optional<int> words, definitions;
};

// `entries` (without outer blanks) of the list `name` as `format` writes them, or the fault that
// stops it: the counts out of range (1 to kMaxSheets questions, 1 to the entries words, from the
// words to the entries definitions) or the format's own.
Exported ExportList(const ListFormat& format, const std::string& name,
                    const std::vector<Entrada>& entries, const ExportCounts& counts,
                    Random& random);

}  // namespace glosandas
