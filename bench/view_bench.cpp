#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QTableWidget>
#include <fstream>

#include "progress/progress.h"
#include "temp_folder.h"
#include "ui/qt/main_window.h"
#include "ui/qt/worksheet_pages.h"

namespace glosandas {
namespace {

struct Window {
  Window() : folder(scratch.path()) {
    std::ofstream list(folder / "relieve.txt", std::ios::binary);
    for (int k = 1; k <= 100; ++k) {
      list << "P>palabra" << k << "\r\nD>Una definici\xF3n de la palabra " << k << "\r\n";
    }
    list.close();
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})  // the lists it saves stay here
      setenv(name, (folder / name).c_str(), 1);
    window = std::make_unique<MainWindow>(folder);
    window->ShowStarted();
    QCoreApplication::processEvents();
  }
  ~Window() { window.reset(); }  // before its folder goes
  // Brings the widgets up to date and lets the window paint.
  void Show() {
    window->Render();
    QCoreApplication::processEvents();
  }
  testing::TempFolder scratch;
  std::filesystem::path folder;
  std::unique_ptr<MainWindow> window;
};

void BM_ClickRendered(benchmark::State& state) {
  Window w;
  Form1& f = w.window->form();
  int i = 0;
  for (auto _ : state) {
    // Word then definition: a join, then the next pair breaks and remakes joins.
    if (i % 2) {
      f.TbDef_Click(static_cast<Int>((i / 2) % f.NumDef));
    } else {
      f.TbPal_Click(static_cast<Int>((i / 2) % f.NumPal));
    }
    ++i;
    w.Show();
  }
}
BENCHMARK(BM_ClickRendered);

void BM_SiguienteRendered(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.window->form().CbSiguiente_Click();
    w.Show();
  }
}
BENCHMARK(BM_SiguienteRendered);

// The list editor opened on the list in force, 100 entries, shown and ready for typing.
void BM_EditorShown(benchmark::State& state) {
  Window w;
  QAction* edit = nullptr;
  for (QAction* a : w.window->findChildren<QAction*>())
    if (a->text() == "&Editar la lista actual...") edit = a;
  for (auto _ : state) {
    edit->trigger();
    QCoreApplication::processEvents();
    state.PauseTiming();
    auto* editor = w.window->findChild<QDialog*>("Editor");
    QMetaObject::invokeMethod(editor, "done", Q_ARG(int, 0));  // unchanged: closes at once
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_EditorShown)->Unit(benchmark::kMillisecond);

// A list of 100 entries saved from the editor: written, the menu read again, the list loaded
// and a new screen dealt and painted.
void BM_EditorSave(benchmark::State& state) {
  Window w;
  std::vector<Entrada> entries;
  for (Int e = 1; e <= 100; ++e) entries.push_back(w.window->form().Entradas(e));
  for (auto _ : state) {
    w.window->form().SaveList("relieve", entries);
    w.Show();
  }
}
BENCHMARK(BM_EditorSave)->Unit(benchmark::kMillisecond);

// 30 sheets of 10 words and 10 definitions from 100 entries, with their key, dealt and written as
// a PDF.
void BM_Worksheets30(benchmark::State& state) {
  Window w;
  Print print{.list = "relieve"};
  for (Int e = 1; e <= 100; ++e) print.entries.push_back(w.window->form().Entradas(e));
  for (auto _ : state) {
    print.sheets = DealWorksheets(print.entries, 30, 10, 10, w.window->form().Rnd());
    WritePrintPdf(w.folder / "fichas.pdf", print);
  }
}
BENCHMARK(BM_Worksheets30)->Unit(benchmark::kMillisecond);

// "Ver progreso..." opened and painted over 50 lists of 100 entries checked every day of a
// year, five lists a day, a screen of ten words each, a third of them wrong.
void BM_ProgressShown(benchmark::State& state) {
  Window w;
  {
    auto store = ProgressStore::Open(ProgressFile(w.window->Where().user_lists)).store;
    const long long today = QDate(1970, 1, 1).daysTo(QDate::currentDate());
    for (int day = 0; day < 365; ++day) {
      for (int k = 0; k < 5; ++k) {
        const int list = (day * 5 + k) % 50;
        std::vector<CheckedWord> words;
        for (int i = 0; i < 10; ++i) {
          const int entry = (day * 7 + i * 10 + k) % 100;
          const bool right = (day + i) % 3 != 0;
          words.push_back({"palabra" + std::to_string(entry), "definición " + std::to_string(entry),
                           right,
                           right ? "" : "definición " + std::to_string((entry + day) % 100)});
        }
        store->Record("lista" + std::to_string(list), words, today - 364 + day);
      }
    }
  }
  w.window->form().Archivo = "lista7";
  QAction* open = nullptr;
  for (QAction* a : w.window->findChildren<QAction*>())
    if (a->text() == "&Ver progreso...") open = a;
  for (auto _ : state) {
    open->trigger();
    auto* shown = w.window->findChild<QDialog*>("Progreso");
    shown->repaint();
    QCoreApplication::processEvents();
    state.PauseTiming();
    state.counters["lists"] = shown->findChild<QTableWidget*>("Cajas")->rowCount();
    shown->done(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ProgressShown)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glosandas

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
