// The worksheet dialog: how many sheets of the list in force, then a preview, the printer or a
// PDF.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "ui/qt/worksheet_pages.h"

class QCheckBox;
class QFormLayout;
class QSpinBox;

namespace glosandas {

class Random;

// Where files the user keeps are proposed: the documents folder, or the home folder without one.
QString DocumentsFolder();

class WorksheetDialog : public QDialog {
  Q_OBJECT

 public:
  // What the dialog asks of the window that opens it.
  class Window {
   public:
    virtual ~Window() = default;
    // The screens' random source: sheets are dealt as screens are.
    virtual Random& Dealer() = 0;
    // Gives the keyboard back where it was when `dialog` closes.
    virtual void ReturnFocusAfter(QDialog* dialog) = 0;
    // Runs a step that writes, as every handler runs: a fault in it is reported and survived.
    virtual void Handle(const std::function<void()>& step) = 0;
    // A box that waits for OK.
    virtual void MsgBox(const std::string& prompt, const std::string& title) = 0;
  };

  // `print` holds the list's name and entries; `words` and `definitions` are the counts the
  // screens use, proposed for each sheet.
  WorksheetDialog(QWidget* parent, Window& window, const Print& print, int words, int definitions);

 private:
  QSpinBox* AddCount(const char* name, const char* label, int low, int high, int value);
  void AddNotes(int distinct, int entries);
  void AddButtons();
  // The print as the counts ask: the sheets last previewed, or sheets dealt afresh.
  Print Dealt() const;
  void Preview();
  void ToPrinter();
  void ToPdf();

  Window& window_;
  Print print_;
  QFormLayout* form_;
  QSpinBox *sheets_, *words_, *definitions_;
  QCheckBox* key_;
  // Each print deals its sheets afresh, as the screens are dealt, except that the sheets last
  // previewed are the ones printed or saved, until a count changes.
  std::vector<Worksheet> previewed_;
};

}  // namespace glosandas
