#include "ui/qt/worksheet_pages.h"

#include <unistd.h>

#include <QBuffer>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <set>

#include "text/text.h"
#include "ui/qt/text_conversion.h"
#include "wordlists/readers.h"

namespace glosandas {

namespace {

// Lays text out down the page, starting a new page where a block does not fit.
class Pages {
 public:
  Pages(QPagedPaintDevice& device)
      : device_(device), painter_(&device), mm_(device.logicalDpiY() / 25.4) {}
  int Width() const { return device_.width(); }
  int Mm(double mm) const { return static_cast<int>(mm * mm_); }
  static QFont Font(double points, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPointSizeF(points);
    font.setBold(bold);
    // Any letter spacing keeps the shaper from joining "fi" or "fl" into one ligature glyph, which
    // a reader copying or searching the PDF gets back as one odd character; scripts that need
    // their shaping (Hebrew, Arabic) keep it. A 64th of a dot is never seen.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return font;
  }
  // The width of `text` on one line, measured as Text lays it out.
  int Advance(const QFont& font, const QString& text) const {
    QTextLayout layout(text, font, &device_);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    return static_cast<int>(std::ceil(line.naturalTextWidth()));
  }
  // Text in lines `width` wide, broken between words or, inside a word wider than that, anywhere,
  // so that nothing ever runs past its column; drawn from (x, at) unless `at` is negative.
  // Returns its height.
  int Text(int x, int width, const QFont& font, QString text, int at) {
    text.replace("\r\n", "\n").replace('\n', QChar::LineSeparator);
    QTextLayout layout(text, font, &device_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      line.setPosition(QPointF(0, height));
      height += line.height();
    }
    layout.endLayout();
    if (at >= 0) layout.draw(&painter_, QPointF(x, at));
    return static_cast<int>(std::ceil(height));
  }
  int Height(const QFont& font, int width, const QString& text) {
    return Text(0, width, font, text, -1);
  }
  // Room for `height` below y, or a new page.
  void Need(int height) {
    if (y > 0 && y + height > device_.height()) NewPage();
  }
  // A new page, headed by `running` when that is set: a page that goes on with a sheet or the key
  // says which, so that a loose page of a class set finds its sheet.
  void NewPage() {
    device_.newPage();
    y = 0;
    if (!running.isEmpty()) Paragraph(Font(11, true), running, 4);
  }
  void Paragraph(const QFont& font, const QString& text, double space_mm) {
    const int h = Height(font, Width(), text);
    Need(h);
    Text(0, Width(), font, text, y);
    y += h + Mm(space_mm);
  }
  // From x to the right edge: a box to write in, then the text beside it; `inside` is written in
  // the box.
  int RowHeight(int x, const QString& text) {
    const QFont font = Font(11);
    return std::max(box_, RowOffset(font) + Height(font, Width() - x - box_ - gap_, text));
  }
  void DrawRow(int x, int at, const QString& inside, const QString& text) {
    const QFont font = Font(11);
    painter_.setPen(QPen(Qt::black, Mm(0.3)));
    painter_.drawRect(QRect(x, at, box_, box_));
    painter_.setFont(Font(12, true));
    painter_.drawText(QRect(x, at, box_, box_), Qt::AlignCenter, inside);
    Text(x + box_ + gap_, Width() - x - box_ - gap_, font, text, at + RowOffset(font));
  }
  // A row never split across pages.
  void Row(int x, const QString& inside, const QString& text) {
    const int h = RowHeight(x, text);
    Need(h);
    DrawRow(x, y, inside, text);
    y += h + Mm(3);
  }
  // Blocks down a column, each drawn whole by draw(block, y), `space` apart.
  struct Column {
    std::vector<int> heights;
    int space;
    std::function<void(std::size_t, int)> draw;
  };
  // Columns side by side from y; each goes on at the top of the next page where its next block
  // does not fit, as long as any of them has blocks left.
  void Columns(const std::vector<Column>& columns) {
    std::vector<std::size_t> next(columns.size(), 0);
    std::vector<int> at(columns.size(), y);
    int top = 0;  // of the page, below its heading
    for (bool left = true; left;) {
      left = false;
      for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column& column = columns[c];
        for (std::size_t& b = next[c]; b < column.heights.size(); ++b) {
          if (at[c] > top && at[c] + column.heights[b] > device_.height()) break;
          column.draw(b, at[c]);
          at[c] += column.heights[b] + column.space;
        }
        left = left || next[c] < column.heights.size();
      }
      if (left) {
        NewPage();
        top = y;
        at.assign(columns.size(), top);
      }
    }
    y = *std::max_element(at.begin(), at.end());
  }
  int y = 0;
  QString running;

