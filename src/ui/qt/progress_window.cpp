#include "ui/qt/progress_window.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/qt/progress_chart.h"
#include "ui/qt/text_conversion.h"

namespace glosandas {

namespace {

// From the box where every word starts again to the last: warm to cool, each with a pattern of
// its own.
const BarChart::Part kBoxParts[kBoxes] = {
    {"Caja 1", QColor(0xf2, 0x9e, 0x9e), Qt::DiagCrossPattern},
    {"Caja 2", QColor(0xf5, 0xc0, 0x7a), Qt::BDiagPattern},
    {"Caja 3", QColor(0xee, 0xe0, 0x7c), Qt::FDiagPattern},
    {"Caja 4", QColor(0xae, 0xd9, 0x8e), Qt::HorPattern},
    {"Caja 5", QColor(0x8f, 0xc4, 0xe6), Qt::VerPattern}};
const BarChart::Part kRight = {"Aciertos", QColor(0xae, 0xd9, 0x8e), Qt::FDiagPattern};
const BarChart::Part kWrong = {"Fallos", QColor(0xf2, 0x9e, 0x9e), Qt::DiagCrossPattern};

QString DayText(long long day, const char* format) {
  return DayZero().addDays(day).toString(format);
}

// A table the keyboard reads and leaves with Tab; numbers to the right.
QTableWidget* Table(const QStringList& headings, const std::vector<QStringList>& rows) {
  auto* table = new QTableWidget(static_cast<int>(rows.size()), headings.size());
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setTabKeyNavigation(false);
  table->setWordWrap(false);  // a line per row; a long text is cut with "..."
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);  // whole: the window scrolls
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(rows[r][c]);
      bool number = false;
      rows[r][c].toInt(&number);
      if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(r, c, item);
    }
  }
  if (!rows.empty()) table->setCurrentCell(0, 0);
  return table;
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent, Window& window,
                               const ProgressStore::Overview& shown, const std::string& list,
                               float points, QSize size)
    : QDialog(parent) {
  setObjectName("Progreso");
  setWindowTitle("Progreso");
  setAttribute(Qt::WA_DeleteOnClose);
  QFont letters = font();
  letters.setPointSizeF(points);
  setFont(letters);
  window.ReturnFocusAfter(this);
  auto* page = new QWidget;
  sections_ = new QVBoxLayout(page);
  if (shown.lists.empty()) {
    AddNote("Todavía no hay progreso. Compruebe alguna pantalla para empezar.");
  } else {
    AddBoxes(shown);
    AddMissed(shown, list);
    AddDays(shown);
  }
  sections_->addStretch();
  auto* scroll = new QScrollArea;
  scroll->setWidget(page);
  scroll->setWidgetResizable(true);
  scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes from table to table
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll);
  QPushButton* close = AddClose(layout);
  resize(size);
  FitTables();
  if (auto* first = page->findChild<QTableWidget*>())
    first->setFocus();
  else
    close->setFocus();
}

QPushButton* ProgressWindow::AddClose(QVBoxLayout* layout) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  QPushButton* close = buttons->button(QDialogButtonBox::Close);
  close->setText("Cerrar");
  close->setObjectName("Cerrar");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  return close;
}

// Columns as wide as their texts in the window's letters (known only once the tables are in
// the window), a long definition cut: the screen reader reads it whole.
void ProgressWindow::FitTables() {
  for (auto* table : findChildren<QTableWidget*>()) {
    table->horizontalHeader()->setMaximumSectionSize(fontMetrics().horizontalAdvance('x') * 32);
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
  }
}

void ProgressWindow::AddHeading(const QString& text) {
  auto* heading = new QLabel(text);
  QFont bold = font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  heading->setFont(bold);
  sections_->addWidget(heading);
}

void ProgressWindow::AddNote(const QString& text) {
  auto* note = new QLabel(text);
  note->setObjectName("Nota");
  note->setWordWrap(true);
  sections_->addWidget(note);
}

