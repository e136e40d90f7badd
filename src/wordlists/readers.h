// Files of every format read turned into entries, under the limits of a list: 100 entries, a
// word of 100 characters and a definition of 2000, texts in UTF-8. A reader says what it found;
// the caller decides what to tell the learner.
#pragma once

#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/text.h"
#include "wordlists/entry.h"
#include "wordlists/writers.h"

namespace glosandas {

struct ReadResult {
  enum Outcome {
    kRead,         // every entry of the file is in `entries`
    kCannotOpen,   // `why` says why
    kNoEntry,      // opened and read, but it holds no entry
    kSomeDropped,  // the first 100 entries kept; the file holds `held` (0: more than counted)
    kUnreadable,   // opened, but damaged or hostile: not a file of its format that can be read
  } outcome = kRead;
  OpenFailure why = OpenFailure::kNone;
  std::size_t held = 0;
  std::vector<Entrada> entries;

  // The outcome of a reading that took `entries` of the `found` it saw; `counted` false when it
  // stopped before it had seen them all.
  static ReadResult Of(std::vector<Entrada> entries, std::size_t found, bool counted);
};

// Our own lists: "P>" starts an entry, "D>" gives its definition, any other line extends it.
// With `count`, word lines past the 100th are counted, not only the first of them noticed.
ReadResult ReadWordList(LineFile& file, bool count = false);

// Rows of fields, a field that starts with a quote quoted as RFC 4180 has it (it may hold line
// breaks and separators): the first field the word, the second the definition. A tab separates
// the fields of tab-separated text, whose leading "#" lines are skipped ("#html:true" says its
// fields are HTML, "#html:false" that they are plain text); CSV takes ";" or "," by the first line.
// A first row that only names columns or languages is not an entry.
ReadResult ReadDelimited(LineFile& file, bool tabs);

// Cells copied from a spreadsheet, as it puts them on the clipboard: tab-separated rows, quoted
// by the rule above. A row per row with anything in it, a cell left empty for the editor to
// mark, the cells past the second joined to the definition; a first row of column names is not
// an entry. Nothing is cut: the editor marks what is too long.
std::vector<Entrada> PastedRows(std::string_view text);

// KDE vocabulary documents: per entry, the first translation's text is the word, the second's
// the definition or, with a single translation, its comment (KVTML 2); <e><o>word</o>
// <t>translation</t></e> in the older KVTML 1.
ReadResult ReadKvtml(const std::filesystem::path& file);

// Flashcard programs' packages (.apkg, .colpkg): the notes of the collection they hold, in the
// order of their ids, the first field the word and the second the definition, both HTML. A
// package that is damaged, or holds more than a list could need, is unreadable.
ReadResult ReadPackage(const std::filesystem::path& file);

// The extension of our own lists' files, the name of a list before it.
inline constexpr char kListExtension[] = ".txt";

// A format of list files read, written for other programs, or both; a file read is known by
// its name's extension.
struct ListFormat {
  std::string_view extension;  // lower case, with its dot; a file's is matched in any case
  ReadResult (*read)(const std::filesystem::path& file);  // null: written only
  std::string_view name;  // the command line's name for the format written; empty: read only
  Exported (*write)(const ExportedList& list);  // null: read only
  std::string_view filter;                      // the save dialog's filter, in Spanish
  bool questions = false;  // written as matching questions, dealt as a print's sheets
};

// The format read of `file` by its extension, among .txt (ours, or tab-separated text when it
// holds no word line), .tsv and .tab, .csv, .kvtml, .apkg and .colpkg; nothing when none is read.
const ListFormat* ListFormatOf(const std::filesystem::path& file);

// The formats written, in the order offered; the one the command line calls `name`.
std::vector<const ListFormat*> ExportFormats();
const ListFormat* ExportFormatNamed(std::string_view name);

// Any of the formats above, by the file's extension.
ReadResult ReadAnyList(const std::filesystem::path& file);

// The open dialog's filter of list files, in Spanish, as Qt's file dialogs take it.
std::string ListFilesFilter();

// The extensions of the formats other than ours, for a sentence: ".tsv, .tab, ... o .colpkg".
std::string OtherFormatsText();

// A field of a flashcard or spreadsheet export as plain text: media references gone and, where
// it is HTML (`html`, or it closes a tag it opened, or holds <br> or <img>), the tags of text
// formatting removed and character references decoded; any other "<" stays as written.
std::string FieldText(std::string field, bool html);

// A field as the learner reads it: line breaks and no-break spaces as blanks, FieldText, outer
// blanks trimmed, cut to `chars` characters. Whether it is HTML: as a file says ("#html:true",
// "#html:false"), or guessed.
enum class Html { kGuess, kYes, kNo };
std::string CleanField(std::string text, std::size_t chars, Html html);

// A list in our format: Windows-1252 with CR LF when every character fits, else UTF-8 with a
// byte-order mark. `before` and `after` are lines of text written before and after the entries.
std::string WordListBytes(const std::vector<Entrada>& entries,
                          const std::vector<std::string>& before = {},
                          const std::vector<std::string>& after = {});

// A list of ours as the editor opens it: what it shows, and what it does not show, kept so that
// saving gives it back.
struct ListFile {
  std::vector<Entrada> entries;  // the first 100, cut to the limits, without outer blanks
  // The lines before the first entry and from the 101st entry on, as text.
  std::vector<std::string> before, after;
  // The whole text of each word and definition that `entries` shows cut, by the text shown.
  std::map<std::string, std::string> whole_word, whole_definition;
  std::size_t held = 0;              // entries in the file
  std::optional<std::string> bytes;  // the file as read; nothing when it could not be opened
};
ListFile ReadListFile(const std::filesystem::path& file);

// The list saved from the editor's `rows` over what `read` kept: a text shown cut and left as
// shown is written whole, the lines not shown as they were (in the code page of the new file).
std::string SavedListBytes(const ListFile& read, std::vector<Entrada> rows);

// The file of the list called `name` in the first of `folders` that holds one (letter case and
// a Windows-1252 file name aside); nothing when none does.
std::optional<std::filesystem::path> FindList(const std::vector<std::filesystem::path>& folders,
                                              const std::string& name);

// Bytes a reader may read past the last entry it took: a file that yields nothing more, however
// large, costs no more than that.
inline constexpr std::size_t kReadPastEntry = 1 << 20;
// Entries a reader counts past the 100th before it gives up counting.
inline constexpr std::size_t kCountedEntries = 10000;
// A line cap that keeps every line whole.
inline constexpr std::size_t kWholeLine = std::numeric_limits<std::size_t>::max() / 2;

}  // namespace glosandas
