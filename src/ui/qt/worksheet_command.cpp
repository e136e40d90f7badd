#include "ui/qt/worksheet_command.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <optional>

#include "board/random.h"
#include "text/text.h"
#include "ui/qt/fault_texts.h"
#include "ui/qt/worksheet_pages.h"
#include "wordlists/readers.h"
#include "worksheets/export.h"
#include "worksheets/worksheets.h"

namespace glosandas {

namespace {

int Fail(const std::string& text) {
  std::fprintf(stderr, "glosandas: %s\n", text.c_str());
  return 2;
}

void Warn(const std::string& text) {
  if (!text.empty()) std::fprintf(stderr, "glosandas: aviso: %s\n", text.c_str());
}

// The list the command names, read into `print`: a path (or a file name with a list format's
// extension), or the name of a list. The problem in words, empty when it was read.
std::string ReadPrintedList(const std::string& list, const Folders& folders, Print& print) {
  const bool path = list.find('/') != std::string::npos || ListFormatOf(list) != nullptr;
  const std::optional<std::filesystem::path> file =
      path ? std::optional(std::filesystem::path(list)) : FindList(ListFolders(folders), list);
  if (!file) return "no hay ninguna lista «" + list + "».";
  const ReadResult read = ReadAnyList(*file);
  if (read.outcome == ReadResult::kCannotOpen) {
    return "no se puede abrir «" + FileNameText(file->string()) + "».";
  }
  if (read.outcome == ReadResult::kUnreadable)
    return "«" + FileNameText(file->string()) + "» no es un paquete de tarjetas que se pueda leer.";
  if (read.entries.empty())
    return "«" + FileNameText(file->string()) + "» no tiene ninguna entrada.";
  print.list = path ? FileNameText(file->stem().string()) : list;
  for (const Entrada& e : read.entries)
    print.entries.push_back({Trim(e.Palabra), Trim(e.Definicion)});
  return {};
}

// Writes `bytes` where `output` says ("-": standard output), as the PDF is; 0 when written.
int WriteTo(const std::string& output, const std::string& bytes, const std::string& what) {
  if (output == "-") {
    if (WriteAllTo(STDOUT_FILENO, bytes)) return 0;
    return Fail("no se puede escribir " + what + " en la salida estándar.");
  }
  switch (WriteOutput(output, bytes)) {
    case WriteOutcome::kWritten:
      return 0;
    case WriteOutcome::kNotAFile:
      return Fail("«" + output +
                  "» no es un archivo ordinario, una tubería ni un dispositivo de caracteres.");
    case WriteOutcome::kFailed:
      break;
  }
  return Fail("no se puede escribir «" + output + "».");
}

// A seed that differs from run to run.
std::uint32_t SomeSeed() {
  return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                    (::getpid() << 16));
}

}  // namespace

int RunWorksheetCommand(const WorksheetOptions& options, const Folders& folders) {
  Print print;
  if (const std::string problem = ReadPrintedList(options.list, folders, print); !problem.empty())
    return Fail(problem);
  print.key = options.key;
  const int entries = static_cast<int>(print.entries.size());
  int words = options.words, definitions = options.definitions;
  if (!options.counts_given) {  // the defaults fit a short list, as the count menus do
    words = std::min(words, entries);
    definitions = std::min(definitions, entries);
  }
  if (const CountsFault fault = CheckWorksheetCounts(entries, options.sheets, words, definitions);
      fault != CountsFault::kNone) {
    return Fail(CountsFaultText(fault, entries));
  }
  if (const int most = MostOnASheet(print.entries); LowerWorksheetCounts(most, words, definitions))
    Warn(LoweredNote(most, words, definitions));
  Random random;
  random.Seed(options.seed.value_or(SomeSeed()));
  print.sheets = DealWorksheets(print.entries, options.sheets, words, definitions, random);
  Warn(UnshownNote(print));
  return WriteTo(options.pdf, PrintPdf(print), "el PDF");
}

int RunExportCommand(const ExportOptions& options, const Folders& folders) {
  Print read;
  if (const std::string problem = ReadPrintedList(options.list, folders, read); !problem.empty())
    return Fail(problem);
  // By default a question takes every entry; a list that repeats texts is told, as a print is.
  int words = options.counts.words.value_or(static_cast<int>(read.entries.size()));
  int definitions = options.counts.definitions.value_or(words);
  if (const int most = MostOnASheet(read.entries);
      options.format->questions && LowerWorksheetCounts(most, words, definitions)) {
    Warn(LoweredNote(most, words, definitions, "pregunta"));
  }
  Random random;
  random.Seed(options.seed.value_or(SomeSeed()));
  const Exported out = ExportList(*options.format, read.list, read.entries, options.counts, random);
  if (out.fault.kind != ExportFault::kNone)
    return Fail(ExportFaultText(out.fault, static_cast<int>(read.entries.size())));
  return WriteTo(options.output, out.bytes, "la lista");
}

}  // namespace glosandas
