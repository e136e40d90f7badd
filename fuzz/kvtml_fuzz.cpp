// Bytes of a KVTML document -> entries within a list's limits.
#include "fuzz_folder.h"
#include "wordlists/readers.h"

using namespace glosandas;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::WriteFile("lista.kvtml", data, size);
  fuzzing::CheckEntries(ReadAnyList(fuzzing::ScratchFolder() / "lista.kvtml"));
  return 0;
}