 private:
  int RowOffset(const QFont& font) const {
    return (box_ - QFontMetrics(font, &device_).height()) / 2;
  }
  QPagedPaintDevice& device_;
  QPainter painter_;
  const double mm_;
  const int box_ = Mm(9), gap_ = Mm(3);  // after mm_, which they are measured in
};

// A sheet's words down the left column, wide enough for each word with its number up to nearly half
// the page (a longer one is broken), and its definitions down the right one, both going on to the
// next page as they need.
void PaintColumns(Pages& pages, const Print& print, const Worksheet& sheet) {
  const QFont bold = Pages::Font(12, true);
  QStringList words;
  int widest = 0;
  for (std::size_t n = 0; n < sheet.words.size(); ++n) {
    const QString number = QString("%1. ").arg(n + 1),
                  word = Q(print.entries[sheet.words[n]].Palabra);
    // Isolated, a right-to-left word reads right to left after its number, which stays first.
    words << number + QChar(0x2068) + word + QChar(0x2069);
    const QStringList parts = word.split(' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i)  // the number kept on the line of its word
      widest = std::max(widest, pages.Advance(bold, i == 0 ? number + parts[i] : parts[i]));
  }
  const int gap = pages.Mm(4), width = pages.Width();
  const int column = std::clamp(widest + gap, width * 3 / 10, width * 9 / 20);
  Pages::Column left{
      {}, gap, [&](std::size_t n, int y) { pages.Text(0, column - gap, bold, words[n], y); }};
  for (const QString& word : words) left.heights.push_back(pages.Height(bold, column - gap, word));
  Pages::Column right{{}, pages.Mm(3), [&](std::size_t n, int y) {
                        pages.DrawRow(column, y, "",
                                      Q(print.entries[sheet.definitions[n]].Definicion));
                      }};
  for (int e : sheet.definitions)
    right.heights.push_back(pages.RowHeight(column, Q(print.entries[e].Definicion)));
  pages.Columns({left, right});
}

// Whether the pages' font, or one the toolkit falls back to, has a glyph for `c`: a missing one
// is glyph 0, drawn as an empty box.
bool Shown(char32_t c) {
  const QChar::Category category = QChar::category(c);
  if (category == QChar::Other_Control || category == QChar::Other_Format || QChar::isSpace(c))
    return true;  // never drawn as a glyph of its own
  QTextLayout layout(QString::fromUcs4(&c, 1), Pages::Font(11));
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns()) {
    if (run.glyphIndexes().contains(0)) return false;
  }
  return true;
}

}  // namespace

std::vector<char32_t> UnshownCharacters(const std::vector<std::string>& texts,
                                        const std::function<bool(char32_t)>& shown) {
  std::vector<char32_t> unshown;
  std::set<char32_t> seen;
  for (const std::string& text : texts) {
    for (char32_t c : Q(text).toUcs4()) {
      if (seen.insert(c).second && !shown(c)) unshown.push_back(c);
    }
  }
  return unshown;
}

std::string UnshownNote(const Print& print) {
  std::vector<std::string> texts{print.list};
  const auto add = [&](int e) {
    texts.push_back(print.entries[e].Palabra);
    texts.push_back(print.entries[e].Definicion);
  };
  for (const Worksheet& sheet : print.sheets)  // the words' entries are among the definitions'
    std::for_each(sheet.definitions.begin(), sheet.definitions.end(), add);
  if (print.sheets.empty()) {
    for (int e = 0; e < static_cast<int>(print.entries.size()); ++e) add(e);
  }
  const std::vector<char32_t> unshown = UnshownCharacters(texts, Shown);
  if (unshown.empty()) return "";
  QString note = "Ninguna fuente instalada puede mostrar ";
  note += unshown.size() == 1 ? "este carácter, que se imprimirá como un recuadro vacío:"
                              : "estos caracteres, que se imprimirán como recuadros vacíos:";
  constexpr std::size_t kListed = 10;  // a whole script missing is named by its first few
  for (std::size_t i = 0; i < std::min(unshown.size(), kListed); ++i) {
    note += QString(" U+%1 «%2»")
                .arg(static_cast<uint>(unshown[i]), 4, 16, QChar('0'))
                .toUpper()
                .arg(QString::fromUcs4(&unshown[i], 1));
    note += i + 1 < std::min(unshown.size(), kListed) ? "," : "";
  }
  if (unshown.size() > kListed) note += QString(" y %1 más").arg(unshown.size() - kListed);
  return (note + ".").toStdString();
}

