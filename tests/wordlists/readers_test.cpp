#include <sys/stat.h>

#include <map>

#include "form_fixture.h"
#include "wordlists/readers.h"

namespace glosandas::testing {
namespace {

using ImportTest = FormTest;  // the readers, and the loader in the window record

// Every format and code page, a file a line of readers.txt: what is read and how it went; and
// the rows the list editor makes of a clipboard.
TEST_F(ImportTest, ReadsEveryFormat) {
  const std::map<std::string, ReadResult::Outcome> outcomes = {
      {"read", ReadResult::kRead}, {"no-entry", ReadResult::kNoEntry},
      {"some-dropped", ReadResult::kSomeDropped}};
  const std::map<std::string, OpenFailure> unopened = {{"missing", OpenFailure::kMissing},
                                                       {"folder", OpenFailure::kFolder},
                                                       {"not-ordinary", OpenFailure::kNotOrdinary}};
  const auto rows = DataRows(GLOSANDAS_READERS);
  for (std::vector<std::string> f : rows) {
    f.resize(8);
    SCOPED_TRACE(f[0]);
    const bool pasted = f[0].starts_with("(pegado)");
    if (f[1] == "(folder)")
      std::filesystem::create_directory(folder.path() / f[0]);
    else if (f[1] == "(fifo)")
      mkfifo((folder.path() / f[0]).c_str(), 0600);
    else if (f[1] != "(none)" && !pasted)
      folder.Write(f[0], Bytes(f[1]));
    const ReadResult read = pasted ? ReadResult::Of(PastedRows(Bytes(f[1])), 0, true)
                                   : ReadAnyList(folder.path() / f[0]);
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

// A huge file that yields nothing more is read only so far past its last entry.
TEST_F(ImportTest, HugeFilesAreNotReadToTheEnd) {
  for (const char* name : {"grande.csv", "grande.kvtml"}) {
    SCOPED_TRACE(name);
    folder.Write(name, std::string(name).ends_with(".csv") ? "a;b\n" : "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\"><entries>");
    std::filesystem::resize_file(folder.path() / name, 1ull << 30);  // sparse: zeros
    const long long before = BytesRead();
    ReadAnyList(folder.path() / name);
    EXPECT_LT(BytesRead() - before, (1 << 20) + (128 << 10));  // 1 MiB and a buffer
  }
}

// What the list editor and the imports write reads back as it was, whatever the characters.
TEST_F(ImportTest, SavedListsReadBackAsWritten) {
  const std::vector<Entrada> entries = {
      {"Ã±", "mojibake that is valid UTF-8"}, {"cañón", "Windows-1252 €"},
      {"čeština", "beyond Windows-1252"},       {"P>x", "D>y"},
      {"\xC2\x81", "an undefined Windows-1252 byte"}, {std::string(100, 'w'), std::string(2000, 'd')}};
  for (const Entrada& e : entries) {
    SCOPED_TRACE(e.Palabra);
    folder.Write("l.txt", WordListBytes({e}));
    const ReadResult read = ReadAnyList(folder.path() / "l.txt");
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].Palabra, e.Palabra);
    EXPECT_EQ(read.entries[0].Definicion, e.Definicion);
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
