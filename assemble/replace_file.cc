#include "assemble/replace_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "common/console.h"
#include "common/run_frame.h"

namespace {

namespace fs = std::filesystem;

// A name in `path`'s folder that no file has yet. Another process could
// take it between this test and the opening; the name is random enough
// that it will not.
fs::path UnusedTemporaryName(const fs::path& path) {
  std::random_device seed;
  std::mt19937 random(seed());
  fs::path candidate;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x",
                  static_cast<unsigned>(random()));
    candidate = path;
    candidate += ".partial-";
    candidate += suffix;
    std::error_code error;
    if (!fs::exists(candidate, error) && !error) break;
  }
  return candidate;
}

}  // namespace

bool ReplaceFile(const std::string& path,
                 const std::function<bool(std::ostream&)>& write,
                 std::string* err) {
  // A pipe or a device at `path` is never replaced by a file: whatever
  // reads it would miss the bulletin, and a device replaced is gone for
  // every other program. A link to a file is followed, so the file it leads
  // to is replaced and the link stays.
  fs::path target(path);
  std::error_code ignored;
  bool usable = !IsPipeOrDevice(path);
  if (usable && fs::is_symlink(fs::symlink_status(target, ignored))) {
    std::error_code linkError;
    target = fs::canonical(target, linkError);
    usable = !linkError;
  }
  const fs::path temporary = UnusedTemporaryName(target);
  std::ofstream file;
  if (usable) file.open(temporary);
  if (!file.is_open()) {
    *err = Fill("The bulletin {} could not be created.", {path});
    return false;
  }
  const bool written = write(file);
  file.close();
  std::error_code renameError;
  if (written && !file.fail()) fs::rename(temporary, target, renameError);
  if (!written || file.fail() || renameError) {
    fs::remove(temporary, ignored);
    *err = Fill("The bulletin {} could not be written.", {path});
    return false;
  }
  return true;
}
