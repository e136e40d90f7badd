// The floor for a window that shows any text: an empty maximised main window with one menu,
// which makes the toolkit start its font system as every window with text must.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "first_frame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&Opciones");
  window.showMaximized();
  FirstFrame probe(&window);
  return app.exec();
}
