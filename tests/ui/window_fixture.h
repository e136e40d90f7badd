// The window under test and what its tests and the session interpreter share: finding its
// widgets, maximising or resizing it, and what it shows, each widget checked against its record.
#pragma once

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QWindow>
#include <QtTest>
#include <map>
#include <memory>

#include "form_fixture.h"
#include "ui/qt/main_window.h"

namespace glosandas::testing {

class WindowFixture {
 protected:
  std::unique_ptr<MainWindow> w_;
  QStringList messages_;  // text and title of every box, in order

  template <typename W = QWidget>
  W* Find(const QString& name) {
    W* widget = w_->findChild<W*>(name);
    if (!widget) qFatal("no widget %s", qPrintable(name));
    return widget;
  }
  QWidget* Box(const char* kind, int i) {
    auto* box = Find(QString("%1_%2").arg(kind).arg(i));
    auto* text = qobject_cast<QTextEdit*>(box);
    return text ? text->viewport() : box;  // a text box is clicked through its viewport
  }
  // The options menu's entries in display order: the three count and file submenus, "Marcar
  // errores", the letter-size submenu, About, Salir.
  QList<QAction*> Options() { return w_->menuBar()->actions()[0]->menu()->actions(); }

  // Shows the started window and gives it the keys, as a window manager does.
  void Show() {
    w_->ShowStarted();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    QApplication::setActiveWindow(w_.get());
  }
  // Maximises or restores the window and waits (10 s at most) for the platform to report the
  // state: the window's own flags change when asked, the platform answers later (a Wayland
  // compositor's configure), and a window resized before the compositor has granted the restore
  // breaks the protocol.
  void SetState(Qt::WindowState state) {
    if ((w_->windowState() & ~Qt::WindowActive) == state) return;  // nothing asked, no answer
    struct Reported : QObject {
      Qt::WindowState state;
      bool seen = false;
      bool eventFilter(QObject* window, QEvent* e) override {
        seen |= e->type() == QEvent::WindowStateChange && e->spontaneous() &&
                static_cast<QWindow*>(window)->windowState() == state;
        return false;
      }
    } reported;
    reported.state = state;
    w_->windowHandle()->installEventFilter(&reported);
    state == Qt::WindowMaximized ? w_->showMaximized() : w_->showNormal();
    QTRY_VERIFY_WITH_TIMEOUT(reported.seen, 10000);
  }
  // A restored window's size is the program's to choose (a Wayland compositor does not answer
  // it), and the widget takes it at once: there is nothing more to wait for.
  void Resize(QSize size) {
    SetState(Qt::WindowNoState);
    if (!QTest::currentTestFailed()) w_->resize(size);
  }

  using State = std::map<QString, QString>;
  // What a learner can see and hear of the window, a line per control, from the records and the
  // widgets' focus; every widget and menu item is checked to show its record as it is read.
  State Snapshot();
};

}  // namespace glosandas::testing
