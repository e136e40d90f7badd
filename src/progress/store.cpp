#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <system_error>

#include "progress/progress.h"

namespace glosandas {

namespace {

// How the schema grows: step k takes a file of version k to version k + 1 (0 is an empty file).
// A step once shipped is never edited; a change is a new step at the end.
constexpr const char* kSchemaSteps[] = {
    // The entries: the box, the day of the last check and the counts live with the entry, so
    // that a list's boxes and its most missed words are read from one table by its key.
    "CREATE TABLE entry ("
    "  id INTEGER PRIMARY KEY,"
    "  list TEXT NOT NULL, word TEXT NOT NULL, definition TEXT NOT NULL,"
    "  box INTEGER NOT NULL CHECK (box BETWEEN 1 AND 5),"
    "  day INTEGER NOT NULL,"
    "  hits INTEGER NOT NULL, misses INTEGER NOT NULL,"
    "  UNIQUE (list, word, definition));"
    // The definitions a word was taken for, and how often.
    "CREATE TABLE confusion ("
    "  entry INTEGER NOT NULL REFERENCES entry (id),"
    "  taken_for TEXT NOT NULL, times INTEGER NOT NULL,"
    "  PRIMARY KEY (entry, taken_for)) WITHOUT ROWID;"
    // The checks of each list summed per day, so that a month of them is a range read.
    "CREATE TABLE daily ("
    "  list TEXT NOT NULL, day INTEGER NOT NULL,"
    "  hits INTEGER NOT NULL, misses INTEGER NOT NULL,"
    "  PRIMARY KEY (list, day)) WITHOUT ROWID;"
    "CREATE INDEX daily_by_day ON daily (day);",
};
constexpr int kSchemaVersion = std::size(kSchemaSteps);

// Two programs may record at once; the second waits this long for the first's transaction.
constexpr int kBusyMilliseconds = 5000;

// A prepared statement that finalises itself; `ok` turns false at the first failed bind.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) ok = false;
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int at, const std::string& text) {
    if (ok && sqlite3_bind_text(stmt_, at, text.data(), static_cast<int>(text.size()),
                                SQLITE_TRANSIENT) != SQLITE_OK)
      ok = false;
    return *this;
  }
  Statement& Bind(int at, long long number) {
    if (ok && sqlite3_bind_int64(stmt_, at, number) != SQLITE_OK) ok = false;
    return *this;
  }
  // SQLITE_ROW, SQLITE_DONE or the error; a failed bind or prepare is SQLITE_MISUSE.
  int Step() { return ok ? sqlite3_step(stmt_) : SQLITE_MISUSE; }
  // Runs a statement that returns no rows, ready to run again with new bindings.
  bool Run() {
    const bool done = Step() == SQLITE_DONE;
    Reset();
    return done;
  }
  void Reset() { sqlite3_reset(stmt_); }
  long long Integer(int column) const { return sqlite3_column_int64(stmt_, column); }
  std::string Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string(text, sqlite3_column_bytes(stmt_, column)) : std::string();
  }

  bool ok = true;

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

