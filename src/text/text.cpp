#include "text/text.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/stringpiece.h>
#include <unicode/uchar.h>
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

namespace {

// Follows UTF-8 a byte at a time: each byte completes a character, asks for more, or cannot be
// UTF-8 (overlong forms and surrogates included).
class Utf8Step {
 public:
  enum Result { kComplete, kMore, kInvalid };
  Result Next(unsigned char c) {
    if (need_ > 0) {
      if (c < lo_ || c > hi_) return kInvalid;
      lo_ = 0x80;
      hi_ = 0xBF;
      return --need_ > 0 ? kMore : kComplete;
    }
    if (c < 0x80) return kComplete;
    if (c >= 0xC2 && c <= 0xDF) {
      need_ = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      need_ = 2;
      if (c == 0xE0) lo_ = 0xA0;
      if (c == 0xED) hi_ = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      need_ = 3;
      if (c == 0xF0) lo_ = 0x90;
      if (c == 0xF4) hi_ = 0x8F;
    } else {
      return kInvalid;
    }
    return kMore;
  }
  bool Midway() const { return need_ > 0; }

 private:
  int need_ = 0;
  unsigned char lo_ = 0x80, hi_ = 0xBF;  // the allowed range of the next byte
};

}  // namespace

std::size_t ValidUtf8Prefix(std::string_view s) {
  Utf8Step step;
  std::size_t valid = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const Utf8Step::Result r = step.Next(static_cast<unsigned char>(s[i]));
    if (r == Utf8Step::kInvalid) break;
    if (r == Utf8Step::kComplete) valid = i + 1;
  }
  return valid;
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

std::string FoldAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string FoldCase(std::string_view text) {
  if (IsAscii(text) || ValidUtf8Prefix(text) != text.size()) return FoldAscii(text);
  std::string out;
  icu::StringByteSink<std::string> sink(&out, static_cast<int32_t>(text.size()));
  UErrorCode error = U_ZERO_ERROR;
  icu::CaseMap::utf8Fold(U_FOLD_CASE_DEFAULT, icu::StringPiece(text.data(), text.size()), sink,
                         nullptr, error);
  return U_SUCCESS(error) ? out : FoldAscii(text);
}

std::vector<std::string> DecodeLines(std::vector<RawLine> lines, bool bom) {
  bool utf8 = bom;
  if (!utf8) {
    // Decided on the whole of every line, so never by where a long line was cut.
    const auto valid = [](const RawLine& l) { return l.utf8; };
    const auto ascii = [](const RawLine& l) { return l.ascii; };
    utf8 = std::all_of(lines.begin(), lines.end(), valid) &&
           !std::all_of(lines.begin(), lines.end(), ascii);
  }
  std::vector<std::string> text;
  text.reserve(lines.size());
  for (RawLine& line : lines) {
    if (utf8) {
      line.bytes.resize(ValidUtf8Prefix(line.bytes));  // a cut may end inside a character
      text.push_back(std::move(line.bytes));
    } else {
      text.push_back(Cp1252ToUtf8(line.bytes));
    }
  }
  return text;
}

std::string FileNameText(const std::string& bytes) {
  return ValidUtf8Prefix(bytes) == bytes.size() ? bytes : Cp1252ToUtf8(bytes);
}

namespace {

// Follows a line's bytes, a piece at a time, to tell whether the whole of it is well-formed
// UTF-8 and whether it is ASCII.
class Utf8Scan {
 public:
  explicit Utf8Scan(RawLine& flags) : flags_(flags) {}
  void Feed(const char* p, const char* end) {
    for (; p < end && flags_.utf8; ++p) {
      const unsigned char c = *p;
      if (c >= 0x80) flags_.ascii = false;
      flags_.utf8 = step_.Next(c) != Utf8Step::kInvalid;
    }
    // Once it is not UTF-8, only ASCII is left to tell.
    if (!flags_.utf8 && flags_.ascii) flags_.ascii = IsAscii(std::string_view(p, end - p));
  }
  void End() { flags_.utf8 = flags_.utf8 && !step_.Midway(); }

 private:
  RawLine& flags_;
  Utf8Step step_;
};

constexpr char kReplacement[] = "\xEF\xBF\xBD";

}  // namespace

int OpenOrdinaryFile(const std::filesystem::path& path, OpenFailure& why, struct stat* info) {
  why = OpenFailure::kNone;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    why = errno == ENOENT || errno == ENOTDIR ? OpenFailure::kMissing
          : errno == ELOOP || errno == ENXIO  ? OpenFailure::kNotOrdinary
                                              : OpenFailure::kNotAllowed;
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    why = S_ISDIR(st.st_mode) ? OpenFailure::kFolder : OpenFailure::kNotOrdinary;
    ::close(fd);
    return -1;
  }
  if (info) *info = st;
  return fd;
}

