#include "common/read_file.h"

#include <cstdio>

bool ReadWholeFile(const std::string& path, std::string* text) {
  text->clear();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  // Large reads, unbuffered: the stream's own buffer would be one copy
  // more.
  std::setvbuf(file, nullptr, _IONBF, 0);
  char chunk[16 << 10];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
    text->append(chunk, got);
    // A read short of what was asked ends at the file's end or an error.
    if (got < sizeof chunk) break;
  }
  const bool read = std::ferror(file) == 0;
  std::fclose(file);
  return read;
}
