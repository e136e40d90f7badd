// The widgets that mirror the records: made as the records first need them, and brought up to
// date from them after every handler.
#include "ui/qt/window_widgets.h"

#include <QAction>
#include <QEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <map>

#include "ui/qt/accessible_box.h"
#include "ui/qt/main_window.h"
#include "ui/qt/text_conversion.h"

namespace glosandas {

namespace {

QColor FromBgr(std::uint32_t bgr) {
  const Rgb rgb = ToRgb(bgr);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

// Verdana and Arial Narrow are rarely installed on Linux; the nearest metric-alike installed
// stands in. Resolved once per name: asking the font matcher for a missing family is slow.
QString Family(const std::string& name) {
  static std::map<std::string, QString> resolved;
  auto found = resolved.find(name);
  if (found != resolved.end()) return found->second;
  const QStringList candidates =
      name == "Arial Narrow"
          ? QStringList{"Arial Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"}
          : QStringList{Q(name), "DejaVu Sans", "Bitstream Vera Sans"};
  QString family = Q(name);
  for (const QString& candidate : candidates) {
    if (QFontDatabase::hasFamily(candidate)) {
      family = candidate;
      break;
    }
  }
  return resolved[name] = family;
}

}  // namespace

QFont FontFor(const std::string& name, float points) {
  QFont font(Family(name));
  font.setPointSizeF(points);
  return font;
}

namespace {

// The client area: the boxes are its children and the join lines are painted on it, beneath them.
class Board : public QWidget {
 public:
  explicit Board(MainWindow* window) : QWidget(window), window_(window) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Form1& form = window_->form();
    for (std::size_t k = 0; k < form.Line1.size(); ++k) {
      const Line& line = form.Line1[k];
      if (!line.Visible || (line.X1 == line.X2 && line.Y1 == line.Y2)) continue;
      const double scale = window_->PixelsPerTwip();
      // A wrong join is told by its dashes as well as by its red boxes.
      const bool wrong = form.JoinMarkedWrong(static_cast<int>(k));
      painter.setPen(QPen(Qt::black, line.BorderWidth, wrong ? Qt::DashLine : Qt::SolidLine,
                          wrong ? Qt::FlatCap : Qt::RoundCap));
      painter.drawLine(QPointF(line.X1 * scale, line.Y1 * scale),
                       QPointF(line.X2 * scale, line.Y2 * scale));
    }
  }

 private:
  MainWindow* window_;
};

// A frame around the box the keyboard is in: black outside, white inside, so that it shows on
// every colour a box can take.
class FocusRing : public QWidget {
 public:
  explicit FocusRing(QWidget* parent) : QWidget(parent) {
    setObjectName("FocusRing");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRectF outer = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(outer);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outer.adjusted(2, 2, -2, -2));
  }
};

// The largest side of a wrong box's mark, in the box's pixels.
int MarkMost(const QWidget* box) { return std::max(9, 14 * box->logicalDpiY() / 96); }

// A cross in the top right corner of a box marked wrong, so that the mark does not rest on its
// colour alone: black on a white edge, seen on red and in grey alike.
class WrongMark : public QWidget {
 public:
  explicit WrongMark(QWidget* box) : QWidget(box) {
    setObjectName("MarcaError");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    box->installEventFilter(this);  // placed again whenever the box changes size
    Place();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) Place();
    return false;
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    for (const auto& [colour, width] : {std::pair{Qt::white, 5.0}, std::pair{Qt::black, 2.5}}) {
      painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(r.topLeft(), r.bottomRight());
      painter.drawLine(r.topRight(), r.bottomLeft());
    }
  }

 private:
  void Place() {
    // Small enough to leave a definition's first line readable, as large on every screen.
    const int side = std::clamp(parentWidget()->height() * 2 / 5, 9, MarkMost(parentWidget()));
    setGeometry(parentWidget()->width() - side - 2, 2, side, side);
    raise();
  }
};

}  // namespace

void MainWindow::BuildBoard() {
  // On a screen too small for the exercise the board scrolls; its placement never changes.
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);  // not a stop of its own: Tab goes from control to control
  board_ = new Board(this);
  scroll->setWidget(board_);
  setCentralWidget(scroll);
  focus_ring_ = new FocusRing(board_);

  instruc_.widget = NewTextBox("TbInstruc", Kind::kNone, -1);
  for (Int i = 0; i < 2; ++i) {
    tam_.push_back({NewLineBox(QString("TbTam_%1").arg(i), Kind::kTam, i)});
  }
  comprobar_.widget = NewButton("CbComprobar", &Form1::CbComprobar_Click);
  siguiente_.widget = NewButton("CbSiguiente", &Form1::CbSiguiente_Click);
  ver_.widget = NewButton("CbVer", &Form1::CbVer_Click);
}