bool Exec(sqlite3* db, const char* sql) {
  return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Reads one integer or text a pragma answers; the SQLite result code is kept in `rc`.
struct Answer {
  int rc = SQLITE_OK;
  std::string text;
};
Answer Ask(sqlite3* db, const char* sql) {
  Statement s(db, sql);
  Answer answer;
  answer.rc = s.ok ? s.Step() : sqlite3_errcode(db);
  if (answer.rc == SQLITE_ROW) {
    answer.text = s.Text(0);
    answer.rc = SQLITE_OK;
  }
  return answer;
}

// The file holds something that is not a sound database (rather than being busy or unreadable).
bool Damaged(int rc) {
  rc &= 0xff;
  return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT;
}

// Moves `from` to `to` unless `to` exists.
bool MoveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system that cannot refuse by itself.
  std::error_code ec;
  if (std::filesystem::exists(to, ec) || ec) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

// Keeps a damaged database (and its journals) beside it, under a name saying that it was damaged
// and when; an earlier one is never overwritten. Returns the new name, empty when it failed.
std::filesystem::path MoveAside(const std::filesystem::path& file, std::time_t now) {
  constexpr const char* kJournals[] = {"-wal", "-shm", "-journal"};
  char stamp[32];
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::string base = file.string() + ".dañado-" + stamp;
  for (int n = 1; n < 100; ++n) {
    const std::string to = n == 1 ? base : base + "-" + std::to_string(n);
    std::error_code ec;
    bool taken = false;  // the file itself is refused by the move
    for (const char* journal : kJournals)
      taken = taken || std::filesystem::exists(to + journal, ec);
    if (taken) continue;
    if (!MoveWithoutReplacing(file, to)) {
      if (errno == EEXIST) continue;
      return {};
    }
    // The journals go with it: a fresh database must not meet its predecessor's.
    for (const char* journal : kJournals) {
      const std::string from = file.string() + journal;
      if (std::filesystem::exists(from, ec) && !MoveWithoutReplacing(from, to + journal)) return {};
    }
    return to;
  }
  return {};
}

enum class Check { kSound, kDamaged, kNewer, kFailed };

// Whether the open file can be used as it is, without writing anything to it.
Check Examine(sqlite3* db) {
  const Answer version = Ask(db, "PRAGMA user_version");
  if (version.rc != SQLITE_OK) return Damaged(version.rc) ? Check::kDamaged : Check::kFailed;
  if (std::stoll(version.text) > kSchemaVersion) return Check::kNewer;
  const Answer check = Ask(db, "PRAGMA quick_check(1)");
  if (check.rc != SQLITE_OK) return Damaged(check.rc) ? Check::kDamaged : Check::kFailed;
  return check.text == "ok" ? Check::kSound : Check::kDamaged;
}

// Brings the schema up to date in one transaction; false for a version it does not know or a
// failure.
bool Upgrade(sqlite3* db) {
  if (!Exec(db, "BEGIN IMMEDIATE")) return false;
  const Answer version = Ask(db, "PRAGMA user_version");
  bool ok = version.rc == SQLITE_OK;
  const int from = ok ? std::stoi(version.text) : 0;
  // Another program may have upgraded it meanwhile; a version below 0 is not one of ours.
  ok = ok && from >= 0 && from <= kSchemaVersion;
  for (int step = from; ok && step < kSchemaVersion; ++step) ok = Exec(db, kSchemaSteps[step]);
  const std::string set = "PRAGMA user_version = " + std::to_string(kSchemaVersion);
  ok = ok && (from == kSchemaVersion || Exec(db, set.c_str())) && Exec(db, "COMMIT");
  if (!ok) Exec(db, "ROLLBACK");
  return ok;
}

// Opens `file` for writing; null when it cannot be.
sqlite3* OpenFile(const std::filesystem::path& file) {
  sqlite3* db = nullptr;
  const int rc =
      sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  // A file we may only read opens read-only without an error.
  if (rc != SQLITE_OK || sqlite3_db_readonly(db, "main") != 0) {
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kBusyMilliseconds);
  sqlite3_extended_result_codes(db, 1);
  // Until the file is known to be ours and sound, closing must not fold a log into it or delete
  // the log: a damaged file is kept as it was found.
  sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  return db;
}

}  // namespace

ProgressStore::Opening ProgressStore::Open(const std::filesystem::path& file, std::time_t now) {
  Opening opening;
  opening.outcome = Opened::kUnavailable;
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  if (ec) return opening;
  // Programs opening it take turns, each holding the turn until its file is whole: one that
  // finds it damaged moves it aside and makes a fresh one before the next looks at it.
  struct Turn {
    int fd = -1;
    ~Turn() {
      if (fd >= 0) ::close(fd);
    }
  } turn;
  turn.fd =
      ::open((file.parent_path() / ".progreso-turno").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (turn.fd >= 0) ::flock(turn.fd, LOCK_EX);
  sqlite3* db = OpenFile(file);
  if (!db) return opening;
  Check check = Examine(db);
  if (check == Check::kDamaged) {
    sqlite3_close(db);
    opening.moved_to = MoveAside(file, now);
    if (opening.moved_to.empty() || !(db = OpenFile(file))) return opening;
    check = Examine(db);
  }
  // Write-ahead logging lets a reader and a writer go on together; where the file system
  // cannot share memory the mode stays a rollback journal.
  const bool wal =
      check == Check::kSound &&
      sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr) == SQLITE_OK &&
      Ask(db, "PRAGMA journal_mode = WAL").text == "wal";
  if (check != Check::kSound ||
      !(wal ? Exec(db, "PRAGMA synchronous = NORMAL") : Exec(db, "PRAGMA journal_mode = DELETE")) ||
      !Upgrade(db)) {
    sqlite3_close(db);
    return opening;
  }
  opening.store.reset(new ProgressStore(db));
  opening.outcome = opening.moved_to.empty() ? Opened::kFresh : Opened::kMovedAside;
  return opening;
}

