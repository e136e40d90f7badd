// The floor: an empty maximised main window.
#include <QApplication>
#include <QMainWindow>

#include "first_frame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.showMaximized();
  FirstFrame probe(&window);
  return app.exec();
}
