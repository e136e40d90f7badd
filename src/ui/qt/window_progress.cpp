// The window's side of the learner's progress: the "Progreso" menu, the store opened when first
// needed, what a check records, the plan of a review screen, and the problems told once.
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "ui/qt/main_window.h"
#include "ui/qt/progress_window.h"
#include "ui/qt/text_conversion.h"

namespace glosandas {

namespace {

// The progress window's size in twips: room for a chart and its table side by side.
constexpr int kProgressWidth = 18000, kProgressHeight = 10800;

// Today in the learner's calendar, as the store counts days.
long long Today() { return DayZero().daysTo(QDate::currentDate()); }

}  // namespace

void MainWindow::BuildProgressMenu() {
  pro_ = new QMenu(Q(form_.MnuPro.Caption), this);
  menuBar()->addMenu(pro_);
  pro_rep_ = pro_->addAction(Q(form_.MnuProRep.Caption));
  pro_rep_->setCheckable(true);
  connect(pro_rep_, &QAction::triggered, this,
          [this] { Handle([this] { form_.MnuProRep_Click(); }); });
  pro_ver_ = pro_->addAction(Q(form_.MnuProVer.Caption));
  connect(pro_ver_, &QAction::triggered, this, [this] { Handle([this] { ShowProgress(); }); });
  pro_bor_ = pro_->addAction(Q(form_.MnuProBor.Caption));
  connect(pro_bor_, &QAction::triggered, this, [this] {
    Handle([this] {
      QMessageBox box(QMessageBox::NoIcon, "Borrar el progreso",
                      Q("¿Borrar todo el progreso de la lista \"" + form_.Archivo +
                        "\"? Sus palabras volverán a salir como nuevas. No se puede deshacer."),
                      QMessageBox::NoButton, this);
      QPushButton* erase = box.addButton("Borrar", QMessageBox::AcceptRole);
      box.setEscapeButton(box.addButton("Cancelar", QMessageBox::RejectRole));
      box.setDefaultButton(static_cast<QPushButton*>(box.escapeButton()));
      Run(box);
      if (box.clickedButton() == erase) form_.MnuProBor_Click();
    });
  });
}

ProgressStore* MainWindow::Progress() {
  if (progress_opened_) return progress_.get();
  progress_opened_ = true;
  const std::filesystem::path file = ProgressFile(folders_.user_lists);
  ProgressStore::Opening opening = ProgressStore::Open(file);
  progress_ = std::move(opening.store);
  if (opening.outcome == ProgressStore::Opened::kMovedAside) {
    MsgBox("El archivo del progreso estaba dañado: se ha guardado aparte como \"" +
               opening.moved_to.string() + "\" y se empieza un progreso nuevo.",
           "Progreso");
  } else if (!progress_) {
    TellProgressProblem();
  }
  return progress_.get();
}

void MainWindow::TellProgressProblem() {
  if (progress_told_) return;
  progress_told_ = true;
  MsgBox("No se puede guardar el progreso en \"" +
             ProgressFile(folders_.user_lists).parent_path().string() +
             "\". El ejercicio sigue, pero esta vez no se recordarán los aciertos ni los fallos.",
         "Progreso");
}

void MainWindow::RecordCheck(const std::string& list, const std::vector<CheckedWord>& words) {
  if (ProgressStore* store = Progress(); store && !store->Record(list, words, Today()))
    TellProgressProblem();
}

std::optional<ReviewPlan> MainWindow::Review(
    const std::string& list, const std::vector<std::pair<std::string, std::string>>& entries) {
  ProgressStore* store = Progress();
  if (!store) return std::nullopt;
  return PlanReview(entries, store->Progress(list), Today());
}

void MainWindow::ShowProgress() {
  if (progress_window_) {  // one is enough: it is brought forward
    progress_window_->raise();
    progress_window_->activateWindow();
    return;
  }
  ProgressStore* store = Progress();
  if (!store) {
    MsgBox("No se puede leer el progreso en \"" +
               ProgressFile(folders_.user_lists).parent_path().string() + "\".",
           "Progreso");
    return;
  }
  progress_window_ = new ProgressWindow(
      this, *this, store->Summary(form_.Archivo, Today()), form_.Archivo, form_.TbDef[0].FontSize,
      QSize(Px(kProgressWidth), Px(kProgressHeight)).boundedTo(screen()->availableSize()));
  progress_window_->open();
}

void MainWindow::EraseProgress(const std::string& list) {
  // Asked for and confirmed: a failure is told every time, not once a run.
  if (ProgressStore* store = Progress(); store && store->Erase(list)) return;
  MsgBox("No se puede borrar el progreso de la lista \"" + list + "\" en \"" +
             ProgressFile(folders_.user_lists).parent_path().string() + "\".",
         "Borrar el progreso");
}

}  // namespace glosandas