ProgressStore::~ProgressStore() { sqlite3_close(db_); }

bool ProgressStore::Record(const std::string& list, const std::vector<CheckedWord>& words,
                           long long day) {
  if (!Exec(db_, "BEGIN IMMEDIATE")) return false;
  if (Write(list, words, day) && Exec(db_, "COMMIT")) return true;
  Exec(db_, "ROLLBACK");
  return false;
}

bool ProgressStore::Write(const std::string& list, const std::vector<CheckedWord>& words,
                          long long day) {
  Statement find(db_, "SELECT id, box FROM entry WHERE list = ? AND word = ? AND definition = ?");
  Statement add(db_,
                "INSERT INTO entry (list, word, definition, box, day, hits, misses)"
                " VALUES (?, ?, ?, ?, ?, ?, ?)");
  Statement update(db_,
                   "UPDATE entry SET box = ?, day = ?, hits = hits + ?, misses = misses + ?"
                   " WHERE id = ?");
  Statement confuse(db_,
                    "INSERT INTO confusion (entry, taken_for, times) VALUES (?, ?, 1)"
                    " ON CONFLICT DO UPDATE SET times = times + 1");
  Statement daily(db_,
                  "INSERT INTO daily (list, day, hits, misses) VALUES (?, ?, ?, ?)"
                  " ON CONFLICT DO UPDATE SET hits = hits + excluded.hits,"
                  " misses = misses + excluded.misses");
  long long hits = 0;
  for (const CheckedWord& w : words) {
    find.Bind(1, list).Bind(2, w.word).Bind(3, w.definition);
    const int found = find.Step();
    if (found != SQLITE_ROW && found != SQLITE_DONE) return false;
    long long id = found == SQLITE_ROW ? find.Integer(0) : 0;
    const std::optional<int> box =
        found == SQLITE_ROW ? std::optional<int>(static_cast<int>(find.Integer(1))) : std::nullopt;
    find.Reset();
    const int next = NextBox(box, w.right);
    hits += w.right;
    if (box) {
      if (!update.Bind(1, next).Bind(2, day).Bind(3, w.right).Bind(4, !w.right).Bind(5, id).Run())
        return false;
    } else {
      if (!add.Bind(1, list)
               .Bind(2, w.word)
               .Bind(3, w.definition)
               .Bind(4, next)
               .Bind(5, day)
               .Bind(6, w.right)
               .Bind(7, !w.right)
               .Run())
        return false;
      id = sqlite3_last_insert_rowid(db_);
    }
    if (!w.right && !w.taken_for.empty() && !confuse.Bind(1, id).Bind(2, w.taken_for).Run())
      return false;
  }
  const long long misses = static_cast<long long>(words.size()) - hits;
  return words.empty() || daily.Bind(1, list).Bind(2, day).Bind(3, hits).Bind(4, misses).Run();
}

ListProgress ProgressStore::Progress(const std::string& list) {
  ListProgress progress;
  // One read transaction: both queries see the same moment even while another program records
  // (or the caller's, when it reads more at the same moment).
  const bool own = sqlite3_get_autocommit(db_) != 0;
  if (own) Exec(db_, "BEGIN");
  Statement entries(db_,
                    "SELECT word, definition, box, day, hits, misses FROM entry WHERE list = ?");
  entries.Bind(1, list);
  while (entries.Step() == SQLITE_ROW) {
    EntryProgress& p = progress[{entries.Text(0), entries.Text(1)}];
    p.box = static_cast<int>(entries.Integer(2));
    p.day = entries.Integer(3);
    p.right = static_cast<int>(entries.Integer(4));
    p.wrong = static_cast<int>(entries.Integer(5));
  }
  Statement confusions(db_,
                       "SELECT word, definition, taken_for, times FROM confusion"
                       " JOIN entry ON entry.id = confusion.entry WHERE list = ?"
                       " ORDER BY times DESC, taken_for");
  confusions.Bind(1, list);
  while (confusions.Step() == SQLITE_ROW) {
    progress[{confusions.Text(0), confusions.Text(1)}].confusions.emplace_back(
        confusions.Text(2), static_cast<int>(confusions.Integer(3)));
  }
  if (own) Exec(db_, "COMMIT");
  return progress;
}

