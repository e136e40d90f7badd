// The window: one widget per control record. Every widget event goes to its Form1 handler and,
// after each handler, Render() brings the widgets up to date from the records.
// Its members are defined by job: main_window.cpp creates the window and its menus and routes
// events, window_widgets.cpp makes the widgets that mirror the records and keeps them in step,
// window_platform.cpp is the Platform port.
#pragma once

#include <QDesktopServices>
#include <QHash>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QTime>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "board/form1.h"
#include "ui/qt/list_editor.h"
#include "ui/qt/progress_window.h"
#include "ui/qt/worksheet_dialog.h"

class QAction;
class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextEdit;

namespace glosandas {

class MainWindow : public QMainWindow,
                   public Platform,
                   private WorksheetDialog::Window,
                   private ListEditor::Window,
                   private ProgressWindow::Window {
  Q_OBJECT

 public:
  // A program in `folder`; a system install keeps each user's settings and lists in their home.
  // `clock` tells the local time (a session replayed at a fixed time deals the same screens).
  explicit MainWindow(std::filesystem::path folder, bool system_install = false,
                      std::function<QTime()> clock = &QTime::currentTime);
  ~MainWindow() override;

  Form1& form() { return form_; }
  // Shows the window as start-up left it (maximised).
  void ShowStarted();
  void Render();
  // Twips to the window's pixels, at the screen's logical resolution: the one conversion.
  double PixelsPerTwip() const;
  int Px(double twips) const;

  // Lists to import: from the command line, a file manager or a drop on the window.
  void OpenFiles(const std::vector<std::filesystem::path>& files);

  // Ends the program as closing the window does, at any moment: an open box is closed and no
  // other opens, and the window closes once the handler in progress has returned.
  void EndBySignal();

  // Called with every message box just before it waits for an answer; tests answer it here.
  std::function<void(QMessageBox&)> on_message_box;
  // Shows a folder in the desktop's file manager.
  std::function<bool(const QUrl&)> open_url = &QDesktopServices::openUrl;

  // The key code a Windows program would see for a Qt key (F5 is 116); 0 when it has none.
  static Int KeyCode(int qt_key);

  // Platform
  void MsgBox(const std::string& prompt, const std::string& title) override;
  void Maximize() override;
  int OuterHeightTwips() override;
  void Unload() override;
  int Second() override;
  int Minute() override;
  int Hour() override;
  float FontSizeShown(float points) override;
  std::string NumberText(float value) override;
  Folders Where() override { return folders_; }
  void RecordCheck(const std::string& list, const std::vector<CheckedWord>& words) override;
  std::optional<ReviewPlan> Review(
      const std::string& list,
      const std::vector<std::pair<std::string, std::string>>& entries) override;
  void EraseProgress(const std::string& list) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  enum class Kind { kNone, kPal, kDef, kTam };
  struct Target {
    Kind kind;
    Int index;
  };
  struct BoxView {
    QWidget* widget = nullptr;
    TextBox shown;
    bool fresh = true;
  };
  struct ButtonView {
    QPushButton* widget = nullptr;
    Button shown;
    bool fresh = true;
  };

  // The board, its boxes and buttons: the widgets that mirror the records.
  void BuildBoard();
  QLineEdit* NewLineBox(const QString& name, Kind kind, Int index);
  QTextEdit* NewTextBox(const QString& name, Kind kind, Int index);
  QPushButton* NewButton(const QString& name, void (Form1::*handler)());
  void SyncBox(BoxView& view, const TextBox& box);
  static void SyncLook(QWidget* w, const TextBox& box, const TextBox& shown, bool all);
  void SyncButton(ButtonView& view, const Button& button);
  static void SyncItem(QAction* action, const MenuItem& item);
  void SyncArray(std::vector<BoxView>& views, const std::vector<TextBox>& boxes, const char* name,
                 bool multi_line);
  void SyncMenuArray(std::vector<QAction*>& actions, const std::vector<MenuItem>& items,
                     QMenu* menu, bool checkable, const std::function<void(Int)>& handler);
  void SyncTabOrder();
  void SyncLines();  // the join lines are painted again only when one changed
  void SyncMenus();
  void PlaceFocusRing();
  void BuildOptionsMenu();
  void BuildListsMenu();
  void BuildProgressMenu();
  // The progress store, opened when first needed (never before the first screen is drawn);
  // null when it cannot be written, which the learner is told once.
  ProgressStore* Progress();
  // A problem with the progress, told once per run.
  void TellProgressProblem();
  // The progress window over the store: every list's boxes, the list in force's hardest words,
  // the last days' checks.
  void ShowProgress();
  // Lists to import, chosen in a file dialog.
  void ChooseFiles();
  // The user's lists folder in the desktop's file manager, made when missing.
  void ShowListsFolder();
  // The list editor, on a new list or on the list in force.
  void EditList(bool current);
  // What the editor asks of the window, for the list it opened.
  bool SaveList(const std::string& list, const std::vector<Entrada>& rows, bool rename) override;
  std::optional<ListEditor::Taken> ListTaken(const std::string& list) override;
  bool ListChangedOnDisk() override;
  bool RestoreOriginal() override;
  void Run(QMessageBox& box) override;
  // The worksheet dialog for the list in force: printed, or saved as a PDF.
  void PrintWorksheets();
  // The export dialog for the list in force.
  void ExportCurrentList();
  // When `dialog` closes, its window is made active again and the control that had the keyboard
  // when it opened has it back. Called for every dialog and box the window opens.
  void ReturnFocusAfter(QDialog* dialog) override;
  Random& Dealer() override { return form_.Rnd(); }
  // A drag or drop of local files: taken, and on the drop opened. False for anything else.
  bool TakeDrop(QEvent* event);
  void FollowFocus(QObject* watched, QFocusEvent* event);
  bool KeyDown(Target target, QKeyEvent* key);
  // A click on a box, from the mouse, the keyboard or assistive technology.
  void Click(Kind kind, Int index);
  // Every way in from the toolkit to a handler: runs it and shows its outcome. A fault in a
  // handler is reported and the window goes on.
  void Handle(const std::function<void()>& handler) override;

  QHash<QObject*, Target> targets_;  // box widgets (and text viewports) to their control

  Folders folders_;
  std::function<QTime()> clock_;
  Form1 form_;
  bool loaded_ = false;
  bool maximize_requested_ = false;
  bool rendering_ = false;
  bool double_clicked_ = false;
  int handling_ = 0;     // handlers in progress, nested in message boxes
  bool ending_ = false;  // a signal asked the program to end
  QRect extent_;         // what the board shows, in pixels
  QWidget* focus_ring_ = nullptr;
  QWidget* ring_target_ = nullptr;  // the control reached from the keyboard

  QWidget* board_ = nullptr;  // the client area: the boxes, and the join lines beneath them
  BoxView instruc_;
  std::vector<BoxView> tam_, pal_, def_;
  ButtonView comprobar_, siguiente_, ver_;
  bool tab_order_dirty_ = true;
  std::vector<Line> lines_shown_;
  std::vector<bool> dashed_shown_;
  QMenu *opc_ = nullptr, *opc_pal_ = nullptr, *opc_def_ = nullptr, *opc_arc_ = nullptr,
        *opc_tam_ = nullptr;
  QAction *mar_ = nullptr, *ace_ = nullptr, *sal_ = nullptr;
  QMenu* lis_ = nullptr;
  QMenu* pro_ = nullptr;
  QAction *pro_rep_ = nullptr, *pro_ver_ = nullptr, *pro_bor_ = nullptr;
  QPointer<ProgressWindow> progress_window_;
  std::unique_ptr<ProgressStore> progress_;
  bool progress_opened_ = false, progress_told_ = false;
  QPointer<ListEditor> editor_;
  std::string edited_;    // the list the editor opened, empty for a new one
  ListFile edited_read_;  // what was read of its file, and what saving keeps of it
  std::vector<QAction*> pal_items_, def_items_, arc_items_, tam_items_;
};

}  // namespace glosandas
