#include "session.h"

#include <sys/stat.h>

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QSpinBox>
#include <QTableWidget>

namespace glosandas::testing {
namespace {

// A text in quotes, line breaks and quotes escaped; bytes that are not UTF-8 as \xNN.
QString Quote(const std::string& text) {
  const bool utf8 = ValidUtf8Prefix(text) == text.size();
  std::string q;
  for (unsigned char c : text) {
    if (const std::size_t k = std::string_view("\\\"\r\n\t").find(c); k != std::string::npos)
      q += std::string("\\") + "\\\"rnt"[k];
    else if (c >= 0x80 && !utf8)
      q += QString("\\x%1").arg(c, 2, 16, QChar('0')).toStdString();
    else
      q += char(c);
  }
  return '"' + QString::fromStdString(q) + '"';
}
// A session's text as bytes, written as in the data tables (\n, \r, \t, \xNN...).
std::string Unescape(const QString& text) { return Bytes(text.toStdString()); }
QString Num(float v) { return QString::fromStdString(ShortestText(v)); }
// A control's place and size in twips, and its font.
QString Place(const auto& c) {
  return QString("%1,%2 %3x%4 ").arg(Num(c.Left), Num(c.Top), Num(c.Width), Num(c.Height)) +
         QString::fromStdString(c.FontName) + " " + Num(c.FontSize);
}

// A state line's words, a quoted text as one.
QStringList Words(const QString& line) {
  static const QRegularExpression word(R"("(?:[^"\\]|\\.)*"|\S+)");
  QStringList words;
  for (const QRegularExpressionMatch& m : word.globalMatch(line)) words << m.captured();
  return words;
}

// The controls of one column a step changed alike (a deal, a letter size) on one line: what their
// lines share, then each by name with the rest of its line. Empty when their lines differ in shape.
QString Column(const QString& kind, const QStringList& names, const std::map<QString, QString>& s) {
  std::vector<QStringList> lines;
  for (const QString& name : names) lines.push_back(Words(s.at(name)));
  const qsizetype n = lines[0].size();
  std::vector<bool> own(n);
  for (const QStringList& l : lines) {
    if (l.size() != n) return {};
    for (qsizetype k = 0; k < n; ++k) own[k] = own[k] || l[k] != lines[0][k];
  }
  for (qsizetype k = n - 2; k >= 0; --k)  // a label goes with its value
    own[k] = own[k] || (own[k + 1] && QStringList{"tab", "tip", "says"}.contains(lines[0][k]));
  QStringList shared, each = names;
  for (qsizetype k = 0; k < n; ++k)
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (own[k])
        each[i] += " " + lines[i][k];
      else if (i == 0)
        shared << lines[0][k];
  return kind + "*=" + shared.join(' ') + " | " + each.join(" | ");
}

// The buttons shown pressed, in every window.
QSet<QAbstractButton*> Down() {
  QSet<QAbstractButton*> down;
  for (QWidget* w : QApplication::allWidgets())
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isDown())
      down << button;
  return down;
}

}  // namespace

WindowFixture::State WindowFixture::Snapshot() {
  State s;
  const Form1& f = w_->form();
  const auto shows = [](const auto& shown, const auto& recorded, const QString& what) {
    if (!QTest::currentTestFailed())  // the first difference, not all that follow from it
      QTest::qCompare(shown, recorded, qPrintable(what), "its record", __FILE__, __LINE__);
  };
  const auto px = [this](float l, float t, float w, float h) {
    return QRect(w_->Px(l), w_->Px(t), w_->Px(w), w_->Px(h));
  };
  shows(w_->findChildren<QLineEdit*>(QRegularExpression("^TbTam_")).size(), qsizetype(2), "TbTam");
  // A box: the widget shows its record (a text box's CR LF as one break); the line says it.
  const auto box = [&](const QString& name, const TextBox& b, const QString& widget) {
    auto* w = w_->findChild<QWidget*>(widget);
    if (!w) return shows(b.Visible, false, widget);  // built when first shown
    auto* line = qobject_cast<QLineEdit*>(w);
    auto* text = qobject_cast<QTextEdit*>(w);
    const std::uint32_t c = b.BackColor;
    const Qt::Alignment align =
        line ? line->alignment() : text->document()->defaultTextOption().alignment();
    shows(std::tuple(line ? line->text() : text->toPlainText(), w->geometry(),
                     w->palette().color(QPalette::Base), w->isVisibleTo(w->parentWidget()),
                     w->isEnabled(), line ? line->isReadOnly() : text->isReadOnly(),
                     (align & Qt::AlignHCenter) != 0, w->toolTip().toStdString(),
                     w->font().pointSizeF()),
          std::tuple(QString::fromStdString(b.Text).remove('\r'),
                     px(b.Left, b.Top, b.Width, b.Height),
                     QColor(c & 0xFF, (c >> 8) & 0xFF, c >> 16), b.Visible, b.Enabled, b.Locked,
                     b.Alignment == Align::kCenter, b.ToolTipText, qreal(b.FontSize)),
          widget);
    // A red box carries its mark, and only a red one.
    const auto* mark = w->findChild<QWidget*>("MarcaError", Qt::FindDirectChildrenOnly);
    shows(mark && mark->isVisibleTo(w), c == kRed, widget + " mark");
    if (!b.Visible) return;
    s[name] = QString(c == kWhite    ? "W"
                      : c == kYellow ? "Y"
                      : c == kCyan   ? "C"
                      : c == kRed    ? "R"
                                     : "?") +
              " " + Quote(b.Text) + " " + Place(b) + (b.Enabled ? "" : " disabled") +
              (b.Locked ? " locked" : "") + (b.MultiLine ? " multiline" : "") +
              (b.Alignment == Align::kCenter ? " centred" : "") +
              QString(" tab %1").arg(b.TabIndex) +
              (b.ToolTipText.empty() ? "" : " tip " + Quote(b.ToolTipText)) +
              (w->accessibleDescription().isEmpty()
                   ? ""
                   : " says " + Quote(w->accessibleDescription().toStdString()));
  };
  box("Instruc", f.TbInstruc, "TbInstruc");
  for (int i = 0; i < 2; ++i) box(QString("Tam%1").arg(i), f.TbTam[i], QString("TbTam_%1").arg(i));
  for (int i = 0; i < kNumBoxes; ++i) {
    box(QString("P%1").arg(i), f.TbPal[i], QString("TbPal_%1").arg(i));
    box(QString("D%1").arg(i), f.TbDef[i], QString("TbDef_%1").arg(i));
    const Line& l = f.Line1[i];
    if (l.Visible && (l.X1 || l.Y1 || l.X2 || l.Y2))
      s[QString("L%1").arg(i)] =
          QString("%1,%2 %3,%4").arg(Num(l.X1), Num(l.Y1), Num(l.X2), Num(l.Y2)) +
          (f.JoinMarkedWrong(i) ? " dashed" : "");
  }
  for (auto [b, name] :
       {std::pair{&f.CbComprobar, "Comprobar"}, {&f.CbSiguiente, "Siguiente"}, {&f.CbVer, "Ver"}}) {
    auto* button = Find<QPushButton>(QString("Cb") + name);
    shows(std::tuple(button->text().toStdString(), button->toolTip().toStdString(),
                     button->geometry(), button->font().pointSizeF()),
          std::tuple(b->Caption, b->ToolTipText, px(b->Left, b->Top, b->Width, b->Height),
                     qreal(b->FontSize)),
          name);
    s[name] = Quote(b->Caption) + " " + Place(*b) + QString(" tab %1 tip ").arg(b->TabIndex) +
              Quote(b->ToolTipText);
  }
  // A menu: its caption, then its items, [checked] and (disabled), as their actions show them.
  const auto item = [&](QAction* a, const MenuItem& m) {
    shows(std::tuple(a->text().toStdString(), a->isChecked(), a->isEnabled()),
          std::tuple(m.Caption, m.Checked, m.Enabled), a->text());
    const QString caption =
        Quote(m.Caption) + (m.Shortcut.empty() ? "" : " " + QString::fromStdString(m.Shortcut));
    return m.Checked ? "[" + caption + "]" : m.Enabled ? caption : "(" + caption + ")";
  };
  const QList<QAction*> options = Options();
  const auto menu = [&](const QString& name, QAction* at, const MenuItem& title,
                        const auto& items) {
    QString& line = s["menu." + name];
    line = item(at, title) + ":";
    const QList<QAction*> actions = at->menu()->actions();
    shows(actions.size(), qsizetype(items.size()), name);
    for (std::size_t i = 0; i < items.size() && i < std::size_t(actions.size()); ++i)
      line += " " + item(actions[i], items[i]);
  };
  s["menu.Opc"] = item(w_->menuBar()->actions()[0], f.MnuOpc);
  menu("Pal", options[0], f.MnuOpcPal, f.MnuOpcPalLis);
  menu("Def", options[1], f.MnuOpcDef, f.MnuOpcDefLis);
  menu("Arc", options[2], f.MnuOpcArc, f.MnuOpcArcLis);
  s["menu.Mar"] = item(options[3], f.MnuOpcMar);
  menu("Tam", options[4], f.MnuOpcTam, f.MnuOpcTamLis);
  s["menu.Ace"] = item(options[5], f.MnuOpcAce);
  s["menu.Sal"] = item(options[6], f.MnuOpcSal);
  menu("Pro", w_->menuBar()->actions()[2], f.MnuPro,
       std::vector<MenuItem>{f.MnuProRep, f.MnuProVer, f.MnuProBor});
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
  // The progress window: its title, then each table's rows (the days' without their dates).
  if (auto* shown = w_->findChild<QDialog*>("Progreso"); shown && shown->isVisible()) {
    QString& line = s["progreso"] = Quote(shown->windowTitle().toStdString());
    if (auto* note = shown->findChild<QLabel*>("Nota")) line += " " + note->text();
    for (auto* table : shown->findChildren<QTableWidget*>()) {
      line += " " + table->objectName() + ":";
      for (int r = 0; r < table->rowCount(); ++r)
        for (int c = table->objectName() == "Dias"; c < table->columnCount(); ++c)
          line += (c ? " " : r ? " | " : " ") + table->item(r, c)->text();
    }
    if (QWidget* focus = shown->focusWidget()) s["focus"] = "Progreso/" + focus->objectName();
  }
  if (auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
    s["menu.open"] = Quote(open->title().toStdString()) + " at " +
                     Quote(open->activeAction() ? open->activeAction()->text().toStdString() : "");
  if (auto* ring = w_->findChild<QWidget*>("FocusRing"); ring && ring->isVisible()) {
    for (QWidget* w :
         ring->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      if (w != ring && w->isVisible() && w->geometry() == ring->geometry())
        s["frame"] = w->objectName();
  }
  return s;
}

void Session::Run(const QString& command, const TempFolder& folder) {
  const QString verb = command.section(' ', 0, 0), arg = command.section(' ', 1);
  const auto widget = [this](const QString& name) -> QWidget* {
    if (name[0] == 'P' && name[1].isDigit()) return Box("TbPal", name.mid(1).toInt());
    if (name[0] == 'D' && name[1].isDigit()) return Box("TbDef", name.mid(1).toInt());
    if (name.startsWith("Tam")) return Find(QString("TbTam_%1").arg(name.mid(3)));
    if (auto* named = w_->findChild<QWidget*>(name)) return named;  // in a dialog
    return Find("Cb" + name);
  };
  // What takes the keys: an open menu, or else the dialog on top, or else the window, made active
  // as a window manager does.
  const auto keyboard = [this]() -> QWidget* {
    if (QWidget* menu = QApplication::activePopupWidget()) return menu;
    QWidget* top = w_.get();
    for (QDialog* dialog : w_->findChildren<QDialog*>())
      if (dialog->isVisible() && dialog->focusWidget()) top = dialog;
    QApplication::setActiveWindow(top);
    return top->focusWidget();
  };
  if (verb == "list") {  // NAME ENTRIES
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
      urls << QUrl::fromEncoded("file://" +
                                QByteArray::fromStdString((folder.path() / Unescape(name)).string())
                                    .toPercentEncoding("/"));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Find("TbPal_0"), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Find("TbPal_0"), &drop);
  } else if (verb == "start" || verb == "restart") {
    if (w_) w_->close();
    QTimer answer;  // start-up's boxes open before the window can answer them itself
    QObject::connect(&answer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages_ << "box " + box->text() + " | " + box->windowTitle();
        box->accept();
      }
    });
    answer.start(10);
    w_ = std::make_unique<MainWindow>(folder.path(), false, [] { return QTime(10, 15, 30); });
    answer.stop();
    w_->on_message_box = [this](QMessageBox& box) {
      messages_ << "box " + box.text() + " | " + box.windowTitle();
      if (std::exchange(signal_, false))  // the box is left open for the signal to close
        return QTimer::singleShot(0, w_.get(), [this] { w_->EndBySignal(); });
      for (QAbstractButton* button : box.buttons())  // the answer the session gave, or OK
        if (button->text() == answer_)
          return QTimer::singleShot(0, button, &QAbstractButton::click);
      QMetaObject::invokeMethod(&box, "accept", Qt::QueuedConnection);
    };
    w_->open_url = [this](const QUrl& url) {
      messages_ << "shown " + url.toLocalFile().section('/', -2);
      return true;
    };
    Show();
  } else if (verb == "click" || verb == "dclick") {  // through the window, as a mouse does
    QWidget* target = widget(arg);
    auto* text = qobject_cast<QTextEdit*>(target->parentWidget());  // clicked on its viewport
    clicked_ = (target->window() != w_.get() ? target->window()->objectName() + "/" : "") +
               (text ? text : target)->objectName();
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
    QWidget* focus = keyboard();
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
    for (const QChar c : QString::fromStdString(Unescape(arg))) QTest::keyClicks(keyboard(), c);
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
  } else if (verb == "signal") {  // COMMAND, and SIGTERM as soon as a box it opens waits
    signal_ = true;
    Run(arg, folder);
    QVERIFY2(!std::exchange(signal_, false), qPrintable("no box waited: " + command));
  } else if (verb == "answer") {  // the button chosen in the boxes that ask
    answer_ = arg;
  } else if (verb == "cell") {  // ROW COLUMN TEXT, counted from 1, in the list editor
    QTableWidgetItem* cell = Find<QTableWidget>("Tabla")->item(arg.section(' ', 0, 0).toInt() - 1,
                                                               arg.section(' ', 1, 1).toInt() - 1);
    QVERIFY2(cell, qPrintable("no such cell: " + command));
    cell->setText(QString::fromStdString(Unescape(arg.section(' ', 2))));
  } else if (verb == "copy") {  // to the clipboard
    QApplication::clipboard()->setText(QString::fromStdString(Unescape(arg)));
  } else if (verb != "bytes" && verb != "exists") {  // a file's bytes, or whether it is there
    QFAIL(qPrintable("unknown command: " + command));
  }
}

void Session::RunSession(const QString& path) {
  const QStringList lines = QString::fromStdString(ReadBytes(path.toStdString())).split('\n');
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
  QStringList seen, failures;
  State first;  // the state a start is told against: the designed first screen
  for (const QString& l :
       QString::fromStdString(ReadBytes(GLOSANDAS_SESSIONS "/start.ref")).split('\n'))
    if (!l.isEmpty() && !l.startsWith('#')) first[l.section('=', 0, 0)] = l.section('=', 1);
  State before = first;
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
    clicked_.clear();
    const bool open = w_ && w_->isVisible();
    // "COMMAND *N" runs the command N times.
    const QRegularExpressionMatch times = QRegularExpression(" \\*(\\d+)$").match(line);
    for (int k = times.hasMatch() ? times.captured(1).toInt() : 1; k > 0; --k)
      Run(times.hasMatch() ? line.left(times.capturedStart()) : line, folder);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed dialogs go
    if (QTest::currentTestFailed()) return;
    State files;  // the files shown stay shown, across a start too
    for (const auto& [key, value] : before)
      if (key.startsWith("bytes ") || key.startsWith("exists ")) files[key] = value;
    State after = w_ ? Snapshot() : before;
    after.insert(files.begin(), files.end());
    if (line.startsWith("bytes "))
      after[line] = Quote(ReadBytes(folder.path() / Unescape(line.section(' ', 1))));
    if (line.startsWith("exists "))
      after[line] = exists(folder.path() / Unescape(line.section(' ', 1))) ? "yes" : "no";
    if (line == "start") {  // told against the designed first screen, not the last one
      before = first;
      before.insert(files.begin(), files.end());
    }
    const auto was = [&before](const QString& key) {
      return before.count(key) ? std::optional(before.at(key)) : std::nullopt;
    };
    QStringList changed;
    const QString root = QString::fromStdString(folder.path().string());
    for (QString m : std::exchange(messages_, {}))  // paths as the session's files are named
      changed
          << m.replace(root + "/", "").replace(root, ".").replace("\r", "\\r").replace("\n", "\\n");
    if (open && !w_->isVisible())  // the settings the window left as it closed
      changed << "ini=" + Quote(ReadBytes(SettingsFile(w_->Where())));
    // A dialog closed is one line, with where the keyboard went.
    QString closed;
    for (const char* dialog : {"editor", "fichas", "progreso"})
      if (was(dialog) && !after.count(dialog)) closed = dialog;
    const auto ofDialog = [&closed](const QString& key) {
      return key == closed || (closed == "editor" && (key == "aviso" || key.startsWith("row")));
    };
    std::map<QString, QStringList> columns;  // the boxes and join lines changed, by kind
    for (const auto& [key, value] : after)
      if (QRegularExpression("^[PDL]\\d+$").match(key).hasMatch() && was(key) != value)
        columns[key.left(1)] << key;
    std::map<QString, QString> joined;  // a column's line in its first control's place
    for (const auto& [kind, keys] : columns)
      if (const QString l = keys.size() >= 3 ? Column(kind, keys, after) : ""; !l.isEmpty())
        for (const QString& key : keys) joined[key] = key == keys[0] ? l : "";
    for (const auto& [key, value] : after) {
      if (joined.count(key)) {
        if (!joined[key].isEmpty()) changed << joined[key];
        continue;
      }
      // The focus that follows a click onto the control clicked goes without saying.
      if (key == "focus"
              ? closed.isEmpty() && (clicked_.isEmpty() ? was(key) != value : value != clicked_)
              : was(key) != value)
        changed << key + "=" + value;
    }
    if (!closed.isEmpty())
      changed << closed + " closed" + (after.count("focus") ? ", focus=" + after["focus"] : "");
    QStringList gone;
    for (const auto& [key, value] : before)
      if (!after.count(key) && !ofDialog(key)) gone << key;
    if (!gone.isEmpty()) changed << gone.join(' ');
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
    if (w_ && w_->isVisible()) QCOMPARE(BrokenInvariant(w_->form()), std::string());
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

}  // namespace glosandas::testing
