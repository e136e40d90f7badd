// Text helpers every part of the program uses: blanks, character cuts, the Windows-1252 code
// page, and a line reader that cannot be stalled by what it is given.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct stat;

namespace glosandas {

// Removes leading and trailing blanks (spaces only, as the lists are written).
std::string Trim(std::string_view text);

// The first `chars` characters of a UTF-8 text; never splits a character.
std::string CutChars(std::string_view text, std::size_t chars);

// Length of the longest prefix of `bytes` that is well-formed UTF-8.
std::size_t ValidUtf8Prefix(std::string_view bytes);

bool IsAscii(std::string_view bytes);

std::string Cp1252ToUtf8(std::string_view bytes);

// Nothing when some character has no Windows-1252 form.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

// The shortest text that reads back as the same value, with a point: 12, 9.75.
std::string ShortestText(float value);

// ASCII letters folded to lower case; other bytes kept. For names the formats fix in ASCII
// (extensions, HTML tags, settings words).
std::string FoldAscii(std::string_view text);

// Full Unicode case folding of a UTF-8 text ("Árbol" and "árbol", "Ñu" and "ñu" fold the same):
// how words and list names are compared, letter case aside. Text that is not UTF-8 (a
// Windows-1252 file name) is folded as FoldAscii does.
std::string FoldCase(std::string_view text);

// Why a file could not be opened for reading.
enum class OpenFailure { kNone, kMissing, kFolder, kNotAllowed, kNotOrdinary };

// Opens an ordinary file for reading without ever blocking (a FIFO or a device is refused);
// -1 and the reason when it cannot. `info`, when given, receives the open file's status.
int OpenOrdinaryFile(const std::filesystem::path& path, OpenFailure& why,
                     struct stat* info = nullptr);

// Raw lines of a file, as read, and what the whole line was, cut or not.
struct RawLine {
  std::string bytes;
  bool utf8 = true;   // well-formed UTF-8
  bool ascii = true;  // no byte above 0x7F
};

// Reads lines ending in CR LF or LF from an ordinary file. Opening never blocks (a FIFO or a
// device is refused) and a line longer than the cap costs a scan, not memory. A file that starts
// with a UTF-16 byte-order mark is read as the same text in UTF-8.
class LineFile {
 public:
  // Bytes kept per line after its leading blanks; enough for 2000 characters plus a marker.
  static constexpr std::size_t kLineCap = 8 * 1024 + 16;
  static constexpr std::size_t kBufferSize = 64 * 1024;

  // `first_read` bytes are asked for first, twice as many each time after, up to the buffer's
  // size: a reader that wants only the first line of a file reads little more than that line.
  explicit LineFile(const std::filesystem::path& path, std::size_t first_read = kBufferSize);
  ~LineFile();
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  OpenFailure Failure() const { return failure_; }
  // Whether the file began with a byte-order mark (which ReadLine drops): its text is UTF-8.
  bool HadBom() const { return bom_; }
  // Device, inode, size and modification time: equal only for the same, unchanged file.
  using Identity = std::array<long long, 5>;
  Identity Id() const { return id_; }
  // The next line without its end; false at the end of the file. At most `cap` bytes are kept
  // after the leading blanks, whose count is kept up to `cap`.
  bool ReadLine(std::string& line, std::size_t cap = kLineCap);
  // The same, with what the whole line's bytes were, also past the cap.
  bool ReadLine(RawLine& line, std::size_t cap = kLineCap);
  // Stops the reading of a file after that many bytes, as if it ended there.
  void LimitReading(std::size_t max_read) { left_ = max_read; }
  // Appends every byte read from the file from then on to `to`, as it is on disk.
  void KeepBytes(std::string* to) { kept_ = to; }

 private:
  bool Fill();
  std::size_t ReadSome(char* to, std::size_t size);
  int fd_ = -1;
  OpenFailure failure_ = OpenFailure::kNone;
  char buffer_[kBufferSize];
  std::size_t read_size_;
  std::size_t pos_ = 0, end_ = 0;
  std::size_t left_ = static_cast<std::size_t>(-1);
  std::string* kept_ = nullptr;
  bool eof_ = false;
  bool sniffed_ = false;  // the start of the file was looked at for a UTF-16 byte-order mark
  bool started_ = false;
  bool bom_ = false;
  Identity id_{};
  RawLine scan_;           // the flags of the line being read
  void* utf16_ = nullptr;  // the converter of a UTF-16 file
  std::string pending_;    // UTF-16 bytes read and not yet converted
};

// Decodes a file's lines at once: UTF-8 when the file had a byte-order mark or its lines are
// well-formed UTF-8 holding some non-ASCII byte, Windows-1252 otherwise.
std::vector<std::string> DecodeLines(std::vector<RawLine> lines, bool bom);

// A file name as the learner reads it: its bytes when they are UTF-8, else Windows-1252.
std::string FileNameText(const std::string& bytes);

}  // namespace glosandas
