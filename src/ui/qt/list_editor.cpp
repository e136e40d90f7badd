#include "ui/qt/list_editor.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>

#include "text/text.h"
#include "ui/qt/text_conversion.h"
#include "wordlists/list_editing.h"
#include "wordlists/readers.h"

namespace glosandas {

// A change to the rows, undone and redone by showing the table as it was before or after it.
class ListEditor::Step : public QUndoCommand {
 public:
  Step(ListEditor* editor, Table before, Table after)
      : editor_(editor), before_(std::move(before)), after_(std::move(after)) {}
  void undo() override { editor_->Show(before_); }
  void redo() override {
    if (!done_) editor_->Show(after_);  // a step is pushed once the table already shows it
    done_ = false;
  }

 private:
  ListEditor* editor_;
  Table before_, after_;
  bool done_ = true;
};

ListEditor::ListEditor(QWidget* parent, Window& window, const std::string& name,
                       const std::vector<Entrada>& entries, std::filesystem::path copy, bool shared,
                       bool restorable)
    : QDialog(parent), window_(window), original_(name), copy_(std::move(copy)) {
  setObjectName("Editor");
  setWindowTitle(name.empty() ? "Nueva lista" : Q("Editar la lista \"" + name + "\""));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(760, 520);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(NameRow());
  MakeTable();
  layout->addWidget(table_, 1);
  MakeNotes(shared);
  layout->addWidget(count_);
  layout->addWidget(note_);
  layout->addWidget(unseen_);
  MakeUndoKeys();
  layout->addLayout(Buttons(restorable));

  AddRows(entries, 0, false);
  table_->setCurrentCell(entries.empty() ? -1 : 0, 0);  // the list from its first row
  ConnectChanges();
  Check();
  name_->setFocus();
}

QHBoxLayout* ListEditor::NameRow() {
  auto* name_row = new QHBoxLayout;
  auto* name_label = new QLabel("&Nombre:");
  name_ = new QLineEdit(Q(original_));
  name_->setObjectName("Nombre");
  name_label->setBuddy(name_);
  name_row->addWidget(name_label);
  name_row->addWidget(name_, 1);
  return name_row;
}

void ListEditor::MakeTable() {
  table_ = new QTableWidget(0, 2);
  table_->setObjectName("Tabla");
  table_->setAccessibleName("Entradas");
  table_->setHorizontalHeaderLabels({"Palabra", "Definición"});
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setColumnWidth(0, 200);
  table_->setWordWrap(true);
  // Tab and Shift+Tab go cell by cell, in the table and in the cell being written (whose
  // editor, made anew for each cell, is watched once it has the keyboard).
  table_->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && now->parentWidget() == table_->viewport()) {
      now->setObjectName("Celda");
      now->installEventFilter(this);
    }
  });
}

void ListEditor::MakeNotes(bool shared) {
  count_ = new QLabel;
  count_->setObjectName("Cuenta");
  note_ = new QLabel("Se guardará una copia en su carpeta de listas.");
  note_->setObjectName("Nota");
  note_->setVisible(shared);
  unseen_ = new QLabel;
  unseen_->setObjectName("Aviso");
  unseen_->setWordWrap(true);
  unseen_->setVisible(false);
}

