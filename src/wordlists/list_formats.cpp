// The list formats read, one row each: the file dialog, the import and the worksheet command
// all go by this table, so a new format is one row here.

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

constexpr ListFormat kListFormats[] = {
    {kListExtension, ReadOurs}, {".tsv", ReadTabs},     {".tab", ReadTabs},       {".csv", ReadCsv},
    {".kvtml", ReadKvtml},      {".apkg", ReadPackage}, {".colpkg", ReadPackage},
};

}  // namespace

const ListFormat* ListFormatOf(const std::filesystem::path& file) {
  const std::string extension = FoldAscii(file.extension().string());
  for (const ListFormat& format : kListFormats) {
    if (format.extension == extension) return &format;
  }
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
    lower += " *" + std::string(format.extension);
    upper += " *";
    for (char c : format.extension) upper += static_cast<char>(std::toupper(c));
  }
  return "Listas de palabras (" + lower.substr(1) + upper + ");;Todos los archivos (*)";
}

std::string OtherFormatsText() {
  std::string text;
  const std::size_t last = std::size(kListFormats) - 1;
  for (std::size_t k = 1; k <= last; ++k)
    text += (k == 1 ? "" : k == last ? " o " : ", ") + std::string(kListFormats[k].extension);
  return text;
}

}  // namespace glosandas
