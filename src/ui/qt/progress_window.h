// The progress window: what the learner knows and what they confuse, each chart beside a table
// of the same numbers that the keyboard reaches and a screen reader reads.
#pragma once

#include <QDate>
#include <QDialog>
#include <string>

#include "progress/progress.h"

class QPushButton;
class QVBoxLayout;
class QTableWidget;

namespace glosandas {

class BarChart;

// The calendar date of the store's day 0: its days are counted from it in the learner's calendar.
inline QDate DayZero() { return QDate(1970, 1, 1); }

class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  // What the window asks of the window that opens it.
  class Window {
   public:
    virtual ~Window() = default;
    // Gives the keyboard back where it was when `dialog` closes.
    virtual void ReturnFocusAfter(QDialog* dialog) = 0;
  };

  // `shown` as the store read it for `list`, the list in force; its letters of `points`, its
  // size `size` in the main window's pixels.
  ProgressWindow(QWidget* parent, Window& window, const ProgressStore::Overview& shown,
                 const std::string& list, float points, QSize size);

 private:
  void AddHeading(const QString& text);
  void AddNote(const QString& text);
  // A chart and, beside it, its table, named for a screen reader.
  void AddPair(BarChart* chart, QTableWidget* table, const QString& name);
  void AddBoxes(const ProgressStore::Overview& shown);
  void AddMissed(const ProgressStore::Overview& shown, const std::string& list);
  void AddDays(const ProgressStore::Overview& shown);
  QPushButton* AddClose(QVBoxLayout* layout);
  void FitTables();

  QVBoxLayout* sections_;
};

}  // namespace glosandas
