// The list editor's checks, its questions and its saving: what the rows must be before the list
// is saved, and what the user is asked on the way.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

#include "text/text.h"
#include "ui/qt/fault_texts.h"
#include "ui/qt/list_editor.h"
#include "ui/qt/text_conversion.h"
#include "wordlists/list_editing.h"
#include "wordlists/readers.h"

namespace glosandas {

std::string ListEditor::Check() {
  const std::vector<Entrada> rows = Rows();
  const std::vector<RowProblems> problems = CheckRows(rows);
  std::string first;
  updating_ = true;
  for (int r = 0; r < table_->rowCount(); ++r) {
    for (int c = 0; c < 2; ++c) {
      QTableWidgetItem* item = table_->item(r, c);
      if (!item) table_->setItem(r, c, item = new QTableWidgetItem);
      std::string why = CellFaultText(c == 0 ? problems[r].word : problems[r].definition, c == 0);
      if (first.empty() && !why.empty()) first = "Fila " + std::to_string(r + 1) + ": " + why;
      const bool repeated = why.empty() && c == 0 && problems[r].repeated;
      if (repeated) why = "Esta palabra está más de una vez en la lista.";
      item->setToolTip(Q(why));
      item->setData(Qt::AccessibleDescriptionRole, Q(why));
      item->setBackground(why.empty() ? QBrush() : QColor(repeated ? 0xFFF2B3 : 0xFFC8C8));
    }
  }
  updating_ = false;
  table_->resizeRowsToContents();
  count_->setText(QString("%1 de %2 entradas")
                      .arg(std::count_if(rows.begin(), rows.end(),
                                         [](const Entrada& row) { return !IsBlankRow(row); }))
                      .arg(kMaxEntradas));
  return first;
}

void ListEditor::Tell(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, windowTitle(), Q(text), QMessageBox::Ok, this);
  window_.Run(box);
}

int ListEditor::Choose(const QString& text, const QStringList& buttons) {
  QMessageBox box(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::NoButton, this);
  QList<QAbstractButton*> added;
  for (const QString& caption : buttons) {
    added << box.addButton(caption, added.size() + 1 == buttons.size() ? QMessageBox::RejectRole
                                                                       : QMessageBox::AcceptRole);
  }
  box.setDefaultButton(static_cast<QPushButton*>(added.first()));
  box.setEscapeButton(added.last());
  window_.Run(box);
  const qsizetype chosen = added.indexOf(box.clickedButton());
  return chosen < 0 ? int(added.size()) - 1 : int(chosen);
}

bool ListEditor::Save() {
  const std::string name = Trim(name_->text().toStdString());
  if (const NameFault fault = CheckListName(name); fault != NameFault::kNone) {
    Tell(NameFaultText(fault));
    name_->setFocus();
    return false;
  }
  if (const std::string problem = Check(); !problem.empty()) {
    Tell("No se puede guardar la lista mientras haya casillas marcadas. " + problem);
    table_->setFocus();
    return false;
  }
  std::vector<Entrada> rows = Rows();
  std::erase_if(rows, IsBlankRow);
  if (rows.empty()) {
    Tell(
        "La lista no tiene ninguna entrada. Añada al menos una fila con su palabra y su "
        "definición.");
    return false;
  }
  bool rename = false;
  if (FoldCase(name) != FoldCase(original_)) {
    if (!AskAboutName(name, rename)) return false;
  } else if (window_.ListChangedOnDisk() &&
             Choose(Q("La lista \"" + name +
                      "\" ha cambiado en el disco desde que se abrió. ¿Reemplazarla?"),
                    {"Reemplazar", "No"}) != 0) {
    return false;
  }
  return window_.SaveList(name, rows, rename);
}

// A new name for the list: renames the user's own list or keeps both, and may hide or replace
// another list of that name. False when the user cancels.
bool ListEditor::AskAboutName(const std::string& name, bool& rename) {
  // Only a list in the user's own folder is renamed; another folder's list stays as it is and
  // the new name is the user's copy of it.
  if (!original_.empty() && !copy_.empty()) {
    const int choice = Choose(Q("¿Cambiar el nombre de la lista \"" + original_ + "\" a \"" + name +
                                "\"? Si no, se guardará una lista nueva \"" + name + "\" y \"" +
                                original_ + "\" seguirá como está."),
                              {"Cambiar el nombre", "Guardar las dos", "Cancelar"});
    if (choice == 2) return false;
    rename = choice == 0;
  }
  if (const std::optional<Taken> other = window_.ListTaken(name)) {
    const QString question =
        other->own
            ? Q("Ya existe una lista \"" + name + "\". ¿Reemplazarla?")
            : Q("Ya hay una lista \"" + FileNameText(other->file.stem()) + "\" en la carpeta \"" +
                FileNameText(other->file.parent_path()) + "\". La nueva lista \"" + name +
                "\" la ocultará en el menú. ¿Guardarla así?");
    if (Choose(question, {other->own ? "Reemplazar" : "Guardar", "Cancelar"}) != 0) return false;
  }
  return true;
}

}  // namespace glosandas
