#include "ui/qt/progress_chart.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace glosandas {

namespace {

// Text, axes and frames on white, whatever the desktop's colours: the parts' colours are chosen
// against it.
const QColor kPaper = Qt::white, kInk = Qt::black;

// A part's fill: its colour, then its pattern in a darker shade over it, so that the parts stay
// apart in grey and for those who do not tell the colours apart.
void Fill(QPainter& p, const QRect& r, const BarChart::Part& part) {
  p.fillRect(r, part.colour);
  p.fillRect(r, QBrush(part.colour.darker(200), part.pattern));
}

}  // namespace

BarChart::BarChart(Direction direction, std::vector<Part> parts, std::vector<Bar> bars, Axes axes)
    : direction_(direction), parts_(std::move(parts)), bars_(std::move(bars)), axes_(axes) {
  for (int i = 0; i < static_cast<int>(bars_.size()); ++i) most_ = std::max(most_, Total(i));
  setFocusPolicy(Qt::NoFocus);  // the table beside it holds the same numbers for the keyboard
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int BarChart::Total(int i) const {
  const std::vector<int>& v = bars_[i].values;
  return std::accumulate(v.begin(), v.end(), 0);
}

int BarChart::Thickness() const {
  const QFontMetrics fm(font());
  const int pad = fm.height() / 4;
  return direction_ == Direction::kAcross ? fm.height() + 2 * pad
                                          : fm.horizontalAdvance("00") + 2 * pad;
}

int BarChart::Length() const {
  const QFontMetrics fm(font());
  return direction_ == Direction::kAcross ? fm.horizontalAdvance('0') * 40 : fm.height() * 9;
}

QRect BarChart::Plot() const {
  const QFontMetrics fm(font());
  const int pad = fm.height() / 4, key = fm.height() + 4 * pad;
  const int n = static_cast<int>(bars_.size()), step = Thickness() + pad;
  if (direction_ == Direction::kAcross) {
    int names = 0;
    for (const Bar& b : bars_) names = std::max(names, fm.horizontalAdvance(b.label));
    names = std::min(names, fm.horizontalAdvance('x') * 24);
    return QRect(3 * pad + names, key, Length(), n * step + pad);
  }
  const int left = fm.height() + 2 * pad + fm.horizontalAdvance(QString::number(most_)) + pad;
  return QRect(left, key + fm.height() / 2, n * step + pad, Length());
}

QSize BarChart::sizeHint() const {
  const QFontMetrics fm(font());
  const QRect plot = Plot();
  const int below = direction_ == Direction::kUp ? 3 * fm.height() : 0;
  int key = 0;  // the key's parts side by side
  for (const Part& part : parts_) key += 3 * fm.height() + fm.horizontalAdvance(part.name);
  return QSize(std::max(plot.right(), key) + fm.height(),
               plot.bottom() + 1 + below + fm.height() / 4);
}

QRect BarChart::BarRect(int i) const {
  const QRect plot = Plot();
  const int pad = QFontMetrics(font()).height() / 4, at = pad + i * (Thickness() + pad);
  const int length = qRound(double(Total(i)) * Length() / most_);
  if (direction_ == Direction::kAcross)
    return QRect(plot.left(), plot.top() + at, length, Thickness());
  return QRect(plot.left() + at, plot.top() + plot.height() - length, Thickness(), length);
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kPaper);
  p.setPen(kInk);
  PaintKey(p);
  for (int i = 0; i < static_cast<int>(bars_.size()); ++i) PaintBar(p, i);
  PaintAxes(p);
}

void BarChart::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(event);
}

void BarChart::PaintKey(QPainter& p) const {
  const QFontMetrics fm(font());
  const int pad = fm.height() / 4;
  int x = pad;
  for (const Part& part : parts_) {
    const QRect swatch(x, pad, fm.height(), fm.height());
    Fill(p, swatch, part);
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    x = swatch.right() + 1 + pad;
    p.drawText(QRect(x, pad, fm.horizontalAdvance(part.name), fm.height()), Qt::AlignVCenter,
               part.name);
    x += fm.horizontalAdvance(part.name) + 2 * fm.height();
  }
}

// Each part of the bar, its number on it when it fits; the bar's label beside or beneath it.
void BarChart::PaintBar(QPainter& p, int i) const {
  const QFontMetrics fm(font());
  const int pad = fm.height() / 4;
  const QRect bar = BarRect(i), plot = Plot();
  const bool across = direction_ == Direction::kAcross;
  int sum = 0;
  for (std::size_t k = 0; k < parts_.size() && k < bars_[i].values.size(); ++k) {
    const int value = bars_[i].values[k];
    const int from = qRound(double(sum) * Length() / most_);
    const int to = qRound(double(sum += value) * Length() / most_);
    const QRect part =
        across ? QRect(bar.left() + from, bar.top(), to - from, bar.height())
               : QRect(bar.left(), plot.top() + plot.height() - to, bar.width(), to - from);
    if (part.isEmpty()) continue;
    Fill(p, part, parts_[k]);
    const QString number = QString::number(value);
    QRect label(0, 0, fm.horizontalAdvance(number) + pad, fm.height());
    if (label.width() > part.width() || label.height() > part.height()) continue;
    label.moveCenter(part.center());
    p.fillRect(label, parts_[k].colour);  // plain under the number, so that it reads
    p.drawText(label, Qt::AlignCenter, number);
  }
  if (across) {
    const QRect name(pad, bar.top(), plot.left() - 2 * pad, bar.height());
    p.drawText(name, Qt::AlignRight | Qt::AlignVCenter,
               fm.elidedText(bars_[i].label, Qt::ElideRight, name.width()));
  } else if (!bars_[i].label.isEmpty()) {
    const int width = fm.horizontalAdvance(bars_[i].label);
    p.drawText(QRect(bar.center().x() - width / 2, plot.bottom() + pad, width, fm.height()),
               Qt::AlignCenter, bars_[i].label);
  }
}

// Bars up stand on a line, the totals' scale on the left, each axis with its title.
void BarChart::PaintAxes(QPainter& p) const {
  if (direction_ != Direction::kUp) return;
  const QFontMetrics fm(font());
  const int pad = fm.height() / 4;
  const QRect plot = Plot();
  p.drawLine(plot.left() - 1, plot.top(), plot.left() - 1, plot.bottom() + 1);
  p.drawLine(plot.left() - 1, plot.bottom() + 1, plot.right(), plot.bottom() + 1);
  const int scale = fm.horizontalAdvance(QString::number(most_));
  const int x = plot.left() - pad - scale;
  p.drawText(QRect(x, plot.top() - fm.height() / 2, scale, fm.height()),
             Qt::AlignRight | Qt::AlignVCenter, QString::number(most_));
  p.drawText(QRect(x, plot.bottom() - fm.height() / 2, scale, fm.height()),
             Qt::AlignRight | Qt::AlignVCenter, "0");
  p.drawText(QRect(plot.left(), plot.bottom() + fm.height() + pad, plot.width(), fm.height()),
             Qt::AlignCenter, axes_.across);
  p.save();  // the upward axis's title reads from the bottom up
  p.translate(pad, plot.center().y());
  p.rotate(-90);
  p.drawText(QRect(-plot.height() / 2, 0, plot.height(), fm.height()), Qt::AlignCenter, axes_.up);
  p.restore();
}

}  // namespace glosandas
