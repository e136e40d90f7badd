// A bar chart painted with QPainter (the toolkit's chart module is not ours to use): each bar a
// stack of parts told apart by pattern as well as by colour, each part's number written on it
// where it fits, and a key above. Every size comes from the widget's font, so the chart follows
// the letter size and the screen's scale.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace glosandas {

class BarChart : public QWidget {
  Q_OBJECT

 public:
  struct Part {
    QString name;  // in the key
    QColor colour;
    Qt::BrushStyle pattern;
  };
  struct Bar {
    QString label;
    std::vector<int> values;  // one per part, stacked in the parts' order
  };
  // Bars across, their labels beside them; or bars up, over labelled axes.
  enum class Direction { kAcross, kUp };
  struct Axes {
    QString across, up;  // the titles of the axes of bars up
  };

  BarChart(Direction direction, std::vector<Part> parts, std::vector<Bar> bars, Axes axes = {});

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  // Where bar `i` stands, in the widget's pixels.
  QRect BarRect(int i) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Every measure follows the letters: a new font is a new size.
  void changeEvent(QEvent* event) override;

 private:
  // The measures of the drawing, from the font: the bar's thickness, the room for the labels.
  int Thickness() const;
  int Length() const;      // of the longest bar
  QRect Plot() const;      // where the bars are
  int Total(int i) const;  // of bar `i`
  void PaintKey(QPainter& p) const;
  void PaintAxes(QPainter& p) const;
  void PaintBar(QPainter& p, int i) const;

  Direction direction_;
  std::vector<Part> parts_;
  std::vector<Bar> bars_;
  Axes axes_;
  int most_ = 1;  // the longest bar's total
};

}  // namespace glosandas
