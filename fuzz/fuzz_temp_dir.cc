#include "fuzz/fuzz_temp_dir.h"

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

FuzzTempDir::FuzzTempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") +
                        "/orvanne-fuzz-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!mkdtemp(name.data())) {
    std::perror("mkdtemp");
    std::abort();  // a harness fault, not a finding: stop loudly
  }
  path_ = name.data();
}

FuzzTempDir::~FuzzTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string FuzzTempDir::Write(const std::string& name,
                               const std::uint8_t* data,
                               std::size_t size) const {
  const std::string file = Path(name);
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data),
            static_cast<std::streamsize>(size));
  out.close();
  if (out.fail()) {
    std::perror(file.c_str());
    std::abort();
  }
  return file;
}
