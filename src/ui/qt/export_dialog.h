// The export dialog: the list in force put into a format of another program, then saved where
// the user says.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "ui/qt/worksheet_dialog.h"
#include "wordlists/entry.h"

class QComboBox;
class QFormLayout;
class QSpinBox;

namespace glosandas {

class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  // The list `name` with its `entries` (without outer blanks; at least one). It asks of the
  // window what the worksheet dialog asks.
  ExportDialog(QWidget* parent, WorksheetDialog::Window& window, const std::string& name,
               const std::vector<Entrada>& entries);

 private:
  QSpinBox* AddCount(const char* name, const char* label, int low, int value);
  // The counts only for the formats written as questions.
  void FormatChosen();
  // The file in the format chosen, or why not; then where to save it.
  void Export();
  void Save(const std::string& bytes);

  WorksheetDialog::Window& window_;
  std::string name_;
  std::vector<Entrada> entries_;
  QFormLayout* form_;
  QComboBox* format_;
  QSpinBox *questions_, *words_, *definitions_;
};

}  // namespace glosandas