namespace {

// Sheet `k`: its title, a line for the learner's name, the instruction and the two columns.
void PaintSheet(Pages& pages, const Print& print, int k) {
  const int count = static_cast<int>(print.sheets.size());
  const Worksheet& sheet = print.sheets[k];
  const QString title =
      Q(print.list + " — Ficha " + std::to_string(k + 1) + " de " + std::to_string(count));
  pages.running.clear();
  if (k > 0) pages.NewPage();
  pages.Paragraph(Pages::Font(16, true), title, 4);
  pages.running = title + " (continuación)";
  pages.Paragraph(Pages::Font(11), "Nombre: ______________________________   Fecha: ____________",
                  5);
  const int decoys = static_cast<int>(sheet.definitions.size() - sheet.words.size());
  std::string instruction =
      "Escriba en cada casilla el número de la palabra que corresponde a cada definición.";
  if (decoys == 1) instruction += " Sobra una definición.";
  if (decoys > 1) instruction += " Sobran " + std::to_string(decoys) + " definiciones.";
  pages.Paragraph(Pages::Font(11), Q(instruction), 6);
  PaintColumns(pages, print, sheet);
}

// The answer key, from a new page: each sheet's definitions with the number of their word.
void PaintKey(Pages& pages, const Print& print) {
  const int count = static_cast<int>(print.sheets.size());
  const auto definition = [&](int e) { return Q(print.entries[e].Definicion); };
  pages.running.clear();
  pages.NewPage();
  const QString title = Q(print.list + " — Soluciones");
  pages.Paragraph(Pages::Font(16, true), title, 6);
  for (int k = 0; k < count; ++k) {
    const Worksheet& sheet = print.sheets[k];
    pages.running = title + " (continuación)";
    const QFont heading = Pages::Font(13, true);
    const QString name = QString("Ficha %1").arg(k + 1);
    // A heading keeps its first row with it.
    pages.Need(
        pages.Height(heading, pages.Width(), name) + pages.Mm(3) +
        (sheet.definitions.empty() ? 0 : pages.RowHeight(0, definition(sheet.definitions[0]))));
    pages.Paragraph(heading, name, 3);
    pages.running = title + QString(" — Ficha %1 (continuación)").arg(k + 1);
    for (int e : sheet.definitions) {
      const auto word = std::find(sheet.words.begin(), sheet.words.end(), e);
      pages.Row(0,
                word == sheet.words.end() ? "—" : QString::number(word - sheet.words.begin() + 1),
                definition(e));
    }
    pages.y += pages.Mm(4);
  }
}

}  // namespace

void PaintPrint(QPagedPaintDevice& device, const Print& print) {
  Pages pages(device);
  for (int k = 0; k < static_cast<int>(print.sheets.size()); ++k) PaintSheet(pages, print, k);
  if (print.key) PaintKey(pages, print);
}

void SetWorksheetMargins(QPagedPaintDevice& device) {
  QPageLayout layout = device.pageLayout();
  layout.setUnits(QPageLayout::Millimeter);
  const QMarginsF least = layout.minimumMargins();  // what a printer cannot reach
  device.setPageMargins(QMarginsF(std::max(18.0, least.left()), std::max(15.0, least.top()),
                                  std::max(18.0, least.right()), std::max(15.0, least.bottom())),
                        QPageLayout::Millimeter);
}

std::string PrintPdf(const Print& print) {
  // Built whole in memory, where no write can fail: the writer keeps quiet about one that does.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    SetWorksheetMargins(writer);
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

}  // namespace glosandas