// In a cell being written the keys are its own, as they are the name's.
void ListEditor::MakeUndoKeys() {
  undo_ = new QUndoStack(this);
  const auto action = [this](const QList<QKeySequence>& keys, bool redo) {
    auto* a = new QAction(this);
    a->setShortcuts(keys);
    connect(a, &QAction::triggered, this, [this, redo] {
      if (QWidget* focus = focusWidget(); focus && focus->parentWidget() == table_->viewport())
        return;
      if (redo) {
        undo_->redo();
      } else {
        undo_->undo();
      }
    });
    addAction(a);
  };
  action({QKeySequence(Qt::CTRL | Qt::Key_Z)}, false);
  action({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
         true);
}

QHBoxLayout* ListEditor::Buttons(bool restorable) {
  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* object, const char* caption, auto slot) {
    auto* b = new QPushButton(caption);
    b->setObjectName(object);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
    return b;
  };
  button("Anadir", "&Añadir fila", [this] {
    AddRows({{}}, table_->currentRow() + 1);
    table_->setFocus();
  });
  button("Quitar", "&Quitar fila", [this] { RemoveRows(); });
  button("Subir", "&Subir", [this] { MoveRow(-1); });
  button("Bajar", "&Bajar", [this] { MoveRow(1); });
  QPushButton* original = button("Restaurar", "&Restaurar la lista original", [this] {
    // The file is named: a list of the user's own that only shares the name would go too.
    if (Choose(Q("¿Quitar su copia de la lista \"" + original_ +
                 "\" y volver a la original? Su copia, el archivo \"" +
                 FileNameText(copy_.filename()) + "\" de la carpeta \"" +
                 FileNameText(copy_.parent_path()) + "\", irá a la papelera."),
               {"Restaurar", "Cancelar"}) == 0 &&
        window_.RestoreOriginal()) {
      Discard();
    }
  });
  original->setVisible(restorable);
  buttons->addStretch();
  button("Guardar", "&Guardar", [this] {
    if (Save()) Discard();
  });
  button("Cancelar", "Cancelar", [this] { reject(); });
  return buttons;
}

void ListEditor::ConnectChanges() {
  connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (updating_) return;
    // Pasted or typed line breaks: the loader would read each as a blank.
    const std::string text = item->text().toStdString(), line = OneLine(text);
    if (line != text) {
      updating_ = true;
      item->setText(Q(line));
      updating_ = false;
    }
    Record(item->row(), item->column());
  });
  // textChanged, not textEdited: the name's own undo can bring it back as it was.
  connect(name_, &QLineEdit::textChanged, this,
          [this](const QString& text) { changed_ = text != Q(original_); });
}

void ListEditor::AddRows(const std::vector<Entrada>& rows, int at, bool step) {
  const int current = table_->currentRow(), column = table_->currentColumn();
  updating_ = true;
  for (const Entrada& row : rows) {
    table_->insertRow(at);
    table_->setItem(at, 0, new QTableWidgetItem(Q(row.Palabra)));
    table_->setItem(at, 1, new QTableWidgetItem(Q(row.Definicion)));
    ++at;
  }
  updating_ = false;
  if (!rows.empty()) table_->setCurrentCell(at - 1, 0);
  if (step) {
    Record(current, column);
  } else {
    recorded_ = Shown().cells;
    Check();
  }
}

void ListEditor::MoveRow(int by) {
  const int from = table_->currentRow(), to = from + by;
  if (from < 0 || to < 0 || to >= table_->rowCount()) return;
  updating_ = true;
  for (int column = 0; column < 2; ++column) {
    QTableWidgetItem* item = table_->takeItem(from, column);
    table_->setItem(from, column, table_->takeItem(to, column));
    table_->setItem(to, column, item);
  }
  updating_ = false;
  table_->setCurrentCell(to, table_->currentColumn());
  Record(from, table_->currentColumn());
}

void ListEditor::RemoveRows() {
  // The whole rows selected, or else the row of the cell in use.
  const int current = table_->currentRow(), column = table_->currentColumn();
  QList<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows << index.row();
  if (rows.isEmpty() && table_->currentRow() >= 0) rows << table_->currentRow();
  std::sort(rows.rbegin(), rows.rend());
  for (int row : rows) table_->removeRow(row);
  Record(current, column);
}

void ListEditor::Paste() {
  AddRows(PastedRows(QApplication::clipboard()->text().toStdString()), table_->currentRow() + 1);
}

void ListEditor::Tab(bool forward, bool out) {
  table_->setFocus();  // the cell being written is taken as it stands
  const int row = table_->currentRow(), to = 2 * row + table_->currentColumn() + (forward ? 1 : -1);
  // As in a word processor's table, Tab past the last cell adds a row; past a blank last row
  // (the one Tab has just added) it leaves the table, as Shift+Tab does past the first cell.
  if (!out && row >= 0 && to == 2 * table_->rowCount() && !IsBlankRow(Rows().back()))
    AddRows({{}}, table_->rowCount());
  if (out || row < 0 || to < 0 || to >= 2 * table_->rowCount()) {
    focusNextPrevChild(forward);
  } else {
    table_->setCurrentCell(to / 2, to % 2);
  }
}

