#include "ui/qt/export_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "files/atomic_file.h"
#include "ui/qt/fault_texts.h"
#include "ui/qt/text_conversion.h"
#include "wordlists/limits.h"
#include "worksheets/export.h"
#include "worksheets/worksheets.h"

namespace glosandas {

namespace {

const ListFormat& Format(const QComboBox* box) {
  return *ExportFormats().at(static_cast<std::size_t>(box->currentIndex()));
}

}  // namespace

ExportDialog::ExportDialog(QWidget* parent, WorksheetDialog::Window& window,
                           const std::string& name, const std::vector<Entrada>& entries)
    : QDialog(parent),
      window_(window),
      name_(name),
      entries_(entries),
      form_(new QFormLayout(this)),
      format_(new QComboBox) {
  setObjectName("Exportar");
  setWindowTitle(Q("Exportar la lista \"" + name_ + "\""));
  setAttribute(Qt::WA_DeleteOnClose);
  window_.ReturnFocusAfter(this);
  format_->setObjectName("Formato");
  for (const ListFormat* format : ExportFormats()) format_->addItem(Q(std::string(format->filter)));
  form_->addRow("&Formato:", format_);
  // By default one question with every entry that can share one, and no decoys.
  const int most = std::min(static_cast<int>(entries_.size()), MostOnASheet(entries_));
  questions_ = AddCount("Preguntas", "&Preguntas:", 1, 1);
  questions_->setMaximum(kMaxSheets);
  words_ = AddCount("Palabras", "P&alabras por pregunta:", 1, most);
  definitions_ = AddCount("Definiciones", "&Definiciones por pregunta:", most, most);
  connect(words_, &QSpinBox::valueChanged, definitions_, &QSpinBox::setMinimum);  // never fewer
  if (most < static_cast<int>(entries_.size())) {  // the repeats, not the list's length, set them
    auto* repeats = new QLabel(Q(RepeatsNote(most, "pregunta")));
    repeats->setObjectName("Repeticiones");
    repeats->setWordWrap(true);
    form_->addRow(repeats);
  }
  auto* buttons = new QDialogButtonBox;
  QPushButton* save = buttons->addButton("&Exportar...", QDialogButtonBox::AcceptRole);
  save->setObjectName("ExportarComo");
  buttons->addButton("Cancelar", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(save, &QPushButton::clicked, this, &ExportDialog::Export);
  form_->addRow(buttons);
  connect(format_, &QComboBox::currentIndexChanged, this, &ExportDialog::FormatChosen);
  FormatChosen();
  format_->setFocus();
}

QSpinBox* ExportDialog::AddCount(const char* name, const char* label, int low, int value) {
  auto* box = new QSpinBox;
  box->setObjectName(name);
  box->setRange(low, std::max(low, static_cast<int>(entries_.size())));
  box->setValue(value);
  form_->addRow(label, box);
  return box;
}

void ExportDialog::FormatChosen() {
  for (QSpinBox* box : {questions_, words_, definitions_})
    box->setEnabled(Format(format_).questions);
}

void ExportDialog::Export() {
  window_.Handle([this] {
    const ExportCounts counts{questions_->value(), words_->value(), definitions_->value()};
    const Exported out = ExportList(Format(format_), name_, entries_, counts, window_.Dealer());
    if (out.fault.kind != ExportFault::kNone) {
      window_.MsgBox(ExportFaultText(out.fault, static_cast<int>(entries_.size())),
                     "Exportar lista");
      return;
    }
    Save(out.bytes);
  });
}

void ExportDialog::Save(const std::string& bytes) {
  const ListFormat& format = Format(format_);
  auto* chooser = new QFileDialog(
      this, "Exportar lista", DocumentsFolder() + "/" + Q(name_ + std::string(format.extension)),
      Q(std::string(format.filter)));
  chooser->setObjectName("GuardarComo");
  chooser->setAcceptMode(QFileDialog::AcceptSave);
  chooser->setDefaultSuffix(Q(std::string(format.extension.substr(1))));
  chooser->setAttribute(Qt::WA_DeleteOnClose);
  window_.ReturnFocusAfter(chooser);
  connect(chooser, &QFileDialog::fileSelected, this, [this, bytes](const QString& file) {
    window_.Handle([&] {
      const std::string path = QFile::encodeName(file).toStdString();  // the name's own bytes
      if (WriteOutput(path, bytes) != WriteOutcome::kWritten) {
        window_.MsgBox("No se puede guardar la lista en \"" + file.toStdString() + "\".", "Error");
        return;
      }
      accept();
    });
  });
  chooser->open();
}

}  // namespace glosandas
