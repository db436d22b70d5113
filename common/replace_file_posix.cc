#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "common/replace_file_port.h"

namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof kEndingSignals / sizeof kEndingSignals[0];

// The temporary's path while it exists, for the signal handler, which may
// only read what is already in memory. Changed only with the signals
// blocked.
char registeredPath[4096];
volatile std::sig_atomic_t pathRegistered = 0;
struct sigaction previousActions[kSignalCount];

extern "C" void RemoveTemporaryAndEnd(int signal) {
  const int savedErrno = errno;
  if (pathRegistered) unlink(registeredPath);
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigaction(signal, &fallback, nullptr);
  // Delivered when the handler returns, with the default action.
  raise(signal);
  errno = savedErrno;
}

// Holds off the ending signals while the temporary and its registration
// change together.
struct SignalsHeld {
  SignalsHeld() {
    sigset_t ending;
    sigemptyset(&ending);
    for (int signal : kEndingSignals) sigaddset(&ending, signal);
    sigprocmask(SIG_BLOCK, &ending, &previous);
  }
  ~SignalsHeld() { sigprocmask(SIG_SETMASK, &previous, nullptr); }
  sigset_t previous;
};

// A signal the program ignores (as under nohup) stays ignored.
void Register(const std::string& path) {
  std::memcpy(registeredPath, path.c_str(), path.size() + 1);
  pathRegistered = 1;
  struct sigaction handler {};
  handler.sa_handler = RemoveTemporaryAndEnd;
  sigemptyset(&handler.sa_mask);
  for (int signal : kEndingSignals) sigaddset(&handler.sa_mask, signal);
  for (int i = 0; i < kSignalCount; ++i) {
    sigaction(kEndingSignals[i], nullptr, &previousActions[i]);
    if (previousActions[i].sa_handler != SIG_IGN)
      sigaction(kEndingSignals[i], &handler, nullptr);
  }
}

void Unregister() {
  for (int i = 0; i < kSignalCount; ++i)
    sigaction(kEndingSignals[i], &previousActions[i], nullptr);
  pathRegistered = 0;
}

void CloseTemporary(TemporaryFile* file) {
  if (file->handle >= 0) close(static_cast<int>(file->handle));
  file->handle = -1;
}

// The mode the umask leaves a new file, read without changing it for good.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

CreateOutcome CreateTemporary(const std::string& path, TemporaryFile* file) {
  if (path.size() >= sizeof registeredPath) return CreateOutcome::kFailed;
  SignalsHeld held;
  // Owner only while it is written; FinishTemporary gives the final mode.
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                      S_IRUSR | S_IWUSR);
  if (fd < 0)
    return errno == EEXIST ? CreateOutcome::kNameTaken : CreateOutcome::kFailed;
  file->path = path;
  file->handle = fd;
  Register(path);
  return CreateOutcome::kCreated;
}

bool FinishTemporary(TemporaryFile* file, const std::string& replaced,
                     bool flush) {
  const int fd = static_cast<int>(file->handle);
  struct stat old {};
  const mode_t mode = stat(replaced.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                          ? old.st_mode & 07777
                          : NewFileMode();
  // A file system that cannot flush has nothing to flush (EINVAL).
  const bool flushed =
      fchmod(fd, mode) == 0 &&
      (!flush || fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP);
  CloseTemporary(file);
  return flushed;
}

bool MoveTemporary(TemporaryFile* file, const std::string& target,
                   bool flush) {
  {
    SignalsHeld held;
    if (rename(file->path.c_str(), target.c_str()) != 0) return false;
    Unregister();
  }
  if (!flush) return true;
  // The rename is on disk once the folder is; the new file is in place
  // either way, so a folder that cannot be flushed is no failure.
  const std::filesystem::path folder =
      std::filesystem::path(target).parent_path();
  const int fd = open(folder.empty() ? "." : folder.c_str(),
                      O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
  return true;
}

void DiscardTemporary(TemporaryFile* file) {
  SignalsHeld held;
  CloseTemporary(file);
  unlink(file->path.c_str());
  Unregister();
}

std::string LastSystemError() { return std::strerror(errno); }

bool MayWriteExisting(const std::string& path, std::string* reason) {
  if (access(path.c_str(), W_OK) == 0 || errno == ENOENT) return true;
  *reason = std::strerror(errno);
  return false;
}
