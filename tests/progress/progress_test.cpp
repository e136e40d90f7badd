#include "progress/progress.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "temp_folder.h"

namespace glosandas {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(Progress, BoxMovesAndDueDays) {
  struct Row {
    std::optional<int> box;
    bool right;
    int next, due;
  } rows[] = {{{}, false, 1, 0}, {{}, true, 2, 1}, {2, true, 3, 3},  {3, true, 4, 7},
              {4, true, 5, 14},  {5, true, 5, 14}, {4, false, 1, 0}, {5, false, 1, 0}};
  for (const Row& r : rows) {
    EXPECT_EQ(NextBox(r.box, r.right), r.next) << r.box.value_or(0) << r.right;
    EXPECT_EQ(DueAfterDays(r.next), r.due) << r.next;
  }
}

struct Check {
  std::string list;
  std::vector<CheckedWord> words;
  long long day;
};
CheckedWord Right(std::string w, std::string d) { return {w, d, true, ""}; }
CheckedWord Wrong(std::string w, std::string d, std::string taken = "") {
  return {w, d, false, taken};
}

TEST(Progress, RecordThenProgress) {
  const auto sol = Right("sol", "astro"), mal = Wrong("sol", "astro");
  struct Row {
    const char* name;
    std::vector<Check> checks;
    ListProgress expected;  // of list "a"
  } rows[] = {
      {"first right", {{"a", {sol}, 9}}, {{{"sol", "astro"}, {2, 9, 1, 0, {}}}}},
      {"first wrong",
       {{"a", {Wrong("sol", "astro", "luz")}, 9}},
       {{{"sol", "astro"}, {1, 9, 0, 1, {{"luz", 1}}}}}},
      {"right up to 5",
       {{"a", {sol}, 1}, {"a", {sol}, 2}, {"a", {sol}, 4}, {"a", {sol}, 8}, {"a", {sol}, 16}},
       {{{"sol", "astro"}, {5, 16, 5, 0, {}}}}},
      {"wrong from 4",
       {{"a", {sol}, 1}, {"a", {sol}, 2}, {"a", {sol}, 4}, {"a", {mal}, 5}},
       {{{"sol", "astro"}, {1, 5, 3, 1, {}}}}},
      {"confusions counted, most first",
       {{"a", {Wrong("sol", "astro", "mar"), Right("luz", "claridad")}, 1},
        {"a", {Wrong("sol", "astro", "río")}, 2},
        {"a", {Wrong("sol", "astro", "río")}, 3}},
       {{{"sol", "astro"}, {1, 3, 0, 3, {{"río", 2}, {"mar", 1}}}},
        {{"luz", "claridad"}, {2, 1, 1, 0, {}}}}},
      {"an edited entry is new",
       {{"a", {sol}, 1}, {"a", {Wrong("sol", "estrella")}, 2}},
       {{{"sol", "astro"}, {2, 1, 1, 0, {}}}, {{"sol", "estrella"}, {1, 2, 0, 1, {}}}}},
      {"two lists apart",
       {{"b", {mal}, 1}, {"a", {sol}, 2}, {"b", {mal}, 3}},
       {{{"sol", "astro"}, {2, 2, 1, 0, {}}}}},
  };
  for (const Row& r : rows) {
    TempFolder folder;
    auto store = ProgressStore::Open(folder.path() / "p.sqlite").store;
    for (const Check& c : r.checks) ASSERT_TRUE(store->Record(c.list, c.words, c.day)) << r.name;
    EXPECT_EQ(store->Progress("a"), r.expected) << r.name;
    // What was recorded is in the file, not only in this connection.
    store = ProgressStore::Open(folder.path() / "p.sqlite").store;
    EXPECT_EQ(store->Progress("a"), r.expected) << r.name;
  }
}

TEST(Progress, EraseForgetsOneList) {
  TempFolder folder;
  auto store = ProgressStore::Open(folder.path() / "p.sqlite").store;
  ASSERT_TRUE(store->Record("a", {Wrong("sol", "astro", "luz")}, 1));
  ASSERT_TRUE(store->Record("b", {Wrong("sol", "astro", "luz")}, 1));
  const ListProgress b = store->Progress("b");
  ASSERT_TRUE(store->Erase("a"));
  EXPECT_TRUE(store->Progress("a").empty());
  EXPECT_EQ(store->Progress("b"), b);
  ASSERT_TRUE(store->Record("a", {Right("sol", "astro")}, 2));  // starts afresh, no old confusion
  EXPECT_EQ(store->Progress("a"), (ListProgress{{{"sol", "astro"}, {2, 2, 1, 0, {}}}}));
}

std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& f : fs::recursive_directory_iterator(folder)) {
    std::ostringstream bytes;
    if (!f.is_regular_file()) continue;
    bytes << std::ifstream(f.path(), std::ios::binary).rdbuf();
    files[fs::relative(f.path(), folder)] = bytes.str();
  }
  return files;
}

