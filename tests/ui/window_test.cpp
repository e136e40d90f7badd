#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollArea>
#include <QTableWidget>
#include <random>

#include "progress/progress.h"
#include "session.h"
#include "ui/qt/progress_chart.h"
#include "window_fixture.h"

using namespace glosandas;
using namespace glosandas::testing;

// The window tests: each starts a window of its own (init) over the lists of one folder; the
// sessions start theirs.
class WindowTest : public QObject, WindowFixture {
  Q_OBJECT

  TempFolder folder_;  // the lists every test's window offers

  QStringList Take() { return std::exchange(messages_, {}); }

 private slots:
  void initTestCase() {
    // The toolkit's own settings (a file dialog's last folder) stay in the test's folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder_.path() / "qt"));
    // The user's and the system's list folders are the test's own.
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
      setenv(name, (folder_.path() / name).c_str(), 1);
    folder_.Write("relieve.txt", NumberedList(20));
    folder_.Write("agua.txt", CrLf({"P>lago", "D>Agua quieta", "P>mar", "D>Agua salada"}));
    folder_.Write("ocho.txt", NumberedList(8));
    folder_.Write("vacia.txt", CrLf({"> sin entradas", "D>nada"}));
  }

  // Each test starts a window, answering its message boxes as they open.
  void init() {
    std::filesystem::remove(folder_.path() / "glosandas.ini");
    w_ = std::make_unique<MainWindow>(folder_.path());
    Show();
    messages_.clear();
    w_->open_url = [](const QUrl&) { return true; };  // no file manager is started
    w_->on_message_box = [this](QMessageBox& box) {
      QVERIFY(box.icon() == QMessageBox::NoIcon && box.standardButtons() == QMessageBox::Ok);
      QVERIFY(box.parentWidget() == w_.get());                            // modal over the window
      QCOMPARE(box.button(QMessageBox::Ok)->text(), QString("Aceptar"));  // LC_ALL=C
      // The red marks are on screen before the box waits for OK.
      auto* pal0 = Find<QLineEdit>("TbPal_0");
      const QImage shot = pal0->grab().toImage();
      const QPointF inside(pal0->width() / 2, pal0->height() - 4);
      messages_ << box.text() + "|" + box.windowTitle() + "|" +
                       shot.pixelColor((inside * shot.devicePixelRatio()).toPoint()).name();
      QMetaObject::invokeMethod(&box, "accept", Qt::QueuedConnection);
    };
  }
  void cleanup() { w_.reset(); }

