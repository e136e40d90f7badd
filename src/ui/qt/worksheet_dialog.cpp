#include "ui/qt/worksheet_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <algorithm>

#include "board/random.h"
#include "ui/qt/fault_texts.h"
#include "ui/qt/text_conversion.h"
#include "wordlists/limits.h"

namespace glosandas {

namespace {

void Paint(QPrinter& printer, const Print& print) {
  printer.setDocName(Q(print.list + " - fichas"));
  SetWorksheetMargins(printer);
  PaintPrint(printer, print);
}

}  // namespace

QString DocumentsFolder() {
  // One that does not exist would leave a file dialog in the program's folder.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  return folder;
}

WorksheetDialog::WorksheetDialog(QWidget* parent, Window& window, const Print& print, int words,
                                 int definitions)
    : QDialog(parent), window_(window), print_(print), form_(new QFormLayout(this)) {
  setObjectName("Fichas");
  setWindowTitle(Q("Imprimir fichas de la lista \"" + print_.list + "\""));
  setAttribute(Qt::WA_DeleteOnClose);
  window_.ReturnFocusAfter(this);
  const int entries = static_cast<int>(print_.entries.size());
  sheets_ = AddCount("Hojas", "&Fichas:", 1, kMaxSheets, 1);
  const int distinct = MostOnASheet(print_.entries),
            most = std::min({kMaxCount, entries, distinct});
  words_ = AddCount("Palabras", "&Palabras por ficha:", 1, most, words);
  definitions_ =
      AddCount("Definiciones", "&Definiciones por ficha:", words_->value(), most, definitions);
  connect(words_, &QSpinBox::valueChanged, definitions_, &QSpinBox::setMinimum);  // never fewer
  AddNotes(distinct, entries);
  key_ = new QCheckBox("Incluir la hoja de &soluciones");
  key_->setObjectName("Soluciones");
  key_->setChecked(true);
  form_->addRow(key_);
  AddButtons();
  for (QSpinBox* box : {sheets_, words_, definitions_})
    connect(box, &QSpinBox::valueChanged, this, [this] { previewed_.clear(); });
  sheets_->setFocus();
}

QSpinBox* WorksheetDialog::AddCount(const char* name, const char* label, int low, int high,
                                    int value) {
  auto* box = new QSpinBox;
  box->setObjectName(name);
  box->setRange(low, high);
  box->setValue(value);
  form_->addRow(label, box);
  return box;
}

void WorksheetDialog::AddNotes(int distinct, int entries) {
  const auto note = [this](const char* name, const std::string& text) {
    auto* label = new QLabel(Q(text));
    label->setObjectName(name);
    label->setWordWrap(true);
    form_->addRow(label);
  };
  // The repeats, not the list's length, set the maxima.
  if (distinct < std::min(kMaxCount, entries)) note("Repeticiones", RepeatsNote(distinct));
  if (const std::string unshown = UnshownNote(print_); !unshown.empty()) note("SinFuente", unshown);
}

void WorksheetDialog::AddButtons() {
  auto* buttons = new QDialogButtonBox;
  QPushButton* to_printer = buttons->addButton("&Imprimir...", QDialogButtonBox::AcceptRole);
  QPushButton* to_pdf = buttons->addButton("&Guardar PDF...", QDialogButtonBox::AcceptRole);
  to_pdf->setObjectName("GuardarPdf");
  QPushButton* preview = buttons->addButton("&Vista previa...", QDialogButtonBox::ActionRole);
  preview->setObjectName("VistaPrevia");
  buttons->addButton("Cancelar", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(preview, &QPushButton::clicked, this, &WorksheetDialog::Preview);
  connect(to_printer, &QPushButton::clicked, this, &WorksheetDialog::ToPrinter);
  connect(to_pdf, &QPushButton::clicked, this, &WorksheetDialog::ToPdf);
  form_->addRow(buttons);
}

Print WorksheetDialog::Dealt() const {
  Print p = print_;
  p.key = key_->isChecked();
  p.sheets = previewed_.empty() ? DealWorksheets(p.entries, sheets_->value(), words_->value(),
                                                 definitions_->value(), window_.Dealer())
                                : previewed_;
  return p;
}

void WorksheetDialog::Preview() {
  window_.Handle([this] {
    previewed_.clear();
    previewed_ = Dealt().sheets;
    auto* view = new QPrintPreviewDialog(this);  // with a printer of its own
    view->setObjectName("VistaPreviaFichas");
    view->setAttribute(Qt::WA_DeleteOnClose);
    // Painted again for a printer chosen from it, with that printer's margins.
    connect(view, &QPrintPreviewDialog::paintRequested, view,
            [this](QPrinter* printer) { Paint(*printer, Dealt()); });
    view->open();
  });
}

void WorksheetDialog::ToPrinter() {
  auto* printer = new QPrinter;
  auto* chooser = new QPrintDialog(printer, this);
  chooser->setAttribute(Qt::WA_DeleteOnClose);
  window_.ReturnFocusAfter(chooser);
  connect(chooser, &QDialog::finished, this, [printer] { delete printer; });
  connect(chooser, &QDialog::accepted, this, [this, printer] {
    window_.Handle([&] {
      Paint(*printer, Dealt());
      accept();
    });
  });
  chooser->open();
}

void WorksheetDialog::ToPdf() {
  auto* chooser = new QFileDialog(this, "Guardar PDF",
                                  DocumentsFolder() + "/" + Q(print_.list + " - fichas.pdf"),
                                  "Documentos PDF (*.pdf)");
  chooser->setObjectName("GuardarComo");
  chooser->setAcceptMode(QFileDialog::AcceptSave);
  chooser->setDefaultSuffix("pdf");
  chooser->setAttribute(Qt::WA_DeleteOnClose);
  window_.ReturnFocusAfter(chooser);
  connect(chooser, &QFileDialog::fileSelected, this, [this](const QString& file) {
    window_.Handle([&] {
      const std::string path = QFile::encodeName(file).toStdString();  // the name's own bytes
      if (WritePrintPdf(path, Dealt()) != WriteOutcome::kWritten) {
        window_.MsgBox("No se puede guardar el PDF \"" + file.toStdString() + "\".", "Error");
        return;
      }
      accept();
    });
  });
  chooser->open();
}

}  // namespace glosandas
