#include "wordlists/text.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <stdexcept>

namespace glosandas {

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string CutChars(std::string_view text, std::size_t chars) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts_char = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts_char && count++ == chars) return std::string(text.substr(0, i));
  }
  return std::string(text);
}

std::size_t ValidUtf8Prefix(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = s[i];
    std::size_t len;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      if (c == 0xE0) lo = 0xA0;
      if (c == 0xED) hi = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      if (c == 0xF0) lo = 0x90;
      if (c == 0xF4) hi = 0x8F;
    } else {
      return i;
    }
    if (i + len > s.size()) return i;
    for (std::size_t k = 1; k < len; ++k) {
      const unsigned char b = s[i + k];
      if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xBF)) return i;
    }
    i += len;
  }
  return i;
}

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

namespace {

// One converter per direction for the whole run: the program has a single thread.
iconv_t Converter(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert");
  return cd;
}

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Runs iconv over the whole input. On a byte it cannot convert, `on_bad` decides: it may append
// a replacement and return true to go on, or return false to give up.
template <typename OnBad>
bool Convert(iconv_t cd, std::string_view in, std::string& out, OnBad on_bad) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  char chunk[4096];
  while (src_left > 0) {
    char* dst = chunk;
    std::size_t dst_left = sizeof chunk;
    const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(chunk, static_cast<std::size_t>(dst - chunk));
    if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
      if (!on_bad(src, src_left)) return false;
    }
  }
  return true;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  if (IsAscii(bytes)) return std::string(bytes);
  static iconv_t cd = Converter("UTF-8", "CP1252");
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  // The five bytes Windows-1252 leaves undefined become the control characters of the same
  // number, as Windows itself decodes them.
  Convert(cd, bytes, out, [&out](char*& src, std::size_t& left) {
    AppendUtf8(out, static_cast<unsigned char>(*src));
    ++src;
    --left;
    return true;
  });
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  static iconv_t cd = Converter("CP1252", "UTF-8");
  std::string out;
  if (!Convert(cd, text, out, [](char*&, std::size_t&) { return false; })) return std::nullopt;
  return out;
}

std::string ShortestText(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::vector<std::string> DecodeLines(std::vector<RawLine> lines, bool bom) {
  bool utf8 = bom;
  if (!utf8) {
    bool valid = true, ascii = true;
    for (const RawLine& line : lines) {
      const std::size_t ok = ValidUtf8Prefix(line.bytes);
      // A cut line may end inside a character; only what precedes the cut must be well formed.
      valid = valid && (ok == line.bytes.size() || (line.cut && line.bytes.size() - ok < 4));
      ascii = ascii && IsAscii(line.bytes);
    }
    utf8 = valid && !ascii;
  }
  std::vector<std::string> text;
  text.reserve(lines.size());
  for (RawLine& line : lines) {
    if (utf8) {
      line.bytes.resize(ValidUtf8Prefix(line.bytes));
      text.push_back(std::move(line.bytes));
    } else {
      text.push_back(Cp1252ToUtf8(line.bytes));
    }
  }
  return text;
}

LineFile::LineFile(const std::filesystem::path& path, std::size_t first_read)
    : read_size_(std::clamp<std::size_t>(first_read, 1, kBufferSize)) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd_ < 0) return;
  struct stat st;
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    return;
  }
  id_ = {static_cast<long long>(st.st_dev), static_cast<long long>(st.st_ino), st.st_size,
         st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

LineFile::~LineFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool LineFile::Fill() {
  if (eof_ || left_ == 0) return false;
  ssize_t n;
  do n = ::read(fd_, buffer_, std::min(read_size_, left_));
  while (n < 0 && errno == EINTR);
  read_size_ = std::min(2 * read_size_, kBufferSize);
  if (n <= 0) {
    eof_ = true;
    return false;
  }
  left_ -= static_cast<std::size_t>(n);
  pos_ = 0;
  end_ = static_cast<std::size_t>(n);
  return true;
}

bool LineFile::ReadLine(std::string& line, std::size_t cap) {
  line.clear();
  if (fd_ < 0 || (pos_ == end_ && !Fill())) return false;
  std::size_t blanks = 0;
  bool leading = true;
  for (;;) {
    if (pos_ == end_ && !Fill()) break;
    const char* start = buffer_ + pos_;
    const char* lf = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
    const char* stop = lf ? lf : buffer_ + end_;
    for (const char* p = start; leading && p < stop && *p == ' '; ++p, ++pos_) ++blanks;
    leading = leading && buffer_ + pos_ == stop && !lf;
    // One byte past the cap is kept so that a CR before the LF can be told from text.
    const std::size_t room = cap + 1 - std::min(cap + 1, line.size());
    line.append(buffer_ + pos_, std::min<std::size_t>(room, stop - (buffer_ + pos_)));
    pos_ = static_cast<std::size_t>(stop - buffer_);
    if (lf) {
      ++pos_;
      break;
    }
  }
  if (!started_) {
    started_ = true;
    bom_ = line.starts_with("\xEF\xBB\xBF");
    if (bom_) line.erase(0, 3);
  }
  if (!line.empty() && line.back() == '\r' && line.size() <= cap + 1) line.pop_back();
  if (line.size() > cap) line.resize(cap);
  if (blanks > 0) line.insert(0, std::min(blanks, cap), ' ');
  return true;
}

}  // namespace glosandas
