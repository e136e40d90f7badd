#include "ui/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTranslator>
#include <cmath>
#include <map>
#include <memory>

#include "text/text.h"
#include "ui/qt/accessible_box.h"
#include "ui/qt/list_editor.h"
#include "ui/qt/worksheet_dialog.h"

namespace glosandas {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QColor FromBgr(std::uint32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// Verdana and Arial Narrow are rarely installed on Linux; the nearest metric-alike installed
// stands in. Resolved once per name: asking the font matcher for a missing family is slow.
QString Family(const std::string& name) {
  static std::map<std::string, QString> resolved;
  auto found = resolved.find(name);
  if (found != resolved.end()) return found->second;
  const QStringList candidates =
      name == "Arial Narrow"
          ? QStringList{"Arial Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"}
          : QStringList{QString::fromStdString(name), "DejaVu Sans", "Bitstream Vera Sans"};
  QString family = QString::fromStdString(name);
  for (const QString& candidate : candidates) {
    if (QFontDatabase::hasFamily(candidate)) {
      family = candidate;
      break;
    }
  }
  return resolved[name] = family;
}

QFont FontFor(const std::string& name, float points) {
  QFont font(Family(name));
  font.setPointSizeF(points);
  return font;
}

// The toolkit's own buttons and menus speak Spanish like the rest of the window, whatever the
// system's language; the locale itself is left alone (numbers keep the user's separator).
void InstallSpanishToolkitTexts() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  auto* translator = new QTranslator(qApp);
  if (translator->load("qt_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  }
}

// The letter a caption's "&" marks, in upper case; none when it marks none.
QChar AccessKey(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1].toUpper();
    ++i;
  }
  return {};
}

// A menu in which a letter that several items share moves between them without choosing one
// (Return then chooses); a letter of one item alone chooses it, as in any menu.
class AccessKeyMenu : public QMenu {
 public:
  using QMenu::QMenu;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const QString typed = event->text();
    QList<QAction*> sharing;
    if (typed.size() == 1 && !(event->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier))) {
      for (QAction* a : actions()) {
        if (a->isVisible() && AccessKey(a->text()) == typed[0].toUpper()) sharing << a;
      }
    }
    if (sharing.size() < 2) return QMenu::keyPressEvent(event);
    // The next enabled one after the item reached, going round; reached with the arrow key,
    // which opens no submenu.
    const qsizetype at = sharing.indexOf(activeAction());
    QAction* next = nullptr;
    for (qsizetype i = 1; i <= sharing.size() && !next; ++i) {
      QAction* a = sharing[(at + i + sharing.size()) % sharing.size()];
      if (a->isEnabled()) next = a;
    }
    for (qsizetype i = 0; next && activeAction() != next && i < actions().size(); ++i) {
      QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
      QMenu::keyPressEvent(&down);
    }
    event->accept();
  }
};

QMenu* AddMenu(QWidget* parent, const std::string& title, QMenu* to) {
  auto* menu = new AccessKeyMenu(Q(title), parent);
  to->addMenu(menu);
  return menu;
}

}  // namespace

// The client area: the boxes are its children and the join lines are painted on it, beneath them.
class MainWindow::Board : public QWidget {
 public:
  explicit Board(MainWindow* window) : QWidget(window), window_(window) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Line& line : window_->form_.Line1) {
      if (!line.Visible || (line.X1 == line.X2 && line.Y1 == line.Y2)) continue;
      const double scale = window_->PixelsPerTwip();
      painter.setPen(QPen(Qt::black, line.BorderWidth, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(line.X1 * scale, line.Y1 * scale),
                       QPointF(line.X2 * scale, line.Y2 * scale));
    }
  }

 private:
  MainWindow* window_;
};

// A frame around the box the keyboard is in: black outside, white inside, so that it shows on
// every colour a box can take.
class FocusRing : public QWidget {
 public:
  explicit FocusRing(QWidget* parent) : QWidget(parent) {
    setObjectName("FocusRing");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRectF outer = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(outer);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outer.adjusted(2, 2, -2, -2));
  }
};

