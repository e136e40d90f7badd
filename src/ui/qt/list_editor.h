// The list editor: a word list as a table, checked as it is written, saved through the window.
#pragma once

#include <QDialog>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "wordlists/entry.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QTableWidget;
class QUndoStack;

namespace glosandas {

class ListEditor : public QDialog {
  Q_OBJECT

 public:
  // A list the menu already shows under a name, letter case aside: saving over the user's own
  // replaces it, a list of another folder is hidden by it.
  struct Taken {
    std::filesystem::path file;
    bool own = false;
  };

  // What the editor asks of the window that opens it, about the list it opened.
  class Window {
   public:
    virtual ~Window() = default;
    // Saves and plays the list, true when it did; with `rename`, then removes the user's own
    // file of the list opened.
    virtual bool SaveList(const std::string& name, const std::vector<Entrada>& rows,
                          bool rename) = 0;
    // Which list has that name, if any.
    virtual std::optional<Taken> ListTaken(const std::string& name) = 0;
    // Whether the list's file changed since it was read.
    virtual bool ListChangedOnDisk() = 0;
    // Sends the user's own copy of the list to the trash, back to the original; true when it
    // did.
    virtual bool RestoreOriginal() = 0;
    // Shows a box and waits for its answer.
    virtual void Run(QMessageBox& box) = 0;
  };

  // `name` is the list edited, empty for a new one; `copy` the user's own file of it (empty:
  // the list is not in the user's folder). `shared`: the list comes from a folder that is not
  // the user's, so saving makes the user's own copy. `restorable`: the list is the user's copy
  // of such a list.
  ListEditor(QWidget* parent, Window& window, const std::string& name,
             const std::vector<Entrada>& entries, std::filesystem::path copy, bool shared,
             bool restorable);

  // Says what of the file the table does not show, all of which saving keeps: `held` entries in
  // all, `cut` texts shown cut, and whether lines come before the first entry.
  void ShowUnseen(std::size_t held, std::size_t cut, bool notes);

  // Closes without asking: the program is ending.
  void Discard();
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The table's texts row by row, and a cell in use: what an undo step shows again.
  struct Table {
    QStringList cells;
    int row = -1, column = -1;
  };
  class Step;

  // The parts of the dialog, made in the order the keyboard goes through them.
  QHBoxLayout* NameRow();
  void MakeTable();
  void MakeNotes(bool shared);
  void MakeUndoKeys();
  QHBoxLayout* Buttons(bool restorable);
  // Typed and pasted cells, and the name, are changes to keep.
  void ConnectChanges();
  // `step`: the rows added are a change the user can undo.
  void AddRows(const std::vector<Entrada>& rows, int at, bool step = true);
  void MoveRow(int by);
  void RemoveRows();
  void Paste();
  // Tab: to the next cell or the one before, or out of the table (`out`, or past either end).
  void Tab(bool forward, bool out);
  // Makes an undo step of what the rows became since the last one; `row` and `column` are the
  // cell the change was made from, where undoing it leaves the keyboard.
  void Record(int row, int column);
  Table Shown() const;
  void Show(const Table& shown);
  bool Changed() const;
  // The rows as the loader would read them back.
  std::vector<Entrada> Rows() const;
  // Marks each cell with its problem, counts the entries; the first problem, empty for none.
  std::string Check();
  // Saves when everything is in order; true when the list was saved.
  bool Save();
  bool AskAboutName(const std::string& name, bool& rename);
  // Asks with these buttons; the index of the one chosen, the last when the box is closed.
  int Choose(const QString& text, const QStringList& buttons);
  void Tell(const std::string& text);

  Window& window_;
  std::string original_;
  std::filesystem::path copy_;
  bool changed_ = false;  // the name; the rows' changes are the undo stack's
  bool updating_ = false;
  QLineEdit* name_;
  QTableWidget* table_;
  QLabel *count_, *note_, *unseen_;
  QUndoStack* undo_;
  QStringList recorded_;  // the cells as the last undo step left them
};

}  // namespace glosandas
