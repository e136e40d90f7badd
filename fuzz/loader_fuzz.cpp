// Bytes of a word-list file -> entries, counts and a dealt screen.
#include "fuzz_folder.h"

using namespace glosandas;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static testing::RecordingPlatform platform;
  static Form1* form = [] {
    platform.folder = fuzzing::ScratchFolder();
    std::ofstream(platform.folder / "relieve.txt") << "P>a\r\nD>b\r\nP>c\r\nD>d\r\n";
    auto* f = new Form1(platform);
    f->Form_Load();
    return f;
  }();
  // Two names in turn: an unchanged list is not read again, and a file rewritten within one
  // clock tick with the same size would look unchanged.
  static bool flip = false;
  flip = !flip;
  fuzzing::WriteFile(flip ? "a.txt" : "b.txt", data, size);
  form->Archivo = flip ? "a" : "b";
  form->CargarArchivo();
  form->NuevaPantalla();
  fuzzing::CheckRecord(*form);
  platform.messages.clear();
  return 0;
}