  // The first screen on whatever display runs the test (scaled, 144 dpi, Wayland): maximised,
  // twips at the screen's logical resolution; a double-click is one click; Tab and Return join;
  // the line is drawn between the boxes, and the red marks are on screen before the box waits.
  void AScreenOnAnyDisplay() {
    Form1& f = w_->form();
    QVERIFY(w_->isMaximized());
    const double dpi = w_->screen()->logicalDotsPerInchY();
    QCOMPARE(Find("TbDef_0")->size(), QSize(qRound(4000 * dpi / 1440), qRound(1000 * dpi / 1440)));
    QCOMPARE(static_cast<int>(f.CbComprobar.Top), w_->OuterHeightTwips() - 1600);
    const auto partner = [&f](int word) { return f.CajaDeEntrada(2, f.EntradaEnCaja(1, word)); };
    QWidget* word = Box("TbPal", 0);
    Find<QScrollArea>(QString())->ensureWidgetVisible(word);
    QTest::mouseDClick(w_->windowHandle(), Qt::LeftButton, {},
                       word->mapTo(w_.get(), QPoint(4, word->height() / 2)));
    QCOMPARE(f.PalSel, Int{0});
    QTest::mouseClick(Box("TbDef", partner(1)), Qt::LeftButton);  // a wrong join
    auto* pal1 = Find("TbPal_1");
    pal1->setFocus();
    QTest::keyClick(pal1, Qt::Key_Return);
    QTest::keyClick(pal1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("TbDef_1"));
    QCOMPARE(Find("FocusRing")->geometry(), QApplication::focusWidget()->geometry());
    QTest::mouseClick(Box("TbDef", partner(0)), Qt::LeftButton);
    for (int right : {2, 3}) {
      QTest::mouseClick(Box("TbPal", right), Qt::LeftButton);
      QTest::mouseClick(Box("TbDef", partner(right)), Qt::LeftButton);
    }
    QCOMPARE(f.NumUniones, Int{4});
    auto* def = Find("TbDef_" + QString::number(partner(0)));
    const QImage board = pal1->parentWidget()->grab().toImage();
    const bool left = def->x() < pal1->x();
    const QPoint from(left ? def->geometry().right() + 1 : def->x(), def->geometry().center().y());
    const QPoint to(left ? pal1->x() : pal1->geometry().right() + 1, pal1->geometry().center().y());
    QCOMPARE(board.pixelColor((QPointF(from + to) / 2 * board.devicePixelRatio()).toPoint()),
             QColor(Qt::black));
    QTest::mouseClick(Find("CbComprobar"), Qt::LeftButton);
    QCOMPARE(Take(), QStringList{"Ha cometido 2 errores., \" |Glosandas|#ff0000"});
    Snapshot();
    // In grey, a wrong box is told from a right one by its mark, and a wrong join by its dashes.
    const QImage grey =
        pal1->parentWidget()->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    const auto shade = [&](QPointF at) {
      return qGray(grey.pixel((at * grey.devicePixelRatio()).toPoint()));
    };
    const auto corner = [&](const char* name) {  // where a mark's strokes cross
      const QWidget* box = Find(name);
      const int side =
          std::clamp(box->height() * 2 / 5, 9, std::max(9, 14 * box->logicalDpiY() / 96));
      return shade(box->geometry().topRight() + QPointF(-2 - side / 2.0, 2 + side / 2.0));
    };
    QVERIFY(corner("TbPal_1") < 60 && corner("TbPal_2") > 120);
    int wrong = 0;  // dark points of 40 along the wrong join between `def` and `pal1`
    for (int k = 0; k < 40; ++k)
      wrong += shade(QPointF(from) + QPointF(to - from) * (0.1 + 0.02 * k)) < 60;
    QVERIFY2(wrong > 8 && wrong < 36, qPrintable(QString::number(wrong)));
    // A small window scrolls to every part of the board.
    Resize({640, 480});
    if (QTest::currentTestFailed()) return;
    auto* scroll = Find<QScrollArea>(QString());
    for (const char* name : {"TbTam_1", "CbVer", "TbDef_0"}) {
      QWidget* widget = Find(name);
      const QPoint centre = widget->geometry().center();
      scroll->ensureVisible(centre.x(), centre.y(), widget->width() / 2 + 1,
                            widget->height() / 2 + 1);
      QVERIFY2(widget->parentWidget()->parentWidget() == scroll->viewport() &&
                   scroll->viewport()->rect().contains(
                       QRect(widget->mapTo(scroll->viewport(), QPoint()), widget->size())),
               name);
    }
  }

  // A fault in a handler is reported; the window goes on and still saves once at close.
  void FaultInAHandlerKeepsTheWindow() {
    w_->form().PalSel = 50;
    QTest::mouseClick(Box("TbDef", 0), Qt::LeftButton);
    QCOMPARE(Take(),
             QStringList{"Se ha producido un error interno. Puede seguir usando el "
                         "programa; sus opciones se guardar\u00e1n al salir.|Error|#ffffff"});
    QTest::mouseClick(Find("CbSiguiente"), Qt::LeftButton);
    QTest::mouseClick(Box("TbPal", 1), Qt::LeftButton);
    QCOMPARE(w_->form().PalSel, Int{1});
    Snapshot();
    w_->close();
    QVERIFY(ReadBytes(folder_.path() / "glosandas.ini").starts_with("4 = "));
  }

  // The worksheets' preview: the sheet and its key, on a printer of its own with the PDF's
  // margins or wider. Without a documents folder, the PDF is proposed in the home folder.
  void WorksheetPreviewAndPdfFolder() {
    QTest::keyClick(Find("TbPal_0"), Qt::Key_P, Qt::ControlModifier);
    Find<QPushButton>("VistaPrevia")->click();
    auto* preview = Find<QPrintPreviewDialog>("VistaPreviaFichas");
    QVERIFY(preview->isVisible() && preview->findChild<QPrintPreviewWidget*>()->pageCount() >= 2);
    const QMarginsF at = preview->printer()->pageLayout().margins(QPageLayout::Millimeter);
    QVERIFY(at.left() >= 18 && at.top() >= 15 && at.right() >= 18 && at.bottom() >= 15);
    preview->reject();
    const QByteArray home = qgetenv("HOME");
    const auto back = qScopeGuard([&home] { qputenv("HOME", home); });
    std::filesystem::create_directory(folder_.path() / "casa");
    qputenv("HOME", (folder_.path() / "casa").c_str());
    Find<QPushButton>("GuardarPdf")->click();
    QCOMPARE(Find<QFileDialog>("GuardarComo")->directory().absolutePath(),
             QString::fromStdString(folder_.path() / "casa"));
  }

