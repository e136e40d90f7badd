// The window record: every field of the exercise's state, the records of the window's controls,
// and the handlers that work on them. The Qt view mirrors these records; it holds no state of its
// own beyond focus and caret.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/random.h"
#include "files/folders.h"
#include "progress/progress.h"
#include "wordlists/entry.h"
#include "wordlists/readers.h"

namespace glosandas {

class LineFile;
using Int = std::int16_t;  // counts, indexes and placement arithmetic are 16-bit signed

// Background colours, 0x00BBGGRR.
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kYellow = 0x00FFFF;
inline constexpr std::uint32_t kCyan = 0xFFFF00;
inline constexpr std::uint32_t kRed = 0x0000FF;

struct Rgb {
  int red, green, blue;
};
// A background colour's three parts, 0 to 255 each.
constexpr Rgb ToRgb(std::uint32_t bgr) {
  return {int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)};
}

inline constexpr int kNumBoxes = 16;  // elements of TbPal, TbDef and Line1
inline constexpr Int kKeyF5 = 116;
inline constexpr Int kKeyReturn = 13;
inline constexpr Int kShiftMask = 1;  // in the Shift argument of the key handlers

// The key handlers' codes for the function keys, F1 to F24 (`n` 1 to 24).
constexpr Int FunctionKeyCode(int n) { return static_cast<Int>(111 + n); }
// The Shift argument of the key handlers for the modifiers held.
constexpr Int ShiftState(bool shift, bool control, bool alt) {
  return static_cast<Int>((shift ? kShiftMask : 0) | (control ? 2 : 0) | (alt ? 4 : 0));
}

// The columns of the board, as BoxDescription and JoinRow name them.
inline constexpr int kWordColumn = 1;
inline constexpr int kDefinitionColumn = 2;

inline constexpr const char* kAppTitle = "Glosandas";
inline constexpr const char* kDefaultList = "relieve";
inline constexpr float kMaxLetterSize = 72;
inline constexpr float kMinLetterSize = 1;

// Fixed geometry, in twips.
inline constexpr int kDefWidth = 4000;
inline constexpr int kDefHeight = 1000;
inline constexpr int kDefLeftColumn = 0;
inline constexpr int kDefRightColumn = 8000;
inline constexpr int kPalLeft = 4500;
inline constexpr int kPalWidth = 3000;
inline constexpr int kPalHeight = 500;
inline constexpr int kButtonsAboveBottom = 1600;
inline constexpr int kDesignClientWidth = 11880;
inline constexpr int kDesignClientHeight = 8295;

// Rounds to nearest, ties to even, into a 16-bit integer; a value outside the range is a fault.
Int Round16(double value);

// An array with declared bounds [Lo, Hi]; an index outside them throws, never wraps.
template <typename T, int Lo, int Hi>
class Bounded {
 public:
  T& operator()(int i) { return items_.at(Offset(i)); }
  const T& operator()(int i) const { return items_.at(Offset(i)); }

 private:
  static std::size_t Offset(int i) {
    if (i < Lo || i > Hi) throw std::out_of_range("index out of bounds");
    return static_cast<std::size_t>(i - Lo);
  }
  std::array<T, Hi - Lo + 1> items_{};
};

template <typename T, int R0, int R1, int C0, int C1>
class Bounded2 {
 public:
  T& operator()(int r, int c) { return rows_(r)(c); }
  const T& operator()(int r, int c) const { return rows_(r)(c); }

 private:
  Bounded<Bounded<T, C0, C1>, R0, R1> rows_;
};

enum class Align { kLeft, kCenter };

// A text box. Geometry in twips; texts UTF-8.
struct TextBox {
  float Left = 0, Top = 0, Width = 0, Height = 0;
  std::string Text;
  std::uint32_t BackColor = kWhite;
  bool Enabled = true;
  bool Visible = true;
  bool Locked = false;
  bool MultiLine = false;
  Align Alignment = Align::kLeft;
  std::string FontName = "Verdana";
  float FontSize = 9.75f;
  Int TabIndex = 0;
  std::string ToolTipText;
};

// A straight line shape; end points in twips, single precision.
struct Line {
  float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  bool Visible = false;
  int BorderWidth = 5;  // pixels
};

struct Button {
  std::string Caption;
  float Left = 0, Top = 0, Width = 0, Height = 0;
  std::string FontName = "Arial Narrow";
  float FontSize = 12;
  Int TabIndex = 0;
  std::string ToolTipText;
};