LineFile::LineFile(const std::filesystem::path& path, std::size_t first_read)
    : read_size_(std::clamp<std::size_t>(first_read, 1, kBufferSize)) {
  struct stat st;
  fd_ = OpenOrdinaryFile(path, failure_, &st);
  if (fd_ < 0) return;
  id_ = {static_cast<long long>(st.st_dev), static_cast<long long>(st.st_ino), st.st_size,
         st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

LineFile::~LineFile() {
  if (fd_ >= 0) ::close(fd_);
  if (utf16_) iconv_close(static_cast<iconv_t>(utf16_));
}

std::size_t LineFile::ReadSome(char* to, std::size_t size) {
  if (eof_ || left_ == 0) return 0;
  ssize_t n;
  do n = ::read(fd_, to, std::min({read_size_, left_, size}));
  while (n < 0 && errno == EINTR);
  read_size_ = std::min(2 * read_size_, kBufferSize);
  if (n <= 0) {
    eof_ = true;
    return 0;
  }
  left_ -= static_cast<std::size_t>(n);
  if (kept_) kept_->append(to, static_cast<std::size_t>(n));
  return static_cast<std::size_t>(n);
}

bool LineFile::Fill() {
  pos_ = end_ = 0;
  if (!sniffed_) {
    sniffed_ = true;
    end_ = ReadSome(buffer_, kBufferSize);
    const std::string_view head(buffer_, end_);
    const bool le = head.starts_with("\xFF\xFE"), be = head.starts_with("\xFE\xFF");
    if (!le && !be) return end_ > 0;
    utf16_ = iconv_open("UTF-8", le ? "UTF-16LE" : "UTF-16BE");
    if (utf16_ == reinterpret_cast<void*>(-1)) throw std::runtime_error("iconv cannot convert");
    bom_ = true;
    pending_.assign(buffer_ + 2, end_ - 2);
    end_ = 0;
  }
  if (!utf16_) {
    end_ = ReadSome(buffer_, kBufferSize);
    return end_ > 0;
  }
  // UTF-16 turns into at most half as much again in UTF-8: a third of the buffer's worth of
  // UTF-16 at a time always fits.
  while (end_ == 0) {
    if (pending_.size() < 4) {
      char raw[kBufferSize / 3];
      const std::size_t n = ReadSome(raw, sizeof raw - pending_.size());
      if (n == 0 && pending_.size() < 2) return false;  // an odd last byte is dropped
      pending_.append(raw, n);
    }
    char* src = pending_.data();
    std::size_t src_left = pending_.size();
    char* dst = buffer_;
    std::size_t dst_left = kBufferSize;
    if (iconv(static_cast<iconv_t>(utf16_), &src, &src_left, &dst, &dst_left) ==
            static_cast<std::size_t>(-1) &&
        (errno == EILSEQ || (errno == EINVAL && eof_))) {
      // A lone surrogate, or half a pair at the end of the file.
      std::memcpy(dst, kReplacement, 3);
      dst += 3;
      src += std::min<std::size_t>(2, src_left);
      src_left -= std::min<std::size_t>(2, src_left);
    }
    end_ = static_cast<std::size_t>(dst - buffer_);
    pending_.erase(0, pending_.size() - src_left);
  }
  return true;
}

bool LineFile::ReadLine(std::string& line, std::size_t cap) {
  line.clear();
  scan_ = RawLine{};
  Utf8Scan scan(scan_);
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
    scan.Feed(buffer_ + pos_, stop);
    // One byte past the cap is kept so that a CR before the LF can be told from text.
    const std::size_t room = cap + 1 - std::min(cap + 1, line.size());
    line.append(buffer_ + pos_, std::min<std::size_t>(room, stop - (buffer_ + pos_)));
    pos_ = static_cast<std::size_t>(stop - buffer_);
    if (lf) {
      ++pos_;
      break;
    }
  }
  scan.End();
  if (!started_) {
    started_ = true;
    if (line.starts_with("\xEF\xBB\xBF")) {
      bom_ = true;
      line.erase(0, 3);
    }
  }
  if (!line.empty() && line.back() == '\r' && line.size() <= cap + 1) line.pop_back();
  if (line.size() > cap) line.resize(cap);
  if (blanks > 0) line.insert(0, std::min(blanks, cap), ' ');
  return true;
}

bool LineFile::ReadLine(RawLine& line, std::size_t cap) {
  if (!ReadLine(line.bytes, cap)) return false;
  line.utf8 = scan_.utf8;
  line.ascii = scan_.ascii;
  return true;
}

}  // namespace glosandas
