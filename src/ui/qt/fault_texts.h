// The Spanish words for the faults the core's checks return as values.
#pragma once

#include <string>

#include "wordlists/list_editing.h"
#include "worksheets/command_line.h"
#include "worksheets/worksheets.h"

namespace glosandas {

std::string NameFaultText(NameFault fault);
// `word`: the fault is the word's, otherwise the definition's.
std::string CellFaultText(CellFault fault, bool word);
// `entries`: the list's, which the last fault names.
std::string CountsFaultText(CountsFault fault, int entries);
// Why a sheet of a list holds at most `most` entries when it repeats words or definitions.
std::string RepeatsNote(int most, const std::string& sheet = "ficha");
// The same, with the counts a sheet now takes.
std::string LoweredNote(int most, int words, int definitions, const std::string& sheet = "ficha");
std::string CommandLineFaultText(const CommandLineFault& fault);
// Why a list cannot be exported; `entries`: the list's, which the counts' faults name.
std::string ExportFaultText(const ExportFault& fault, int entries);
// The formats written, by their command line names: "moodle, gift, tsv, csv o kvtml".
std::string ExportNames();
// What --help prints.
std::string WorksheetHelp();

}  // namespace glosandas
