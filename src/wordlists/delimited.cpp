// Tab-separated text and CSV, as flashcard programs and spreadsheets write them.
#include <libxml/HTMLparser.h>

#include <algorithm>
#include <array>
#include <utility>

#include "wordlists/readers.h"
#include "wordlists/text.h"

namespace glosandas {

namespace {

void AppendText(const xmlNode* node, std::string& out) {
  for (const xmlNode* n = node; n; n = n->next) {
    if ((n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE) && n->content) {
      out += reinterpret_cast<const char*>(n->content);
    } else if (n->type == XML_ELEMENT_NODE) {
      const std::string name = reinterpret_cast<const char*>(n->name);
      if (name == "br" || name == "div" || name == "p") out += ' ';
      AppendText(n->children, out);
    }
  }
}

// A field as the learner reads it: line breaks and HTML turned into plain text, trimmed, cut.
std::string CleanField(std::string text, std::size_t chars) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::replace(text.begin(), text.end(), '\r', ' ');
  text = HtmlToText(text);
  for (std::size_t at; (at = text.find("\xC2\xA0")) != std::string::npos;) text.replace(at, 2, " ");
  for (std::size_t at; (at = text.find('\t')) != std::string::npos;) text[at] = ' ';
  return CutChars(Trim(text), chars);
}

bool IsHeader(std::string first_field) {
  first_field = FoldCase(first_field);
  for (std::size_t at; (at = first_field.find("\xC3\x89")) != std::string::npos;)
    first_field.replace(at, 2, "\xC3\xA9");  // É as é
  constexpr std::array<const char*, 6> kHeaders = {"palabra", "término", "termino",
                                                   "word",    "term",    "front"};
  return std::find(kHeaders.begin(), kHeaders.end(), first_field) != kHeaders.end();
}

// The separator of a CSV file: whichever of ';' and ',' its first line holds more often
// outside quotes, ';' on a tie.
char CsvSeparator(const std::string& line) {
  int semicolons = 0, commas = 0;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (!quoted && c == ';') ++semicolons;
    if (!quoted && c == ',') ++commas;
  }
  return semicolons >= commas ? ';' : ',';
}

}  // namespace

std::string HtmlToText(const std::string& html) {
  if (html.find_first_of("<&") == std::string::npos) return html;
  htmlDocPtr doc = htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, "UTF-8",
                                  HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
  if (!doc) return html;
  std::string text;
  AppendText(xmlDocGetRootElement(doc), text);
  xmlFreeDoc(doc);
  return text;
}

std::vector<Entrada> ReadDelimited(LineFile& file, bool tabs) {
  // Rows are cut from the raw bytes (separators and quotes are the same bytes in every code
  // page read); the code page is decided on every line read, then the fields are decoded.
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row(1);
  RawLine line, flags;  // flags: of all the lines read
  bool quoted = false, started = false;
  char separator = '\t';
  std::size_t good_rows = 0;
  file.LimitReading(kReadPastEntry);
  while (good_rows <= kMaxEntradas && file.ReadLine(line)) {
    flags.utf8 = flags.utf8 && line.utf8;
    flags.ascii = flags.ascii && line.ascii;
    if (!quoted && row.size() == 1 && row[0].empty()) {  // a new row
      if (!started && tabs && line.bytes.starts_with("#")) continue;
      if (!started && !tabs) separator = CsvSeparator(line.bytes);
      started = true;
    }
    const std::string& b = line.bytes;
    for (std::size_t i = 0; i < b.size(); ++i) {
      if (quoted) {
        if (b[i] != '"') {
          row.back() += b[i];
        } else if (i + 1 < b.size() && b[i + 1] == '"') {
          row.back() += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else if (b[i] == '"') {
        quoted = true;
      } else if (b[i] == separator) {
        row.emplace_back();
      } else {
        row.back() += b[i];
      }
    }
    if (quoted) {
      row.back() += '\n';  // a line break inside a quoted field
      continue;
    }
    if (row.size() >= 2 && !Trim(row[0]).empty() && !Trim(row[1]).empty()) {
      ++good_rows;
      file.LimitReading(kReadPastEntry);
    }
    row.resize(std::min<std::size_t>(row.size(), 2));
    rows.push_back(std::move(row));
    row.assign(1, std::string());
  }

  const bool utf8 = file.HadBom() || (flags.utf8 && !flags.ascii);
  const auto decode = [utf8](std::string& bytes) {
    if (utf8) {
      bytes.resize(ValidUtf8Prefix(bytes));
    } else {
      bytes = Cp1252ToUtf8(bytes);
    }
  };
  std::vector<Entrada> entries;
  bool first = true;
  for (std::size_t r = 0; r < rows.size() && entries.size() < kMaxEntradas; ++r) {
    if (rows[r].size() < 2) continue;
    for (std::string& field : rows[r]) decode(field);
    Entrada entry{CleanField(rows[r][0], kPalabraLen), CleanField(rows[r][1], kDefinicionLen)};
    if (std::exchange(first, false) && IsHeader(entry.Palabra)) continue;
    if (!entry.Palabra.empty() && !entry.Definicion.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace glosandas
