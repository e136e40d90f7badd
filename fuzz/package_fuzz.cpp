// Bytes -> a flashcard package: the first byte says whether the rest is the package itself, or
// the collection a package holds (as collection.anki2, or zstd-compressed as collection.anki21b)
// so that the database reader is reached past the zip's checksums.
#include <zip.h>

#include "fuzz_folder.h"
#include "wordlists/readers.h"

using namespace glosandas;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::filesystem::path package = fuzzing::ScratchFolder() / "mazo.apkg";
  if (data[0] % 3 == 0) {
    fuzzing::WriteFile("mazo.apkg", data + 1, size - 1);
  } else {
    zip_t* zip = zip_open(package.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    const zip_int64_t member =
        zip_file_add(zip, data[0] % 3 == 1 ? "collection.anki2" : "collection.anki21b",
                     zip_source_buffer(zip, data + 1, size - 1, 0), 0);
    zip_set_file_compression(zip, static_cast<zip_uint64_t>(member), ZIP_CM_STORE, 0);
    fuzzing::Require(zip_close(zip) == 0);
  }
  fuzzing::CheckEntries(ReadAnyList(package));
  return 0;
}