double MainWindow::PixelsPerTwip() const {
  const QScreen* s = screen();
  return (s ? s->logicalDotsPerInchY() : 96.0) / 1440.0;
}

int MainWindow::Px(double twips) const {
  return static_cast<int>(std::lround(twips * PixelsPerTwip()));
}

QLineEdit* MainWindow::NewLineBox(const QString& name, Kind kind, Int index) {
  auto* box = new QLineEdit(board_);
  box->setObjectName(name);
  box->installEventFilter(this);
  targets_.insert(box, {kind, index});
  if (kind == Kind::kPal) {
    // What the learner types is the box's text from then on (F5 and screen readers report it).
    connect(box, &QLineEdit::textEdited, this, [this, index](const QString& text) {
      Handle([&] { form_.TbPal[index].Text = pal_[index].shown.Text = text.toStdString(); });
    });
    MakePressable(box, [this, index] { Click(Kind::kPal, index); });
  }
  return box;
}

QTextEdit* MainWindow::NewTextBox(const QString& name, Kind kind, Int index) {
  auto* box = new QTextEdit(board_);
  box->setObjectName(name);
  box->setAcceptRichText(false);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setTabChangesFocus(true);
  box->viewport()->installEventFilter(this);
  box->installEventFilter(this);
  if (kind == Kind::kDef) {
    targets_.insert(box, {kind, index});
    targets_.insert(box->viewport(), {kind, index});
    connect(box, &QTextEdit::textChanged, this, [this, box, index] {
      if (rendering_) return;
      Handle([&] {
        form_.TbDef[index].Text = def_[index].shown.Text = box->toPlainText().toStdString();
      });
    });
    MakePressable(box, [this, index] { Click(Kind::kDef, index); });
  }
  return box;
}

QPushButton* MainWindow::NewButton(const QString& name, void (Form1::*handler)()) {
  auto* button = new QPushButton(board_);
  button->setObjectName(name);
  button->installEventFilter(this);
  if (handler) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { Handle([this, handler] { (form_.*handler)(); }); });
  }
  return button;
}

void MainWindow::SyncBox(BoxView& view, const TextBox& box) {
  TextBox& shown = view.shown;
  QWidget* w = view.widget;
  const bool all = view.fresh;
  view.fresh = false;
  const QRect geometry(Px(box.Left), Px(box.Top), Px(box.Width), Px(box.Height));
  if (box.Visible) extent_ |= geometry;
  if (all || box.Left != shown.Left || box.Top != shown.Top || box.Width != shown.Width ||
      box.Height != shown.Height) {
    w->setGeometry(geometry);
  }
  if (all || box.Text != shown.Text) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
      line->setText(Q(box.Text));
      line->setCursorPosition(0);
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
      text->setPlainText(Q(box.Text));
    }
  }
  SyncLook(w, box, shown, all);
  if (all || box.ToolTipText != shown.ToolTipText) w->setToolTip(Q(box.ToolTipText));
  if (all || box.Enabled != shown.Enabled) w->setEnabled(box.Enabled);
  if (all || box.Visible != shown.Visible) w->setVisible(box.Visible);
  shown = box;
}

// The box's colour, font, alignment and whether it takes typing.
void MainWindow::SyncLook(QWidget* w, const TextBox& box, const TextBox& shown, bool all) {
  if (all || box.BackColor != shown.BackColor) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Base, FromBgr(box.BackColor));
    w->setPalette(palette);
    // Found by name: the class has no meta-object of its own for findChild to tell it by.
    QWidget* mark = w->findChild<QWidget*>("MarcaError", Qt::FindDirectChildrenOnly);
    if (box.BackColor == kRed && !mark) mark = new WrongMark(w);
    if (mark) mark->setVisible(box.BackColor == kRed);
  }
  if (all || box.FontSize != shown.FontSize || box.FontName != shown.FontName) {
    w->setFont(FontFor(box.FontName, box.FontSize));
  }
  if (all || box.Alignment != shown.Alignment) {
    const Qt::Alignment align = box.Alignment == Align::kCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->setAlignment(align | Qt::AlignVCenter);
    if (auto* text = qobject_cast<QTextEdit*>(w)) {
      QTextOption option = text->document()->defaultTextOption();
      option.setAlignment(align);
      text->document()->setDefaultTextOption(option);
    }
  }
  if (all || box.Locked != shown.Locked) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->setReadOnly(box.Locked);
    if (auto* text = qobject_cast<QTextEdit*>(w)) text->setReadOnly(box.Locked);
  }
}

