// Files of every format read turned into entries, under the limits of a list: 100 entries, a
// word of 100 characters and a definition of 2000, texts in UTF-8.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "board/form1.h"

namespace glosandas {

class LineFile;

// Our own lists: "P>" starts an entry, "D>" gives its definition, any other line extends it.
std::vector<Entrada> ReadWordList(LineFile& file);

// Rows of fields, quoted as RFC 4180 has it (a quoted field may hold line breaks): the first field
// the word, the second the definition. A tab separates the fields of tab-separated text, whose
// leading "#" lines are skipped; CSV takes ";" or "," by the first line.
std::vector<Entrada> ReadDelimited(LineFile& file, bool tabs);

// KDE vocabulary documents (KVTML 2): per entry, the first translation's text is the word, the
// second's the definition or, with a single translation, its comment.
std::vector<Entrada> ReadKvtml(const std::filesystem::path& file);

// Any of the formats above, by the file's extension: .txt, .tsv and .tab, .csv, .kvtml.
std::vector<Entrada> ReadAnyList(const std::filesystem::path& file);

// HTML as plain text: tags dropped, <br>, <div> and <p> a blank, character references decoded.
std::string HtmlToText(const std::string& html);

// A list in our format: Windows-1252 with CR LF when every character fits, else UTF-8 with a
// byte-order mark.
std::string WordListBytes(const std::vector<Entrada>& entries);

// The file of the list called `name` in the first of `folders` that holds one (letter case and
// a Windows-1252 file name aside); nothing when none does.
std::optional<std::filesystem::path> FindList(const std::vector<std::filesystem::path>& folders,
                                              const std::string& name);

// Bytes a reader may read past the last entry it took: a file that yields nothing more, however
// large, costs no more than that.
inline constexpr std::size_t kReadPastEntry = 1 << 20;

}  // namespace glosandas
