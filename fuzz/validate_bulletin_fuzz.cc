// The header check of the 1200 Model on any file.

#include <cstddef>
#include <cstdint>

#include "blend/validate_bulletin.h"
#include "fuzz/fuzz_temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzTempDir dir;
  ValidateBulletin(dir.Write("bulletin.txt", data, size));
  return 0;
}
