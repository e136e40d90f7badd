#include "wordlists/readers.h"

#include <sys/stat.h>

#include <map>

#include "form_fixture.h"
#include "package_writer.h"

namespace glosandas::testing {
namespace {

using ImportTest = FormTest;  // the readers, and the loader in the window record

// Every format and code page, a file a line of readers.txt: what is read and how it went; and
// the rows the list editor makes of a clipboard.
TEST_F(ImportTest, ReadsEveryFormat) {
  const std::map<std::string, ReadResult::Outcome> outcomes = {
      {"read", ReadResult::kRead},
      {"no-entry", ReadResult::kNoEntry},
      {"some-dropped", ReadResult::kSomeDropped},
      {"unreadable", ReadResult::kUnreadable}};
  const std::map<std::string, OpenFailure> unopened = {{"missing", OpenFailure::kMissing},
                                                       {"folder", OpenFailure::kFolder},
                                                       {"not-ordinary", OpenFailure::kNotOrdinary}};
  const auto rows = DataRows(GLOSANDAS_READERS);
  for (std::vector<std::string> f : rows) {
    f.resize(8);
    SCOPED_TRACE(f[0]);
    const bool pasted = f[0].starts_with("(pegado)"), package = f[1].starts_with("(package)");
    if (f[1] == "(folder)")
      std::filesystem::create_directory(folder.path() / f[0]);
    else if (f[1] == "(fifo)")
      mkfifo((folder.path() / f[0]).c_str(), 0600);
    else if (f[1].starts_with("(1 GiB)")) {
      folder.Write(f[0], Bytes(f[1].substr(7)));
      std::filesystem::resize_file(folder.path() / f[0], 1ull << 30);  // sparse: zeros
    } else if (package) {
      WritePackage(folder.path() / f[0], Bytes(f[1].substr(9)));
    } else if (f[1] != "(none)" && !pasted) {
      folder.Write(f[0], Bytes(f[1]));
    }
    const long long before = BytesRead();
    const ReadResult read = pasted ? ReadResult::Of(PastedRows(Bytes(f[1])), 0, true)
                                   : ReadAnyList(folder.path() / f[0]);
    // 1 MiB and a buffer at most; a package is read whole.
    if (!package) {
      EXPECT_LT(BytesRead() - before, (1 << 20) + (128 << 10));
    }
    if (unopened.count(f[2])) {
      EXPECT_EQ(read.outcome, ReadResult::kCannotOpen);
      EXPECT_EQ(read.why, unopened.at(f[2]));
    } else {
      EXPECT_EQ(read.outcome, outcomes.at(f[2]));
    }
    if (read.outcome == ReadResult::kSomeDropped) {
      EXPECT_EQ(read.held, std::stoul(f[7]));
    }
    ASSERT_EQ(read.entries.size(), std::stoul(f[3]));
    if (read.entries.empty()) continue;
    EXPECT_EQ(Trim(read.entries.at(std::stoi(f[4])).Palabra), Bytes(f[5]));
    EXPECT_EQ(Trim(read.entries.at(std::stoi(f[4])).Definicion), Bytes(f[6]));
  }
  EXPECT_GT(rows.size(), 40u);  // the table was found
}

// What the list editor and the imports write reads back as it was, whatever the characters.
TEST_F(ImportTest, SavedListsReadBackAsWritten) {
  const std::vector<Entrada> entries = {{"Ã±", "mojibake that is valid UTF-8"},
                                        {"cañón", "Windows-1252 €"},
                                        {"čeština", "beyond Windows-1252"},
                                        {"P>x", "D>y"},
                                        {"\xC2\x81", "an undefined Windows-1252 byte"},
                                        {std::string(100, 'w'), std::string(2000, 'd')}};
  for (const Entrada& e : entries) {
    SCOPED_TRACE(e.Palabra);
    folder.Write("l.txt", WordListBytes({e}));
    const ReadResult read = ReadAnyList(folder.path() / "l.txt");
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].Palabra, e.Palabra);
    EXPECT_EQ(read.entries[0].Definicion, e.Definicion);
  }
}

// The editor's save over the file it read, one row of it changed: what the table did not show
// goes back, in the code page of the file written.
TEST_F(ImportTest, SavingKeepsWhatTheEditorDidNotShow) {
  const struct {
    const char *file, *word, *definition, *saved;
  } rows[] = {
      {"Notas ñ\nP>a\nD>b\n", "c", nullptr, "Notas \xF1\r\nP>c\r\nD>b\r\n"},
      {"Notas č\r\nP>a\r\nD>b\r\n", nullptr, "c", "\xEF\xBB\xBFNotas č\r\nP>a\r\nD>c\r\n"},
      {"P>a\r\nD>\\{1500:x\\}\r\n\\{1500:z\\}\r\n", "b", nullptr,
       "P>b\r\nD>\\{1500:x\\} \\{1500:z\\}\r\n"},
      {"P>\\{150:y\\}\r\nD>\\{2500:x\\}\r\n", nullptr, "c", "P>\\{150:y\\}\r\nD>c\r\n"},
      {"P>\\{150:y\\}\r\nD>b\r\n", "c", nullptr, "P>c\r\nD>b\r\n"},
      {"P>a\nD>b\n\\{101:P>p#\nD>d# \xF1\n\\}", "c", nullptr,
       "P>c\r\nD>b\r\n\\{101:P>p#\r\nD>d# \xF1\r\n\\}"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    folder.Write("l.txt", Bytes(row.file));
    const ListFile read = ReadListFile(folder.path() / "l.txt");
    EXPECT_EQ(read.bytes, Bytes(row.file));
    std::vector<Entrada> shown = read.entries;
    if (row.word) shown.at(0).Palabra = row.word;
    if (row.definition) shown.at(0).Definicion = row.definition;
    EXPECT_EQ(SavedListBytes(read, shown), Bytes(row.saved));
  }
}

// The settings naming the list start-up has just loaded do not read it again; a changed one is.
TEST_F(ImportTest, AnUnchangedListIsNotReadAgainButAChangedOneIs) {
  const std::string list = NumberedList(100);
  long long before = BytesRead();
  Start(list);
  const long long without_settings = BytesRead() - before;
  const std::string ini = "4\r\n4\r\nTrue x\r\nrelieve\r\n9.75\r\n";
  folder.Write("glosandas.ini", ini);
  before = BytesRead();
  Form1& f = Start(list);
  EXPECT_LE(BytesRead() - before - without_settings, static_cast<long long>(ini.size()) + 64);
  folder.Write("relieve.txt", NumberedList(3));
  f.MnuOpcArcLis_Click(0);
  EXPECT_EQ(f.NumEntradas, 3);
}

}  // namespace
}  // namespace glosandas::testing