// A real database of one list, closed (its log folded into the file).
std::string RealDatabase() {
  TempFolder folder;
  std::vector<CheckedWord> words;
  for (int i = 0; i < 300; ++i) words.push_back(Wrong("w" + std::to_string(i), "d", "x"));
  ProgressStore::Open(folder.path() / "db").store->Record("a", words, 1);
  return Snapshot(folder.path())["db"];
}

std::string NewerDatabase() {
  TempFolder folder;
  sqlite3* db = nullptr;
  sqlite3_open((folder.path() / "db").c_str(), &db);
  sqlite3_exec(db, "CREATE TABLE t (x); PRAGMA user_version = 99", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return Snapshot(folder.path())["db"];
}

TEST(Progress, OpeningWhatIsFound) {
  const std::string real = RealDatabase();
  const std::time_t when = 1'800'000'000;  // a fixed moment names what is moved aside
  struct Row {
    const char* name;
    std::map<std::string, std::string> files;  // in the folder before
    ProgressStore::Opened outcome;
  } rows[] = {
      {"nothing yet", {}, ProgressStore::Opened::kFresh},
      {"garbage",
       {{"p/progreso.sqlite", "no soy una base"}, {"p/progreso.sqlite-wal", "wal"}},
       ProgressStore::Opened::kMovedAside},
      {"truncated",
       {{"p/progreso.sqlite", real.substr(0, real.size() / 2)}},
       ProgressStore::Opened::kMovedAside},
      {"newer", {{"p/progreso.sqlite", NewerDatabase()}}, ProgressStore::Opened::kUnavailable},
      {"folder is a file", {{"p", "x"}}, ProgressStore::Opened::kUnavailable},
      {"database is a folder", {{"p/progreso.sqlite/x", ""}}, ProgressStore::Opened::kUnavailable},
  };
  for (const Row& r : rows) {
    TempFolder folder;
    for (const auto& [name, bytes] : r.files) folder.Write(name, bytes);
    const auto before = Snapshot(folder.path());
    const fs::path file = folder.path() / "p" / "progreso.sqlite";
    auto opening = ProgressStore::Open(file, when);
    ASSERT_EQ(opening.outcome, r.outcome) << r.name;
    if (r.outcome == ProgressStore::Opened::kUnavailable) {
      EXPECT_FALSE(opening.store) << r.name;
      EXPECT_EQ(Snapshot(folder.path()), before) << r.name;  // left untouched
      continue;
    }
    if (r.outcome == ProgressStore::Opened::kMovedAside) {
      // Kept beside, with its log; a second damaged file the same second does not replace it.
      EXPECT_EQ(
          opening.moved_to.filename(), "progreso.sqlite.dañado-" +
                                           [&] {
                                             char stamp[32];
                                             std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S",
                                                           std::localtime(&when));
                                             return std::string(stamp);
                                           }())
          << r.name;
      const auto after = Snapshot(folder.path());
      for (const auto& [name, bytes] : before) {
        const std::string kept = std::regex_replace(name, std::regex("progreso.sqlite"),
                                                    opening.moved_to.filename().string());
        EXPECT_EQ(after.count(kept) ? after.at(kept) : "(none)", bytes) << r.name << " " << kept;
      }
      opening.store.reset();
      folder.Write("p/progreso.sqlite", "otra vez");
      auto again = ProgressStore::Open(file, when);
      EXPECT_EQ(again.moved_to.string(), opening.moved_to.string() + "-2") << r.name;
      opening.store = std::move(again.store);
    }
    ASSERT_TRUE(opening.store->Record("a", {Right("sol", "astro")}, 3)) << r.name;
    EXPECT_EQ(opening.store->Progress("a").size(), 1u) << r.name;
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    char** table = nullptr;
    sqlite3_get_table(db, "PRAGMA journal_mode", &table, nullptr, nullptr, nullptr);
    EXPECT_STREQ(table[1], "wal") << r.name;
    sqlite3_free_table(table);
    sqlite3_close(db);
  }
}

