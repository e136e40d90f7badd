// Glosandas: match words with their definitions.
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/fault_texts.h"
#include "ui/qt/main_window.h"
#include "ui/qt/worksheet_command.h"

namespace {

int signal_pipe[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(signal_pipe[1], &byte, 1);
}

// A variable that is unset or empty.
bool Unset(const char* name) {
  const char* value = std::getenv(name);
  return !value || !*value;
}

// SIGTERM, SIGINT and SIGHUP close the window the ordinary way, so the settings are kept; false
// when they cannot be caught.
bool CatchSignals() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_pipe) != 0) return false;
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
  return true;
}

// Without a display the toolkit would abort with its own words: ours say so, and what works
// without one.
bool NoDisplay() {
  if (!Unset("QT_QPA_PLATFORM") || !Unset("DISPLAY") || !Unset("WAYLAND_DISPLAY")) return false;
  std::fputs(
      "glosandas: no hay ninguna pantalla donde abrir la ventana (no están definidas DISPLAY "
      "ni WAYLAND_DISPLAY).\nPara escribir fichas sin ventana: glosandas --lista LISTA --pdf "
      "ARCHIVO.pdf\n"
      "Para exportar una lista sin ventana: glosandas --lista LISTA --exportar FORMATO --salida "
      "ARCHIVO\n",
      stderr);
  return true;
}

// Each signal caught ends the program through the window, once the event loop reads it.
void ForwardSignals(QApplication& app, glosandas::MainWindow*& window) {
  auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [&window] {
    char byte;
    [[maybe_unused]] const ssize_t n = ::read(signal_pipe[0], &byte, 1);
    // A signal while start-up waits on a box: nothing of this run is worth keeping, and the
    // options in force are not yet the user's, so nothing may be written.
    if (!window) std::_Exit(0);
    window->EndBySignal();
  });
}

// The window, until it closes.
int RunWindow(char** argv, const glosandas::CommandLine& line);

// The worksheets, made with the toolkit's offscreen platform whatever the arguments or the
// environment ask for: no display is needed, and the toolkit has nothing to say.
int RunWorksheets(char* program, const glosandas::WorksheetOptions& sheets) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The toolkit looks into the session's runtime folder as it starts; without one it warns and
  // makes one under /tmp. It gets a private empty one of ours for that moment instead.
  std::string runtime;
  if (Unset("XDG_RUNTIME_DIR")) {
    const char* tmp = std::getenv("TMPDIR");
    runtime = std::string(tmp && *tmp ? tmp : "/tmp") + "/.glosandas-temporal-XXXXXX";
    if (::mkdtemp(runtime.data())) {
      ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    } else {
      runtime.clear();
    }
  }
  int argc = 1;
  char* argv[] = {program, nullptr};
  QGuiApplication app(argc, argv);
  if (!runtime.empty()) {
    ::unsetenv("XDG_RUNTIME_DIR");
    ::rmdir(runtime.c_str());
  }
  return glosandas::RunWorksheetCommand(
      sheets, glosandas::FoldersFor(QCoreApplication::applicationDirPath().toStdString(),
                                    GLOSANDAS_SYSTEM_INSTALL));
}

}  // namespace

int main(int argc, char** argv) {
  // A write beyond a file-size limit fails like one on a full disk instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);

  const glosandas::CommandLine line =
      glosandas::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (line.fault.kind != glosandas::CommandLineFault::kNone) {
    std::fprintf(stderr, "glosandas: %s\nPruebe «glosandas --help».\n",
                 glosandas::CommandLineFaultText(line.fault).c_str());
    return 2;
  }
  if (line.help || line.version) {
    const std::string text =
        line.help ? glosandas::WorksheetHelp() : "glosandas " GLOSANDAS_VERSION "\n";
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
  }
  if (line.sheets) return RunWorksheets(argv[0], *line.sheets);
  if (line.exported) {
    // Only the program's folder is asked of the toolkit: no platform is loaded.
    int argc_core = 1;
    QCoreApplication app(argc_core, argv);
    return glosandas::RunExportCommand(
        *line.exported, glosandas::FoldersFor(QCoreApplication::applicationDirPath().toStdString(),
                                              GLOSANDAS_SYSTEM_INSTALL));
  }
  if (!line.platform_chosen && NoDisplay()) return 1;

  return RunWindow(argv, line);
}

namespace {

int RunWindow(char** argv, const glosandas::CommandLine& line) {
  // The handlers go in first: a signal that comes early waits in the pipe until an event loop runs.
  const bool signals_caught = CatchSignals();

  // The toolkit sees only what comes before a lone "--"; after it, every argument is a file.
  int toolkit_argc = 1 + static_cast<int>(line.toolkit_args);
  QApplication app(toolkit_argc, argv);
  app.setApplicationName("Glosandas");
  glosandas::MainWindow* window = nullptr;  // set once start-up, settings read, is over
  if (signals_caught) ForwardSignals(app, window);
  glosandas::MainWindow main_window(QCoreApplication::applicationDirPath().toStdString(),
                                    GLOSANDAS_SYSTEM_INSTALL);
  window = &main_window;

  // The desktop session ending, or anything else that ends the event loop, closes the window
  // first; closing saves the settings once, however many of these arrive.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, window,
                   [window](QSessionManager&) { window->close(); });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, window, [window] { window->close(); });

  window->ShowStarted();
  // Files named on the command line (a file manager's "Open with") are lists to import, named by
  // their bytes as given: a name need not be UTF-8. They are read once the event loop runs, so
  // that a signal while one of their boxes is open ends the program like any other.
  std::vector<std::filesystem::path> files;
  for (const std::string& file : line.files) files.push_back(std::filesystem::absolute(file));
  QTimer::singleShot(0, window, [window, files] {
    if (window->isVisible()) window->OpenFiles(files);  // not once a signal has closed it
  });
  return app.exec();
}

}  // namespace
