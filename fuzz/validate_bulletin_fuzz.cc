// The header check of the 1200 Model on any file.

#include <cstddef>
#include <cstdint>

#include "blend/validate_bulletin.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  ValidateBulletin(WriteInput(dir, "bulletin.txt", data, size));
  return 0;
}
