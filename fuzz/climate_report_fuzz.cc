// The daily climate report reader on any file: every report it takes holds
// a real date, and every value it counts stands written in the input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "verify/climate_report.h"

namespace {

void CheckSummary(const ClimateSummary& summary, const std::string& input) {
  IssueDate day;
  FUZZ_CHECK(ParseIssueDate(FormatIssueDate(summary.day), &day));
  FUZZ_CHECK(day == summary.day);
  for (const std::optional<int>& value : {summary.maximum, summary.minimum}) {
    if (!value) continue;
    FUZZ_CHECK(*value > -1000 && *value < 1000);
    FUZZ_CHECK(input.find(std::to_string(std::abs(*value))) !=
               std::string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  const std::string input(reinterpret_cast<const char*>(data), size);
  ReadClimateFile(WriteInput(dir, "CLIFSD.txt", data, size),
                  [&](const ClimateSummary& s) { CheckSummary(s, input); });
  if (const std::optional<ClimateSummary> one = ReadClimateReport(input))
    CheckSummary(*one, input);
  return 0;
}