void MainWindow::SyncButton(ButtonView& view, const Button& button) {
  QPushButton* w = view.widget;
  const bool all = view.fresh;
  view.fresh = false;
  if (all || button.Caption != view.shown.Caption) w->setText(Q(button.Caption));
  if (all || button.ToolTipText != view.shown.ToolTipText) w->setToolTip(Q(button.ToolTipText));
  if (all || button.FontName != view.shown.FontName || button.FontSize != view.shown.FontSize) {
    w->setFont(FontFor(button.FontName, button.FontSize));
  }
  const QRect geometry(Px(button.Left), Px(button.Top), Px(button.Width), Px(button.Height));
  extent_ |= geometry;
  if (all || button.Left != view.shown.Left || button.Top != view.shown.Top ||
      button.Width != view.shown.Width || button.Height != view.shown.Height) {
    w->setGeometry(geometry);
  }
  tab_order_dirty_ = tab_order_dirty_ || all || button.TabIndex != view.shown.TabIndex;
  view.shown = button;
}

// Compared with what the action shows now: the toolkit flips a checkable action's mark on its own
// before the handler runs.
void MainWindow::SyncItem(QAction* a, const MenuItem& item) {
  const QString caption = Q(item.Caption);
  if (a->text() != caption) a->setText(caption);
  if (a->isChecked() != item.Checked) a->setChecked(item.Checked);
  if (a->isEnabled() != item.Enabled) a->setEnabled(item.Enabled);
  const QKeySequence shortcut(Q(item.Shortcut));
  if (a->shortcut() != shortcut) a->setShortcut(shortcut);
}

void MainWindow::SyncArray(std::vector<BoxView>& views, const std::vector<TextBox>& boxes,
                           const char* name, bool multi_line) {
  views.resize(boxes.size());
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    // A box gets its widget when it is first shown: most screens never show most boxes.
    if (!views[i].widget) {
      if (!boxes[i].Visible) continue;
      const Int index = static_cast<Int>(i);
      const QString object = QString("%1_%2").arg(name).arg(index);
      views[i].widget = multi_line ? static_cast<QWidget*>(NewTextBox(object, Kind::kDef, index))
                                   : NewLineBox(object, Kind::kPal, index);
      tab_order_dirty_ = true;
    }
    SyncBox(views[i], boxes[i]);
    // A screen reader hears the text, and where the box stands and what state it is in.
    QWidget* w = views[i].widget;
    const QString text = Q(boxes[i].Text);
    if (w->accessibleName() != text) w->setAccessibleName(text);
    if (boxes[i].Visible) {
      const QString description = Q(
          form_.BoxDescription(multi_line ? kDefinitionColumn : kWordColumn, static_cast<Int>(i)));
      // The toolkit announces the change.
      if (w->accessibleDescription() != description) w->setAccessibleDescription(description);
    }
  }
}

void MainWindow::SyncMenuArray(std::vector<QAction*>& actions, const std::vector<MenuItem>& items,
                               QMenu* menu, bool checkable,
                               const std::function<void(Int)>& handler) {
  while (actions.size() < items.size()) {
    const Int index = static_cast<Int>(actions.size());
    QAction* action = menu->addAction(QString());
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, handler, index] {
      Handle([&handler, index] {
        if (handler) handler(index);
      });
    });
    actions.push_back(action);
  }
  while (actions.size() > items.size()) {  // a menu built again may hold fewer items
    menu->removeAction(actions.back());
    actions.back()->deleteLater();
    actions.pop_back();
  }
  for (std::size_t i = 0; i < items.size(); ++i) SyncItem(actions[i], items[i]);
}

