// What the learner has shown they know: each entry's box, when it is due again, and the
// definitions it was taken for, kept per user in a SQLite database of its own.
#pragma once

#include <array>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;

namespace glosandas {

// ---- the boxes ----
inline constexpr int kBoxes = 5;
// The box an entry goes to after a check: an entry never seen (no box) enters box 1 when wrong
// and box 2 when right; after that, right moves it up one box (5 at most), wrong to box 1.
int NextBox(std::optional<int> box, bool right);
// Days after its last check an entry of `box` (1 to 5) is due again: 0, 1, 3, 7, 14.
int DueAfterDays(int box);

// ---- what one check of a screen records ----
struct CheckedWord {
  std::string word, definition;  // the entry, as the list holds it
  bool right = false;
  std::string taken_for;  // a wrong join: the definition the word was joined to; else empty
};

// An entry's progress; an entry is its list's name, word and definition (an edited entry is a
// new one; the list's order does not matter).
struct EntryProgress {
  int box = 0;        // 1 to 5
  long long day = 0;  // of its last check, days since 1970-01-01 (local time)
  int right = 0, wrong = 0;
  std::vector<std::pair<std::string, int>> confusions;  // definition, times; most first
  bool operator==(const EntryProgress&) const = default;
};
using ListProgress = std::map<std::pair<std::string, std::string>, EntryProgress>;

// ---- the store ----
class ProgressStore {
 public:
  enum class Opened {
    kFresh,        // opened (or made)
    kMovedAside,   // the file was not a sound database: kept as `moved_to`, a fresh one made
    kUnavailable,  // the folder or the file cannot be written, or the file is of a newer
                   // version or one below 0 (left untouched): nothing is recorded this run
  };
  struct Opening {
    std::unique_ptr<ProgressStore> store;  // null when kUnavailable
    Opened outcome = Opened::kFresh;
    std::filesystem::path moved_to;
  };
  // Opens or makes the database `file` (its folder made too), upgrading an older schema. `now`
  // names a damaged file kept aside.
  static Opening Open(const std::filesystem::path& file, std::time_t now = std::time(nullptr));
  ~ProgressStore();
  ProgressStore(const ProgressStore&) = delete;
  ProgressStore& operator=(const ProgressStore&) = delete;

  // One check of a screen of `list` on `day`, in one transaction: each word's box moved, its
  // counts and confusions added. False when it could not be written (nothing of it kept).
  bool Record(const std::string& list, const std::vector<CheckedWord>& words, long long day);
  // Every entry of `list` with progress.
  ListProgress Progress(const std::string& list);
  // Forgets `list`'s progress. False when it could not be written.
  bool Erase(const std::string& list);

  // ---- what a progress window shows ----
  // How many entries of `list` are in each box; [0] is box 1.
  std::array<int, kBoxes> BoxCounts(const std::string& list);
  // The `count` entries of `list` wrong most often, most first (the list's order among equals is
  // not kept: the store does not know it; word and definition decide).
  struct Missed {
    std::string word, definition;
    EntryProgress progress;
    bool operator==(const Missed&) const = default;
  };
  std::vector<Missed> MostMissed(const std::string& list, int count = 10);
  // The checks of every list on each day from `first` to `last`; days without any are left out.
  struct DayTally {
    long long day = 0;
    int right = 0, wrong = 0;
    bool operator==(const DayTally&) const = default;
  };
  std::vector<DayTally> Days(long long first, long long last);
  // Every list with progress, by name, with how many of its entries are in each box.
  std::vector<std::pair<std::string, std::array<int, kBoxes>>> Lists();

  // What the progress window shows, read at one moment: the boxes of every list, the words of
  // `list` wrong most often and the checks of the `kShownDays` days up to `today`.
  static constexpr int kShownMissed = 10, kShownDays = 30;
  struct Overview {
    std::vector<std::pair<std::string, std::array<int, kBoxes>>> lists;
    std::vector<Missed> missed;
    long long first_day = 0;  // the first of the days shown
    std::vector<DayTally> days;
  };
  Overview Summary(const std::string& list, long long today);

 private:
  explicit ProgressStore(sqlite3* db) : db_(db) {}
  bool Write(const std::string& list, const std::vector<CheckedWord>& words, long long day);
  sqlite3* db_;
};

// Where the progress is kept: progreso/progreso.sqlite in the user's lists folder.
std::filesystem::path ProgressFile(const std::filesystem::path& user_lists);

// ---- the review deal ----
// The order in which a review screen takes its words: first the entries due (on `today`) in
// the lowest boxes, box by box, then the entries never seen, then the rest. Entries are given
// and returned as indexes into `entries`; each group in the list's order (the deal draws within
// a group); empty groups are left out.
std::vector<std::vector<int>> ReviewGroups(
    const std::vector<std::pair<std::string, std::string>>& entries, const ListProgress& progress,
    long long today);

// How a review screen draws its words: ReviewGroups, the first group first; and, for each entry,
// the definitions it was taken for, most first.
struct ReviewPlan {
  std::vector<std::vector<int>> groups;
  std::vector<std::vector<std::string>> confusions;
};
ReviewPlan PlanReview(const std::vector<std::pair<std::string, std::string>>& entries,
                      const ListProgress& progress, long long today);

}  // namespace glosandas
