#include "ui/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

#include "text/text.h"
#include "ui/qt/export_dialog.h"
#include "ui/qt/list_editor.h"
#include "ui/qt/text_conversion.h"
#include "ui/qt/worksheet_dialog.h"

namespace glosandas {

namespace {

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

MainWindow::MainWindow(std::filesystem::path folder, bool system_install,
                       std::function<QTime()> clock)
    : folders_(FoldersFor(folder, system_install)), clock_(std::move(clock)), form_(*this) {
  InstallSpanishToolkitTexts();
  setWindowTitle(Q(form_.Caption));
  setAcceptDrops(true);
  BuildBoard();

  BuildOptionsMenu();
  BuildListsMenu();
  BuildProgressMenu();

  // The normal placement: the design-size client area, centred.
  const int menu_height = menuBar()->sizeHint().height();
  resize(Px(kDesignClientWidth), Px(kDesignClientHeight) + menu_height);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());

  Handle([this] { form_.Form_Load(); });
  loaded_ = true;
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildOptionsMenu() {
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
}

void MainWindow::BuildListsMenu() {
  // Lists: written and mended here, opened from anywhere, their folder at hand. Each item runs as
  // a handler does: a fault in it is reported and the window goes on.
  lis_ = new AccessKeyMenu("&Listas", this);
  menuBar()->addMenu(lis_);
  const auto item = [this](const char* caption, QKeySequence keys, std::function<void()> verb) {
    QAction* a = lis_->addAction(caption);
    a->setShortcut(keys);
    connect(a, &QAction::triggered, this, [this, verb] { Handle(verb); });
  };
  item("&Nueva lista...", QKeySequence("Ctrl+N"), [this] { EditList(false); });
  item("&Editar la lista actual...", {}, [this] { EditList(true); });
  item("&Abrir archivo...", QKeySequence("Ctrl+O"), [this] { ChooseFiles(); });
  item("Abrir la &carpeta de listas", {}, [this] { ShowListsFolder(); });
  item("&Imprimir fichas...", QKeySequence("Ctrl+P"), [this] { PrintWorksheets(); });
  item("E&xportar lista...", {}, [this] { ExportCurrentList(); });
}

void MainWindow::ChooseFiles() {
  auto* dialog = new QFileDialog(this, "Abrir archivo",
                                 QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
                                 Q(ListFilesFilter()));
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
}

void MainWindow::ShowListsFolder() {
  const QString folder = QFile::decodeName(folders_.user_lists.c_str());
  if (!QDir().mkpath(folder) || !open_url(QUrl::fromLocalFile(folder))) {
    MsgBox("No se puede abrir la carpeta \"" + folder.toStdString() + "\".", "Error");
  }
}

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
  editor_ = new ListEditor(this, *this, name, read.entries, copy.value_or(std::filesystem::path()),
                           shared, restorable);
  editor_->ShowUnseen(read.held, read.whole_word.size() + read.whole_definition.size(),
                      !read.before.empty());
  edited_ = name;
  edited_read_ = std::move(read);
  ReturnFocusAfter(editor_);
  editor_->open();
}

bool MainWindow::SaveList(const std::string& list, const std::vector<Entrada>& rows, bool rename) {
  bool saved = false;
  Handle(
      [&] { saved = form_.SaveList(list, rows, edited_read_, rename ? edited_ : std::string()); });
  return saved;
}

std::optional<ListEditor::Taken> MainWindow::ListTaken(const std::string& list) {
  std::optional<ListEditor::Taken> taken;
  Handle([&] {
    if (const std::optional<std::filesystem::path> file = form_.ShownList(list))
      taken = ListEditor::Taken{*file, form_.UserList(list) == file};
  });
  return taken;
}

bool MainWindow::ListChangedOnDisk() {
  bool changed = false;
  Handle([&] { changed = form_.ListChanged(edited_, edited_read_.bytes); });
  return changed;
}

bool MainWindow::RestoreOriginal() {
  bool restored = false;
  Handle([&] {
    restored = form_.RestoreList(edited_, [](const std::filesystem::path& file) {
      return QFile::moveToTrash(QFile::decodeName(file.c_str()));
    });
  });
  return restored;
}

void MainWindow::Run(QMessageBox& box) {
  if (ending_) return;
  ReturnFocusAfter(&box);
  if (on_message_box) on_message_box(box);
  box.exec();
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

void MainWindow::ExportCurrentList() {
  const std::vector<Entrada> entries = form_.EntriesInForce();
  if (entries.empty()) {
    MsgBox("La lista \"" + form_.Archivo + "\" no tiene ninguna entrada: no hay nada que exportar.",
           "Exportar lista");
    return;
  }
  (new ExportDialog(this, *this, form_.Archivo, entries))->open();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (editor_) editor_->Discard();               // the program ends: unsaved edits are not kept
  Handle([this] { form_.Form_QueryUnload(); });  // saves once, however often it is asked
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!loaded_) return;
  Handle([this] { form_.WindowResized(isVisible(), isMaximized()); });
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

Int MainWindow::KeyCode(int qt_key) {
  if (qt_key == Qt::Key_Return || qt_key == Qt::Key_Enter) return kKeyReturn;
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24)
    return FunctionKeyCode(qt_key - Qt::Key_F1 + 1);
  return 0;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
    FollowFocus(watched, static_cast<QFocusEvent*>(event));
  const auto target = targets_.constFind(watched);
  if (target == targets_.constEnd()) return QMainWindow::eventFilter(watched, event);
  if (TakeDrop(event)) return true;
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
      Click(target->kind, target->index);
    }
  } else if (event->type() == QEvent::KeyPress && target->kind != Kind::kTam) {
    return KeyDown(*target, static_cast<QKeyEvent*>(event));
  }
  return false;  // the box goes on with its ordinary handling of the event
}

// The frame shows where the keyboard is, on every control Tab reaches; a click already shows
// that by itself.
void MainWindow::FollowFocus(QObject* watched, QFocusEvent* event) {
  const bool focus_in = event->type() == QEvent::FocusIn;
  if (static_cast<QWidget*>(watched)->parentWidget() != board_) return;
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
      (focus_in || watched == ring_target_)) {
    const bool keyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                          reason == Qt::ShortcutFocusReason;
    ring_target_ = focus_in && keyboard ? static_cast<QWidget*>(watched) : nullptr;
    PlaceFocusRing();
  }
}

// A key in a word or definition box goes to its handler; true when the handler took it.
bool MainWindow::KeyDown(Target target, QKeyEvent* key) {
  Int code = KeyCode(key->key());
  if (code == 0) return false;
  const Qt::KeyboardModifiers mods = key->modifiers();
  const Int shift =
      ShiftState(mods & Qt::ShiftModifier, mods & Qt::ControlModifier, mods & Qt::AltModifier);
  if (target.kind == Kind::kPal) {
    Handle([&] { form_.TbPal_KeyDown(target.index, code, shift); });
  } else {
    Handle([&] { form_.TbDef_KeyDown(target.index, code, shift); });
  }
  return code == 0;
}

}  // namespace glosandas
