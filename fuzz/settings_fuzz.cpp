// Bytes of glosandas.ini applied at the start of a window with a short word list.
#include "fuzz_folder.h"

using namespace glosandas;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    std::ofstream(fuzzing::ScratchFolder() / "relieve.txt")
        << "P>a\r\nD>b\r\nP>c\r\nD>d\r\nP>e\r\nD>f\r\nP>g\r\nD>h\r\nP>i\r\nD>j\r\nP>k\r\nD>l\r\n";
    std::ofstream(fuzzing::ScratchFolder() / "bosque.txt") << "P>x\r\nD>y\r\n";
    return true;
  }();
  (void)ready;
  fuzzing::WriteFile("glosandas.ini", data, size);
  testing::RecordingPlatform platform;
  platform.folder = fuzzing::ScratchFolder();
  Form1 form(platform);
  form.Form_Load();
  fuzzing::CheckRecord(form);
  return 0;
}
