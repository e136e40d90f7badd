#include <sys/stat.h>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QWindow>
#include <QtTest>
#include <map>
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
  QString answer_;        // the button a session chooses when a box asks

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
  QAction* ListItem(const QString& caption) {
    for (QAction* a : Options()[2]->menu()->actions())
      if (a->text() == caption) return a;
    qFatal("no list %s", qPrintable(caption));
  }
  QStringList Take() { return std::exchange(messages_, {}); }

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

  // The buttons shown pressed, in every window.
  static QSet<QAbstractButton*> Down() {
    QSet<QAbstractButton*> down;
    for (QWidget* w : QApplication::allWidgets())
      if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isDown())
        down << button;
    return down;
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

  // ---- scripted sessions: a command per line, then exactly the lines of state it changes ----
  using State = std::map<QString, QString>;

  // A text in quotes, line breaks and quotes escaped; bytes that are not UTF-8 as \xNN.
  static QString Quote(const std::string& text) {
    const bool utf8 = ValidUtf8Prefix(text) == text.size();
    std::string q;
    for (unsigned char c : text) {
      if (c == '\\' || c == '"')
        q += std::string("\\") + char(c);
      else if (c == '\r')
        q += "\\r";
      else if (c == '\n')
        q += "\\n";
      else if (c == '\t')
        q += "\\t";
      else if (c >= 0x80 && !utf8)
        q += QString("\\x%1").arg(c, 2, 16, QChar('0')).toStdString();
      else
        q += char(c);
    }
    return '"' + QString::fromStdString(q) + '"';
  }
  // A session's text as bytes, written as in the data tables (\n, \r, \t, \xNN...).
  static std::string Unescape(const QString& text) { return Bytes(text.toStdString()); }
  static QString Num(float v) { return QString::fromStdString(ShortestText(v)); }
  static QString At(float l, float t, float w, float h) {
    return QString("%1,%2 %3x%4").arg(Num(l), Num(t), Num(w), Num(h));
  }

  // What a learner can see and hear of the window, a line per control, from the records and the
  // widgets' focus.
  State Snapshot() {
    State s;
    const Form1& f = w_->form();
    const auto box = [&](const QString& name, const TextBox& b, const QString& widget) {
      if (!b.Visible) return;
      const std::uint32_t c = b.BackColor;
      QString& line = s[name];
      line = QString(c == kWhite    ? "W"
                     : c == kYellow ? "Y"
                     : c == kCyan   ? "C"
                     : c == kRed    ? "R"
                                    : "?") +
             " " + Quote(b.Text) + " " + At(b.Left, b.Top, b.Width, b.Height) + " " +
             QString::fromStdString(b.FontName) + " " + Num(b.FontSize) +
             (b.Enabled ? "" : " disabled") + (b.Locked ? " locked" : "") +
             (b.MultiLine ? " multiline" : "") + (b.Alignment == Align::kCenter ? " centred" : "") +
             QString(" tab %1").arg(b.TabIndex);
      if (!b.ToolTipText.empty()) line += " tip " + Quote(b.ToolTipText);
      if (auto* w = w_->findChild<QWidget*>(widget); w && !w->accessibleDescription().isEmpty())
        line += " says " + Quote(w->accessibleDescription().toStdString());
    };
    box("Instruc", f.TbInstruc, "TbInstruc");
    for (int i = 0; i < 2; ++i)
      box(QString("Tam%1").arg(i), f.TbTam[i], QString("TbTam_%1").arg(i));
    for (int i = 0; i < kNumBoxes; ++i) {
      box(QString("P%1").arg(i), f.TbPal[i], QString("TbPal_%1").arg(i));
      box(QString("D%1").arg(i), f.TbDef[i], QString("TbDef_%1").arg(i));
      const Line& l = f.Line1[i];
      if (l.Visible && (l.X1 || l.Y1 || l.X2 || l.Y2))
        s[QString("L%1").arg(i)] =
            QString("%1,%2 %3,%4").arg(Num(l.X1), Num(l.Y1), Num(l.X2), Num(l.Y2));
    }
    for (auto [b, name] : {std::pair{&f.CbComprobar, "Comprobar"},
                           {&f.CbSiguiente, "Siguiente"},
                           {&f.CbVer, "Ver"}}) {
      s[name] = Quote(b->Caption) + " " + At(b->Left, b->Top, b->Width, b->Height) + " " +
                QString::fromStdString(b->FontName) + " " + Num(b->FontSize) +
                QString(" tab %1 tip ").arg(b->TabIndex) + Quote(b->ToolTipText);
    }
    // A menu: its caption, then its items, [checked] and (disabled).
    const auto item = [](const MenuItem& m) {
      const QString caption =
          Quote(m.Caption) + (m.Shortcut.empty() ? "" : " " + QString::fromStdString(m.Shortcut));
      return m.Checked ? "[" + caption + "]" : m.Enabled ? caption : "(" + caption + ")";
    };
    const auto menu = [&](const QString& name, const MenuItem& title, const auto& items) {
      QString& line = s["menu." + name];
      line = item(title) + ":";
      for (const MenuItem& m : items) line += " " + item(m);
    };
    s["menu.Opc"] = item(f.MnuOpc);
    menu("Pal", f.MnuOpcPal, f.MnuOpcPalLis);
    menu("Def", f.MnuOpcDef, f.MnuOpcDefLis);
    menu("Arc", f.MnuOpcArc, f.MnuOpcArcLis);
    menu("Tam", f.MnuOpcTam, f.MnuOpcTamLis);
    s["menu.Mar"] = item(f.MnuOpcMar);
    s["menu.Ace"] = item(f.MnuOpcAce);
    s["menu.Sal"] = item(f.MnuOpcSal);
    if (QWidget* focus = w_->focusWidget(); focus && w_->isVisible()) {
      // Keys reach it only in the active window, which a closed dialog must hand back.
      bool active = w_->isActiveWindow();
      for (QDialog* dialog : w_->findChildren<QDialog*>()) active = active || dialog->isVisible();
      if (!active) active = QTest::qWaitForWindowActive(w_.get(), 2000);
      s["focus"] = focus->objectName() + (active ? "" : " (ventana inactiva)");
    }
    // The list editor: its title and state, then a line per row, each problem after a "!".
    if (auto* editor = w_->findChild<QDialog*>("Editor"); editor && editor->isVisible()) {
      QString& line = s["editor"];
      line = Quote(editor->windowTitle().toStdString()) + " name " +
             Quote(Find<QLineEdit>("Nombre")->text().toStdString()) + " " +
             Find<QLabel>("Cuenta")->text();
      for (const char* part : {"Nota", "Restaurar"})
        if (Find(part)->isVisible()) line += QString(" ") + part;
      if (auto* unseen = editor->findChild<QLabel*>("Aviso"); unseen && unseen->isVisible())
        s["aviso"] = unseen->text();
      const auto* table = Find<QTableWidget>("Tabla");
      if (table->currentRow() >= 0)  // the cell the keyboard is in
        line += QString(" at %1,%2").arg(table->currentRow() + 1).arg(table->currentColumn() + 1);
      // A long table keeps its first row and its last on lines of their own, the rest on one.
      const int rows = table->rowCount(), own = rows > 12 ? 1 : rows;
      for (int r = 0; r < rows; ++r) {
        const bool rest = r >= own && r + 1 < rows;
        QString& row =
            s[rest ? QString("row%1-%2").arg(own + 1).arg(rows - 1) : QString("row%1").arg(r + 1)];
        if (rest && !row.isEmpty()) row += " | ";
        for (int c = 0; c < 2; ++c) {
          const QTableWidgetItem* item = table->item(r, c);
          row += (c ? " " : "") + Quote(item->text().toStdString());
          if (!item->toolTip().isEmpty()) row += " ! " + Quote(item->toolTip().toStdString());
        }
      }
      if (QWidget* focus = editor->focusWidget()) s["focus"] = "Editor/" + focus->objectName();
    }
    if (auto* sheets = w_->findChild<QDialog*>("Fichas"); sheets && sheets->isVisible()) {
      s["fichas"] = Quote(sheets->windowTitle().toStdString());
      for (auto* spin : sheets->findChildren<QSpinBox*>())
        s["fichas"] += QString(" %1 %2").arg(spin->objectName()).arg(spin->value());
      if (Find<QCheckBox>("Soluciones")->isChecked()) s["fichas"] += " Soluciones";
      if (auto* note = sheets->findChild<QLabel*>("Repeticiones"))
        s["fichas"] += " " + Quote(note->text().toStdString());
      if (QWidget* focus = sheets->focusWidget()) s["focus"] = "Fichas/" + focus->objectName();
    }
    if (auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
      s["menu.open"] =
          Quote(open->title().toStdString()) + " at " +
          Quote(open->activeAction() ? open->activeAction()->text().toStdString() : "");
    if (auto* ring = w_->findChild<QWidget*>("FocusRing"); ring && ring->isVisible()) {
      for (QWidget* w :
           ring->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w != ring && w->isVisible() && w->geometry() == ring->geometry())
          s["frame"] = w->objectName();
    }
    return s;
  }

  // Runs one command of a session on the window; `folder` holds the session's files.
  void Run(const QString& command, const TempFolder& folder, QTime& clock) {
    const QString verb = command.section(' ', 0, 0), arg = command.section(' ', 1);
    const auto widget = [this](const QString& name) -> QWidget* {
      if (name[0] == 'P' && name[1].isDigit()) return Box("TbPal", name.mid(1).toInt());
      if (name[0] == 'D' && name[1].isDigit()) return Box("TbDef", name.mid(1).toInt());
      if (name.startsWith("Tam")) return Find(QString("TbTam_%1").arg(name.mid(3)));
      if (auto* named = w_->findChild<QWidget*>(name)) return named;  // in a dialog
      return Find("Cb" + name);
    };
    if (verb == "clock") {
      clock = QTime::fromString(arg, "hh:mm:ss");
    } else if (verb == "list") {  // NAME ENTRIES
      folder.Write(arg.section(' ', 0, 0).toStdString() + ".txt",
                   NumberedList(arg.section(' ', 1).toInt()));
    } else if (verb == "file") {  // NAME TEXT, with \n, \r and \xNN for a byte
      folder.Write(Unescape(arg.section(' ', 0, 0)), Unescape(arg.section(' ', 1)));
    } else if (verb == "fifo") {  // a named pipe, no file to read
      QVERIFY(mkfifo((folder.path() / Unescape(arg)).c_str(), 0600) == 0);
    } else if (verb == "remove") {
      std::filesystem::remove(folder.path() / Unescape(arg));
    } else if (verb == "drop") {  // a file manager's drop on the first word, of one file or more
      QMimeData data;
      QList<QUrl> urls;
      for (const QString& name : arg.split(' '))
        urls << QUrl::fromEncoded(
            "file://" + QByteArray::fromStdString((folder.path() / Unescape(name)).string())
                            .toPercentEncoding("/"));
      data.setUrls(urls);
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(Find("TbPal_0"), &enter);
      QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(Find("TbPal_0"), &drop);
    } else if (verb == "start" || verb == "restart") {
      if (w_) w_->close();
      QTimer answer;  // start-up's boxes open before the window can answer them itself
      connect(&answer, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          messages_ << "box " + box->text() + " | " + box->windowTitle();
          box->accept();
        }
      });
      answer.start(10);
      w_ = std::make_unique<MainWindow>(folder.path(), false, [clock] { return clock; });
      answer.stop();
      w_->on_message_box = [this](QMessageBox& box) {
        messages_ << "box " + box.text() + " | " + box.windowTitle();
        for (QAbstractButton* button : box.buttons())  // the answer the session gave, or OK
          if (button->text() == answer_)
            return QTimer::singleShot(0, button, &QAbstractButton::click);
        QMetaObject::invokeMethod(&box, "accept", Qt::QueuedConnection);
      };
      w_->open_url = [this](const QUrl& url) {
        messages_ << "shown " + url.toLocalFile().section('/', -2);
        return true;
      };
      w_->ShowStarted();
      QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
      QApplication::setActiveWindow(w_.get());
    } else if (verb == "click" || verb == "dclick") {  // through the window, as a mouse does
      QWidget* target = widget(arg);
      const QPoint at = target->mapTo(w_.get(), target->rect().center());
      if (auto* button = qobject_cast<QAbstractButton*>(target); target->window() != w_.get()) {
        button->setFocus(Qt::MouseFocusReason);  // a dialog's button, pressed as a mouse does
        button->click();
      } else if (verb == "click")
        QTest::mouseClick(w_->windowHandle(), Qt::LeftButton, {}, at);
      else
        QTest::mouseDClick(w_->windowHandle(), Qt::LeftButton, {}, at);
    } else if (verb == "key") {
      const QKeyCombination key = QKeySequence::fromString(arg)[0];
      QWidget* focus = QApplication::activePopupWidget();   // an open menu takes the keys
      for (QDialog* dialog : w_->findChildren<QDialog*>())  // or else the dialog on top
        if (!QApplication::activePopupWidget() && dialog->isVisible()) {
          QApplication::setActiveWindow(dialog);  // the window manager's part: its keys work
          focus = dialog->focusWidget();
        }
      if (!focus) {
        QApplication::setActiveWindow(w_.get());  // the window manager's part after a box
        focus = w_->focusWidget();
      }
      QVERIFY2(focus, "no focus for the key");
      const QSet<QAbstractButton*> held = Down();  // a file dialog's view button stays down
      QTest::keyClick(focus, key.key(), key.keyboardModifiers());
      // A button's access key shows it pressed at once and clicks it a moment later.
      if (key.keyboardModifiers() & Qt::AltModifier)
        for (QPointer<QAbstractButton> button : Down() - held)
          QTRY_VERIFY_WITH_TIMEOUT(!button || !button->isDown(), 10000);
    } else if (verb == "press") {  // a screen reader's own command
      QWidget* pressed = widget(arg);
      if (auto* text = qobject_cast<QTextEdit*>(pressed->parentWidget())) pressed = text;
      QAccessibleInterface* box = QAccessible::queryAccessibleInterface(pressed);
      QVERIFY(box && box->actionInterface());
      box->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    } else if (verb == "tabs") {  // Tab N times: the stops reached, each framed unless it says so
      QStringList stops;
      for (int k = arg.toInt(); k > 0; --k) {
        QTest::keyClick(w_->focusWidget(), Qt::Key_Tab);
        State now = Snapshot();
        stops << now["focus"] + (now["frame"] == now["focus"] ? "" : " (sin marco)");
      }
      messages_ << "stops " + stops.join(", ");
    } else if (verb == "type") {  // each key into the box that has the keyboard as it comes
      for (const QChar c : QString::fromStdString(Unescape(arg))) {
        QWidget* focus = w_->focusWidget();
        for (QDialog* dialog : w_->findChildren<QDialog*>())
          if (dialog->isVisible()) focus = dialog->focusWidget();
        QTest::keyClicks(focus, c);
      }
    } else if (verb == "menu") {
      QList<QAction*> actions = w_->menuBar()->actions();
      QAction* found = nullptr;
      for (const QString& caption : arg.split('/')) {
        found = nullptr;
        for (QAction* a : actions)
          if (QString(a->text()).remove('&') == caption) found = a;
        QVERIFY2(found, qPrintable(command));
        if (found->menu()) actions = found->menu()->actions();
      }
      found->trigger();
    } else if (verb == "resize") {
      Resize({arg.section('x', 0, 0).toInt(), arg.section('x', 1).toInt()});
    } else if (verb == "maximize") {
      SetState(Qt::WindowMaximized);
    } else if (verb == "close") {
      w_->close();
    } else if (verb == "answer") {  // the button chosen in the boxes that ask
      answer_ = arg;
    } else if (verb == "cell") {  // ROW COLUMN TEXT, counted from 1, in the list editor
      QTableWidgetItem* cell = Find<QTableWidget>("Tabla")->item(
          arg.section(' ', 0, 0).toInt() - 1, arg.section(' ', 1, 1).toInt() - 1);
      QVERIFY2(cell, qPrintable("no such cell: " + command));
      cell->setText(QString::fromStdString(Unescape(arg.section(' ', 2))));
    } else if (verb == "copy") {  // to the clipboard
      QApplication::clipboard()->setText(QString::fromStdString(Unescape(arg)));
    } else if (verb != "bytes" && verb != "exists") {  // a file's bytes, or whether it is there
      QFAIL(qPrintable("unknown command: " + command));
    }
  }

  // A session script: each command is followed by the lines it changes, indented; the boxes it
  // opened first, then the state in order. GLOSANDAS_REWRITE=1 writes what was seen back.
  void RunSession(const QString& path) {
    QFile in(path);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(in.readAll()).split('\n');
    TempFolder folder;
    std::map<const char*, QByteArray> outside;  // the other tests' folders, back at the end
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "HOME"}) {
      outside[name] = qgetenv(name);
      qputenv(name, QByteArray::fromStdString((folder.path() / name).string()));
    }
    // On every path, a failure's too: the window closes before its folder goes.
    const auto end = qScopeGuard([this, &outside] {
      w_.reset();
      for (const auto& [name, value] : outside) qputenv(name, value);
    });
    w_.reset();
    answer_.clear();
    QTime clock(10, 15, 30);
    QStringList seen, failures;
    State before;  // the state a start is told against: the designed first screen
    QFile reference(GLOSANDAS_SESSIONS "/start.ref");
    QVERIFY(reference.open(QIODevice::ReadOnly));
    for (const QString& l : QString::fromUtf8(reference.readAll()).split('\n'))
      if (!l.isEmpty() && !l.startsWith('#')) before[l.section('=', 0, 0)] = l.section('=', 1);
    for (int i = 0; i < lines.size(); ++i) {
      const QString& line = lines[i];
      if (line.isEmpty() || line.startsWith('#')) {
        if (i + 1 < lines.size() || !line.isEmpty()) seen << line;
        continue;
      }
      if (line.startsWith("  ")) continue;  // what the last command was expected to change
      QStringList expected;
      for (int j = i + 1; j < lines.size() && lines[j].startsWith("  "); ++j)
        expected << lines[j].mid(2);
      messages_.clear();
      // "COMMAND *N" runs the command N times.
      const QRegularExpressionMatch times = QRegularExpression(" \\*(\\d+)$").match(line);
      for (int k = times.hasMatch() ? times.captured(1).toInt() : 1; k > 0; --k)
        Run(times.hasMatch() ? line.left(times.capturedStart()) : line, folder, clock);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed dialogs go
      if (QTest::currentTestFailed()) return;
      State after = w_ ? Snapshot() : before;
      if (line == "close") after["ini"] = Quote(ReadBytes(SettingsFile(w_->Where())));
      for (const auto& [key, value] : before)  // the files shown stay shown
        if (key.startsWith("bytes ") || key.startsWith("exists ")) after[key] = value;
      if (line.startsWith("bytes "))
        after[line] = Quote(ReadBytes(folder.path() / Unescape(line.section(' ', 1))));
      if (line.startsWith("exists "))
        after[line] = exists(folder.path() / Unescape(line.section(' ', 1))) ? "yes" : "no";
      QStringList changed;
      const QString root = QString::fromStdString(folder.path().string());
      for (QString m : std::exchange(messages_, {}))  // paths as the session's files are named
        changed << m.replace(root + "/", "")
                       .replace(root, ".")
                       .replace("\r", "\\r")
                       .replace("\n", "\\n");
      for (const auto& [key, value] : after)
        if (!before.count(key) || before[key] != value) changed << key + "=" + value;
      for (const auto& [key, value] : before)
        if (!after.count(key)) changed << key;
      before = after;
      seen << line;
      for (const QString& c : changed) seen << "  " + c;
      if (changed != expected) {
        QStringList diff;
        for (const QString& e : expected)
          if (!changed.contains(e)) diff << "- " + e;
        for (const QString& c : changed)
          if (!expected.contains(c)) diff << "+ " + c;
        if (diff.isEmpty()) diff << "(the same lines in another order)";
        failures << QString("line %1: %2\n  %3").arg(i + 1).arg(line, diff.join("\n  "));
      }
      if (w_ && w_->isVisible()) {
        CheckRendered();
        QCOMPARE(BrokenInvariant(w_->form()), std::string());
      }
    }
    const QString name = QFileInfo(path).fileName();
    const QString out = qEnvironmentVariableIsSet("GLOSANDAS_REWRITE")
                            ? path
                            : QDir::current().filePath("sessions-seen/" + name);
    QDir().mkpath(QFileInfo(out).path());
    QFile file(out);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write((seen.join('\n') + '\n').toUtf8());
    if (!qEnvironmentVariableIsSet("GLOSANDAS_REWRITE") && !failures.isEmpty())
      QFAIL(qPrintable(failures.join("\n") + "\nwhat was seen: " + out));
  }

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
    w_->ShowStarted();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    QApplication::setActiveWindow(w_.get());
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
    CheckRendered();
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
    CheckRendered();
    w_->close();
    QVERIFY(ReadBytes(folder_.path() / "glosandas.ini").starts_with("4 = "));
  }

  // A signal while any box of the running program waits: the box closes, no other opens, the
  // window closes and saves.
  void SignalClosesEveryBoxAndSaves_data() {
    QTest::addColumn<int>("box");
    int i = 0;
    for (const char* name : {"F5", "COMPROBAR", "Acerca de", "cuenta rechazada", "lista vac\u00eda",
                             "importar", "lista sin guardar"})
      QTest::newRow(name) << i++;
  }
  void SignalClosesEveryBoxAndSaves() {
    QFETCH(int, box);
    folder_.Write("nada.csv", "");  // two files without entries: a box each, but the first ends it
    const std::function<void()> opens[] = {
        [&] { QTest::keyClick(Find("TbPal_0"), Qt::Key_F5); },
        [&] { QTest::mouseClick(Find("CbComprobar"), Qt::LeftButton); },
        [&] { Options()[5]->trigger(); },
        [&] {
          ListItem("ocho")->trigger();
          Item(0, 8)->trigger();
        },
        [&] { ListItem("vacia")->trigger(); },
        [&] {
          w_->OpenFiles({folder_.path() / "nada.csv", folder_.path() / "nada.csv"});
        },
        [&] {  // unsaved edits are lost, and nothing is written
          QTest::keyClick(Find("TbPal_0"), Qt::Key_N, Qt::ControlModifier);
          QTest::keyClicks(Find("Nombre"), "nueva");
          Find<QDialog>("Editor")->reject();
        }};
    w_->on_message_box = [this](QMessageBox&) {
      messages_ << "box";
      QTimer::singleShot(0, w_.get(), [this] { w_->EndBySignal(); });
    };
    opens[box]();
    QCOMPARE(Take(), QStringList{"box"});
    QVERIFY(!w_->isVisible());
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
    RunSession(path);
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
          if (!action->menu() && action != Options()[6]) action->trigger();
        }
        QCOMPARE(QString::fromStdString(BrokenInvariant(f)), QString());
        if (step % 10 == 0) CheckRendered();
      }
      QVERIFY(messages_.size() > 10);
    }
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
