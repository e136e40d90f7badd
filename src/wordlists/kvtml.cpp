// KDE vocabulary documents, read as a stream with libxml2: entities are not expanded, and the
// reading stops once entries past the 100th have been counted, or after a stretch of bytes that
// yields none.
#include <libxml/xmlreader.h>
#include <unistd.h>

#include <cerrno>

#include "wordlists/readers.h"

namespace glosandas {

namespace {

struct Source {
  int fd = -1;
  std::size_t left = kReadPastEntry;  // bytes it may still read
};

int ReadSource(void* context, char* buffer, int length) {
  auto* source = static_cast<Source*>(context);
  const std::size_t want = std::min<std::size_t>(static_cast<std::size_t>(length), source->left);
  if (want == 0) return 0;
  ssize_t n;
  do n = ::read(source->fd, buffer, want);
  while (n < 0 && errno == EINTR);
  if (n < 0) return -1;
  source->left -= static_cast<std::size_t>(n);
  return static_cast<int>(n);
}

int CloseSource(void*) { return 0; }

struct Translation {
  std::string text, comment;
};

std::string Clean(std::string text, std::size_t chars) {
  for (char& c : text) {
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  }
  return CutChars(Trim(text), chars);
}

}  // namespace

ReadResult ReadKvtml(const std::filesystem::path& file) {
  Source source;
  ReadResult result;
  source.fd = OpenOrdinaryFile(file, result.why);
  if (source.fd < 0) {
    result.outcome = ReadResult::kCannotOpen;
    return result;
  }
  xmlTextReaderPtr reader =
      xmlReaderForIO(ReadSource, CloseSource, &source, nullptr, nullptr,
                     XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  std::vector<Entrada> entries;
  std::size_t found = 0;
  std::vector<Translation> translations;
  enum class Field { kNone, kText, kComment } field = Field::kNone;  // being read
  bool in_entry = false;
  while (reader && found < kMaxEntradas + kCountedEntries && xmlTextReaderRead(reader) == 1) {
    const int type = xmlTextReaderNodeType(reader);
    const xmlChar* raw_name = xmlTextReaderConstLocalName(reader);
    const std::string name = raw_name ? reinterpret_cast<const char*>(raw_name) : "";
    const bool empty = xmlTextReaderIsEmptyElement(reader) == 1;
    // KVTML 1 writes an entry as <e>, its original as <o> and a translation as <t>, each
    // holding its text.
    const bool is_entry = name == "entry" || name == "e";
    const bool is_old_text = in_entry && (name == "o" || name == "t");
    if (type == XML_READER_TYPE_ELEMENT) {
      if (is_entry) {
        in_entry = true;
        translations.clear();
        field = Field::kNone;
      } else if (in_entry && (name == "translation" || is_old_text)) {
        translations.emplace_back();
        field = is_old_text && !empty ? Field::kText : Field::kNone;
      } else if (!translations.empty() && (name == "text" || name == "comment") && !empty) {
        field = name == "text" ? Field::kText : Field::kComment;
      }
    } else if ((type == XML_READER_TYPE_TEXT || type == XML_READER_TYPE_CDATA ||
                type == XML_READER_TYPE_SIGNIFICANT_WHITESPACE) &&
               field != Field::kNone && !translations.empty()) {
      Translation& t = translations.back();
      if (const xmlChar* value = xmlTextReaderConstValue(reader))
        (field == Field::kText ? t.text : t.comment) += reinterpret_cast<const char*>(value);
    }
    if (type == XML_READER_TYPE_END_ELEMENT &&
        (name == "text" || name == "comment" || is_old_text)) {
      field = Field::kNone;
    } else if (in_entry && is_entry && (type == XML_READER_TYPE_END_ELEMENT || empty)) {
      in_entry = false;
      if (translations.empty()) continue;
      // The second translation is the definition; a missing or empty one (a word given with a
      // hint) leaves the first one's comment.
      Entrada entry{Clean(translations[0].text, kPalabraLen),
                    translations.size() > 1 ? Clean(translations[1].text, kDefinicionLen) : ""};
      if (entry.Definicion.empty())
        entry.Definicion = Clean(translations[0].comment, kDefinicionLen);
      if (!entry.Palabra.empty() && !entry.Definicion.empty()) {
        if (++found <= kMaxEntradas) entries.push_back(std::move(entry));
        source.left = kReadPastEntry;
      }
    }
  }
  const bool counted = found < kMaxEntradas + kCountedEntries;
  if (reader) xmlFreeTextReader(reader);
  ::close(source.fd);
  return ReadResult::Of(std::move(entries), found, counted);
}

}  // namespace glosandas
