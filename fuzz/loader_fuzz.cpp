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
  fuzzing::WriteFile("lista.txt", data, size);
  form->Archivo = "lista";
  form->CargarArchivo();
  form->NuevaPantalla();
  fuzzing::CheckRecord(*form);
  platform.messages.clear();
  return 0;
}
