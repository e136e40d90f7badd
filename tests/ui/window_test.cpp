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

 private:
  TempFolder folder_;

  template <typename W>
  W* Find(MainWindow& w, const QString& name) {
    W* widget = w.findChild<W*>(name);
    if (!widget) qFatal("no widget %s", qPrintable(name));
    return widget;
  }

 private slots:
  void initTestCase() { folder_.Write("relieve.txt", NumberedList(20)); }

  void StartsOnAFirstScreen() {
    MainWindow w(folder_.path());
    w.ShowStarted();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QString("GLOSANDAS"));
    QVERIFY(w.isMaximized());
    Form1& f = w.form();
    for (int i = 0; i < kNumBoxes; ++i) {
      // Boxes not in use are hidden, or not built yet.
      auto* pal = w.findChild<QLineEdit*>(QString("TbPal_%1").arg(i));
      auto* def = w.findChild<QTextEdit*>(QString("TbDef_%1").arg(i));
      QCOMPARE(pal && pal->isVisible(), i < 4);
      QCOMPARE(def && def->isVisible(), i < 4);
      if (i < 4) {
        QCOMPARE(pal->text().toStdString(), f.TbPal[i].Text);
        QCOMPARE(def->toPlainText().toStdString(), f.TbDef[i].Text);
      }
    }
    // The first screen was spread over the maximised window, whose resize moved only buttons.
    auto* comprobar = Find<QPushButton>(w, "CbComprobar");
    // Tab goes word, definition, word, ...
    Find<QLineEdit>(w, "TbPal_0")->setFocus();
    QCOMPARE(QApplication::focusWidget()->nextInFocusChain()->objectName(), QString("TbDef_0"));
    auto* last_word = Find<QLineEdit>(w, "TbPal_3");
    QVERIFY(comprobar->geometry().top() > last_word->geometry().bottom());
    QVERIFY(comprobar->geometry().bottom() < w.centralWidget()->height());
    QCOMPARE(static_cast<int>(f.CbComprobar.Top), w.OuterHeightTwips() - 1600);
    const float gap_above = f.TbPal[0].Top - 600;
    const float gap_below = f.CbComprobar.Top - (f.TbPal[3].Top + 500);
    QVERIFY(std::abs(gap_above - gap_below) <= 5);
  }

  void ClicksJoinAndDrawALine() {
    MainWindow w(folder_.path());
    w.ShowStarted();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* pal = Find<QLineEdit>(w, "TbPal_1");
    auto* def = Find<QTextEdit>(w, "TbDef_0");  // left column
    QTest::mouseClick(pal, Qt::LeftButton);
    QCOMPARE(pal->palette().color(QPalette::Base), QColor(255, 255, 0));
    QTest::mouseClick(def->viewport(), Qt::LeftButton);
    QCOMPARE(pal->palette().color(QPalette::Base), QColor(0, 255, 255));
    QCOMPARE(def->palette().color(QPalette::Base), QColor(0, 255, 255));
    QCOMPARE(w.form().NumUniones, 1);
    // The line shows between the facing edges: black halfway between the two columns.
    const QImage board = w.centralWidget()->grab().toImage();
    const QPoint from(def->geometry().right() + 1, def->geometry().center().y());
    const QPoint to(pal->geometry().left(), pal->geometry().center().y());
    QCOMPARE(board.pixelColor((from + to) / 2), QColor(Qt::black));
    // A press inside and a release outside is no click.
    QTest::mousePress(pal, Qt::LeftButton);
    QTest::mouseRelease(pal, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(w.form().NumUniones, 1);
  }

  void F5AndCheckShowTheirMessages() {
    MainWindow w(folder_.path());
    w.ShowStarted();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Form1& f = w.form();
    struct Seen {
      QString text, title;
      bool no_icon;
      QColor pal_colour;
    };
    QList<Seen> seen;
    auto* pal0 = Find<QLineEdit>(w, "TbPal_0");
    w.on_message_box = [&](QMessageBox& box) {
      const QImage shot = w.grab().toImage();
      const QPoint centre = pal0->mapTo(&w, pal0->rect().center());
      seen.push_back({box.text(), box.windowTitle(), box.icon() == QMessageBox::NoIcon,
                      shot.pixelColor(centre + QPoint(0, pal0->height() / 3))});
      QMetaObject::invokeMethod(&box, "accept", Qt::QueuedConnection);
    };
    // Word 0 to the definition of word 1, word 1 to that of word 0; the rest right.
    for (int word = 0; word < 4; ++word) {
      const int partner = word < 2 ? 1 - word : word;
      QTest::mouseClick(Find<QLineEdit>(w, QString("TbPal_%1").arg(word)), Qt::LeftButton);
      const int d = f.CajaDeEntrada(2, f.EntradaEnCaja(1, partner));
      QTest::mouseClick(Find<QTextEdit>(w, QString("TbDef_%1").arg(d))->viewport(), Qt::LeftButton);
    }
    const int d0 = f.CajaDeEntrada(2, f.EntradaEnCaja(1, 1));
    QTest::keyClick(pal0, Qt::Key_F5);
    QTest::keyClick(pal0, Qt::Key_F4);
    QTest::mouseClick(Find<QPushButton>(w, "CbComprobar"), Qt::LeftButton);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0].text, QString::fromStdString("Unido a " + f.TbDef[d0].Text));
    QCOMPARE(seen[0].title, QString("Glosandas "));
    QCOMPARE(seen[1].text, QString("Ha cometido 2 errores., \" "));
    QCOMPARE(seen[1].title, QString("Glosandas"));
    QVERIFY(seen[1].no_icon);
    QCOMPARE(seen[1].pal_colour, QColor(255, 0, 0));  // red before the box waits for OK
    QTest::mouseClick(Find<QPushButton>(w, "CbVer"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(w, "CbComprobar"), Qt::LeftButton);
    QCOMPARE(seen.last().text, QString("Correcto"));
    QCOMPARE(seen.last().title, QString("Comprobar"));
  }

  void TypingChangesOnlyTheText() {
    MainWindow w(folder_.path());
    w.ShowStarted();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* pal = Find<QLineEdit>(w, "TbPal_2");
    pal->setFocus();
    QTest::keyClicks(pal, "xy");
    QVERIFY(pal->text().contains("xy"));
    QCOMPARE(QString::fromStdString(w.form().TbPal[2].Text), pal->text());
    QCOMPARE(w.form().PalSel, Int{-1});
    QCOMPARE(w.form().TbPal[2].BackColor, kWhite);
  }

  void OptionsFromTheMenus() {
    TempFolder folder;
    folder.Write("relieve.txt", NumberedList(20));
    folder.Write("agua.txt", CrLf({"P>lago", "D>Agua quieta", "P>mar", "D>Agua salada"}));
    {
      MainWindow w(folder.path());
      w.ShowStarted();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      QApplication::setActiveWindow(&w);
      auto* def1 = Find<QTextEdit>(w, "TbDef_1");
      const qreal before = def1->font().pointSizeF();
      QTest::keyClick(&w, Qt::Key_F2);
      QTest::keyClick(&w, Qt::Key_F2);
      QTest::keyClick(&w, Qt::Key_F3);
      QVERIFY(def1->font().pointSizeF() > before);
      QCOMPARE(def1->font().pointSizeF(), static_cast<qreal>(w.form().TbDef[0].FontSize));
      // A box shown for the first time later has the size too.
      w.form().MnuOpcDefLis_Click(9);
      w.Render();
      QCOMPARE(Find<QTextEdit>(w, "TbDef_9")->font().pointSizeF(), def1->font().pointSizeF());
      w.form().MnuOpcDefLis_Click(3);
      QVERIFY(Find<QLineEdit>(w, "TbPal_0")->font().pointSizeF() == 12);

      QAction* agua = nullptr;
      for (QAction* a : w.findChildren<QAction*>()) {
        if (a->text() == "agua") agua = a;
      }
      QVERIFY(agua);
      agua->trigger();
      QCOMPARE(w.form().Archivo, std::string("agua"));
      const QString word = Find<QLineEdit>(w, "TbPal_0")->text();
      QVERIFY(word == "lago" || word == "mar");
      QVERIFY(!Find<QLineEdit>(w, "TbPal_2")->isVisible());
      QVERIFY(agua->isChecked());
      w.close();
      QVERIFY(!w.isVisible());
      const std::string written = ReadBytes(folder.path() / "glosandas.ini");
      QVERIFY(written.starts_with("2 = n\xFAmero de palabras\r\n2 = "));
      QVERIFY(written.find("agua = ") != std::string::npos);
      folder.Write("glosandas.ini", "");
      w.close();  // closing again writes nothing
      QVERIFY(ReadBytes(folder.path() / "glosandas.ini").empty());
    }
    QVERIFY(ReadBytes(folder.path() / "glosandas.ini").empty());  // nor does destroying it
  }

  // Thousands of random events on the real window; the records and the widgets must agree with
  // each other and with themselves after every one.
  void MonkeyKeepsTheJoinsSound() {
    TempFolder folder;
    folder.Write("relieve.txt", NumberedList(20));
    folder.Write("agua.txt", CrLf({"P>lago", "D>Agua quieta", "P>mar", "D>Agua salada"}));
    folder.Write("ocho.txt", NumberedList(8));
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
      MainWindow w(folder.path());
      w.ShowStarted();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      QApplication::setActiveWindow(&w);
      int boxes_answered = 0;
      w.on_message_box = [&](QMessageBox& box) {
        ++boxes_answered;
        QMetaObject::invokeMethod(&box, "accept", Qt::QueuedConnection);
      };
      Form1& f = w.form();
      QList<QAction*> actions = w.findChildren<QAction*>();
      std::mt19937 gen(seed);
      for (int step = 0; step < 1500; ++step) {
        const unsigned op = gen() % 100;
        if (op < 35) {
          QTest::mouseClick(Find<QLineEdit>(w, QString("TbPal_%1").arg(gen() % f.NumPal)),
                            Qt::LeftButton);
        } else if (op < 70) {
          auto* def = Find<QTextEdit>(w, QString("TbDef_%1").arg(gen() % f.NumDef));
          QTest::mouseClick(def->viewport(), Qt::LeftButton);
        } else if (op < 76) {
          QTest::mouseClick(Find<QPushButton>(w, "CbComprobar"), Qt::LeftButton);
        } else if (op < 79) {
          QTest::mouseClick(Find<QPushButton>(w, "CbVer"), Qt::LeftButton);
        } else if (op < 81) {
          QTest::mouseClick(Find<QPushButton>(w, "CbSiguiente"), Qt::LeftButton);
        } else if (op < 85) {
          QTest::keyClick(&w, gen() % 2 ? Qt::Key_F2 : Qt::Key_F3);
        } else if (op < 87) {
          QTest::mouseClick(Find<QLineEdit>(w, QString("TbTam_%1").arg(gen() % 2)), Qt::LeftButton);
        } else if (op < 92) {
          auto* box = gen() % 2 ? static_cast<QWidget*>(
                                      Find<QLineEdit>(w, QString("TbPal_%1").arg(gen() % f.NumPal)))
                                : Find<QTextEdit>(w, QString("TbDef_%1").arg(gen() % f.NumDef));
          QTest::keyClick(box, Qt::Key_F5);
        } else {
          QAction* action = actions[gen() % actions.size()];
          if (action->menu() == nullptr && !action->text().startsWith("&Salir") &&
              action->isEnabled()) {
            action->trigger();
          }
        }

        std::vector<int> pal_rows(kNumBoxes), def_rows(kNumBoxes);
        int in_force = 0;
        for (int k = 0; k < kNumBoxes; ++k) {
          if (f.Line1[k].X1 > 0) {
            ++in_force;
            ++pal_rows[f.Uniones(1, k)];
            ++def_rows[f.Uniones(2, k)];
          }
        }
        QCOMPARE(int(f.NumUniones), in_force);
        for (int i = 0; i < kNumBoxes; ++i) {
          QVERIFY(pal_rows[i] <= 1 && def_rows[i] <= 1);
          const auto joined = [](const TextBox& b) {
            return b.BackColor == kCyan || b.BackColor == kRed;
          };
          if (i < f.NumPal) QCOMPARE(joined(f.TbPal[i]), pal_rows[i] == 1);
          if (i < f.NumDef) QCOMPARE(joined(f.TbDef[i]), def_rows[i] == 1);
          auto* pal = w.findChild<QLineEdit*>(QString("TbPal_%1").arg(i));
          QCOMPARE(pal && pal->isVisible(), i < f.NumPal);
          const std::uint32_t c = f.TbPal[i].BackColor;
          if (pal)
            QCOMPARE(pal->palette().color(QPalette::Base),
                     QColor(c & 0xFF, (c >> 8) & 0xFF, c >> 16));
        }
        for (int i = 0; i < kMaxCount; ++i) {
          QCOMPARE(f.MnuOpcPalLis[i].Checked, i == f.NumPal - 1);
          QCOMPARE(f.MnuOpcDefLis[i].Checked, i == f.NumDef - 1);
          QCOMPARE(f.MnuOpcDefLis[i].Enabled, i >= f.NumPal - 1);
        }
        QVERIFY(f.NumPal <= f.NumDef && f.NumDef <= f.NumEntradas);
      }
      QVERIFY(boxes_answered > 0);
    }
  }

  void SiguienteDealsAgain() {
    MainWindow w(folder_.path());
    w.ShowStarted();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* pal = Find<QLineEdit>(w, "TbPal_0");
    QStringList seen;
    for (int round = 0; round < 8; ++round) {
      seen << pal->text();
      QTest::mouseClick(Find<QPushButton>(w, "CbSiguiente"), Qt::LeftButton);
      QCOMPARE(pal->text().toStdString(), w.form().TbPal[0].Text);
    }
    seen.removeDuplicates();
    QVERIFY(seen.size() > 1);
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
