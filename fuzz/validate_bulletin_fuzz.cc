// The header check of the 1200 Model on any file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "blend/validate_bulletin.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  std::string err;
  if (!ValidateBulletin(WriteInput(dir, "bulletin.txt", data, size), &err))
    FUZZ_CHECK(err == "Your input file is invalid.");
  return 0;
}