TEST(Progress, AFullDiskKeepsNothingOfTheCheck) {
  TempFolder folder;
  const fs::path file = folder.path() / "p.sqlite";
  auto store = ProgressStore::Open(file).store;
  ASSERT_TRUE(store->Record("a", {Wrong("sol", "astro", "luz")}, 1));
  const ListProgress before = store->Progress("a");
  std::vector<CheckedWord> many = {Right("sol", "astro")};
  for (int i = 0; i < 500; ++i) many.push_back(Wrong(std::to_string(i), std::string(300, 'd')));
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit full = old;
  full.rlim_cur = std::max(fs::file_size(file), fs::file_size(file.string() + "-wal"));
  auto* handler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &full);
  const bool recorded = store->Record("a", many, 2);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, handler);
  EXPECT_FALSE(recorded);
  EXPECT_EQ(store->Progress("a"), before);
  EXPECT_EQ(ProgressStore::Open(file).store->Progress("a"), before);
  EXPECT_TRUE(store->Record("a", many, 2));  // and it goes on once there is room
}

TEST(Progress, ReviewGroups) {
  const std::vector<std::pair<std::string, std::string>> entries = {
      {"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"f", "6"}, {"g", "7"}};
  const ListProgress progress = {{{"a", "1"}, {1, 10}}, {{"b", "2"}, {2, 10}},
                                 {{"c", "3"}, {3, 5}},  {{"e", "5"}, {1, 10}},
                                 {{"f", "6"}, {5, 0}},  {{"x", "9"}, {1, 0}}};
  const struct {
    long long today;
    std::vector<std::vector<int>> groups;
  } rows[] = {{9, {{2}, {3, 6}, {0, 1, 4, 5}}},
              {10, {{0, 4}, {2}, {3, 6}, {1, 5}}},
              {11, {{0, 4}, {1}, {2}, {3, 6}, {5}}},
              {14, {{0, 4}, {1}, {2}, {5}, {3, 6}}}};
  for (const auto& r : rows)
    EXPECT_EQ(ReviewGroups(entries, progress, r.today), r.groups) << r.today;
}

TEST(Progress, LocalDay) {
  const std::string tz = getenv("TZ") ? getenv("TZ") : "";
  const struct {
    const char* tz;
    std::time_t when;
    long long day;
  } rows[] = {
      {"UTC0", 0, 0},          {"EST5", 5 * 3600 - 1, -1},   {"EST5", 5 * 3600, 0},
      {"JST-9", -9 * 3600, 0}, {"JST-9", -9 * 3600 - 1, -1}, {"UTC0", 20'000 * 86'400, 20'000}};
  for (const auto& r : rows) {
    setenv("TZ", r.tz, 1);
    tzset();
    EXPECT_EQ(LocalDay(r.when), r.day) << r.tz << " " << r.when;
  }
  tz.empty() ? unsetenv("TZ") : setenv("TZ", tz.c_str(), 1);
  tzset();
}

}  // namespace
}  // namespace glosandas