bool ListEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::FocusIn && table_->rowCount() == 0) {
    // An empty table has no cell to type into: what is typed after Tab from the name would be
    // lost. A blank row is neither counted nor saved, so it is no change to the list.
    AddRows({{}}, 0, false);
  }
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
    // Ctrl+Tab and Ctrl+Shift+Tab leave the table at once.
    Tab(key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier),
        key->modifiers().testFlag(Qt::ControlModifier));
    return true;
  }
  if (watched != table_) return QDialog::eventFilter(watched, event);
  const bool control = key->modifiers() == Qt::ControlModifier;
  if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
    AddRows({{}}, table_->currentRow() + 1);
  } else if (control && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
    MoveRow(key->key() == Qt::Key_Up ? -1 : 1);
  } else if (key->key() == Qt::Key_Delete && !table_->selectionModel()->selectedRows().isEmpty()) {
    RemoveRows();  // whole rows selected; inside a cell Delete erases text
  } else if (key->matches(QKeySequence::Paste)) {
    Paste();
  } else {
    return QDialog::eventFilter(watched, event);
  }
  return true;
}

void ListEditor::Record(int row, int column) {
  Table after = Shown();
  if (after.cells != recorded_) {
    undo_->push(new Step(this, {recorded_, row, column}, after));
    recorded_ = after.cells;
  }
  Check();
}

ListEditor::Table ListEditor::Shown() const {
  Table shown{{}, table_->currentRow(), table_->currentColumn()};
  for (int r = 0; r < table_->rowCount(); ++r)
    for (int c = 0; c < 2; ++c)
      shown.cells << (table_->item(r, c) ? table_->item(r, c)->text() : "");
  return shown;
}

void ListEditor::Show(const Table& shown) {
  updating_ = true;
  table_->setRowCount(int(shown.cells.size() / 2));
  for (int i = 0; i < shown.cells.size(); ++i) {
    QTableWidgetItem* item = table_->item(i / 2, i % 2);
    if (!item) table_->setItem(i / 2, i % 2, item = new QTableWidgetItem);
    item->setText(shown.cells[i]);
  }
  updating_ = false;
  recorded_ = shown.cells;
  table_->setCurrentCell(std::min(shown.row, table_->rowCount() - 1), shown.column);
  Check();
}

bool ListEditor::Changed() const { return changed_ || !undo_->isClean(); }

std::vector<Entrada> ListEditor::Rows() const {
  std::vector<Entrada> rows;
  for (int r = 0; r < table_->rowCount(); ++r) {
    const auto text = [&](int c) {
      return table_->item(r, c) ? OneLine(table_->item(r, c)->text().toStdString()) : "";
    };
    rows.push_back({text(0), text(1)});
  }
  return rows;
}

void ListEditor::ShowUnseen(std::size_t held, std::size_t cut, bool notes) {
  QStringList said;
  if (notes)
    said << "Las líneas antes de la primera entrada no se muestran y se guardarán sin cambios.";
  if (held > kMaxEntradas)
    said << QString(
                "Esta lista tiene %1 entradas; aquí se muestran las %2 primeras. Las demás se "
                "guardarán sin cambios.")
                .arg(held)
                .arg(kMaxEntradas);
  if (cut == 1)
    said << "Un texto pasa del límite y aquí se muestra cortado; se guardará entero mientras no "
            "lo cambie.";
  if (cut > 1)
    said << QString(
                "%1 textos pasan del límite y aquí se muestran cortados; se guardarán enteros "
                "mientras no los cambie.")
                .arg(cut);
  unseen_->setText(said.join(' '));
  unseen_->setVisible(!said.isEmpty());
}

void ListEditor::Discard() {
  changed_ = false;
  undo_->setClean();
  QDialog::reject();
}

void ListEditor::reject() {
  if (Changed()) {
    const std::string name = Trim(name_->text().toStdString());
    const int choice =
        Choose(Q(name.empty() ? "¿Guardar la lista nueva?"
                              : "¿Guardar los cambios en la lista \"" + name + "\"?"),
               {"Guardar", "No guardar", "Cancelar"});
    if (choice == 2 || (choice == 0 && !Save())) return;
  }
  Discard();
}

}  // namespace glosandas
