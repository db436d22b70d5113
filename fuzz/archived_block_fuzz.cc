// The archived block reader (MAV, NBS, MEX) on any file: each block the
// scanner finds is read as verification reads it, and every value it counts
// is a whole number written in the input. The scanner finds a block at
// every header line, and a block's kept lines are the same whichever
// others are kept.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
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

// The blocks of the file, every one kept or every other one.
std::vector<ScannedBlock> Blocks(const std::string& path, bool everyOther) {
  std::vector<ScannedBlock> blocks;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return blocks;
  LineReader lines(file);
  int index = 0;
  ScanBlocks(
      lines,
      [&](const BlockHeader&) { return !everyOther || index++ % 2 == 0; },
      [&](const ScannedBlock& block) { blocks.push_back(block); });
  std::fclose(file);
  return blocks;
}

// How many lines of the file are headers, each line looked at alone.
std::size_t HeaderLines(const std::string& path) {
  std::size_t count = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return count;
  LineReader lines(file);
  Line line;
  BlockHeader header;
  while (lines.Next(line)) {
    std::string_view text = WithoutLeadingBlanks(line.text);
    if (!text.empty() && text.front() == '\x1e') text.remove_prefix(1);
    if (!line.overlong && RecognizeHeader(text, &header)) ++count;
  }
  std::fclose(file);
  return count;
}

void CheckBlocks(const std::string& path) {
  const std::vector<ScannedBlock> all = Blocks(path, false);
  const std::vector<ScannedBlock> some = Blocks(path, true);
  FUZZ_CHECK(all.size() == HeaderLines(path));
  FUZZ_CHECK(all.size() == some.size());
  for (std::size_t i = 0; i < all.size() && i < some.size(); ++i) {
    FUZZ_CHECK(all[i].header.station == some[i].header.station);
    FUZZ_CHECK(all[i].header.dateWord == some[i].header.dateWord);
    FUZZ_CHECK(some[i].kept == (i % 2 == 0));
    if (some[i].kept) FUZZ_CHECK(all[i].text == some[i].text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string path = WriteInput(dir, "MAVFSD.txt", data, size);
  CheckBlocks(path);
  for (const BlockHeader& header : Headers(path))
    CheckForecasts(ReadArchivedForecast(path, header.guidance, header.station,
                                        header.date),
                   input);
  for (Guidance g : {Guidance::kGfs, Guidance::kNbm, Guidance::kGfsx})
    for (int cycleHour : {0, 12})
      CheckForecasts(ReadBlockForecast(input, g, cycleHour), input);
  return 0;
}
