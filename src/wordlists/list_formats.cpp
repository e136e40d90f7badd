// The list formats read and written, one row each: the file dialogs, the import, the export and
// the command line all go by this table, so a new format is one row here.

#include <algorithm>
#include <cctype>

#include "wordlists/readers.h"

namespace glosandas {

namespace {

// `read` over the lines of `file`, or why it cannot be opened.
template <typename Read>
ReadResult WithLines(const std::filesystem::path& file, Read read) {
  LineFile lines(file);
  if (!lines.IsOpen()) {
    ReadResult result;
    result.why = lines.Failure();
    result.outcome = ReadResult::kCannotOpen;
    return result;
  }
  return read(lines);
}

ReadResult ReadOurs(const std::filesystem::path& file) {
  return WithLines(file, [&file](LineFile& lines) {
    ReadResult ours = ReadWordList(lines, true);
    if (ours.outcome != ReadResult::kNoEntry) return ours;
    // Flashcard programs and spreadsheets save their tab-separated exports as .txt too.
    LineFile again(file);
    ReadResult tabs = ReadDelimited(again, true);
    return tabs.outcome == ReadResult::kNoEntry ? ours : tabs;
  });
}

ReadResult ReadTabs(const std::filesystem::path& file) {
  return WithLines(file, [](LineFile& lines) { return ReadDelimited(lines, true); });
}

ReadResult ReadCsv(const std::filesystem::path& file) {
  return WithLines(file, [](LineFile& lines) { return ReadDelimited(lines, false); });
}

// Flashcard text is written as .txt, which our own import reads as tab-separated text too;
// Moodle takes GIFT only as .txt.
constexpr ListFormat kListFormats[] = {
    {".xml", nullptr, "moodle", WriteMoodle, "Preguntas de Moodle XML (*.xml)", true},
    {".txt", nullptr, "gift", WriteGift, "Preguntas GIFT de Moodle (*.txt)", true},
    {kListExtension, ReadOurs, "tsv", WriteFlashcards, "Texto para tarjetas de memoria (*.txt)"},
    {".tsv", ReadTabs},
    {".tab", ReadTabs},
    {".csv", ReadCsv, "csv", WriteCsv, "CSV para hojas de cálculo (*.csv)"},
    {".kvtml", ReadKvtml, "kvtml", WriteKvtml, "Vocabulario de KDE (*.kvtml)"},
    {".apkg", ReadPackage},
    {".colpkg", ReadPackage},
};

}  // namespace

const ListFormat* ListFormatOf(const std::filesystem::path& file) {
  const std::string extension = FoldAscii(file.extension().string());
  for (const ListFormat& format : kListFormats) {
    if (format.read && format.extension == extension) return &format;
  }
  return nullptr;
}

std::vector<const ListFormat*> ExportFormats() {
  std::vector<const ListFormat*> formats;
  for (const ListFormat& format : kListFormats)
    if (format.write) formats.push_back(&format);
  return formats;
}

const ListFormat* ExportFormatNamed(std::string_view name) {
  for (const ListFormat* format : ExportFormats())
    if (format->name == name) return format;
  return nullptr;
}

ReadResult ReadAnyList(const std::filesystem::path& file) {
  if (const ListFormat* format = ListFormatOf(file)) return format->read(file);
  // Opened, so that a file that cannot be is told as such rather than as holding no entry.
  return WithLines(file, [](LineFile&) {
    ReadResult result;
    result.outcome = ReadResult::kNoEntry;
    return result;
  });
}

std::string ListFilesFilter() {
  // Both letter cases, for the file dialogs that match patterns as written.
  std::string lower, upper;
  for (const ListFormat& format : kListFormats) {
    if (!format.read) continue;
    lower += " *" + std::string(format.extension);
    upper += " *";
    for (char c : format.extension) upper += static_cast<char>(std::toupper(c));
  }
  return "Listas de palabras (" + lower.substr(1) + upper + ");;Todos los archivos (*)";
}

std::string OtherFormatsText() {
  std::vector<std::string_view> others;
  for (const ListFormat& format : kListFormats)
    if (format.read && format.extension != kListExtension) others.push_back(format.extension);
  std::string text;
  for (std::size_t k = 0; k < others.size(); ++k)
    text += (k == 0 ? "" : k + 1 == others.size() ? " o " : ", ") + std::string(others[k]);
  return text;
}

}  // namespace glosandas
