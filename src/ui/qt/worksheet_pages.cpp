#include "ui/qt/worksheet_pages.h"

#include <unistd.h>

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <chrono>
#include <cstdio>

#include "text/text.h"
#include "wordlists/readers.h"

namespace glosandas {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Lays text out down the page, starting a new page where a block does not fit.
class Pages {
 public:
  Pages(QPagedPaintDevice& device) : device_(device), painter_(&device) {
    mm_ = device.logicalDpiY() / 25.4;
  }
  int Width() const { return device_.width(); }
  int Mm(double mm) const { return static_cast<int>(mm * mm_); }
  static QFont Font(double points, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
  }
  int Height(const QFont& font, int width, const QString& text) {
    return QFontMetrics(font, &device_)
        .boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text)
        .height();
  }
  // Room for `height` below y, or a new page.
  void Need(int height) {
    if (y > 0 && y + height > device_.height()) NewPage();
  }
  void NewPage() {
    device_.newPage();
    y = 0;
  }
  // Text at x, `width` wide, from y; returns its height.
  int Text(int x, int width, const QFont& font, const QString& text, int at = -1) {
    painter_.setFont(font);
    const int h = Height(font, width, text);
    painter_.drawText(QRect(x, at < 0 ? y : at, width, h), Qt::TextWordWrap, text);
    return h;
  }
  void Paragraph(const QFont& font, const QString& text, double space_mm) {
    const int h = Height(font, Width(), text);
    Need(h);
    Text(0, Width(), font, text);
    y += h + Mm(space_mm);
  }
  // From x to the right edge: a box to write in, then the text beside it, never split across
  // pages; `inside` is written in the box.
  void Row(int x, const QString& inside, const QString& text) {
    const QFont font = Font(11);
    const int box = Mm(9), gap = Mm(3), width = Width() - x - box - gap;
    const int offset = (box - QFontMetrics(font, &device_).height()) / 2;
    const int h = std::max(box, offset + Height(font, width, text));
    Need(h);
    painter_.setPen(QPen(Qt::black, Mm(0.3)));
    painter_.drawRect(QRect(x, y, box, box));
    painter_.setFont(Font(12, true));
    painter_.drawText(QRect(x, y, box, box), Qt::AlignCenter, inside);
    Text(x + box + gap, width, font, text, y + offset);
    y += h + Mm(3);
  }
  int y = 0;

 private:
  QPagedPaintDevice& device_;
  QPainter painter_;
  double mm_;
};

}  // namespace

void PaintPrint(QPagedPaintDevice& device, const Print& print) {
  Pages pages(device);
  const int count = static_cast<int>(print.sheets.size());
  const auto definition = [&](int e) { return Q(print.entries[e].Definicion); };
  for (int k = 0; k < count; ++k) {
    const Worksheet& sheet = print.sheets[k];
    if (k > 0) pages.NewPage();
    pages.Paragraph(Pages::Font(16, true),
                    Q(print.list + " — Ficha " + std::to_string(k + 1) + " de " +
                      std::to_string(count)),
                    4);
    pages.Paragraph(Pages::Font(11), "Nombre: ______________________________   Fecha: ____________",
                    5);
    const int decoys = static_cast<int>(sheet.definitions.size() - sheet.words.size());
    std::string instruction =
        "Escriba en cada casilla el número de la palabra que corresponde a cada definición.";
    if (decoys == 1) instruction += " Sobra una definición.";
    if (decoys > 1) instruction += " Sobran " + std::to_string(decoys) + " definiciones.";
    pages.Paragraph(Pages::Font(11), Q(instruction), 6);
    // The words down the left column, the definitions down the right one.
    const int column = pages.Width() * 3 / 10, top = pages.y;
    int y = top;
    for (std::size_t n = 0; n < sheet.words.size(); ++n) {
      y += pages.Text(0, column - pages.Mm(4), Pages::Font(12, true),
                      QString("%1. %2").arg(n + 1).arg(Q(print.entries[sheet.words[n]].Palabra)),
                      y) +
           pages.Mm(4);
    }
    for (int e : sheet.definitions) pages.Row(column, "", definition(e));
  }
  if (!print.key) return;
  pages.NewPage();
  pages.Paragraph(Pages::Font(16, true), Q(print.list + " — Soluciones"), 6);
  for (int k = 0; k < count; ++k) {
    const Worksheet& sheet = print.sheets[k];
    pages.Need(pages.Mm(20));  // a heading keeps its first row with it
    pages.Paragraph(Pages::Font(13, true), QString("Ficha %1").arg(k + 1), 3);
    for (int e : sheet.definitions) {
      const auto word = std::find(sheet.words.begin(), sheet.words.end(), e);
      pages.Row(0, word == sheet.words.end() ? "—" : QString::number(word - sheet.words.begin() + 1),
                definition(e));
    }
    pages.y += pages.Mm(4);
  }
}

