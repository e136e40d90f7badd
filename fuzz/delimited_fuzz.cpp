// Bytes of a tab-separated, CSV or .txt file -> entries within a list's limits; the same bytes
// pasted in the list editor.
#include "fuzz_folder.h"
#include "wordlists/readers.h"

using namespace glosandas;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const char* name : {"lista.tsv", "lista.csv", "lista.txt"}) {
    fuzzing::WriteFile(name, data, size);
    fuzzing::CheckEntries(ReadAnyList(fuzzing::ScratchFolder() / name),
                          std::string_view(name).ends_with(".txt"));
  }
  PastedRows(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
