#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <random>

#include "form_fixture.h"
#include "ui/qt/main_window.h"

using namespace glosandas;
using namespace glosandas::testing;

class WindowTest : public QObject {
  Q_OBJECT

  TempFolder folder_;
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
  QAction* Action(const QString& text) {
    for (QAction* a : w_->findChildren<QAction*>()) {
      if (a->text() == text) return a;
    }
    qFatal("no menu item %s", qPrintable(text));
  }

 private slots:
  void initTestCase() {
    folder_.Write("relieve.txt", NumberedList(20));
    folder_.Write("agua.txt", CrLf({"P>lago", "D>Agua quieta", "P>mar", "D>Agua salada"}));
    folder_.Write("ocho.txt", NumberedList(8));
  }

  // Each test starts a window, answering its message boxes as they open.
  void init() {
    std::filesystem::remove(folder_.path() / "glosandas.ini");
    w_ = std::make_unique<MainWindow>(folder_.path());
    w_->ShowStarted();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    QApplication::setActiveWindow(w_.get());
    messages_.clear();
    w_->on_message_box = [this](QMessageBox& box) {
      QVERIFY(box.icon() == QMessageBox::NoIcon && box.standardButtons() == QMessageBox::Ok);
      // The red marks are on screen before the box waits for OK.
      const QImage shot = w_->grab().toImage();
      auto* pal0 = Find<QLineEdit>("TbPal_0");
      const QPoint inside = pal0->mapTo(w_.get(), QPoint(pal0->width() / 2, pal0->height() - 4));
      messages_ << box.text() + "|" + box.windowTitle() + "|" + shot.pixelColor(inside).name();
      QMetaObject::invokeMethod(&box, "accept", Qt::QueuedConnection);
    };
  }
  void cleanup() { w_.reset(); }

  void StartsMaximisedOnAFirstScreen() {
    Form1& f = w_->form();
    QCOMPARE(w_->windowTitle(), QString("GLOSANDAS"));
    QVERIFY(w_->isMaximized());
    for (int i = 0; i < kNumBoxes; ++i) {
      auto* pal = w_->findChild<QLineEdit*>(QString("TbPal_%1").arg(i));
      auto* def = w_->findChild<QTextEdit*>(QString("TbDef_%1").arg(i));
      QCOMPARE(pal && pal->isVisible(), i < 4);  // boxes not in use are hidden or not built
      QCOMPARE(def && def->isVisible(), i < 4);
      if (i < 4) QCOMPARE(def->toPlainText().toStdString(), f.TbDef[i].Text);
    }
    // The first screen was spread over the maximised window, whose resize moved only buttons.
    QCOMPARE(static_cast<int>(f.CbComprobar.Top), w_->OuterHeightTwips() - 1600);
    QVERIFY(std::abs((f.TbPal[0].Top - 600) - (f.CbComprobar.Top - f.TbPal[3].Top - 500)) <= 5);
    Find<QLineEdit>("TbPal_0")->setFocus();
    QCOMPARE(QApplication::focusWidget()->nextInFocusChain()->objectName(), QString("TbDef_0"));
    const QString first = Find<QLineEdit>("TbPal_0")->text();
    for (int i = 0; i < 8 && Find<QLineEdit>("TbPal_0")->text() == first; ++i) {
      QTest::mouseClick(Find("CbSiguiente"), Qt::LeftButton);
    }
    QCOMPARE(Find<QLineEdit>("TbPal_0")->text().toStdString(), f.TbPal[0].Text);
    QVERIFY(Find<QLineEdit>("TbPal_0")->text() != first);
  }

