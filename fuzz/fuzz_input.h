#ifndef ORVANNE_FUZZ_FUZZ_INPUT_H_
#define ORVANNE_FUZZ_FUZZ_INPUT_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/temp_dir.h"

// Writes the fuzzer's bytes as the file `name` in `dir`, for the readers
// take bulletins by name; gives its path.
inline std::string WriteInput(const TempDir& dir, const std::string& name,
                              const std::uint8_t* data, std::size_t size) {
  const std::string path = dir.Path(name);
  WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));
  return path;
}

#endif  // ORVANNE_FUZZ_FUZZ_INPUT_H_