MainWindow::MainWindow(std::filesystem::path folder, bool system_install,
                       std::function<QTime()> clock)
    : folders_(FoldersFor(folder, system_install)), clock_(std::move(clock)), form_(*this) {
  InstallSpanishToolkitTexts();
  setWindowTitle(Q(form_.Caption));
  setAcceptDrops(true);
  // On a screen too small for the exercise the board scrolls; its placement never changes.
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);  // not a stop of its own: Tab goes from control to control
  board_ = new Board(this);
  scroll->setWidget(board_);
  setCentralWidget(scroll);
  focus_ring_ = new FocusRing(board_);

  instruc_.widget = NewTextBox("TbInstruc", Kind::kNone, -1);
  for (Int i = 0; i < 2; ++i) {
    tam_.push_back({NewLineBox(QString("TbTam_%1").arg(i), Kind::kTam, i)});
  }
  comprobar_.widget = NewButton("CbComprobar", &Form1::CbComprobar_Click);
  siguiente_.widget = NewButton("CbSiguiente", &Form1::CbSiguiente_Click);
  ver_.widget = NewButton("CbVer", &Form1::CbVer_Click);

  opc_ = new AccessKeyMenu(Q(form_.MnuOpc.Caption), this);
  menuBar()->addMenu(opc_);
  opc_pal_ = AddMenu(this, form_.MnuOpcPal.Caption, opc_);
  opc_def_ = AddMenu(this, form_.MnuOpcDef.Caption, opc_);
  opc_arc_ = AddMenu(this, form_.MnuOpcArc.Caption, opc_);
  mar_ = opc_->addAction(Q(form_.MnuOpcMar.Caption));
  mar_->setCheckable(true);
  connect(mar_, &QAction::triggered, this, [this] { Handle([this] { form_.MnuOpcMar_Click(); }); });
  opc_tam_ = AddMenu(this, form_.MnuOpcTam.Caption, opc_);
  ace_ = opc_->addAction(Q(form_.MnuOpcAce.Caption));
  connect(ace_, &QAction::triggered, this, [this] { Handle([this] { form_.MnuOpcAce_Click(); }); });
  sal_ = opc_->addAction(Q(form_.MnuOpcSal.Caption));
  connect(sal_, &QAction::triggered, this, [this] { Handle([this] { form_.MnuOpcSal_Click(); }); });

  // Lists: written and mended here, opened from anywhere, their folder at hand.
  lis_ = new AccessKeyMenu("&Listas", this);
  menuBar()->addMenu(lis_);
  const auto item = [this](const char* caption, QKeySequence keys, auto slot) {
    QAction* a = lis_->addAction(caption);
    a->setShortcut(keys);
    connect(a, &QAction::triggered, this, slot);
  };
  item("&Nueva lista...", QKeySequence("Ctrl+N"), [this] { EditList(false); });
  item("&Editar la lista actual...", {}, [this] { EditList(true); });
  item("&Abrir archivo...", QKeySequence("Ctrl+O"), [this] {
    auto* dialog = new QFileDialog(this, "Abrir archivo",
                                   QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
                                   "Listas de palabras (*.txt *.tsv *.tab *.csv *.kvtml *.TXT "
                                   "*.TSV *.TAB *.CSV *.KVTML);;Todos los archivos (*)");
    dialog->setObjectName("AbrirArchivo");
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    ReturnFocusAfter(dialog);
    connect(dialog, &QFileDialog::filesSelected, this, [this](const QStringList& names) {
      std::vector<std::filesystem::path> files;
      for (const QString& name : names) files.emplace_back(QFile::encodeName(name).toStdString());
      OpenFiles(files);
    });
    dialog->open();
  });
  item("Abrir la &carpeta de listas", {}, [this] {
    const QString folder = QFile::decodeName(folders_.user_lists.c_str());
    if (!QDir().mkpath(folder) || !open_url(QUrl::fromLocalFile(folder))) {
      MsgBox("No se puede abrir la carpeta \"" + folder.toStdString() + "\".", "Error");
    }
  });
  item("&Imprimir fichas...", QKeySequence("Ctrl+P"), [this] { PrintWorksheets(); });

  // The normal placement: the design-size client area, centred.
  const int menu_height = menuBar()->sizeHint().height();
  resize(Px(kDesignClientWidth), Px(kDesignClientHeight) + menu_height);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());

  Handle([this] { form_.Form_Load(); });
  loaded_ = true;
  if (maximize_requested_) first_screen_top_ = form_.CbComprobar.Top;
}

MainWindow::~MainWindow() = default;