void ProgressWindow::AddPair(BarChart* chart, QTableWidget* table, const QString& name) {
  chart->setAccessibleName(name);
  chart->setAccessibleDescription("Gráfico: los mismos números están en la tabla de al lado.");
  table->setAccessibleName(name);
  auto* row = new QHBoxLayout;
  row->addWidget(chart, 0, Qt::AlignTop);
  row->addWidget(table, 0, Qt::AlignTop);
  row->addStretch();
  sections_->addLayout(row);
}

void ProgressWindow::AddBoxes(const ProgressStore::Overview& shown) {
  AddHeading("Cajas de cada lista");
  std::vector<BarChart::Bar> bars;
  std::vector<QStringList> rows;
  for (const auto& [name, counts] : shown.lists) {
    bars.push_back({Q(name), {counts.begin(), counts.end()}});
    rows.push_back({Q(name)});
    for (int count : counts) rows.back() << QString::number(count);
  }
  auto* table = Table({"Lista", "Caja 1", "Caja 2", "Caja 3", "Caja 4", "Caja 5"}, rows);
  table->setObjectName("Cajas");
  AddPair(new BarChart(BarChart::Direction::kAcross, {std::begin(kBoxParts), std::end(kBoxParts)},
                       bars),
          table, "Palabras de cada lista en cada caja");
}

void ProgressWindow::AddMissed(const ProgressStore::Overview& shown, const std::string& list) {
  AddHeading(Q("Las palabras más falladas de «" + list + "»"));
  if (shown.missed.empty()) return AddNote("Ninguna palabra de esta lista ha salido mal todavía.");
  std::vector<BarChart::Bar> bars;
  std::vector<QStringList> rows;
  for (const ProgressStore::Missed& m : shown.missed) {
    bars.push_back({Q(m.word), {m.progress.wrong}});
    QStringList taken;
    for (const auto& [definition, times] : m.progress.confusions)
      taken << Q(definition) + QString(" (%1)").arg(times);
    rows.push_back(
        {Q(m.word), Q(m.definition), QString::number(m.progress.wrong), taken.join(", ")});
  }
  auto* table = Table({"Palabra", "Definición", "Fallos", "Confundida con"}, rows);
  table->setObjectName("Fallos");
  AddPair(new BarChart(BarChart::Direction::kAcross, {kWrong}, bars), table,
          "Palabras más falladas, con las definiciones que se tomaron por ellas");
}

void ProgressWindow::AddDays(const ProgressStore::Overview& shown) {
  AddHeading(QString("Los últimos %1 días").arg(ProgressStore::kShownDays));
  if (shown.days.empty())
    return AddNote(
        QString("Ninguna comprobación en los últimos %1 días.").arg(ProgressStore::kShownDays));
  std::vector<BarChart::Bar> bars(ProgressStore::kShownDays);
  for (int i = 0; i < ProgressStore::kShownDays; ++i) {
    bars[i].values = {0, 0};
    // A date under every seventh bar, the last one today's.
    if ((ProgressStore::kShownDays - 1 - i) % 7 == 0)
      bars[i].label = DayText(shown.first_day + i, "dd/MM");
  }
  std::vector<QStringList> rows;
  for (const ProgressStore::DayTally& d : shown.days) {
    if (d.day < shown.first_day || d.day - shown.first_day >= ProgressStore::kShownDays) continue;
    bars[d.day - shown.first_day].values = {d.right, d.wrong};
    rows.push_back(
        {DayText(d.day, "dd/MM/yyyy"), QString::number(d.right), QString::number(d.wrong)});
  }
  auto* table = Table({"Día", "Aciertos", "Fallos"}, rows);
  table->setObjectName("Dias");
  AddPair(new BarChart(BarChart::Direction::kUp, {kRight, kWrong}, bars, {"Día", "Comprobaciones"}),
          table, "Aciertos y fallos de cada día");
}

}  // namespace glosandas
