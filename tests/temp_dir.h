#ifndef ORVANNE_TESTS_TEMP_DIR_H_
#define ORVANNE_TESTS_TEMP_DIR_H_

#include <string>

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.
struct TempDir {
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The path of `name` inside the folder.
  std::string Path(const std::string& name) const;

  std::string path;
};

void WriteFile(const std::string& path, const std::string& contents);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

#endif  // ORVANNE_TESTS_TEMP_DIR_H_
