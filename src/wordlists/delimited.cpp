// Tab-separated text and CSV, as flashcard programs and spreadsheets write them.
#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "wordlists/list_editing.h"
#include "wordlists/readers.h"

namespace glosandas {

namespace {

// The tags of text formatting that flashcard programs write; only these are taken for HTML.
constexpr std::array<std::string_view, 18> kHtmlTags = {"b",   "i",   "u", "s",    "em",   "strong",
                                                        "br",  "div", "p", "span", "font", "img",
                                                        "sub", "sup", "a", "ul",   "ol",   "li"};
// Tags that stand between two words.
constexpr std::array<std::string_view, 4> kBreakingTags = {"br", "div", "p", "li"};

template <typename Names>
bool In(const Names& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsAsciiAlnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The tag that starts at `at` ("<" or "</", a name, then blanks and attributes up to ">"):
// its name in lower case, whether it closes, whether it has attributes and where it ends.
struct Tag {
  std::string name;
  bool closing = false, attributes = false;
  std::size_t end = std::string::npos;  // the ">"; npos when this is no tag
};

Tag TagAt(const std::string& text, std::size_t at) {
  Tag tag;
  std::size_t i = at + 1;
  tag.closing = i < text.size() && text[i] == '/';
  if (tag.closing) ++i;
  const std::size_t name_start = i;
  while (i < text.size() && IsAsciiAlnum(text[i])) ++i;
  tag.name = FoldAscii(std::string_view(text).substr(name_start, i - name_start));
  if (tag.name.empty() || i == text.size()) return tag;
  if (text[i] != '>' && text[i] != '/' && text[i] != ' ' && text[i] != '\t') return tag;
  tag.end = text.find('>', i);
  tag.attributes = tag.end != std::string::npos && text.find_first_not_of(" \t/", i) < tag.end;
  return tag;
}

// HTML: a <br> or <img>, or a closing tag after its opening one ("a </b> b" is a teacher's text).
bool LooksLikeHtml(const std::string& text) {
  std::vector<std::string> opened;
  for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
    const Tag tag = TagAt(text, at);
    if (tag.end == std::string::npos || !In(kHtmlTags, tag.name)) continue;
    const bool single = tag.name == "br" || tag.name == "img";
    if (!tag.closing && single) return true;
    if (!tag.closing) opened.push_back(tag.name);
    if (tag.closing && !single && In(opened, tag.name)) return true;
  }
  return false;
}

// A character reference ("&amp;", "&#233;", "&#xE9;") decoded at `at`; false when there is none.
bool DecodeReference(const std::string& text, std::size_t& at, std::string& out) {
  const std::size_t semicolon = text.find(';', at);
  if (semicolon == std::string::npos || semicolon - at > 32) return false;
  const std::string ref = text.substr(at + 1, semicolon - at - 1);
  long code = -1;
  if (ref.size() > 1 && ref[0] == '#') {
    const bool hex = ref[1] == 'x' || ref[1] == 'X';
    const std::string digits = ref.substr(hex ? 2 : 1);
    if (!digits.empty() && digits.size() <= 7 &&
        digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") ==
            std::string::npos) {
      code = std::stol(digits, nullptr, hex ? 16 : 10);
    }
  } else if (const htmlEntityDesc* entity =
                 htmlEntityLookup(reinterpret_cast<const xmlChar*>(ref.c_str()))) {
    code = static_cast<long>(entity->value);
  }
  if (code <= 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
  xmlChar bytes[8];
  const int n = xmlCopyCharMultiByte(bytes, static_cast<int>(code));
  out.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(std::max(n, 0)));
  at = semicolon + 1;
  return true;
}

}  // namespace

// A field as the learner reads it: line breaks and HTML turned into plain text, trimmed, cut.
std::string CleanField(std::string text, std::size_t chars, Html html) {
  // Line breaks, tabs and any other control character (a zero byte of a database field) are
  // blanks: a list holds none of them.
  std::replace_if(
      text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
  if (html != Html::kNo) text = FieldText(std::move(text), html == Html::kYes);
  for (std::size_t at; (at = text.find("\xC2\xA0")) != std::string::npos;) {
    text[at] = ' ';  // a no-break space is a blank
    text.erase(at + 1, 1);
  }
  return CutChars(Trim(text), chars);
}

namespace {

// Letters in lower case and without accents: how a column's name is compared.
std::string PlainLetters(std::string_view text) {
  // Latin-1 letters from U+00C0, as their base letters ('*' where there is none).
  constexpr std::string_view kBase =
      "aaaaaaaceeeeiiiidnooooo*ouuuuyt*aaaaaaaceeeeiiiidnooooo*ouuuuyty";
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char next = i + 1 < text.size() ? text[i + 1] : 0;
    if (static_cast<unsigned char>(text[i]) == 0xC3 && next >= 0x80 && next <= 0xBF) {
      out += kBase[next - 0x80];
      ++i;
    } else {
      out += text[i];
    }
  }
  return FoldAscii(out);
}

// A first row that names its columns: both fields names of a column or of a language.
bool IsHeader(const Entrada& row) {
  constexpr std::array<std::string_view, 30> kNames = {
      "palabra", "termino",  "definicion", "significado", "pregunta", "respuesta",
      "word",    "term",     "definition", "meaning",     "question", "answer",
      "front",   "back",     "espanol",    "castellano",  "ingles",   "frances",
      "aleman",  "italiano", "portugues",  "catalan",     "gallego",  "euskera",
      "spanish", "english",  "french",     "german",      "italian",  "portuguese"};
  return In(kNames, PlainLetters(row.Palabra)) && In(kNames, PlainLetters(row.Definicion));
}

// Splits rows into fields. A field that starts with a quote (blanks before it aside) runs to the
// next lone quote, a doubled quote standing for one; any other quote is an ordinary character.
struct FieldSplitter {
  std::vector<std::string> fields = {std::string()};
  std::string separators_seen;
  bool quotes = true;  // whether a quote may open a field
  bool quoted = false;
  bool at_start = true;  // nothing but blanks in the field yet

  // False while a quoted field goes on past the end of `line`.
  bool Feed(std::string_view line, std::string_view separators) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      std::string& field = fields.back();
      if (quoted) {
        if (c != '"') {
          field += c;
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else if (separators.find(c) != std::string_view::npos) {
        separators_seen += c;
        fields.emplace_back();
        at_start = true;
      } else if (c == '"' && at_start && quotes) {
        quoted = true;
        at_start = false;
        field.clear();
      } else {
        field += c;
        at_start = at_start && c == ' ';
      }
    }
    if (quoted) fields.back() += '\n';  // a line break inside a quoted field
    return !quoted;
  }
};

// Rows of fields cut from lines, quoted fields running on over line breaks. A quote that opens
// a field and never closes takes nothing with it: the lines since it are read again, every quote
// in them an ordinary character.
class RowSplitter {
 public:
  explicit RowSplitter(char separator) : separator(separator) {}
  char separator;

  // No field is open: the next line starts a row.
  bool AtRowStart() const {
    return !row_.quoted && row_.fields.size() == 1 && row_.fields[0].empty();
  }
  // Hands each row `line` ends to `take`; false once `take` says to stop.
  template <typename Take>
  bool Feed(std::string_view line, Take take) {
    if (!row_.Feed(line, std::string_view(&separator, 1))) {
      open_lines_.emplace_back(line);
      return true;
    }
    open_lines_.clear();
    const bool go_on = take(row_.fields);
    row_ = FieldSplitter();
    return go_on;
  }
  // At the end of the text: the rows of a quote left open.
  template <typename Take>
  void Finish(Take take) {
    for (const std::string& open_line : std::exchange(open_lines_, {})) {
      FieldSplitter plain;
      plain.quotes = false;
      plain.Feed(open_line, std::string_view(&separator, 1));
      if (!take(plain.fields)) break;
    }
  }

 private:
  FieldSplitter row_;
  std::vector<std::string> open_lines_;  // the lines of a row whose quoted field is still open
};

// The separator of a CSV file: whichever of ';' and ',' its first line holds more often outside
// quotes, ';' on a tie.
char CsvSeparator(const std::string& line) {
  FieldSplitter probe;
  probe.Feed(line, ";,");
  const auto& seen = probe.separators_seen;
  return std::count(seen.begin(), seen.end(), ';') >= std::count(seen.begin(), seen.end(), ',')
             ? ';'
             : ',';
}

}  // namespace

std::string FieldText(std::string text, bool html) {
  // Media references go in one pass: a field of thousands of them costs no more than its length.
  std::string kept;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find("[sound:", from)) != std::string::npos;) {
    const std::size_t end = text.find(']', at);
    if (end == std::string::npos) break;
    kept.append(text, from, at - from);
    from = end + 1;
  }
  if (from > 0) text = kept.append(text, from);
  if (!html && !LooksLikeHtml(text)) return text;
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '<') {
      const Tag tag = TagAt(text, i);
      // A teacher's "<a>" names a letter; a link has attributes.
      const bool letter = tag.name == "a" && !tag.closing && !tag.attributes;
      if (tag.end != std::string::npos && In(kHtmlTags, tag.name) && !letter) {
        if (In(kBreakingTags, tag.name)) out += ' ';
        i = tag.end + 1;
        continue;
      }
    } else if (text[i] == '&' && DecodeReference(text, i, out)) {
      continue;
    }
    out += text[i++];
  }
  // Blanks run together, as a browser shows them.
  out.erase(
      std::unique(out.begin(), out.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
      out.end());
  return out;
}