  // A progress written through the store: the window's tables hold the store's numbers in its
  // letters, the hardest words come first, Tab goes from table to table, and each day's bar
  // stands as tall as its checks.
  void ProgressWindowShowsTheStore() {
    TempFolder db;
    auto store = ProgressStore::Open(db.path() / "p.sqlite").store;
    QVERIFY(store->Record("a", {{"sol", "astro", true, ""}, {"luz", "claro", true, ""}}, 90));
    QVERIFY(store->Record(
        "b", {{"uno", "1", false, "2"}, {"dos", "2", false, "1"}, {"tres", "3", true, ""}}, 95));
    QVERIFY(store->Record("b", {{"uno", "1", false, "3"}}, 99));
    QVERIFY(store->Record("b", {{"uno", "1", false, "3"}, {"dos", "2", true, ""}}, 100));
    struct : ProgressWindow::Window {
      void ReturnFocusAfter(QDialog*) override {}
    } opener;
    ProgressWindow shown(w_.get(), opener, store->Summary("b", 100), "b", 14, {900, 600});
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    QApplication::setActiveWindow(&shown);
    // Several confusions of a word, most first (the session shows one a word).
    auto* missed = shown.findChild<QTableWidget*>("Fallos");
    QStringList text;
    for (int r = 0; r < missed->rowCount(); ++r)
      for (int c = 0; c < missed->columnCount(); ++c) text << missed->item(r, c)->text();
    QCOMPARE(text, QStringList({"uno", "1", "3", "3 (2), 2 (1)", "dos", "2", "1", "1 (1)"}));
    for (const char* next : {"Fallos", "Dias"}) {
      QCOMPARE(QApplication::focusWidget()->font().pointSizeF(), 14.0);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->accessibleName().isEmpty()
                   ? ""
                   : QApplication::focusWidget()->objectName(),
               QString(next));
    }
    auto* chart = shown.findChildren<BarChart*>().back();
    const QImage picture = chart->grab().toImage();
    const auto height = [&](int bar) {  // the painted pixels from the bar's foot up
      const QRect r = chart->BarRect(bar);
      const double dpr = picture.devicePixelRatio();
      int y = qRound((r.bottom() + 1) * dpr) - 1, from = y;
      while (y >= 0 && picture.pixelColor(qRound((r.center().x()) * dpr), y) != Qt::white) --y;
      return from - y;
    };
    const int tallest = height(95 - 71);  // 3 checks
    QVERIFY(tallest > chart->height() / 4);
    for (const ProgressStore::DayTally& d : store->Days(71, 100))
      QVERIFY2(std::abs(height(d.day - 71) - tallest * (d.right + d.wrong) / 3.0) <= 1.5,
               qPrintable(QString::number(d.day)));
  }

  // Every session script of tests/sessions.
  void Sessions_data() {
    QTest::addColumn<QString>("path");
    // Sessions named *.es.t run under a Spanish locale (its decimal comma), the others under C.
    const bool spanish = QLocale::system().decimalPoint() == ",";
    const QDir dir(GLOSANDAS_SESSIONS);
    for (const QString& name : dir.entryList({"*.t"}, QDir::Files, QDir::Name))
      if (name.endsWith(".es.t") == spanish) QTest::newRow(qPrintable(name)) << dir.filePath(name);
  }
  void Sessions() {
    QFETCH(QString, path);
    w_.reset();  // a session starts its own window
    Session().RunSession(path);
  }

  // Thousands of random events on the real window, boxes answered as they open; the records
  // stay sound and the widgets follow them after every one.
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
          // Not Salir, nor the erasing of progress, which asks with buttons of its own.
          if (!action->menu() && action != Options()[6] && !action->text().startsWith("&Borrar"))
            action->trigger();
        }
        QCOMPARE(QString::fromStdString(BrokenInvariant(f)), QString());
        if (step % 10 == 0) Snapshot();
      }
      QVERIFY(messages_.size() > 10);
    }
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
