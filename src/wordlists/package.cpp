// Flashcard programs' packages: a zip holding the collection, a SQLite database (compressed with
// zstd in the newest). Everything is read in memory, and every size is bounded before the bytes
// behind it are decompressed: a package comes from anywhere.
#include <sqlite3.h>
#include <unistd.h>
#include <zip.h>
#include <zstd.h>

#include <array>
#include <chrono>
#include <memory>

#include "wordlists/readers.h"

namespace glosandas {

namespace {

// The largest collection read, uncompressed: a package claiming more is taken for a bomb.
constexpr std::size_t kMaxCollection = std::size_t{64} << 20;
constexpr int kMaxWindowLog = 26;  // zstd's window: no more than the collection itself
// Zeros after the database image, so that a damaged one read past its end reads only zeros.
constexpr std::size_t kPadding = 64 << 10;
// The time the query may take: a view standing for the notes could run for ever.
constexpr auto kQueryTime = std::chrono::seconds(1);
// The newest form first: newer packages hold a placeholder collection.anki2 beside the real one,
// with a single note asking to update.
constexpr std::array<const char*, 3> kCollections = {"collection.anki21b", "collection.anki21",
                                                     "collection.anki2"};
constexpr char kFieldSeparator = '\x1f';

struct ZipDiscard {
  void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct ZipFileClose {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct DctxFree {
  void operator()(ZSTD_DCtx* dctx) const { ZSTD_freeDCtx(dctx); }
};
struct DbClose {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalize {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

// A member name that would point outside a folder it were extracted to: absolute, or with "..".
bool Escapes(std::string_view name) {
  if (name.starts_with('/') || name.starts_with('\\') || (name.size() > 1 && name[1] == ':'))
    return true;
  for (std::size_t start = 0; start <= name.size();) {
    const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
    if (name.substr(start, end - start) == "..") return true;
    start = end + 1;
  }
  return false;
}

// The bytes of member `index`, when the central directory gives it no more than the bound and
// it holds what it says; each read bounded by what was said.
std::optional<std::string> ReadMember(zip_t* zip, zip_uint64_t index) {
  zip_stat_t stat;
  if (zip_stat_index(zip, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
      stat.size > kMaxCollection) {
    return std::nullopt;
  }
  std::unique_ptr<zip_file_t, ZipFileClose> member(zip_fopen_index(zip, index, 0));
  if (!member) return std::nullopt;
  std::string bytes;
  bytes.reserve(stat.size + kPadding);  // room for the zeros after a database, without a copy
  bytes.resize(stat.size + 1);          // one more, to see a member longer than it says
  std::size_t got = 0;
  for (zip_int64_t n; got < bytes.size(); got += static_cast<std::size_t>(n)) {
    n = zip_fread(member.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0) return std::nullopt;
    if (n == 0) break;
  }
  if (got != stat.size) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

// zstd frames decompressed, or nothing when they are damaged or hold more than the bound.
std::optional<std::string> Decompress(const std::string& in) {
  std::unique_ptr<ZSTD_DCtx, DctxFree> dctx(ZSTD_createDCtx());
  if (!dctx ||
      ZSTD_isError(ZSTD_DCtx_setParameter(dctx.get(), ZSTD_d_windowLogMax, kMaxWindowLog))) {
    return std::nullopt;
  }
  // The size the frame says it holds is refused before anything is decompressed; a frame that
  // does not say is bounded as it is decompressed.
  const unsigned long long said = ZSTD_getFrameContentSize(in.data(), in.size());
  if (said != ZSTD_CONTENTSIZE_UNKNOWN && said > kMaxCollection) return std::nullopt;
  std::string out;
  // Reserved whole (pages not written cost no memory), so that growing never copies it.
  out.reserve((said == ZSTD_CONTENTSIZE_UNKNOWN ? kMaxCollection : said) + kPadding);
  ZSTD_inBuffer input{in.data(), in.size(), 0};
  std::array<char, 1 << 16> chunk;
  for (;;) {
    ZSTD_outBuffer output{chunk.data(), chunk.size(), 0};
    const std::size_t left = ZSTD_decompressStream(dctx.get(), &output, &input);
    if (ZSTD_isError(left) || out.size() + output.pos > kMaxCollection) return std::nullopt;
    out.append(chunk.data(), output.pos);
    if (left == 0 && input.pos == input.size) return out;
    // Everything flushed and nothing more to read: the frame is cut short.
    if (input.pos == input.size && output.pos < output.size) return std::nullopt;
  }
}

// A field up to its first byte that is not UTF-8; a field of megabytes costs no more than the
// bytes a list may hold past an entry.
std::string Utf8Start(std::string_view field) {
  std::string out(field.substr(0, kReadPastEntry));
  out.resize(ValidUtf8Prefix(out));
  return out;
}

bool IsWritten(std::string_view field) {
  return field.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

// SQLite's progress handler: nonzero stops the query once the time given has passed.
int PastDeadline(void* deadline) {
  return std::chrono::steady_clock::now() >
         *static_cast<const std::chrono::steady_clock::time_point*>(deadline);
}

// The notes of a collection's image, in the order of their ids: the first field the word, the
// second the definition, both HTML.
ReadResult ReadCollection(std::string image) {
  ReadResult unreadable;
  unreadable.outcome = ReadResult::kUnreadable;
  // The write-ahead log's flags (2) as the rollback journal's (1): SQLite opens no write-ahead
  // log in memory.
  if (image.size() > 19) image.replace(18, 2, 2, 1);
  const std::size_t size = image.size();
  image.resize(size + kPadding, '\0');
  sqlite3* opened = nullptr;
  const int open = sqlite3_open_v2(":memory:", &opened, SQLITE_OPEN_READWRITE, nullptr);
  std::unique_ptr<sqlite3, DbClose> db(opened);
  if (open != SQLITE_OK) return unreadable;
  sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(db.get(), SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  if (sqlite3_deserialize(db.get(), "main", reinterpret_cast<unsigned char*>(image.data()), size,
                          image.size(), SQLITE_DESERIALIZE_READONLY) != SQLITE_OK) {
    return unreadable;
  }
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::now() + kQueryTime;
  sqlite3_progress_handler(db.get(), 1000, PastDeadline, &deadline);
  sqlite3_stmt* prepared = nullptr;
  const int prepare = sqlite3_prepare_v2(db.get(), "SELECT flds FROM notes ORDER BY id LIMIT ?", -1,
                                         &prepared, nullptr);
  std::unique_ptr<sqlite3_stmt, StmtFinalize> query(prepared);
  if (prepare != SQLITE_OK) return unreadable;
  const std::size_t most = kMaxEntradas + kCountedEntries;
  sqlite3_bind_int64(query.get(), 1, static_cast<sqlite3_int64>(most));
  std::vector<Entrada> entries;
  std::size_t found = 0, notes = 0;
  int step;
  while ((step = sqlite3_step(query.get())) == SQLITE_ROW) {
    ++notes;
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 0));
    const std::string_view fields(text ? text : "",
                                  static_cast<std::size_t>(sqlite3_column_bytes(query.get(), 0)));
    const std::size_t split = fields.find(kFieldSeparator);
    if (split == std::string_view::npos) continue;
    const std::string_view word = fields.substr(0, split), rest = fields.substr(split + 1);
    const std::string_view definition = rest.substr(0, rest.find(kFieldSeparator));
    if (entries.size() == kMaxEntradas) {  // only counted from here on
      found += IsWritten(word) && IsWritten(definition);
      continue;
    }
    Entrada entry{CleanField(Utf8Start(word), kPalabraLen, Html::kYes),
                  CleanField(Utf8Start(definition), kDefinicionLen, Html::kYes)};
    if (entry.Palabra.empty() || entry.Definicion.empty()) continue;
    ++found;
    entries.push_back(std::move(entry));
  }
  if (step != SQLITE_DONE) return unreadable;
  return ReadResult::Of(std::move(entries), found, notes < most);
}

}  // namespace

ReadResult ReadPackage(const std::filesystem::path& file) {
  ReadResult result;
  const int fd = OpenOrdinaryFile(file, result.why);
  if (fd < 0) {
    result.outcome = ReadResult::kCannotOpen;
    return result;
  }
  result.outcome = ReadResult::kUnreadable;
  int error = 0;
  std::unique_ptr<zip_t, ZipDiscard> zip(zip_fdopen(fd, 0, &error));
  if (!zip) {
    ::close(fd);  // still ours when libzip did not take it
    return result;
  }
  const zip_int64_t members = zip_get_num_entries(zip.get(), 0);
  for (zip_int64_t k = 0; k < members; ++k) {
    const char* name = zip_get_name(zip.get(), static_cast<zip_uint64_t>(k), ZIP_FL_ENC_RAW);
    if (!name || Escapes(name)) return result;
  }
  for (const char* collection : kCollections) {
    const zip_int64_t index = zip_name_locate(zip.get(), collection, ZIP_FL_ENC_RAW);
    if (index < 0) continue;
    std::optional<std::string> image = ReadMember(zip.get(), static_cast<zip_uint64_t>(index));
    if (image && collection == kCollections[0]) image = Decompress(*image);
    return image ? ReadCollection(std::move(*image)) : result;
  }
  return result;
}

}  // namespace glosandas