bool ProgressStore::Erase(const std::string& list) {
  if (!Exec(db_, "BEGIN IMMEDIATE")) return false;
  Statement confusions(
      db_, "DELETE FROM confusion WHERE entry IN (SELECT id FROM entry WHERE list = ?)");
  Statement entries(db_, "DELETE FROM entry WHERE list = ?");
  Statement daily(db_, "DELETE FROM daily WHERE list = ?");
  if (confusions.Bind(1, list).Run() && entries.Bind(1, list).Run() && daily.Bind(1, list).Run() &&
      Exec(db_, "COMMIT"))
    return true;
  Exec(db_, "ROLLBACK");
  return false;
}

std::array<int, kBoxes> ProgressStore::BoxCounts(const std::string& list) {
  std::array<int, kBoxes> counts{};
  Statement boxes(db_, "SELECT box, count(*) FROM entry WHERE list = ? GROUP BY box");
  boxes.Bind(1, list);
  while (boxes.Step() == SQLITE_ROW) {
    const long long box = boxes.Integer(0);
    if (box >= 1 && box <= kBoxes) counts[box - 1] = static_cast<int>(boxes.Integer(1));
  }
  return counts;
}

std::vector<ProgressStore::Missed> ProgressStore::MostMissed(const std::string& list, int count) {
  // A list holds a few hundred entries at most: reading them all is cheaper than a second query
  // for the confusions of each.
  std::vector<Missed> missed;
  for (auto& [entry, progress] : Progress(list))
    if (progress.wrong > 0) missed.push_back({entry.first, entry.second, std::move(progress)});
  std::stable_sort(missed.begin(), missed.end(), [](const Missed& a, const Missed& b) {
    return a.progress.wrong > b.progress.wrong;
  });
  if (static_cast<int>(missed.size()) > count) missed.resize(std::max(count, 0));
  return missed;
}

std::vector<ProgressStore::DayTally> ProgressStore::Days(long long first, long long last) {
  std::vector<DayTally> days;
  Statement tallies(db_,
                    "SELECT day, sum(hits), sum(misses) FROM daily WHERE day BETWEEN ? AND ?"
                    " GROUP BY day ORDER BY day");
  tallies.Bind(1, first).Bind(2, last);
  while (tallies.Step() == SQLITE_ROW) {
    days.push_back({tallies.Integer(0), static_cast<int>(tallies.Integer(1)),
                    static_cast<int>(tallies.Integer(2))});
  }
  return days;
}

std::vector<std::pair<std::string, std::array<int, kBoxes>>> ProgressStore::Lists() {
  std::vector<std::pair<std::string, std::array<int, kBoxes>>> lists;
  Statement boxes(db_, "SELECT list, box, count(*) FROM entry GROUP BY list, box ORDER BY list");
  while (boxes.Step() == SQLITE_ROW) {
    std::string list = boxes.Text(0);
    if (lists.empty() || lists.back().first != list) lists.push_back({std::move(list), {}});
    const long long box = boxes.Integer(1);
    if (box >= 1 && box <= kBoxes)
      lists.back().second[box - 1] = static_cast<int>(boxes.Integer(2));
  }
  return lists;
}

ProgressStore::Overview ProgressStore::Summary(const std::string& list, long long today) {
  Overview overview;
  Exec(db_, "BEGIN");  // one moment, even while another program records
  overview.lists = Lists();
  overview.missed = MostMissed(list, kShownMissed);
  overview.first_day = today - kShownDays + 1;
  overview.days = Days(overview.first_day, today);
  Exec(db_, "COMMIT");
  return overview;
}

std::filesystem::path ProgressFile(const std::filesystem::path& user_lists) {
  return user_lists / "progreso" / "progreso.sqlite";
}

}  // namespace glosandas
