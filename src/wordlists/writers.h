// Lists written for other programs: quiz questions for Moodle (its XML and GIFT), flashcard
// text, spreadsheets' CSV and KDE vocabulary documents. A writer returns the bytes of the file,
// in UTF-8, or what stops the list from being written in its format.
#pragma once

#include <string>
#include <vector>

#include "wordlists/entry.h"

namespace glosandas {

// A matching question: the entries whose words it asks for, and those whose definitions it
// offers besides, as wrong answers.
struct Question {
  std::vector<int> words, decoys;
};

struct ExportedList {
  std::string name;
  std::vector<Entrada> entries;     // texts without outer blanks
  std::vector<Question> questions;  // for the formats written as questions
};

struct ExportFault {
  enum Kind {
    kNone,
    kNoEntries,    // the list has none
    kQuestions,    // questions out of their range
    kWords,        // words per question out of theirs
    kDefinitions,  // definitions per question out of theirs
    kTooFew,       // a question with fewer than 2 words or 3 definitions: Moodle refuses it
    kArrow,        // `what`: a word holding "->", which GIFT cannot write
    kDecoys,       // definitions beyond the words: GIFT has no place for them
  } kind = kNone;
  std::string what;
};

struct Exported {
  ExportFault fault;
  std::string bytes;  // the file, when there is no fault
};

// The writers take a list of at least one entry: ExportList refuses an empty one first.
// Moodle XML: one matching question a question, named after the list.
Exported WriteMoodle(const ExportedList& list);
// GIFT: the same questions in Moodle's text format, without decoys.
Exported WriteGift(const ExportedList& list);
// Tab-separated flashcards, told to be plain text.
Exported WriteFlashcards(const ExportedList& list);
// CSV for spreadsheets: ";" between fields, a header row, a byte-order mark.
Exported WriteCsv(const ExportedList& list);
// KVTML 2: two identifiers, one lesson named after the list.
Exported WriteKvtml(const ExportedList& list);

// Whether a spreadsheet would take `text` for a formula: it starts, after any apostrophes, with
// "=", "+", "-" or "@". CSV marks such a text with one more apostrophe, which its reader drops.
bool LooksLikeFormula(std::string_view text);

// The instruction of every question written.
inline constexpr char kQuestionText[] = "Une cada palabra con su definición.";
// Moodle takes a matching question with at least these many words and definitions.
inline constexpr int kLeastSubquestions = 2, kLeastAnswers = 3;

}  // namespace glosandas
