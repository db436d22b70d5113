#include "common/replace_file.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "common/replace_file_port.h"

namespace {

namespace fs = std::filesystem;

// The file a write to `path` lands in. A pipe or a device is never replaced
// by a file: whatever reads it would miss the file, and a device replaced is
// gone for every other program. Nor is a folder. A link is followed, even
// to a file not there yet, so the file it leads to is replaced and the link
// stays; a loop of links leads nowhere.
bool ResolveTarget(const std::string& path, fs::path* target) {
  if (IsPipeOrDevice(path)) return false;
  std::error_code error;
  *target = path;
  for (int hop = 0; fs::is_symlink(fs::symlink_status(*target, error)); ++hop) {
    const fs::path next = fs::read_symlink(*target, error);
    if (error || hop == 40) return false;
    *target = next.is_absolute() ? next : target->parent_path() / next;
  }
  return !fs::is_directory(fs::status(*target, error));
}

// Six characters that any file system takes in a name.
std::string RandomPart() {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<int> pick(0, sizeof kLetters - 2);
  std::string part(6, ' ');
  for (char& letter : part) letter = kLetters[pick(random)];
  return part;
}

// A new temporary beside `target`. Its name is short, so that any name the
// file system takes for `target` leaves room for it.
bool CreateBeside(const fs::path& target, TemporaryFile* file) {
  const fs::path folder = target.parent_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path name = folder / (".orvanne-" + RandomPart());
    switch (CreateTemporary(name.string(), file)) {
      case CreateOutcome::kCreated:
        return true;
      case CreateOutcome::kNameTaken:
        continue;
      case CreateOutcome::kFailed:
        return false;
    }
  }
  return false;
}

}  // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(a, b, error);
}

bool IsPipeOrDevice(const std::string& path) {
  std::error_code error;
  const auto status = fs::status(path, error);
  return fs::exists(status) && !fs::is_regular_file(status) &&
         !fs::is_directory(status);
}

bool ReplaceFile(const std::string& path,
                 const std::function<bool(std::ostream&)>& write,
                 ReplaceFailure* failure, std::string* reason,
                 Durability durability) {
  TemporaryFile temporary;
  const auto failed = [&](ReplaceFailure kind, const std::string& words) {
    if (reason) *reason = words;
    if (!temporary.path.empty()) DiscardTemporary(&temporary);
    *failure = kind;
    return false;
  };
  fs::path target;
  std::string words;
  if (!ResolveTarget(path, &target))
    return failed(ReplaceFailure::kNotCreated, "not a regular file");
  if (!MayWriteExisting(target.string(), &words))
    return failed(ReplaceFailure::kNotCreated, words);
  if (!CreateBeside(target, &temporary))
    return failed(ReplaceFailure::kNotCreated, LastSystemError());
  std::ofstream file(temporary.path);
  if (!file.is_open())
    return failed(ReplaceFailure::kNotCreated, LastSystemError());
  const bool filled = write(file);
  file.close();
  if (!filled || file.fail())
    return failed(ReplaceFailure::kNotWritten, LastSystemError());
  const bool flush = durability == Durability::kFlushed;
  if (!FinishTemporary(&temporary, target.string(), flush) ||
      !MoveTemporary(&temporary, target.string(), flush))
    return failed(ReplaceFailure::kNotWritten, LastSystemError());
  return true;
}

bool ReplaceFileWith(const std::string& path, const std::string& text,
                     std::string* reason, Durability durability) {
  ReplaceFailure failure;
  return ReplaceFile(
      path, [&](std::ostream& out) { return static_cast<bool>(out << text); },
      &failure, reason, durability);
}
