#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

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
      auto* pal = Find<QLineEdit>(w, QString("TbPal_%1").arg(i));
      auto* def = Find<QTextEdit>(w, QString("TbDef_%1").arg(i));
      QCOMPARE(pal->isVisible(), i < 4);
      QCOMPARE(def->isVisible(), i < 4);
      if (i < 4) {
        QCOMPARE(pal->text().toStdString(), f.TbPal[i].Text);
        QCOMPARE(def->toPlainText().toStdString(), f.TbDef[i].Text);
      }
    }
    // The first screen was spread over the maximised window, whose resize moved only buttons.
    auto* comprobar = Find<QPushButton>(w, "CbComprobar");
    auto* last_word = Find<QLineEdit>(w, "TbPal_3");
    QVERIFY(comprobar->geometry().top() > last_word->geometry().bottom());
    QVERIFY(comprobar->geometry().bottom() < w.centralWidget()->height());
    QCOMPARE(static_cast<int>(f.CbComprobar.Top), w.OuterHeightTwips() - 1600);
    const float gap_above = f.TbPal[0].Top - 600;
    const float gap_below = f.CbComprobar.Top - (f.TbPal[3].Top + 500);
    QVERIFY(std::abs(gap_above - gap_below) <= 5);
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