ReadResult ReadDelimited(LineFile& file, bool tabs) {
  // Rows are cut from the raw bytes (separators and quotes are the same bytes in every code
  // page read); the code page is decided on every line read, then the fields are decoded. The
  // first 101 rows with two fields are kept (a header and 100 entries), the rest only counted.
  std::vector<Entrada> rows;
  bool first_row_kept = false;
  std::size_t rows_seen = 0, more = 0;
  bool counted = true;
  Html html = Html::kGuess;
  RawLine line, flags;  // flags: of all the lines read
  RowSplitter splitter('\t');
  // Takes a row read: kept, counted or dropped; false once counting gives up.
  const auto take = [&](std::vector<std::string>& fields) {
    const bool blank = fields.size() == 1 && Trim(fields[0]).empty();
    const bool first = !blank && rows_seen++ == 0;
    if (fields.size() < 2 || Trim(fields[0]).empty() || Trim(fields[1]).empty()) return true;
    file.LimitReading(kReadPastEntry);
    if (rows.size() <= kMaxEntradas) {
      rows.push_back({std::move(fields[0]), std::move(fields[1])});
      first_row_kept = first_row_kept || first;
    } else if (++more == kCountedEntries) {
      return counted = false;
    }
    return true;
  };
  file.LimitReading(kReadPastEntry);
  // A line as long as the read bound: a quoted field is never cut short of its closing quote.
  while (file.ReadLine(line, kReadPastEntry)) {
    flags.utf8 = flags.utf8 && line.utf8;
    flags.ascii = flags.ascii && line.ascii;
    if (splitter.AtRowStart()) {
      if (rows_seen == 0 && tabs && line.bytes.starts_with("#")) {
        const std::string flag = FoldAscii(Trim(line.bytes));
        if (flag == "#html:true" || flag == "#html:false")
          html = flag == "#html:true" ? Html::kYes : Html::kNo;
        continue;
      }
      if (rows_seen == 0 && !tabs) splitter.separator = CsvSeparator(line.bytes);
    }
    if (!splitter.Feed(line.bytes, take)) break;
  }
  splitter.Finish(take);

  const bool utf8 = file.HadBom() || (flags.utf8 && !flags.ascii);
  const auto decode = [utf8](std::string& bytes) {
    if (utf8) {
      bytes.resize(ValidUtf8Prefix(bytes));
    } else {
      bytes = Cp1252ToUtf8(bytes);
    }
  };
  std::vector<Entrada> entries;
  std::size_t found = more;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    decode(rows[r].Palabra);
    decode(rows[r].Definicion);
    Entrada entry{CleanField(rows[r].Palabra, kPalabraLen, html),
                  CleanField(rows[r].Definicion, kDefinicionLen, html)};
    // The apostrophe a spreadsheet's formula was kept from being one with, ours or its own.
    for (std::string* text : {&entry.Palabra, &entry.Definicion}) {
      if (!tabs && text->starts_with('\'') && LooksLikeFormula(text->substr(1))) text->erase(0, 1);
    }
    if (r == 0 && first_row_kept && IsHeader(entry)) continue;
    if (entry.Palabra.empty() || entry.Definicion.empty()) continue;
    ++found;
    if (entries.size() < kMaxEntradas) entries.push_back(std::move(entry));
  }
  return ReadResult::Of(std::move(entries), found, counted);
}

std::vector<Entrada> PastedRows(std::string_view text) {
  std::vector<Entrada> rows;
  bool first = true;
  const auto take = [&](std::vector<std::string>& cells) {
    std::string rest;  // cells past the second stay with the definition
    for (std::size_t c = 1; c < cells.size(); ++c) rest += (c > 1 ? " " : "") + cells[c];
    Entrada row{CleanField(cells[0], std::string::npos, Html::kGuess),
                CleanField(rest, std::string::npos, Html::kGuess)};
    if (IsBlankRow(row)) return true;
    const bool header = first && IsHeader(row);  // only the first row may name the columns
    first = false;
    if (!header) rows.push_back(std::move(row));
    return true;
  };
  RowSplitter splitter('\t');
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    if (line.ends_with('\r')) line.remove_suffix(1);
    splitter.Feed(line, take);
    at = end + 1;
  }
  splitter.Finish(take);
  return rows;
}

}  // namespace glosandas
