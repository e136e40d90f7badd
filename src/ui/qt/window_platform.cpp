// The Platform port as the window implements it: boxes, the window's height, the clock, fonts
// and numbers as this screen and locale show them.
#include <QFontInfo>
#include <QLocale>
#include <QScreen>
#include <cmath>

#include "text/text.h"
#include "ui/qt/main_window.h"
#include "ui/qt/text_conversion.h"
#include "ui/qt/window_widgets.h"

namespace glosandas {

void MainWindow::MsgBox(const std::string& prompt, const std::string& title) {
  if (ending_) return;
  Render();  // the learner sees the board as it stands while the box waits
  QMessageBox box(QMessageBox::NoIcon, Q(title.empty() ? kAppTitle : title), Q(prompt),
                  QMessageBox::Ok, isVisible() ? this : nullptr);
  ReturnFocusAfter(&box);
  if (on_message_box) on_message_box(box);
  box.exec();
}

void MainWindow::Maximize() { maximize_requested_ = true; }

int MainWindow::OuterHeightTwips() {
  int pixels = frameGeometry().height();
  // Before it is shown, a window that is to be maximised is as tall as the screen lets it be:
  // the window manager only grants the size once the window is mapped.
  if (maximize_requested_ && !isVisible()) {
    if (QScreen* s = screen()) pixels = s->availableGeometry().height();
  }
  return static_cast<int>(std::lround(pixels / PixelsPerTwip()));
}

void MainWindow::Unload() { close(); }

int MainWindow::Second() { return clock_().second(); }
int MainWindow::Minute() { return clock_().minute(); }
int MainWindow::Hour() { return clock_().hour(); }

float MainWindow::FontSizeShown(float points) {
  // From the pixels the font has on this screen: Qt's font cache may hand back a font made for a
  // printer or a PDF at the same pixel size, whose own point size is another device's.
  const int pixels = QFontInfo(FontFor(form_.TbDef[0].FontName, points)).pixelSize();
  return static_cast<float>(pixels * 72.0 / logicalDpiY());
}

std::string MainWindow::NumberText(float value) {
  // The shortest text that reads back as the same single-precision value, in the user's locale.
  QString text = Q(ShortestText(value));
  text.replace('.', QLocale::system().decimalPoint());
  text.replace('-', QLocale::system().negativeSign());
  return text.toStdString();
}

}  // namespace glosandas
