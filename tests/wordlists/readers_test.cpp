#include "wordlists/readers.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <zip.h>
#include <zstd.h>

#include <list>
#include <map>
#include <sstream>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

using ImportTest = FormTest;  // the readers, and the loader in the window record

// A package of "NAME=CONTENT" members, a line each. CONTENT: "sql:" the database the statements
// make, "wal:" in front marking it for a write-ahead log, "zstd:" compressing it; else bytes.
void WritePackage(const std::filesystem::path& path, const std::string& members) {
  std::list<std::string> contents;  // read at zip_close
  zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
  std::istringstream lines(members);
  for (std::string line; std::getline(lines, line);) {
    std::string name = line.substr(0, line.find('=')), content = line.substr(name.size() + 1);
    const bool wal = content.starts_with("wal:"), zstd = content.substr(wal * 4, 5) == "zstd:";
    content.erase(0, wal * 4 + zstd * 5);
    if (content.starts_with("sql:")) {
      sqlite3* db = nullptr;
      sqlite3_open(":memory:", &db);
      EXPECT_EQ(sqlite3_exec(db, content.c_str() + 4, nullptr, nullptr, nullptr), SQLITE_OK);
      sqlite3_int64 size = 0;
      unsigned char* image = sqlite3_serialize(db, "main", &size, 0);
      content.assign(reinterpret_cast<char*>(image), static_cast<std::size_t>(size));
      sqlite3_free(image);
      sqlite3_close(db);
      if (wal) content[18] = content[19] = 2;
    }
    if (zstd) {
      std::string packed(ZSTD_compressBound(content.size()), '\0');
      packed.resize(ZSTD_compress(packed.data(), packed.size(), content.data(), content.size(), 1));
      content = packed;
    }
    const std::string& kept = contents.emplace_back(std::move(content));
    const zip_int64_t member =
        zip_file_add(zip, name.c_str(), zip_source_buffer(zip, kept.data(), kept.size(), 0), 0);
    zip_set_file_compression(zip, static_cast<zip_uint64_t>(member), ZIP_CM_DEFLATE, 1);
  }
  ASSERT_EQ(zip_close(zip), 0);
}

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