void MainWindow::ShowStarted() {
  if (maximize_requested_) {
    showMaximized();
  } else {
    show();
  }
  // The keyboard starts where the exercise does, framed as after a Tab.
  if (!pal_.empty() && pal_[0].widget) {
    ring_target_ = pal_[0].widget;
    ring_target_->setFocus(Qt::TabFocusReason);
    PlaceFocusRing();
  }
}

double MainWindow::PixelsPerTwip() const {
  const QScreen* s = screen();
  return (s ? s->logicalDotsPerInchY() : 96.0) / 1440.0;
}

int MainWindow::Px(double twips) const {
  return static_cast<int>(std::lround(twips * PixelsPerTwip()));
}

QLineEdit* MainWindow::NewLineBox(const QString& name, Kind kind, Int index) {
  auto* box = new QLineEdit(board_);
  box->setObjectName(name);
  box->installEventFilter(this);
  targets_.insert(box, {kind, index});
  if (kind == Kind::kPal) {
    // What the learner types is the box's text from then on (F5 and screen readers report it).
    connect(box, &QLineEdit::textEdited, this, [this, index](const QString& text) {
      Handle([&] { form_.TbPal[index].Text = pal_[index].shown.Text = text.toStdString(); });
    });
    MakePressable(box, [this, index] { Click(Kind::kPal, index); });
  }
  return box;
}

QTextEdit* MainWindow::NewTextBox(const QString& name, Kind kind, Int index) {
  auto* box = new QTextEdit(board_);
  box->setObjectName(name);
  box->setAcceptRichText(false);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setTabChangesFocus(true);
  box->viewport()->installEventFilter(this);
  box->installEventFilter(this);
  if (kind == Kind::kDef) {
    targets_.insert(box, {kind, index});
    targets_.insert(box->viewport(), {kind, index});
    connect(box, &QTextEdit::textChanged, this, [this, box, index] {
      if (rendering_) return;
      Handle([&] {
        form_.TbDef[index].Text = def_[index].shown.Text = box->toPlainText().toStdString();
      });
    });
    MakePressable(box, [this, index] { Click(Kind::kDef, index); });
  }
  return box;
}

QPushButton* MainWindow::NewButton(const QString& name, void (Form1::*handler)()) {
  auto* button = new QPushButton(board_);
  button->setObjectName(name);
  button->installEventFilter(this);
  if (handler) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { Handle([this, handler] { (form_.*handler)(); }); });
  }
  return button;
}

void MainWindow::Handle(const std::function<void()>& handler) {
  ++handling_;
  try {
    handler();
    Render();
  } catch (...) {
    rendering_ = false;
    try {
      MsgBox(
          "Se ha producido un error interno. Puede seguir usando el programa; sus opciones se "
          "guardarán al salir.",
          "Error");
      Render();
    } catch (...) {
    }
  }
  if (--handling_ == 0 && ending_) {
    ending_ = false;
    close();
  }
}

void MainWindow::OpenFiles(const std::vector<std::filesystem::path>& files) {
  if (!files.empty()) Handle([this, &files] { form_.ImportLists(files); });
}

// Files dropped anywhere on the window, the boxes included (which would take them as text).
bool MainWindow::TakeDrop(QEvent* event) {
  if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove &&
      event->type() != QEvent::Drop) {
    return false;
  }
  auto* drop = static_cast<QDropEvent*>(event);
  std::vector<std::filesystem::path> files;
  for (const QUrl& url : drop->mimeData()->urls()) {
    // The name's bytes as the file system has them, also where they are not UTF-8.
    if (url.isLocalFile())
      files.emplace_back(
          QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
  }
  if (files.empty()) return false;
  drop->acceptProposedAction();
  if (event->type() == QEvent::Drop) OpenFiles(files);
  return true;
}

bool MainWindow::event(QEvent* event) { return TakeDrop(event) || QMainWindow::event(event); }

void MainWindow::EndBySignal() {
  ending_ = true;
  if (editor_) editor_->Discard();
  if (QWidget* box = QApplication::activeModalWidget()) box->close();
  if (handling_ == 0) {
    ending_ = false;
    close();
  }
}

