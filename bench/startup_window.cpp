// The real window, started as the program starts it, on the word lists beside this probe.
#include <QApplication>

#include "first_frame.h"
#include "ui/qt/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  glosandas::MainWindow window(QCoreApplication::applicationDirPath().toStdString());
  window.ShowStarted();
  FirstFrame probe(&window);
  return app.exec();
}
