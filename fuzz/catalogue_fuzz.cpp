// Bytes of a ".txt" file -> offered in the file menu or not, by its first line alone.
#include <algorithm>

#include "fuzz_folder.h"

using namespace glosandas;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::WriteFile("lista.txt", data, size);
  testing::RecordingPlatform platform;
  platform.folder = fuzzing::ScratchFolder();
  Form1 form(platform);
  form.ListarArchivos();
  // The first line, as far as the first 64 KiB go.
  const std::uint8_t* end = data + std::min<std::size_t>(size, 64 * 1024);
  const std::uint8_t* line_end = std::find(data, end, '\n');
  const bool offered = std::find(data, line_end, '>') != line_end;
  fuzzing::Require(form.MnuOpcArcLis.size() == 1);
  // A UTF-16 file is judged by its text, not its bytes.
  const bool utf16 =
      size >= 2 && (data[0] == 0xFF || data[0] == 0xFE) && data[0] + data[1] == 0x1FD;
  if (!utf16) fuzzing::Require(form.MnuOpcArcLis[0].Caption == (offered ? "lista" : "&Relieve"));
  return 0;
}