void MainWindow::SyncBox(BoxView& view, const TextBox& box) {
  TextBox& shown = view.shown;
  QWidget* w = view.widget;
  const bool all = view.fresh;
  view.fresh = false;
  const QRect geometry(Px(box.Left), Px(box.Top), Px(box.Width), Px(box.Height));
  if (box.Visible) extent_ |= geometry;
  if (all || box.Left != shown.Left || box.Top != shown.Top || box.Width != shown.Width ||
      box.Height != shown.Height) {
    w->setGeometry(geometry);
  }
  if (all || box.Text != shown.Text) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
      line->setText(Q(box.Text));
      line->setCursorPosition(0);
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
      text->setPlainText(Q(box.Text));
    }
  }
  if (all || box.BackColor != shown.BackColor) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Base, FromBgr(box.BackColor));
    w->setPalette(palette);
  }
  if (all || box.FontSize != shown.FontSize || box.FontName != shown.FontName) {
    w->setFont(FontFor(box.FontName, box.FontSize));
  }
  if (all || box.Alignment != shown.Alignment) {
    const Qt::Alignment align = box.Alignment == Align::kCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->setAlignment(align | Qt::AlignVCenter);
    if (auto* text = qobject_cast<QTextEdit*>(w)) {
      QTextOption option = text->document()->defaultTextOption();
      option.setAlignment(align);
      text->document()->setDefaultTextOption(option);
    }
  }
  if (all || box.Locked != shown.Locked) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->setReadOnly(box.Locked);
    if (auto* text = qobject_cast<QTextEdit*>(w)) text->setReadOnly(box.Locked);
  }
  if (all || box.ToolTipText != shown.ToolTipText) w->setToolTip(Q(box.ToolTipText));
  if (all || box.Enabled != shown.Enabled) w->setEnabled(box.Enabled);
  if (all || box.Visible != shown.Visible) w->setVisible(box.Visible);
  shown = box;
}

void MainWindow::SyncButton(ButtonView& view, const Button& button) {
  QPushButton* w = view.widget;
  const bool all = view.fresh;
  view.fresh = false;
  if (all || button.Caption != view.shown.Caption) w->setText(Q(button.Caption));
  if (all || button.ToolTipText != view.shown.ToolTipText) w->setToolTip(Q(button.ToolTipText));
  if (all || button.FontName != view.shown.FontName || button.FontSize != view.shown.FontSize) {
    w->setFont(FontFor(button.FontName, button.FontSize));
  }
  const QRect geometry(Px(button.Left), Px(button.Top), Px(button.Width), Px(button.Height));
  extent_ |= geometry;
  if (all || button.Left != view.shown.Left || button.Top != view.shown.Top ||
      button.Width != view.shown.Width || button.Height != view.shown.Height) {
    w->setGeometry(geometry);
  }
  tab_order_dirty_ = tab_order_dirty_ || all || button.TabIndex != view.shown.TabIndex;
  view.shown = button;
}

// Compared with what the action shows now: the toolkit flips a checkable action's mark on its own
// before the handler runs.
void MainWindow::SyncItem(QAction* a, const MenuItem& item) {
  const QString caption = Q(item.Caption);
  if (a->text() != caption) a->setText(caption);
  if (a->isChecked() != item.Checked) a->setChecked(item.Checked);
  if (a->isEnabled() != item.Enabled) a->setEnabled(item.Enabled);
  const QKeySequence shortcut(Q(item.Shortcut));
  if (a->shortcut() != shortcut) a->setShortcut(shortcut);
}

void MainWindow::SyncArray(std::vector<BoxView>& views, const std::vector<TextBox>& boxes,
                           const char* name, bool multi_line) {
  views.resize(boxes.size());
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    // A box gets its widget when it is first shown: most screens never show most boxes.
    if (!views[i].widget) {
      if (!boxes[i].Visible) continue;
      const Int index = static_cast<Int>(i);
      const QString object = QString("%1_%2").arg(name).arg(index);
      views[i].widget = multi_line ? static_cast<QWidget*>(NewTextBox(object, Kind::kDef, index))
                                   : NewLineBox(object, Kind::kPal, index);
      tab_order_dirty_ = true;
    }
    SyncBox(views[i], boxes[i]);
    // A screen reader hears the text, and where the box stands and what state it is in.
    QWidget* w = views[i].widget;
    const QString text = Q(boxes[i].Text);
    if (w->accessibleName() != text) w->setAccessibleName(text);
    if (boxes[i].Visible) {
      const QString description = Q(form_.BoxDescription(multi_line ? 2 : 1, static_cast<Int>(i)));
      // The toolkit announces the change.
      if (w->accessibleDescription() != description) w->setAccessibleDescription(description);
    }
  }
}