void MainWindow::Render() {
  if (rendering_) return;
  rendering_ = true;
  extent_ = QRect();
  SyncBox(instruc_, form_.TbInstruc);
  for (int i = 0; i < 2; ++i) SyncBox(tam_[i], form_.TbTam[i]);
  SyncArray(pal_, form_.TbPal, "TbPal", false);
  SyncArray(def_, form_.TbDef, "TbDef", true);
  SyncButton(comprobar_, form_.CbComprobar);
  SyncButton(siguiente_, form_.CbSiguiente);
  SyncButton(ver_, form_.CbVer);
  // The board is as large as what it shows, so that a small window scrolls to all of it.
  board_->setMinimumSize(extent_.right() + 1, extent_.bottom() + 1);

  if (tab_order_dirty_) SyncTabOrder();
  SyncLines();
  SyncMenus();
  PlaceFocusRing();
  rendering_ = false;
}

// Tab order follows the records' tab indexes.
void MainWindow::SyncTabOrder() {
  tab_order_dirty_ = false;
  std::vector<std::pair<Int, QWidget*>> tabs = {{form_.TbInstruc.TabIndex, instruc_.widget},
                                                {form_.TbTam[0].TabIndex, tam_[0].widget},
                                                {form_.TbTam[1].TabIndex, tam_[1].widget},
                                                {form_.CbComprobar.TabIndex, comprobar_.widget},
                                                {form_.CbSiguiente.TabIndex, siguiente_.widget},
                                                {form_.CbVer.TabIndex, ver_.widget}};
  for (std::size_t i = 0; i < pal_.size(); ++i) {
    if (pal_[i].widget) tabs.push_back({form_.TbPal[i].TabIndex, pal_[i].widget});
  }
  for (std::size_t i = 0; i < def_.size(); ++i) {
    if (def_[i].widget) tabs.push_back({form_.TbDef[i].TabIndex, def_[i].widget});
  }
  std::sort(tabs.begin(), tabs.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabs.size(); ++i) setTabOrder(tabs[i - 1].second, tabs[i].second);
}

void MainWindow::SyncLines() {
  std::vector<bool> dashed;
  for (std::size_t k = 0; k < form_.Line1.size(); ++k)
    dashed.push_back(form_.JoinMarkedWrong(static_cast<int>(k)));
  if (lines_shown_.size() != form_.Line1.size() || dashed != dashed_shown_ ||
      !std::equal(lines_shown_.begin(), lines_shown_.end(), form_.Line1.begin(),
                  [](const Line& a, const Line& b) {
                    return a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Y2 == b.Y2 &&
                           a.Visible == b.Visible;
                  })) {
    lines_shown_ = form_.Line1;
    dashed_shown_ = dashed;
    board_->update();
  }
}

void MainWindow::SyncMenus() {
  opc_->setTitle(Q(form_.MnuOpc.Caption));
  opc_pal_->setTitle(Q(form_.MnuOpcPal.Caption));
  opc_def_->setTitle(Q(form_.MnuOpcDef.Caption));
  opc_arc_->setTitle(Q(form_.MnuOpcArc.Caption));
  opc_tam_->setTitle(Q(form_.MnuOpcTam.Caption));
  SyncMenuArray(pal_items_, form_.MnuOpcPalLis, opc_pal_, true,
                [this](Int i) { form_.MnuOpcPalLis_Click(i); });
  SyncMenuArray(def_items_, form_.MnuOpcDefLis, opc_def_, true,
                [this](Int i) { form_.MnuOpcDefLis_Click(i); });
  SyncMenuArray(arc_items_, form_.MnuOpcArcLis, opc_arc_, true,
                [this](Int i) { form_.MnuOpcArcLis_Click(i); });
  SyncMenuArray(tam_items_, {form_.MnuOpcTamLis.begin(), form_.MnuOpcTamLis.end()}, opc_tam_, false,
                [this](Int i) { form_.MnuOpcTamLis_Click(i); });
  SyncItem(mar_, form_.MnuOpcMar);
  SyncItem(ace_, form_.MnuOpcAce);
  SyncItem(sal_, form_.MnuOpcSal);
  pro_->setTitle(Q(form_.MnuPro.Caption));
  SyncItem(pro_rep_, form_.MnuProRep);
  SyncItem(pro_ver_, form_.MnuProVer);
  SyncItem(pro_bor_, form_.MnuProBor);
}

void MainWindow::PlaceFocusRing() {
  if (!ring_target_ || !ring_target_->isVisible()) {
    focus_ring_->hide();
    return;
  }
  focus_ring_->setGeometry(ring_target_->geometry());  // inside it: never cut by the board's edge
  focus_ring_->raise();
  focus_ring_->show();
}

}  // namespace glosandas
