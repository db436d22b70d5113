#include "assemble/replace_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "common/console.h"

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
  const fs::path temporary = UnusedTemporaryName(fs::path(path));
  std::ofstream file(temporary);
  if (!file.is_open()) {
    *err = Fill("The bulletin {} could not be created.", {path});
    return false;
  }
  const bool written = write(file);
  file.close();
  std::error_code renameError;
  if (written && !file.fail()) fs::rename(temporary, path, renameError);
  if (!written || file.fail() || renameError) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    *err = Fill("The bulletin {} could not be written.", {path});
    return false;
  }
  return true;
}