void MainWindow::SyncMenuArray(std::vector<QAction*>& actions, const std::vector<MenuItem>& items,
                               QMenu* menu, bool checkable,
                               const std::function<void(Int)>& handler) {
  while (actions.size() < items.size()) {
    const Int index = static_cast<Int>(actions.size());
    QAction* action = menu->addAction(QString());
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, handler, index] {
      Handle([&handler, index] {
        if (handler) handler(index);
      });
    });
    actions.push_back(action);
  }
  while (actions.size() > items.size()) {  // a menu built again may hold fewer items
    menu->removeAction(actions.back());
    actions.back()->deleteLater();
    actions.pop_back();
  }
  for (std::size_t i = 0; i < items.size(); ++i) SyncItem(actions[i], items[i]);
}

void MainWindow::Render() {
  if (rendering_) return;
  rendering_ = true;
  extent_ = QRect();
  SyncBox(instruc_, form_.TbInstruc);
  for (int i = 0; i < 2; ++i) SyncBox(tam_[i], form_.TbTam[i]);
  SyncArray(pal_, form_.TbPal, "TbPal", false);
  SyncArray(def_, form_.TbDef, "TbDef", true);
  SyncButton(comprobar_, form_.CbComprobar);
  SyncButton(siguiente_, form_.CbSiguiente);
  SyncButton(ver_, form_.CbVer);
  // The board is as large as what it shows, so that a small window scrolls to all of it.
  board_->setMinimumSize(extent_.right() + 1, extent_.bottom() + 1);

  if (tab_order_dirty_) {
    // Tab order follows the records' tab indexes.
    tab_order_dirty_ = false;
    std::vector<std::pair<Int, QWidget*>> tabs = {{form_.TbInstruc.TabIndex, instruc_.widget},
                                                  {form_.TbTam[0].TabIndex, tam_[0].widget},
                                                  {form_.TbTam[1].TabIndex, tam_[1].widget},
                                                  {form_.CbComprobar.TabIndex, comprobar_.widget},
                                                  {form_.CbSiguiente.TabIndex, siguiente_.widget},
                                                  {form_.CbVer.TabIndex, ver_.widget}};
    for (std::size_t i = 0; i < pal_.size(); ++i) {
      if (pal_[i].widget) tabs.push_back({form_.TbPal[i].TabIndex, pal_[i].widget});
    }
    for (std::size_t i = 0; i < def_.size(); ++i) {
      if (def_[i].widget) tabs.push_back({form_.TbDef[i].TabIndex, def_[i].widget});
    }
    std::sort(tabs.begin(), tabs.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabs.size(); ++i) setTabOrder(tabs[i - 1].second, tabs[i].second);
  }

  if (lines_shown_.size() != form_.Line1.size() ||
      !std::equal(lines_shown_.begin(), lines_shown_.end(), form_.Line1.begin(),
                  [](const Line& a, const Line& b) {
                    return a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Y2 == b.Y2 &&
                           a.Visible == b.Visible;
                  })) {
    lines_shown_ = form_.Line1;
    board_->update();
  }

  opc_->setTitle(Q(form_.MnuOpc.Caption));
  opc_pal_->setTitle(Q(form_.MnuOpcPal.Caption));
  opc_def_->setTitle(Q(form_.MnuOpcDef.Caption));
  opc_arc_->setTitle(Q(form_.MnuOpcArc.Caption));
  opc_tam_->setTitle(Q(form_.MnuOpcTam.Caption));
  SyncMenuArray(pal_items_, form_.MnuOpcPalLis, opc_pal_, true,
                [this](Int i) { form_.MnuOpcPalLis_Click(i); });
  SyncMenuArray(def_items_, form_.MnuOpcDefLis, opc_def_, true,
                [this](Int i) { form_.MnuOpcDefLis_Click(i); });
  SyncMenuArray(arc_items_, form_.MnuOpcArcLis, opc_arc_, true,
                [this](Int i) { form_.MnuOpcArcLis_Click(i); });
  SyncMenuArray(tam_items_, {form_.MnuOpcTamLis.begin(), form_.MnuOpcTamLis.end()}, opc_tam_, false,
                [this](Int i) { form_.MnuOpcTamLis_Click(i); });
  SyncItem(mar_, form_.MnuOpcMar);
  SyncItem(ace_, form_.MnuOpcAce);
  SyncItem(sal_, form_.MnuOpcSal);
  PlaceFocusRing();
  rendering_ = false;
}

