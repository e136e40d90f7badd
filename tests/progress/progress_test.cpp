#include "progress/progress.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <thread>

#include "form_fixture.h"

namespace glosandas {
namespace {

namespace fs = std::filesystem;
using Opened = ProgressStore::Opened;

TEST(Progress, BoxMovesAndDueDays) {
  const std::tuple<std::optional<int>, bool, int, int> rows[] = {
      {{}, false, 1, 0}, {{}, true, 2, 1}, {2, true, 3, 3},  {3, true, 4, 7},
      {4, true, 5, 14},  {5, true, 5, 14}, {4, false, 1, 0}, {5, false, 1, 0}};
  for (const auto& [box, right, next, due] : rows)
    EXPECT_EQ(std::pair(NextBox(box, right), DueAfterDays(next)), std::pair(next, due)) << next;
}

CheckedWord Right(std::string w, std::string d = "astro") { return {w, d, true, ""}; }
CheckedWord Wrong(std::string w, std::string d = "astro", std::string as = "") {
  return {w, d, false, as};
}
std::vector<CheckedWord> Many(int count, const CheckedWord& first) {
  std::vector<CheckedWord> words = {first};
  for (int i = 1; i < count; ++i) words.push_back(Wrong(std::to_string(i), std::string(300, 'd')));
  return words;
}

TEST(Progress, RecordThenProgress) {
  const auto sol = Right("sol"), luz = Right("luz");
  using Check = std::tuple<std::string, std::vector<CheckedWord>, long long>;  // none: erase
  const std::tuple<std::vector<Check>, std::map<std::string, ListProgress>> rows[] = {
      // Up to box 5 and no further; wrong from box 4.
      {{{"a", {sol, luz}, 1},
        {"a", {sol, luz}, 2},
        {"a", {sol, luz}, 4},
        {"a", {sol, Wrong("luz")}, 8},
        {"a", {sol}, 9},
        {"a", {sol}, 16}},
       {{"a", {{{"sol", "astro"}, {5, 16, 6, 0}}, {{"luz", "astro"}, {1, 8, 3, 1}}}}}},
      // Seen first: wrong to box 1, right to box 2; confusions counted, most first.
      {{{"a", {Wrong("sol", "astro", "mar"), Right("luz", "claridad")}, 1},
        {"a", {Wrong("sol", "astro", "río")}, 2},
        {"a", {Wrong("sol", "astro", "río")}, 3}},
       {{"a",
         {{{"sol", "astro"}, {1, 3, 0, 3, {{"río", 2}, {"mar", 1}}}},
          {{"luz", "claridad"}, {2, 1, 1, 0}}}}}},
      {{{"a", {sol}, 1}, {"a", {Wrong("sol", "estrella")}, 2}},  // an edited entry is new
       {{"a", {{{"sol", "astro"}, {2, 1, 1, 0}}, {{"sol", "estrella"}, {1, 2, 0, 1}}}}}},
      {{{"a", {sol}, 1}, {"b", {Wrong("sol", "astro", "x")}, 2}, {"b", {}, 3}, {"b", {sol}, 4}},
       {{"a", {{{"sol", "astro"}, {2, 1, 1, 0}}}}, {"b", {{{"sol", "astro"}, {2, 4, 1, 0}}}}}}};
  for (const auto& [checks, expected] : rows) {
    testing::TempFolder folder;
    auto store = ProgressStore::Open(folder.path() / "p.sqlite").store;
    for (const auto& [list, words, day] : checks)
      ASSERT_TRUE(words.empty() ? store->Erase(list) : store->Record(list, words, day));
    for (const auto& [list, progress] : expected) EXPECT_EQ(store->Progress(list), progress);
  }
}

TEST(Progress, WhatAProgressWindowShows) {
  testing::TempFolder folder;
  auto store = ProgressStore::Open(folder.path() / "p.sqlite").store;
  ASSERT_TRUE(store->Record("a", {Wrong("a", "1", "x"), Wrong("b"), Right("c"), Right("d")}, 1));
  ASSERT_TRUE(store->Record("a", {Wrong("b"), Right("c")}, 3) &&
              store->Record("z", {Wrong("e")}, 3));
  EXPECT_EQ(store->BoxCounts("a"), (std::array<int, kBoxes>{2, 1, 1, 0, 0}));
  EXPECT_EQ(store->MostMissed("a", 2),
            (std::vector<ProgressStore::Missed>{{"b", "astro", {1, 3, 0, 2}},
                                                {"a", "1", {1, 1, 0, 1, {{"x", 1}}}}}));
  EXPECT_EQ(store->Days(2, 9), (std::vector<ProgressStore::DayTally>{{3, 1, 2}}));
  // At one moment: every list's boxes, the hardest words, the 30 days up to today (3 to 32).
  const ProgressStore::Overview seen = store->Summary("a", 32);
  EXPECT_EQ(seen.lists, (decltype(seen.lists){{"a", {2, 1, 1, 0, 0}}, {"z", {1, 0, 0, 0, 0}}}));
  EXPECT_EQ(std::tuple(seen.missed.size(), seen.first_day, seen.days),
            std::tuple(2u, 3LL, store->Days(3, 3)));
}

TEST(Progress, OpeningWhatIsFound) {
  testing::TempFolder made;  // a real database, closed
  ProgressStore::Open(made.path() / "db").store->Record("a", Many(300, Right("sol")), 1);
  const std::string real = testing::ReadBytes(made.path() / "db");
  std::string newer = real, garbled = real, foreign = real;
  newer[63] = 99;                     // the schema version, in the file's header
  newer[18] = newer[19] = 1;          // and a rollback journal, which logging ahead would change
  foreign.replace(60, 4, 4, '\xff');  // a version below 0: not one of ours either
  garbled.replace(real.size() / 2, 4096, 4096, '\x7f');
  const std::time_t when = 1'800'000'000;
  char aside[64];
  std::strftime(aside, sizeof aside, "progreso.sqlite.dañado-%Y%m%d-%H%M%S", std::localtime(&when));
  const std::pair<std::map<std::string, std::string>, Opened> rows[] = {
      {{}, Opened::kFresh},
      {{{"p/progreso.sqlite", "no soy una base"}, {"p/progreso.sqlite-wal", "w"}},
       Opened::kMovedAside},
      {{{"p/progreso.sqlite", real.substr(0, real.size() / 2)}}, Opened::kMovedAside},
      {{{"p/progreso.sqlite", garbled}}, Opened::kMovedAside},
      {{{"p/progreso.sqlite", newer}}, Opened::kUnavailable},
      {{{"p/progreso.sqlite", foreign}}, Opened::kUnavailable},
      {{{"p", "the folder is a file"}}, Opened::kUnavailable},
      {{{"p/progreso.sqlite/x", "the database is a folder"}}, Opened::kUnavailable}};
  for (const auto& [files, outcome] : rows) {
    testing::TempFolder folder;
    for (const auto& [name, bytes] : files) folder.Write(name, bytes);
    const fs::path file = folder.path() / "p" / "progreso.sqlite";
    auto opening = ProgressStore::Open(file, when);
    ASSERT_EQ(std::pair(opening.outcome, !opening.store),
              std::pair(outcome, outcome == Opened::kUnavailable));
    for (const auto& [name, bytes] : files) {  // kept as found, or aside with its log
      const auto kept =
          outcome == Opened::kMovedAside ? std::string(name).replace(2, 15, aside) : name;
      EXPECT_EQ(testing::ReadBytes(folder.path() / kept), bytes) << kept;
    }
    if (!opening.store) continue;
    ASSERT_TRUE(opening.store->Record("a", {Right("sol")}, 3));
    EXPECT_TRUE(fs::exists(file.string() + "-wal"));  // write-ahead logging
    opening.store.reset();
    // Damaged again, twice, the same second: each kept under a name of its own.
    for (int n = files.empty() ? 1 : 2, last = n + 1; n <= last; ++n) {
      folder.Write("p/progreso.sqlite", "otra vez");
      EXPECT_EQ(ProgressStore::Open(file, when).moved_to.filename(),
                aside + (n == 1 ? "" : "-" + std::to_string(n)));
    }
  }
}

TEST(Progress, AFullDiskKeepsNothingOfTheCheck) {
  testing::TempFolder folder;
  const fs::path file = folder.path() / "p.sqlite";
  auto store = ProgressStore::Open(file).store;
  ASSERT_TRUE(store->Record("a", {Wrong("sol", "astro", "luz")}, 1));
  const ListProgress before = store->Progress("a");
  const auto many = Many(500, Right("sol"));
  rlimit old{}, full{};
  getrlimit(RLIMIT_FSIZE, &old);
  // Room for a few words of the check, not for all of them.
  full = {std::max(fs::file_size(file), fs::file_size(file.string() + "-wal")) + 16384,
          old.rlim_max};
  auto* handler = signal(SIGXFSZ, SIG_IGN);
  const bool recorded = setrlimit(RLIMIT_FSIZE, &full) == 0 && store->Record("a", many, 2);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, handler);
  EXPECT_FALSE(recorded);
  EXPECT_EQ(ProgressStore::Open(file).store->Progress("a"), before);
  EXPECT_TRUE(store->Record("a", many, 2));  // and it goes on once there is room
}

TEST(Progress, TwoProgramsBothRecord) {
  testing::TempFolder folder;
  auto store = ProgressStore::Open(folder.path() / "p.sqlite").store;
  sqlite3* other = nullptr;
  sqlite3_open((folder.path() / "p.sqlite").c_str(), &other);
  sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);  // the other one writing
  std::thread waiting([&] { EXPECT_TRUE(store->Record("a", {Right("sol")}, 1)); });
  // Late or not, the record must not fail: it waits for the other program's transaction.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  waiting.join();
  sqlite3_close(other);
}

TEST(Progress, ReviewGroups) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (const char* word : {"a", "b", "c", "d", "e", "f", "g"}) entries.emplace_back(word, "1");
  const ListProgress progress = {{{"a", "1"}, {1, 10}}, {{"b", "1"}, {2, 10}},
                                 {{"c", "1"}, {3, 5}},  {{"e", "1"}, {1, 10}},
                                 {{"f", "1"}, {5, 0}},  {{"x", "1"}, {1, 0}}};
  const std::pair<long long, std::vector<std::vector<int>>> rows[] = {
      {9, {{2}, {3, 6}, {0, 1, 4, 5}}},
      {10, {{0, 4}, {2}, {3, 6}, {1, 5}}},
      {11, {{0, 4}, {1}, {2}, {3, 6}, {5}}},
      {14, {{0, 4}, {1}, {2}, {5}, {3, 6}}}};
  for (const auto& [today, groups] : rows)
    EXPECT_EQ(ReviewGroups(entries, progress, today), groups) << today;
}

}  // namespace
}  // namespace glosandas
