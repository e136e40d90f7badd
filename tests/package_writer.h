// Flashcard packages written for the reader table and the benchmarks.
#pragma once

#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

#include <filesystem>
#include <list>
#include <sstream>
#include <stdexcept>
#include <string>

namespace glosandas::testing {

// A package of "NAME=CONTENT" members, a line each. CONTENT: "sql:" the database the statements
// make, "wal:" in front marking it for a write-ahead log, "zstd:" compressing it; else bytes.
inline void WritePackage(const std::filesystem::path& path, const std::string& members) {
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
      if (sqlite3_exec(db, content.c_str() + 4, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
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
  if (zip_close(zip) != 0) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace glosandas::testing
