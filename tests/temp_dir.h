#ifndef ORVANNE_TESTS_TEMP_DIR_H_
#define ORVANNE_TESTS_TEMP_DIR_H_

#include <set>
#include <string>

// A fresh folder under the system's temporary folder ($TMPDIR), removed
// with all it holds when the object goes. Shared by the tests, the fuzz
// targets and the benchmarks. Throws when no folder can be made.
struct TempDir {
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The path of `name` inside the folder.
  std::string Path(const std::string& name) const;

  std::string path;
};

// Makes `path` the working folder for the object's lifetime.
struct WorkingFolder {
  explicit WorkingFolder(const std::string& path);
  ~WorkingFolder();
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  std::string previous;
};

// Writes `contents` to `path` as they are; throws when it cannot.
void WriteFile(const std::string& path, const std::string& contents);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// The names of the entries of `folder`.
std::set<std::string> FilesIn(const std::string& folder);

#endif  // ORVANNE_TESTS_TEMP_DIR_H_
