#include "files/atomic_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <string_view>

namespace glosandas {

std::optional<std::filesystem::path> WriteTarget(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  std::filesystem::path target = std::filesystem::canonical(path, ec);
  if (ec) return std::nullopt;
  return target;
}

namespace {

// Our temporary files: a name that says whose it is, no user would choose, and stays short
// whatever the name of the file written.
constexpr std::string_view kTemporaryPrefix = ".glosandas-temporal-";
constexpr std::size_t kRandomChars = 6;  // the XXXXXX of mkstemp

mode_t NewFileMode(const std::filesystem::path& old_file) {
  struct stat st;
  if (::stat(old_file.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool WriteAtomically(const std::filesystem::path& path, const std::string& bytes,
                     bool make_folder) {
  const std::optional<std::filesystem::path> destination = WriteTarget(path);
  if (!destination) return false;
  const std::filesystem::path& target = *destination;
  std::error_code ec;
  if (make_folder) std::filesystem::create_directories(target.parent_path(), ec);
  if (ec) return false;
  std::string temp;
  int fd = -1;
  // A starting instance may take an unlocked temporary file for a stale one and remove it in the
  // moment before the lock is taken: then another is made.
  for (int attempt = 0; attempt < 3 && fd < 0; ++attempt) {
    temp = (target.parent_path() / (std::string(kTemporaryPrefix) + "XXXXXX")).string();
    fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    struct stat st;
    if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0) {
      ::close(fd);
      fd = -1;
    }
  }
  if (fd < 0) return false;
  const bool written =
      ::fchmod(fd, NewFileMode(target)) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool renamed = written && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!renamed) ::unlink(temp.c_str());
  return ::close(fd) == 0 && renamed;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  return WriteAtomically(path, bytes, /*make_folder=*/true);  // a user's folder, first time
}

bool WriteAllTo(int fd, const std::string& bytes) {
  // SIGPIPE is held back while writing, and one this write raised is taken, so that EPIPE is
  // what tells of a reader gone.
  sigset_t pipe_signal, before;
  sigemptyset(&pipe_signal);
  sigaddset(&pipe_signal, SIGPIPE);
  sigset_t pending;
  const bool was_pending = ::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE);
  ::pthread_sigmask(SIG_BLOCK, &pipe_signal, &before);
  bool written = WriteAll(fd, bytes);
  const int error = errno;
  if (!written && error == EPIPE && !was_pending) {
    const timespec now = {0, 0};
    while (::sigtimedwait(&pipe_signal, nullptr, &now) < 0 && errno == EINTR) {
    }
  }
  ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
  struct stat st;
  if (written && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) written = ::fsync(fd) == 0;
  return written;
}

WriteOutcome WriteOutput(const std::filesystem::path& path, const std::string& bytes) {
  std::error_code ec;
  const std::filesystem::path file = std::filesystem::absolute(path, ec);
  if (ec) return WriteOutcome::kFailed;
  struct stat st;
  if (::stat(file.c_str(), &st) != 0 || S_ISREG(st.st_mode)) {
    return WriteAtomically(file, bytes, /*make_folder=*/false) ? WriteOutcome::kWritten
                                                               : WriteOutcome::kFailed;
  }
  if (!S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode)) return WriteOutcome::kNotAFile;
  // A pipe's reader or a device takes the bytes as they come: there is nothing to replace.
  const int fd = ::open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return WriteOutcome::kFailed;
  const bool written = WriteAllTo(fd, bytes);
  return ::close(fd) == 0 && written ? WriteOutcome::kWritten : WriteOutcome::kFailed;
}

void RemoveStaleTemporaries(const std::filesystem::path& folder) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(kTemporaryPrefix) ||
        name.size() != kTemporaryPrefix.size() + kRandomChars) {
      continue;
    }
    const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st;
    const bool stale =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        (::flock(fd, LOCK_EX | LOCK_NB) == 0 || std::time(nullptr) - st.st_mtime > 60);
    if (stale) ::unlink(entry.path().c_str());
    ::close(fd);
  }
}

}  // namespace glosandas
