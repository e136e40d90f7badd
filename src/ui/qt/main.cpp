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

#include "ui/qt/main_window.h"
#include "ui/qt/worksheet_pages.h"

namespace {

int signal_pipe[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(signal_pipe[1], &byte, 1);
}

}  // namespace

int main(int argc, char** argv) {
  // Worksheets from the command line: no window, no settings, no display needed.
  std::string error;
  const std::optional<glosandas::WorksheetOptions> sheets =
      glosandas::ParseWorksheetOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!error.empty()) {
    std::fprintf(stderr, "glosandas: %s\nPruebe «glosandas --help».\n", error.c_str());
    return 2;
  }
  if (sheets && sheets->help) {
    std::fputs(glosandas::kWorksheetHelp, stdout);
    return 0;
  }
  if (sheets) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return glosandas::RunWorksheetCommand(
        *sheets, glosandas::FoldersFor(QCoreApplication::applicationDirPath().toStdString(),
                                       GLOSANDAS_SYSTEM_INSTALL));
  }

  // A write beyond a file-size limit fails like one on a full disk instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // SIGTERM, SIGINT and SIGHUP close the window the ordinary way, so the settings are kept. The
  // handlers go in first: a signal that comes early waits in the pipe until an event loop runs.
  const bool signals_caught =
      ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_pipe) == 0;
  if (signals_caught) {
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
  }

  QApplication app(argc, argv);
  app.setApplicationName("Glosandas");
  glosandas::MainWindow* window = nullptr;  // set once start-up, settings read, is over
  if (signals_caught) {
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
  for (int i = 1; i < argc; ++i) files.push_back(std::filesystem::absolute(argv[i]));
  QTimer::singleShot(0, window, [window, files] {
    if (window->isVisible()) window->OpenFiles(files);  // not once a signal has closed it
  });
  return app.exec();
}
