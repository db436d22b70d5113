// The cloud and wind rows of the 1200 Model.

#include <cstddef>
#include <cstdint>
#include <string>

#include "blend/bulletin_rows.h"
#include "fuzz/blend_read_checks.h"
#include "fuzz/fuzz_input.h"

namespace {

// Every cloud code read must be one the cloud word table gives.
bool IsShortCode(std::int32_t code) {
  return code == 0 || code == 2 || code == 3 || code == 7 || code == 10;
}
bool IsExtendedCode(std::int32_t code) {
  return code == 0 || code == 5 || code == 10;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  const std::string bulletin = WriteInput(dir, "bulletin.txt", data, size);

  StationRecords<ShortSkyRecord> eta, avn;
  StationRecords<ExtendedSkyRecord> ext;
  const auto read = [&](auto& e, auto& a, auto& x, std::string* err) {
    return ReadSkyRows(e, a, x, bulletin, err);
  };
  if (!ReadChecked(read, eta, avn, ext)) return 0;
  for (const auto* group : {&eta, &avn})
    for (const ShortSkyRecord& record : *group)
      for (std::int32_t code : record.cld) FUZZ_CHECK(IsShortCode(code));
  for (const ExtendedSkyRecord& record : ext)
    for (std::int32_t code : record.cld) FUZZ_CHECK(IsExtendedCode(code));
  return 0;
}