struct MenuItem {
  std::string Caption;
  bool Checked = false;
  bool Enabled = true;
  std::string Shortcut;  // "F2", "F3" or empty
};

// What the logic needs from the toolkit and the system that no record can hold.
class Platform {
 public:
  virtual ~Platform() = default;
  // A modal box with an OK button and no icon. An empty title shows kAppTitle.
  virtual void MsgBox(const std::string& prompt, const std::string& title) = 0;
  // Maximises the window; OuterHeightTwips() answers the maximised height from then on.
  virtual void Maximize() = 0;
  // The window's outer height (frame, title and menu bar included), in twips.
  virtual int OuterHeightTwips() = 0;
  // Asks the window to close; the close runs Form_QueryUnload.
  virtual void Unload() = 0;
  // Each call is its own reading of the local clock.
  virtual int Second() = 0;
  virtual int Minute() = 0;
  virtual int Hour() = 0;
  // The size the definitions' font really shows when `points` is asked for.
  virtual float FontSizeShown(float points) = 0;
  // A number as the user's locale writes it: no trailing zeros, the locale's decimal separator.
  virtual std::string NumberText(float value) = 0;
  // The program's folder and the user's and the system's folders for lists and settings.
  virtual Folders Where() = 0;
  // Keeps what the first check of a screen of `list` showed; a platform that cannot keep it
  // tells the learner. By default nothing is kept.
  virtual void RecordCheck(const std::string& /*list*/, const std::vector<CheckedWord>& /*words*/) {
  }
  // The plan of a review screen of `list`, whose entries are `entries` (word, definition);
  // nothing when no progress can be read.
  virtual std::optional<ReviewPlan> Review(
      const std::string& /*list*/,
      const std::vector<std::pair<std::string, std::string>>& /*entries*/) {
    return std::nullopt;
  }
  // Forgets the progress kept for `list`.
  virtual void EraseProgress(const std::string& /*list*/) {}
};

class Form1 {
 public:
  explicit Form1(Platform& platform);

  // ---- window record ----
  Bounded<Entrada, 1, kMaxEntradas> Entradas;
  Int NumEntradas = 0;
  Bounded<bool, 1, kMaxEntradas> Usada;
  Int NumPal = 4;
  Int NumDef = 4;
  Bounded2<Int, 1, 2, 0, 100> EntradaEnCaja;
  Bounded2<Int, 1, 2, -1, 100> CajaDeEntrada;
  Bounded2<Int, 1, 3, 0, 100> Uniones;
  Int PalSel = -1;
  Int DefSel = -1;
  Int NumUniones = 0;
  std::string Archivo = kDefaultList;
  bool MarcarErrores = true;
  bool RepasarFallos = false;  // new screens bring back the words missed, when due

  // ---- controls ----
  std::string Caption = "GLOSANDAS";
  TextBox TbInstruc;
  std::array<TextBox, 2> TbTam;
  std::vector<TextBox> TbPal;  // element 0 from the design, 1..15 created by Form_Load
  std::vector<TextBox> TbDef;
  std::vector<Line> Line1;
  Button CbComprobar, CbSiguiente, CbVer;
  MenuItem MnuOpc, MnuOpcPal, MnuOpcDef, MnuOpcArc, MnuOpcMar, MnuOpcTam, MnuOpcAce, MnuOpcSal;
  MenuItem MnuPro, MnuProRep, MnuProVer, MnuProBor;
  std::vector<MenuItem> MnuOpcPalLis, MnuOpcDefLis, MnuOpcArcLis;
  std::array<MenuItem, 2> MnuOpcTamLis;

