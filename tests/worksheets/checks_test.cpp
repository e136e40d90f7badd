// The checks a name, a list's rows, a print's counts and a command line pass, one row per outcome.
#include <gtest/gtest.h>

#include "wordlists/limits.h"
#include "wordlists/list_editing.h"
#include "worksheets/command_line.h"
#include "worksheets/worksheets.h"

namespace glosandas {
namespace {

TEST(ChecksTest, ListNames) {
  const struct {
    std::string name;
    NameFault fault;
  } rows[] = {
      {"Verbos irregulares", NameFault::kNone},
      {std::string(kListNameBytes, 'a'), NameFault::kNone},
      {"", NameFault::kEmpty},
      {"   ", NameFault::kEmpty},
      {"a/b", NameFault::kForbiddenCharacter},
      {"a&b", NameFault::kForbiddenCharacter},
      {"a\nb", NameFault::kForbiddenCharacter},
      {"a\x7F", NameFault::kForbiddenCharacter},
      {".oculta", NameFault::kLeadingDot},
      {std::string(kListNameBytes + 1, 'a'), NameFault::kTooLong},
  };
  for (const auto& row : rows) EXPECT_EQ(CheckListName(row.name), row.fault) << row.name;
}

TEST(ChecksTest, Rows) {
  using C = CellFault;
  std::string enye;  // characters are counted, not bytes
  for (std::size_t i = 0; i < kPalabraLen; ++i) enye += "ñ";
  std::vector<Entrada> rows = {
      {"casa", "house"}, {"", "sin palabra"}, {"sin definición", ""},
      {enye, "ñ"},       {enye + "n", "x"},   {"d", std::string(kDefinicionLen + 1, 'x')},
      {"Árbol", "tree"}, {"árbol", "arbre"},  {" ", ""},
  };
  const RowProblems expected[] = {
      {C::kNone, C::kNone, false},    {C::kMissing, C::kNone, false},
      {C::kNone, C::kMissing, false}, {C::kNone, C::kNone, false},
      {C::kTooLong, C::kNone, false}, {C::kNone, C::kTooLong, false},
      {C::kNone, C::kNone, true},     {C::kNone, C::kNone, true},
      {C::kNone, C::kNone, false},  // blank: neither marked nor counted
  };
  // Filled to the most entries a list holds (the blank row not counted), then one more.
  for (int n = 8; n <= kMaxEntradas; ++n) rows.push_back({"w" + std::to_string(n), "d"});
  const std::vector<RowProblems> found = CheckRows(rows);
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(found[i].word, expected[i].word) << i;
    EXPECT_EQ(found[i].definition, expected[i].definition) << i;
    EXPECT_EQ(found[i].repeated, expected[i].repeated) << i;
  }
  EXPECT_EQ(found[rows.size() - 2].word, C::kNone);
  EXPECT_EQ(found.back().word, C::kSurplus);
  EXPECT_EQ(found.back().definition, C::kSurplus);
}

TEST(ChecksTest, WorksheetCounts) {
  using F = CountsFault;
  const struct {
    int entries, sheets, words, definitions;
    F fault;
  } rows[] = {
      {12, 1, 1, 1, F::kNone},
      {12, kMaxSheets, kMaxCount, kMaxCount, F::kNone},
      {0, 1, 1, 1, F::kNoEntries},
      {12, 0, 4, 4, F::kSheets},
      {12, kMaxSheets + 1, 4, 4, F::kSheets},
      {12, 1, 0, 4, F::kWords},
      {12, 1, kMaxCount + 1, kMaxCount + 1, F::kWords},
      {12, 1, 5, 4, F::kDefinitions},
      {12, 1, 4, kMaxCount + 1, F::kDefinitions},
      {3, 1, 3, 4, F::kBeyondEntries},
      {3, 1, 3, 3, F::kNone},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(CheckWorksheetCounts(r.entries, r.sheets, r.words, r.definitions), r.fault)
        << r.entries << " " << r.sheets << " " << r.words << " " << r.definitions;
  }
  const struct {
    int most, words, definitions;
    bool lowered;
    int lowered_words, lowered_definitions;
  } lowerings[] = {{6, 4, 6, false, 4, 6}, {5, 4, 6, true, 4, 5}, {3, 4, 6, true, 3, 3}};
  for (auto r : lowerings) {
    EXPECT_EQ(LowerWorksheetCounts(r.most, r.words, r.definitions), r.lowered) << r.most;
    EXPECT_EQ(r.words, r.lowered_words);
    EXPECT_EQ(r.definitions, r.lowered_definitions);
  }
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> args;
  for (std::size_t at = 0; at < line.size();) {
    const std::size_t end = std::min(line.find(' ', at), line.size());
    args.push_back(line.substr(at, end - at));
    at = end + 1;
  }
  return args;
}

// What a command line without a fault asks for, on one line: its files, -h, -platform, and the
// sheets' list, words/definitions and seed.
std::string Taken(const CommandLine& c) {
  std::string out;
  for (const std::string& file : c.files) out += file + " ";
  out += std::string(c.help ? "help " : "") + (c.platform_chosen ? "platform " : "");
  if (!c.sheets) return out;
  return out + c.sheets->list + " " + std::to_string(c.sheets->words) + "/" +
         std::to_string(c.sheets->definitions) + " " + std::to_string(c.sheets->seed.value_or(0));
}

// Each row: the fault and what it names, or for none what the line asks for.
TEST(ChecksTest, CommandLines) {
  using F = CommandLineFault;
  const std::string sheets = "--lista verbos --pdf e.pdf ";
  const struct {
    std::string line;
    F::Kind fault;
    std::string what;
  } rows[] = {
      {"-x", F::kUnknownOption, "-x"},
      {sheets + "--colores", F::kUnknownOption, "--colores"},
      {sheets + "--lista otra", F::kRepeated, "--lista"},
      {sheets + "--sin-soluciones=no", F::kValueNotTaken, "--sin-soluciones"},
      {"--version=1", F::kValueNotTaken, "--version"},
      {"--lista --pdf e.pdf", F::kNoList, ""},
      {"--lista verbos --fichas 2 --pdf", F::kNoPdf, ""},
      {sheets + "--fichas 0", F::kSheets, ""},
      {sheets + "--fichas " + std::to_string(kMaxSheets + 1), F::kSheets, ""},
      {sheets + "--palabras " + std::to_string(kMaxCount + 1), F::kWords, "10"},
      {sheets + "--definiciones 3x", F::kDefinitions, "10"},
      {sheets + "--semilla 4294967296", F::kSeed, ""},
      {sheets + "--semilla -1", F::kSeed, ""},
      {"--pdf=e.pdf --lista verbos e.txt", F::kFileWithSheets, "e.txt"},
      {sheets + "-- e.txt", F::kFileWithSheets, "e.txt"},
      {"--pdf e.pdf", F::kListMissing, ""},
      {"--lista verbos", F::kPdfMissing, ""},
      {"-x --lista", F::kUnknownOption, "-x"},  // the first fault is the one told
      {"a.txt -style fusion b.csv -reverse", F::kNone, "a.txt b.csv "},
      {"-display :1 a.txt -stylesheet s.qss", F::kNone, "a.txt "},
      {"-platform offscreen a.txt", F::kNone, "a.txt platform "},
      {"--lista v --pdf f.pdf --palabras 1 --definiciones 1", F::kNone, "v 1/1 0"},
      {"a.txt -- -h --lista", F::kNone, "a.txt -h --lista "},
      {"-h", F::kNone, "help "},
      {"--lista=verbos --pdf=f.pdf --semilla=4294967295", F::kNone, "verbos 4/4 4294967295"},
      {"--lista=--pdf --pdf f.pdf --palabras 6 --semilla 0", F::kNone, "--pdf 6/6 0"},
      {"--lista v --pdf f.pdf --palabras 2 --definiciones 5", F::kNone, "v 2/5 0"},
      {"--lista v --salida o --exportar pdf", F::kFormat, "pdf"},
      {"--lista v --exportar moodle --salida", F::kNoOutput, ""},
      {"--lista v --exportar gift --salida o --preguntas 31", F::kQuestions, ""},
      {"--lista v --exportar gift --salida o --palabras 101", F::kWords, "100"},
      {"--lista v --exportar moodle --salida o --fichas 2", F::kNotWithExport, "--fichas"},
      {"--lista v --exportar moodle --salida o --pdf p", F::kNotWithExport, "--pdf"},
      {"--lista v --pdf p --preguntas 2", F::kOnlyWithExport, "--preguntas"},
      {"--lista v --exportar csv --salida o --definiciones 3", F::kNoQuestions, "--definiciones"},
      {"--lista v --exportar kvtml", F::kOutputMissing, ""},
  };
  for (const auto& row : rows) {
    const CommandLine line = ParseCommandLine(Split(row.line));
    EXPECT_EQ(line.fault.kind, row.fault) << row.line;
    EXPECT_EQ(row.fault == F::kNone ? Taken(line) : line.fault.what, row.what) << row.line;
  }
}

}  // namespace
}  // namespace glosandas
