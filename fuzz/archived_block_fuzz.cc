// The archived block reader (MAV, NBS, MEX) on any file: each block the
// scanner finds is read as verification reads it, and every value it counts
// is a whole number written in the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "products/block_scanner.h"
#include "verify/forecast_values.h"

namespace {

void CheckForecasts(const LeadForecasts& forecasts, const std::string& input) {
  for (const ForecastValues& day : forecasts.days) {
    for (const std::optional<int>& value : {day.minimum, day.maximum}) {
      if (!value) continue;
      FUZZ_CHECK(*value > -1000 && *value < 1000);
      FUZZ_CHECK(*value != -99 && *value != -88);
      FUZZ_CHECK(input.find(std::to_string(std::abs(*value))) !=
                 std::string::npos);
    }
  }
}

// The headers of the blocks in the file, as verification looks them up.
std::vector<BlockHeader> Headers(const std::string& path) {
  std::vector<BlockHeader> headers;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return headers;
  LineReader lines(file);
  ScanBlocks(
      lines,
      [&](const BlockHeader& header) {
        if (headers.size() < 16) headers.push_back(header);
        return false;
      },
      [](const ScannedBlock&) {});
  std::fclose(file);
  return headers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string path = WriteInput(dir, "MAVFSD.txt", data, size);
  for (const BlockHeader& header : Headers(path))
    CheckForecasts(ReadArchivedForecast(path, header.guidance, header.station,
                                        header.date),
                   input);
  for (Guidance g : {Guidance::kGfs, Guidance::kNbm, Guidance::kGfsx})
    for (int cycleHour : {0, 12})
      CheckForecasts(ReadBlockForecast(input, g, cycleHour), input);
  return 0;
}
