#include <benchmark/benchmark.h>

#include <fstream>

#include "files/atomic_file.h"
#include "package_writer.h"
#include "progress/progress.h"
#include "recording_platform.h"
#include "temp_folder.h"
#include "worksheets/export.h"

namespace glosandas {
namespace {

std::string List(int entries) {
  std::string out;
  for (int k = 1; k <= entries; ++k) {
    out += "P>palabra" + std::to_string(k) + "\r\nD>Definici\xF3n n\xFAmero " + std::to_string(k) +
           ", con algo m\xE1s de texto para que pese como una de verdad.\r\n";
  }
  return out;
}

struct Folder : testing::TempFolder {
  Folder() { platform.folder = path(); }
  testing::RecordingPlatform platform;
};

// A started window on a 100-entry list, showing ten words and ten definitions.
struct TenByTen {
  TenByTen() : form(folder.platform) {
    folder.Write("relieve.txt", List(100));
    form.Form_Load();
    form.MnuOpcPalLis_Click(9);
  }
  Folder folder;
  Form1 form;
};

void BM_DealTenByTen(benchmark::State& state) {
  TenByTen screen;
  for (auto _ : state) screen.form.NuevaPantalla();
}
BENCHMARK(BM_DealTenByTen);

void BM_CheckFullBoard(benchmark::State& state) {
  TenByTen screen;
  for (int i = 0; i < 10; ++i) {
    screen.form.TbPal_Click(static_cast<Int>(i));
    screen.form.TbDef_Click(static_cast<Int>(9 - i));
  }
  for (auto _ : state) {
    screen.form.CbComprobar_Click();
    screen.folder.platform.messages.clear();
  }
}
BENCHMARK(BM_CheckFullBoard);

// Two lists alternate so that every load really reads its file. The second has a long tail
// beyond its 100th entry, which must cost nothing.
void BM_LoadHundredEntries(benchmark::State& state) {
  Folder folder;
  folder.Write("relieve.txt", List(100));
  folder.Write("a.txt", List(100));
  folder.Write("b.txt", List(100) + (state.range(0) ? List(20000) : ""));
  Form1 form(folder.platform);
  form.Form_Load();
  bool flip = false;
  for (auto _ : state) {
    form.Archivo = (flip = !flip) ? "a" : "b";
    form.CargarArchivo();
  }
}
BENCHMARK(BM_LoadHundredEntries)->Arg(0)->Arg(1);

// The file menu built over a folder of n lists (warm cache), optionally with a 1 GiB file.
void BM_Catalogue(benchmark::State& state) {
  Folder folder;
  const int files = static_cast<int>(state.range(0));
  for (int i = 0; i < files; ++i) folder.Write("lista" + std::to_string(i) + ".txt", List(30));
  if (state.range(1)) {
    folder.Write("grande.txt", "P>");
    std::filesystem::resize_file(folder.path() / "grande.txt", 1ull << 30);
  }
  for (auto _ : state) {
    Form1 form(folder.platform);
    form.ListarArchivos();
    benchmark::DoNotOptimize(form.MnuOpcArcLis.size());
  }
  state.counters["per_file"] =
      benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_Catalogue)->Args({10, 0})->Args({1000, 0})->Args({10000, 0})->Args({1000, 1});

// One check of ten words recorded into a store holding 50 lists of 100 entries; the checks go
// round the list, so that new entries and moved ones both count.
void BM_RecordCheckOfTen(benchmark::State& state) {
  testing::TempFolder folder;
  auto store = ProgressStore::Open(ProgressFile(folder.path())).store;
  auto words = [](int first) {
    std::vector<CheckedWord> ten;
    for (int k = first; k < first + 10; ++k) {
      ten.push_back({"palabra" + std::to_string(k % 100),
                     "Definici\xC3\xB3n n\xC3\xBAmero " + std::to_string(k % 100) +
                         ", con algo m\xC3\xA1s de texto para que pese como una de verdad.",
                     k % 3 != 0, k % 3 != 0 ? "" : "otra definici\xC3\xB3n"});
    }
    return ten;
  };
  for (int list = 0; list < 50; ++list)
    for (int first = 0; first < 100; first += 10)
      store->Record("lista" + std::to_string(list), words(first), 1);
  long long day = 2;
  int first = 0;
  for (auto _ : state) {
    if (!store->Record("lista7", words(first), day++)) state.SkipWithError("not recorded");
    first = (first + 10) % 200;  // half of them entries not seen yet at the first round
  }
}
BENCHMARK(BM_RecordCheckOfTen)->Unit(benchmark::kMillisecond);

// A 100-entry list exported in each format written (by default: one question of every entry),
// then written atomically as a file.
void BM_ExportHundredEntries(benchmark::State& state) {
  const ListFormat& format = *ExportFormats().at(static_cast<std::size_t>(state.range(0)));
  state.SetLabel(std::string(format.name));
  std::vector<Entrada> entries;
  for (int k = 1; k <= kMaxEntradas; ++k)
    entries.push_back({"palabra" + std::to_string(k), "Definición número " + std::to_string(k) +
                                                          ", con algo más de texto & <señas>."});
  testing::TempFolder folder;
  Random random;
  for (auto _ : state) {
    const Exported out = ExportList(format, "lista", entries, {}, random);
    WriteFileAtomically(folder.path() / "lista", out.bytes);
  }
}
BENCHMARK(BM_ExportHundredEntries)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
// A flashcard package of 10,000 notes with HTML and sounds (the newest form beside its
// placeholder) opened and saved as a list, as an import does: the list saved is removed after
// each run, so that each one writes it again.
void BM_ImportPackage(benchmark::State& state) {
  Folder folder;
  folder.Write("relieve.txt", List(100));
  std::filesystem::create_directories(folder.platform.Where().user_lists);
  testing::WritePackage(
      folder.path() / "mazo.apkg",
      "collection.anki2=sql:CREATE TABLE notes(id INTEGER PRIMARY KEY, flds TEXT);"
      "INSERT INTO notes VALUES(1, 'Actualice' || char(31) || 'Please update')\n"
      "collection.anki21b=zstd:sql:CREATE TABLE notes(id INTEGER PRIMARY KEY, flds TEXT);"
      "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < 10000) "
      "INSERT INTO notes SELECT x, 'palabra' || x || char(31) || '<b>Definici&oacute;n</b> n' "
      "|| x || ', con algo m&aacute;s de texto<br>[sound:n' || x || '.mp3]' FROM c");
  Form1 form(folder.platform);
  form.Form_Load();
  for (auto _ : state) {
    if (!form.ImportLists({folder.path() / "mazo.apkg"})) state.SkipWithError("not imported");
    state.PauseTiming();
    std::filesystem::remove(folder.platform.Where().user_lists / "mazo.txt");
    folder.platform.messages.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ImportPackage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glosandas
