// The command line that makes worksheets without a window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glosandas {

struct WorksheetOptions {
  std::string list, pdf;
  int sheets = 1, words = 4, definitions = 4;
  bool counts_given = false;  // --palabras or --definiciones: never lowered to fit the list
  bool key = true;
  std::optional<std::uint32_t> seed;
  bool help = false;
};

// The worksheet options of `args` (the arguments after the program's name); nothing when they
// hold none, and the arguments are files to open. `error` says, in Spanish, what is wrong.
std::optional<WorksheetOptions> ParseWorksheetOptions(const std::vector<std::string>& args,
                                                      std::string& error);

// What --help prints.
extern const char* const kWorksheetHelp;

}  // namespace glosandas