  void PlayingAScreen() {
    Form1& f = w_->form();
    // A release outside the box is no click.
    QTest::mousePress(Box("TbPal", 1), Qt::LeftButton);
    QTest::mouseRelease(Box("TbPal", 1), Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(f.PalSel, Int{-1});
    // Word 0 to the definition of word 1 and the other way round; the rest right.
    for (int word = 0; word < 4; ++word) {
      QTest::mouseClick(Box("TbPal", word), Qt::LeftButton);
      QCOMPARE(Find("TbPal_" + QString::number(word))->palette().color(QPalette::Base),
               QColor(255, 255, 0));
      const int partner = word < 2 ? 1 - word : word;
      QTest::mouseClick(Box("TbDef", f.CajaDeEntrada(2, f.EntradaEnCaja(1, partner))),
                        Qt::LeftButton);
    }
    QCOMPARE(f.NumUniones, Int{4});
    QCOMPARE(Find("TbPal_2")->palette().color(QPalette::Base), QColor(0, 255, 255));
    // The line of word 2 is drawn halfway between its box and its definition's.
    auto* pal = Find("TbPal_2");
    auto* def = Find("TbDef_" + QString::number(f.CajaDeEntrada(2, f.EntradaEnCaja(1, 2))));
    const QImage board = w_->centralWidget()->grab().toImage();
    const bool left = def->x() < pal->x();
    const QPoint from(left ? def->geometry().right() + 1 : def->x(), def->geometry().center().y());
    const QPoint to(left ? pal->x() : pal->geometry().right() + 1, pal->geometry().center().y());
    QCOMPARE(board.pixelColor((from + to) / 2), QColor(Qt::black));

    auto* pal0 = Find<QLineEdit>("TbPal_0");
    pal0->setFocus();
    QTest::keyClicks(pal0, "xy");  // typing changes the text and nothing else
    QCOMPARE(QString::fromStdString(f.TbPal[0].Text), pal0->text());
    QTest::keyClick(pal0, Qt::Key_F4);
    QTest::keyClick(pal0, Qt::Key_F5);
    QTest::mouseClick(Find("CbComprobar"), Qt::LeftButton);
    QTest::mouseClick(Find("CbVer"), Qt::LeftButton);
    QTest::mouseClick(Find("CbComprobar"), Qt::LeftButton);
    const std::string partner = f.TbDef[f.CajaDeEntrada(2, f.EntradaEnCaja(1, 1))].Text;
    QCOMPARE(messages_,
             QStringList({QString::fromStdString("Unido a " + partner + "|Glosandas |#00ffff"),
                          "Ha cometido 2 errores., \" |Glosandas|#ff0000",
                          "Correcto|Comprobar|#00ffff"}));
  }

  void OptionsFromTheMenus() {
    auto* def1 = Find<QTextEdit>("TbDef_1");
    const qreal before = def1->font().pointSizeF();
    QTest::keyClick(w_.get(), Qt::Key_F2);
    QTest::keyClick(w_.get(), Qt::Key_F2);
    QTest::keyClick(w_.get(), Qt::Key_F3);
    QVERIFY(def1->font().pointSizeF() > before);
    QCOMPARE(def1->font().pointSizeF(), qreal(w_->form().TbDef[0].FontSize));
    QCOMPARE(Find<QLineEdit>("TbPal_0")->font().pointSizeF(), qreal(12));
    Action("&10")->trigger();  // the words' item comes first: ten words, so ten definitions
    QCOMPARE(Find<QTextEdit>("TbDef_9")->font().pointSizeF(), def1->font().pointSizeF());

    Action("agua")->trigger();
    QCOMPARE(w_->form().Archivo, std::string("agua"));
    QVERIFY(QStringList({"lago", "mar"}).contains(Find<QLineEdit>("TbPal_0")->text()));
    QVERIFY(!Find("TbPal_2")->isVisible());
    QVERIFY(Action("agua")->isChecked());
    w_->close();
    const std::string written = ReadBytes(folder_.path() / "glosandas.ini");
    QVERIFY(written.starts_with("2 = n\xFAmero de palabras\r\n2 = "));
    QVERIFY(written.find("agua = ") != std::string::npos);
    folder_.Write("glosandas.ini", "");
    w_->close();  // closing again writes nothing, nor does destroying the window
    w_.reset();
    QVERIFY(ReadBytes(folder_.path() / "glosandas.ini").empty());
  }

  // Thousands of random events on the real window, boxes answered as they open; the records
  // and the widgets must stay sound after every one.
  void Monkey() {
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
      if (seed > 1) init();
      Form1& f = w_->form();
      const QList<QAction*> actions = w_->findChildren<QAction*>();
      std::mt19937 gen(seed);
      for (int step = 0; step < 1500; ++step) {
        const unsigned op = gen() % 100;
        if (op < 70) {
          QTest::mouseClick(
              op < 35 ? Box("TbPal", gen() % f.NumPal) : Box("TbDef", gen() % f.NumDef),
              Qt::LeftButton);
        } else if (op < 81) {
          const char* buttons[] = {"CbComprobar", "CbComprobar", "CbVer", "CbSiguiente"};
          QTest::mouseClick(Find(buttons[gen() % 4]), Qt::LeftButton);
        } else if (op < 85) {
          QTest::keyClick(w_.get(), gen() % 2 ? Qt::Key_F2 : Qt::Key_F3);
        } else if (op < 87) {
          QTest::mouseClick(Find(QString("TbTam_%1").arg(gen() % 2)), Qt::LeftButton);
        } else if (op < 92) {
          QTest::keyClick(Find(QString("TbPal_%1").arg(gen() % f.NumPal)), Qt::Key_F5);
        } else {
          QAction* action = actions[gen() % actions.size()];
          if (!action->menu() && action != Action("&Salir Alt - F4")) action->trigger();
        }
        QCOMPARE(QString::fromStdString(BrokenInvariant(f)), QString());
        const std::uint32_t c = f.TbPal[0].BackColor;  // the widgets follow the records
        QCOMPARE(Find("TbPal_0")->palette().color(QPalette::Base),
                 QColor(c & 0xFF, (c >> 8) & 0xFF, c >> 16));
      }
      QVERIFY(messages_.size() > 10);
    }
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
