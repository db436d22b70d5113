// The temperature, dew point and precipitation rows of the 1200 Model.

#include <cstddef>
#include <cstdint>
#include <string>

#include "blend/temperature_rows.h"
#include "fuzz/blend_read_checks.h"
#include "fuzz/fuzz_temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzTempDir dir;
  const std::string bulletin = dir.Write("bulletin.txt", data, size);

  StationRecords<ShortTempRecord> eta, avn, unreadShort;
  StationRecords<ExtendedTempRecord> ext, unreadExt;
  FillUnread(eta);
  FillUnread(avn);
  FillUnread(ext);
  FillUnread(unreadShort);
  FillUnread(unreadExt);
  std::string error;
  if (!ReadTemperatureRows(eta, avn, ext, bulletin, error)) {
    CheckReadProblem(error);
    FUZZ_CHECK(SameBytes(eta, unreadShort));
    FUZZ_CHECK(SameBytes(avn, unreadShort));
    FUZZ_CHECK(SameBytes(ext, unreadExt));
  }
  return 0;
}