void MainWindow::MsgBox(const std::string& prompt, const std::string& title) {
  if (ending_) return;
  Render();  // the learner sees the board as it stands while the box waits
  QMessageBox box(QMessageBox::NoIcon, Q(title.empty() ? kAppTitle : title), Q(prompt),
                  QMessageBox::Ok, isVisible() ? this : nullptr);
  ReturnFocusAfter(&box);
  if (on_message_box) on_message_box(box);
  box.exec();
}

void MainWindow::ReturnFocusAfter(QDialog* dialog) {
  // Some window managers activate no window at all when a dialog closes, and the window's
  // shortcuts then do nothing until a click: the activation is asked for, not left to them.
  QPointer<QWidget> from = QApplication::focusWidget();
  if (!from) from = focusWidget();
  if (!from) from = this;
  connect(dialog, &QDialog::finished, this, [this, from] {
    if (ending_ || !from || !from->isVisible()) return;
    from->window()->activateWindow();
    from->setFocus(Qt::ActiveWindowFocusReason);  // the keyboard's frame stays as it was
  });
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
  QString text = QString::fromStdString(ShortestText(value));
  text.replace('.', QLocale::system().decimalPoint());
  text.replace('-', QLocale::system().negativeSign());
  return text.toStdString();
}

void MainWindow::EditList(bool current) {
  if (editor_ && editor_->isVisible()) {
    editor_->raise();
    editor_->activateWindow();
    return;
  }
  std::string name;
  ListFile read;  // what the editor shows of the list's file, and what saving keeps of it
  bool shared = false, restorable = false;
  std::optional<std::filesystem::path> copy;
  if (current) {
    name = form_.Archivo;
    if (const std::optional<std::filesystem::path> file = form_.ShownList(name))
      read = ReadListFile(*file);
    if (read.entries.empty()) read.entries = form_.EntriesInForce();  // no longer a list on disk
    copy = form_.UserList(name);
    const bool original = form_.HasOriginal(name);
    shared = !copy && original;
    restorable = copy && original;
  }
  editor_ = new ListEditor(this, name, read.entries, shared, restorable);
  editor_->ShowUnseen(read.held, read.whole_word.size() + read.whole_definition.size(),
                      !read.before.empty());
  editor_->save = [this, read, name](const std::string& list, const std::vector<Entrada>& rows,
                                     bool rename) {
    bool saved = false;
    Handle([&] { saved = form_.SaveList(list, rows, read, rename ? name : std::string()); });
    return saved;
  };
  editor_->taken = [this](const std::string& list) -> std::optional<ListEditor::Taken> {
    const std::optional<std::filesystem::path> file = form_.ShownList(list);
    if (!file) return std::nullopt;
    return ListEditor::Taken{*file, form_.UserList(list) == file};
  };
  editor_->changed_on_disk = [this, name, bytes = read.bytes] {
    bool changed = false;
    Handle([&] { changed = form_.ListChanged(name, bytes); });
    return changed;
  };
  editor_->copy = copy.value_or(std::filesystem::path());
  editor_->restore = [this, name](const std::filesystem::path& file) {
    if (!QFile::moveToTrash(QFile::decodeName(file.c_str()))) {
      MsgBox("No se puede llevar su copia de la lista \"" + name + "\" a la papelera.", "Error");
      return false;
    }
    Handle([&] { form_.OfferList(name); });
    return true;
  };
  editor_->run = [this](QMessageBox& box) {
    if (ending_) return;
    ReturnFocusAfter(&box);
    if (on_message_box) on_message_box(box);
    box.exec();
  };
  ReturnFocusAfter(editor_);
  editor_->open();
}

