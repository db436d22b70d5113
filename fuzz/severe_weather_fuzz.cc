// The severe weather reader, and what the severe weather run makes of the
// rows.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/fuzz_input.h"
#include "fuzz/table_read_checks.h"
#include "tables/severe_weather.h"
#include "tables/table_frame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  const std::string bulletin = WriteInput(dir, "bulletin.txt", data, size);

  SevereTable read{};
  std::string err;
  const bool ok = ReadTableRows(
      bulletin, kSevereRows,
      [&read](std::istream& in, int row) {
        return ReadSevereRow(in, read[row]);
      },
      &err);
  if (!ok) {
    CheckTableProblem(err, kSevereRows);
    return 0;
  }
  FUZZ_CHECK(err.empty());

  for (int unitSystem : {1, 2, 3}) {
    SevereTable table = read;
    const UnitSystem units = UnitSystemFromAnswer(unitSystem);
    ConvertPotentialTemperatures(table, units);
    std::ostringstream report;
    WriteSevereWeatherReport(report, table, units);
    FUZZ_CHECK(
        LineCount(report.str()) ==
        static_cast<std::size_t>(kSevereRows + (unitSystem == 3 ? 0 : 1)));
  }
  return 0;
}
