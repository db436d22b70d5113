// The temperature, dew point and precipitation rows of the 1200 Model.

#include <cstddef>
#include <cstdint>
#include <string>

#include "blend/bulletin_rows.h"
#include "fuzz/blend_read_checks.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  const std::string bulletin = WriteInput(dir, "bulletin.txt", data, size);

  StationRecords<ShortTempRecord> eta, avn;
  StationRecords<ExtendedTempRecord> ext;
  ReadChecked(
      [&](auto& e, auto& a, auto& x, std::string* err) {
        return ReadTemperatureRows(e, a, x, bulletin, err);
      },
      eta, avn, ext);
  return 0;
}