void MainWindow::PrintWorksheets() {
  Print print;
  print.list = form_.Archivo;
  print.entries = form_.EntriesInForce();
  if (print.entries.empty()) {
    MsgBox("La lista \"" + print.list + "\" no tiene ninguna entrada: no hay fichas que imprimir.",
           "Imprimir fichas");
    return;
  }
  (new WorksheetDialog(this, *this, print, form_.NumPal, form_.NumDef))->open();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (editor_) editor_->Discard();               // the program ends: unsaved edits are not kept
  Handle([this] { form_.Form_QueryUnload(); });  // saves once, however often it is asked
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!loaded_) return;
  Handle([this] {
    form_.Form_Resize();
    // The first screen was placed for the height the maximised window was expected to have. A
    // compositor that grants that size only once the window is shown gets the screen placed
    // again for it, without a new deal, as long as the learner has not touched it.
    // Once the learner restores the window, a resize moves only the buttons.
    if (isVisible() && !isMaximized()) first_screen_top_.reset();
    if (first_screen_top_ && isMaximized() && isVisible() &&
        form_.CbComprobar.Top != *first_screen_top_) {
      const bool untouched = form_.NumUniones == 0 && form_.PalSel == -1 && form_.DefSel == -1;
      if (untouched) form_.PlaceScreen();
      first_screen_top_ = untouched ? std::optional(form_.CbComprobar.Top) : std::nullopt;
    }
  });
}

void MainWindow::Click(Kind kind, Int index) {
  switch (kind) {
    case Kind::kPal:
      Handle([this, index] { form_.TbPal_Click(index); });
      break;
    case Kind::kDef:
      Handle([this, index] { form_.TbDef_Click(index); });
      break;
    case Kind::kTam:
      Handle([this, index] { form_.TbTam_Click(index); });
      break;
    default:
      break;
  }
}

void MainWindow::PlaceFocusRing() {
  if (!ring_target_ || !ring_target_->isVisible()) {
    focus_ring_->hide();
    return;
  }
  focus_ring_->setGeometry(ring_target_->geometry());  // inside it: never cut by the board's edge
  focus_ring_->raise();
  focus_ring_->show();
}

Int MainWindow::KeyCode(int qt_key) {
  if (qt_key == Qt::Key_Return || qt_key == Qt::Key_Enter) return kKeyReturn;
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24)
    return static_cast<Int>(112 + qt_key - Qt::Key_F1);
  return 0;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The frame shows where the keyboard is, on every control Tab reaches; a click already shows
  // that by itself.
  const bool focus_in = event->type() == QEvent::FocusIn;
  if ((focus_in || event->type() == QEvent::FocusOut) &&
      static_cast<QWidget*>(watched)->parentWidget() == board_) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        (focus_in || watched == ring_target_)) {
      const bool keyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                            reason == Qt::ShortcutFocusReason;
      ring_target_ = focus_in && keyboard ? static_cast<QWidget*>(watched) : nullptr;
      PlaceFocusRing();
    }
  }
  const auto target = targets_.constFind(watched);
  if (target == targets_.constEnd()) return QMainWindow::eventFilter(watched, event);
  if (TakeDrop(event)) return true;
  const Int index = target->index;
  if (event->type() == QEvent::MouseButtonPress) {
    double_clicked_ = false;
    ring_target_ = nullptr;  // back to the mouse: the frame goes
    PlaceFocusRing();
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    double_clicked_ = true;
  } else if (event->type() == QEvent::MouseButtonRelease) {
    // A click is a release of the left button inside the box; a double-click is one click.
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    const bool ends_double_click = std::exchange(double_clicked_, false);
    if (mouse->button() == Qt::LeftButton && !ends_double_click &&
        widget->rect().contains(mouse->position().toPoint())) {
      Click(target->kind, index);
    }
  } else if (event->type() == QEvent::KeyPress && target->kind != Kind::kTam) {
    auto* key = static_cast<QKeyEvent*>(event);
    Int code = KeyCode(key->key());
    const Qt::KeyboardModifiers mods = key->modifiers();
    const Int shift =
        static_cast<Int>((mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
                         (mods & Qt::AltModifier ? 4 : 0));
    if (code != 0) {
      if (target->kind == Kind::kPal) {
        Handle([&] { form_.TbPal_KeyDown(index, code, shift); });
      } else {
        Handle([&] { form_.TbDef_KeyDown(index, code, shift); });
      }
      if (code == 0) return true;  // the handler took the key
    }
  }
  return false;  // the box goes on with its ordinary handling of the event
}

}  // namespace glosandas