std::string PrintPdf(const Print& print) {
  // Built whole in memory, where no write can fail: the writer keeps quiet about one that does.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(Q(print.list + " — fichas"));
    writer.setCreator("Glosandas");
    PaintPrint(writer, print);
  }
  return pdf.data().toStdString();
}

WriteOutcome WritePrintPdf(const std::filesystem::path& file, const Print& print) {
  return WriteOutput(file, PrintPdf(print));
}

int RunWorksheetCommand(const WorksheetOptions& options, const Folders& folders) {
  const auto fail = [](const std::string& text) {
    std::fprintf(stderr, "glosandas: %s\n", text.c_str());
    return 2;
  };
  // A path (or a file name with a list format's extension), or the name of a list.
  const std::string extension = FoldCase(std::filesystem::path(options.list).extension().string());
  const bool path = options.list.find('/') != std::string::npos ||
                    extension == ".txt" || extension == ".tsv" || extension == ".tab" ||
                    extension == ".csv" || extension == ".kvtml";
  const std::optional<std::filesystem::path> file =
      path ? std::optional(std::filesystem::path(options.list))
           : FindList(ListFolders(folders), options.list);
  if (!file) return fail("no hay ninguna lista «" + options.list + "».");
  const ReadResult read = ReadAnyList(*file);
  if (read.outcome == ReadResult::kCannotOpen) {
    return fail("no se puede abrir «" + FileNameText(file->string()) + "».");
  }
  if (read.entries.empty()) {
    return fail("«" + FileNameText(file->string()) + "» no tiene ninguna entrada.");
  }
  Print print;
  print.list = path ? FileNameText(file->stem().string()) : options.list;
  for (const Entrada& e : read.entries) print.entries.push_back({Trim(e.Palabra), Trim(e.Definicion)});
  print.key = options.key;
  const int entries = static_cast<int>(print.entries.size());
  int words = options.words, definitions = options.definitions;
  if (!options.counts_given) {  // the defaults fit a short list, as the count menus do
    words = std::min(words, entries);
    definitions = std::min(definitions, entries);
  }
  if (const std::string problem =
          WorksheetCountsProblem(entries, options.sheets, words, definitions);
      !problem.empty()) {
    return fail(problem);
  }
  Random random;
  random.Seed(options.seed.value_or(static_cast<std::uint32_t>(
      std::chrono::steady_clock::now().time_since_epoch().count() ^ (::getpid() << 16))));
  print.sheets = DealWorksheets(entries, options.sheets, words, definitions, random);
  if (options.pdf == "-") {
    if (WriteAllTo(STDOUT_FILENO, PrintPdf(print))) return 0;
    return fail("no se puede escribir el PDF en la salida estándar.");
  }
  switch (WritePrintPdf(options.pdf, print)) {
    case WriteOutcome::kWritten:
      return 0;
    case WriteOutcome::kNotAFile:
      return fail("«" + options.pdf +
                  "» no es un archivo ordinario, una tubería ni un dispositivo de caracteres.");
    case WriteOutcome::kFailed:
      break;
  }
  return fail("no se puede escribir «" + options.pdf + "».");
}

}  // namespace glosandas
