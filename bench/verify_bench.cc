// How long `verify` takes over a year of archive (366 days, 3 guidance x 4
// stations + 3 climate reports + the forecast's record a day, about 22 MB),
// the city's records verified too, beside reading those files once; it
// must stay within twice that.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "products/archive.h"
#include "record/forecast_record.h"
#include "record/test_records.h"
#include "tests/temp_dir.h"
#include "verify/test_archive.h"
#include "verify/verification.h"

namespace {

constexpr int kArchiveDays = 366;
constexpr IssueDate kLastDay{2026, 12, 31};

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each day's products are the tests' products of December 8 2026 dated
// that day; its reports those of the day before.
struct YearArchive {
  YearArchive() {
    for (const char* product : {"MAV", "NBS", "MEX"})
      for (const char* station : {"BKX", "FSD", "HON", "MHE"})
        templates.push_back({std::string(product) + station,
                             ReadText(std::string(ORVANNE_TEST_PRODUCTS) + "/" +
                                      product + station + ".txt")});
    for (int i = 0; i < kArchiveDays; ++i) WriteDay(AddDays(kLastDay, -i));
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(dir.Path("archive")))
      if (entry.is_regular_file()) files.push_back(entry.path().string());
  }

  void WriteDay(const IssueDate& day) {
    const std::string date = FormatIssueDate(day);
    for (const auto& [id, text] : templates) {
      std::string dated = text;
      for (std::size_t at = dated.find("12/08/2026"); at != std::string::npos;
           at = dated.find("12/08/2026", at + date.size()))
        dated.replace(at, 10, date);
      AddToArchive(dir.Path("archive"), day, id, dated);
    }
    for (const char* station : {"FSD", "HON", "MHE"})
      AddToArchive(dir.Path("archive"), day, std::string("CLI") + station,
                   ClimateProduct(AddDays(day, -1), "30", "10"));
    std::string err;
    WriteRecordFile(DayFile(dir.Path("archive"), day, DayFileKind::kRecord),
                    TestRecord(day, 1.0 / 3), &err);
  }

  TempDir dir;
  std::vector<std::pair<std::string, std::string>> templates;
  std::vector<std::string> files;
};

const YearArchive& Archive() {
  static const YearArchive archive;
  return archive;
}

void BM_ReadTheArchiveOnce(benchmark::State& state) {
  const YearArchive& archive = Archive();
  std::vector<char> buffer(1 << 18);
  std::int64_t bytes = 0;
  for (auto _ : state) {
    for (const std::string& path : archive.files) {
      std::FILE* file = std::fopen(path.c_str(), "rb");
      if (!file) continue;
      while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file))
        bytes += static_cast<std::int64_t>(n);
      std::fclose(file);
    }
  }
  state.SetBytesProcessed(bytes);
  state.counters["files"] = static_cast<double>(archive.files.size());
}
BENCHMARK(BM_ReadTheArchiveOnce)->Unit(benchmark::kMillisecond);

void BM_VerifyAYear(benchmark::State& state) {
  const YearArchive& archive = Archive();
  for (auto _ : state) {
    Verification verification;
    std::string err;
    if (!VerifyGuidance(archive.dir.Path("archive"), kLastDay, kArchiveDays,
                        &verification, &err)) {
      state.SkipWithError(err.c_str());
      return;
    }
    benchmark::DoNotOptimize(verification);
    state.counters["verified_days"] = verification.verifiedDays;
    state.counters["city_pairs"] = static_cast<double>(
        verification.city.City(1, Element::kMaximum).count);
  }
}
BENCHMARK(BM_VerifyAYear)->Unit(benchmark::kMillisecond);

}  // namespace
