// The program's command line: the window's files, or worksheets made without a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "worksheets/export.h"

namespace glosandas {

struct WorksheetOptions {
  std::string list, pdf;  // pdf "-": standard output
  int sheets = 1, words = 4, definitions = 4;
  bool counts_given = false;  // --palabras or --definiciones: never lowered to fit the list
  bool key = true;
  std::optional<std::uint32_t> seed;
};

struct ExportOptions {
  std::string list, output;  // output "-": standard output
  const ListFormat* format = nullptr;
  ExportCounts counts;
  std::optional<std::uint32_t> seed;
};

// What can be wrong with a command line, and the argument or option it concerns.
struct CommandLineFault {
  enum Kind {
    kNone,
    kUnknownOption,   // `what`: the argument as given
    kRepeated,        // `what`: the option
    kValueNotTaken,   // `what`: an option without a value given one
    kNoList,          // --lista without its value
    kNoPdf,           // --pdf without its value
    kSheets,          // --fichas without a number in range
    kWords,           // --palabras ...
    kDefinitions,     // --definiciones ...
    kSeed,            // --semilla ...
    kFileWithSheets,  // `what`: a file given with worksheet options
    kListMissing,     // worksheet options without --lista
    kPdfMissing,      // ... without --pdf
    kFormat,          // `what`: --exportar without a format written, or with this one
    kNoOutput,        // --salida without its value
    kQuestions,       // --preguntas without a number in range
    kNotWithExport,   // `what`: a worksheet option given with --exportar
    kOnlyWithExport,  // `what`: an option of the export given without --exportar
    kNoQuestions,     // `what`: a count given for a format written without questions
    kOutputMissing,   // --exportar without --salida
  } kind = kNone;
  std::string what;
};

struct CommandLine {
  bool help = false, version = false;
  std::optional<WorksheetOptions> sheets;  // when any worksheet option is given
  std::optional<ExportOptions> exported;   // when --exportar is given
  std::vector<std::string> files;          // for the window: the lists to open, as given
  std::size_t toolkit_args = 0;            // how many arguments come before a lone "--"
  bool platform_chosen = false;            // -platform among them
  CommandLineFault fault;                  // the first one found
};

// What `args` (the arguments after the program's name) ask for. Options the toolkit takes for
// itself are left to it; "--option=value" stands for "--option value"; after a lone "--" every
// argument is a file.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace glosandas
