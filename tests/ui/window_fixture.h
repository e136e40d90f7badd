// The window under test and what its tests and the session interpreter share: finding its
// widgets, maximising or resizing it, and checking that every widget shows its record.
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
  QAction* Item(int submenu, int i) { return Options()[submenu]->menu()->actions()[i]; }

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

  // Every widget and menu item shows its record: text, geometry, colour, visibility, enabled,
  // read-only, alignment, tooltip, font; check mark, enabled state and caption.
  void CheckRendered() {
    const Form1& f = w_->form();
    const auto geometry = [this](float l, float t, float w, float h) {
      return QRect(w_->Px(l), w_->Px(t), w_->Px(w), w_->Px(h));
    };
    const auto box = [&](const TextBox& b, const QString& name) {
      auto* widget = w_->findChild<QWidget*>(name);
      QVERIFY2(widget || !b.Visible, qPrintable(name));  // built when first shown
      if (!widget) return;
      auto* line = qobject_cast<QLineEdit*>(widget);
      auto* text = qobject_cast<QTextEdit*>(widget);
      const std::uint32_t c = b.BackColor;
      const Qt::Alignment align =
          line ? line->alignment() : text->document()->defaultTextOption().alignment();
      // What the widget shows, and what the record says it should; CR LF shows as one break.
      QCOMPARE(
          std::tuple(line ? line->text() : text->toPlainText(), widget->geometry(),
                     widget->palette().color(QPalette::Base),
                     widget->isVisibleTo(widget->parentWidget()), widget->isEnabled(),
                     line ? line->isReadOnly() : text->isReadOnly(),
                     (align & Qt::AlignHCenter) != 0, widget->toolTip().toStdString(),
                     widget->font().pointSizeF()),
          std::tuple(QString::fromStdString(b.Text).remove('\r'),
                     geometry(b.Left, b.Top, b.Width, b.Height),
                     QColor(c & 0xFF, (c >> 8) & 0xFF, c >> 16), b.Visible, b.Enabled, b.Locked,
                     b.Alignment == Align::kCenter, b.ToolTipText, qreal(b.FontSize)));
    };
    QCOMPARE(w_->findChildren<QLineEdit*>(QRegularExpression("^TbTam_")).size(), 2);
    box(f.TbInstruc, "TbInstruc");
    for (int i = 0; i < 2; ++i) box(f.TbTam[i], QString("TbTam_%1").arg(i));
    for (int i = 0; i < kNumBoxes; ++i) {
      box(f.TbPal[i], QString("TbPal_%1").arg(i));
      box(f.TbDef[i], QString("TbDef_%1").arg(i));
    }
    for (auto [b, name] : {std::pair{&f.CbComprobar, "CbComprobar"},
                           {&f.CbSiguiente, "CbSiguiente"},
                           {&f.CbVer, "CbVer"}}) {
      auto* button = Find<QPushButton>(name);
      QCOMPARE(button->text().toStdString(), b->Caption);
      QCOMPARE(button->toolTip().toStdString(), b->ToolTipText);
      QCOMPARE(button->geometry(), geometry(b->Left, b->Top, b->Width, b->Height));
      QCOMPARE(button->font().pointSizeF(), qreal(b->FontSize));
    }
    const auto item = [](QAction* a, const MenuItem& m) {
      QCOMPARE(a->text().toStdString(), m.Caption);
      QCOMPARE(a->isChecked(), m.Checked);
      QCOMPARE(a->isEnabled(), m.Enabled);
    };
    const QList<QAction*> options = Options();
    const std::vector<MenuItem>* arrays[] = {&f.MnuOpcPalLis, &f.MnuOpcDefLis, &f.MnuOpcArcLis};
    const MenuItem* titles[] = {&f.MnuOpcPal, &f.MnuOpcDef, &f.MnuOpcArc};
    for (int m = 0; m < 3; ++m) {
      QCOMPARE(options[m]->text().toStdString(), titles[m]->Caption);
      QCOMPARE(options[m]->menu()->actions().size(), qsizetype(arrays[m]->size()));
      for (std::size_t i = 0; i < arrays[m]->size(); ++i) item(Item(m, i), (*arrays[m])[i]);
    }
    item(options[3], f.MnuOpcMar);
    QCOMPARE(options[4]->text().toStdString(), f.MnuOpcTam.Caption);
    for (int i = 0; i < 2; ++i) item(Item(4, i), f.MnuOpcTamLis[i]);
    item(options[5], f.MnuOpcAce);
    item(options[6], f.MnuOpcSal);
  }
};

}  // namespace glosandas::testing