  // ---- handlers ----
  void Form_Load();
  void Form_Resize();
  // The window's size changed after start-up; `shown`: it is on the screen, `maximised`: it
  // shows maximised. Moves the buttons and, while the first screen awaits the maximised height,
  // may place that screen again.
  void WindowResized(bool shown, bool maximised);
  void Form_QueryUnload();
  void CbSiguiente_Click();
  void MnuOpcSal_Click();
  void TbPal_Click(Int Index);
  void TbDef_Click(Int Index);
  void TbPal_KeyDown(Int Index, Int& KeyCode, Int Shift);
  void TbDef_KeyDown(Int Index, Int& KeyCode, Int Shift);
  void CbComprobar_Click();
  void CbVer_Click();
  void MnuOpcMar_Click();
  void MnuProRep_Click();
  // Forgets the progress of the list in force; the view has asked first.
  void MnuProBor_Click();
  // The selections return false, changing nothing, when there is no such item to choose (or,
  // for a list, when it could not be loaded); a refusal with its message is not a failure.
  bool MnuOpcPalLis_Click(Int Index);
  bool MnuOpcDefLis_Click(Int Index);
  bool MnuOpcArcLis_Click(Int Index);
  void MnuOpcAce_Click();
  void MnuOpcTamLis_Click(Int Index);
  void TbTam_Click(Int Index);
  // Files of any list format read (a file opened with the program or dropped on it): each saved
  // as one of our lists in the user's lists folder; the last one becomes the list in force.
  // False when none could be.
  bool ImportLists(const std::vector<std::filesystem::path>& files);
  // A list written in the program, saved as NAME.txt in the user's lists folder (over the user's
  // list of that name, letter case aside), with what `kept` holds of the file it was read from;
  // it is then offered and chosen. False, after a message, when it cannot be written. A rename
  // then removes the user's own list `renamed` (never another folder's list of that name).
  bool SaveList(const std::string& name, const std::vector<Entrada>& entries,
                const ListFile& kept = {}, const std::string& renamed = {});
  // The file menu read again from the folders, and the list of that name chosen.
  bool OfferList(const std::string& name);
  // Back to the original of the list `name`: the user's own copy of it goes to the trash
  // (`to_trash` moves a file there, true when it did) and the list is offered again. False,
  // after a message, when there is no such copy or it could not be moved.
  bool RestoreList(const std::string& name,
                   const std::function<bool(const std::filesystem::path&)>& to_trash);
  // The entries of the list in force, in its order, without their outer blanks, as they show.
  std::vector<Entrada> EntriesInForce() const;
  // The user's own list of that name; whether a folder other than the user's holds one too.
  std::optional<std::filesystem::path> UserList(const std::string& name);
  bool HasOriginal(const std::string& name);
  // The file the menu stands for under that name, from whichever folder, letter case aside.
  std::optional<std::filesystem::path> ShownList(const std::string& name);
  // Whether that file's bytes are not `read` now (nothing: there was no file); a file gone since
  // counts as changed.
  bool ListChanged(const std::string& name, const std::optional<std::string>& read);

  // ---- private operations (public so that tests can drive them) ----
  bool CargarArchivo();  // false when the list could not be opened
  void NuevaPantalla();
  void ListarArchivos();
  void LeerOpciones();
  void GuardarOpciones();
  // Gives the definitions a letter size and shows it in the menu caption; nothing changes when
  // the font would show it below one point.
  void ApplyLetterSize(float points);
  void UnirSeleccion();
  // No joins, no selection, every line collapsed.
  void ClearJoins();
  // The row of Uniones holding the join of a box (column 1 words, 2 definitions); -1 when the
  // box is not joined.
  int JoinRow(int column, Int index) const;
  // Whether the join on line `k` is marked wrong: drawn apart exactly while a box of it is red.
  bool JoinMarkedWrong(int k) const;
  // What a screen reader says of a box: its place and its state, in Spanish.
  std::string BoxDescription(int column, Int index) const;

  // Placement of the boxes: once at start-up, and for every screen dealt.
  void PlaceAtStartup();
  void PlaceScreen();
  // Every control that takes part in the tab order.
  std::vector<Int*> TabStops();
  // Gives a control a tab position; the controls from that position onward shift by one.
  void SetTabIndex(Int& control, Int position);

  Random& Rnd() { return rnd_; }

 private:
  // The buttons' top the first screen was placed for, while a maximised window may yet grow to
  // the height it was expected to have.
  std::optional<float> first_screen_top_;
  // Word boxes are column 1 and definition boxes column 2, as in EntradaEnCaja and Uniones.
  void ClickBox(int column, Int index);
  void KeyDownBox(int column, Int index, Int& key_code, Int shift);

  Platform& platform_;
  Random rnd_;
  bool settings_read_ = false;
  bool saved_ = false;        // the settings are written once, whatever way the window closes
  bool started_ = false;      // Form_Load is over: a screen dealt now may be a review screen
  bool screen_kept_ = false;  // this screen's check (or its solution shown first) is recorded
  // The words of this screen as the progress keeps them: wrong ones with what they were taken for.
  std::vector<CheckedWord> ScreenWords(bool checked) const;
  // A review screen's plan, when the review mode asks for one and the platform has it.
  std::optional<ReviewPlan> ReviewPlanNow();
  std::array<long long, 5> loaded_id_{};  // the list file whose entries are in the table
};

}  // namespace glosandas
