// How long the three runs take on their sample bulletins, files included,
// and how fast the readers under them go: the label search over a large
// input, and the two 1200 Model readers on a bulletin of the usual size.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>

#include "blend/bulletin_rows.h"
#include "runs/run_station_blend.h"
#include "blend/validate_bulletin.h"
#include "common/token_reads.h"
#include "tables/model_table.h"
#include "tables/severe_weather.h"
#include "tests/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// A copy of samples/ in a fresh temporary folder, so the reports the runs
// write stay out of the source tree. Removed at exit.
struct SampleCopy {
  SampleCopy() {
    for (const auto& entry : fs::directory_iterator(ORVANNE_SAMPLES))
      if (entry.path().extension() == ".txt")
        fs::copy_file(entry.path(), dir.Path(entry.path().filename().string()));
  }
  std::string Path(const std::string& name) const { return dir.Path(name); }

  TempDir dir;
};

const SampleCopy& Samples() {
  static const SampleCopy copy;
  return copy;
}

std::int64_t FileSize(const std::string& path) {
  return static_cast<std::int64_t>(fs::file_size(path));
}

// Runs `run` on a console that types `typed`; the run must end with
// `success` printed, or the benchmark is void.
template <typename Run>
void TimeRun(benchmark::State& state, const std::string& typed,
             const std::string& success, Run run) {
  for (auto _ : state) {
    std::istringstream in(typed);
    std::ostringstream out;
    run(in, out);
    if (out.str().find(success) == std::string::npos) {
      state.SkipWithError("the run did not write its report");
      return;
    }
    benchmark::DoNotOptimize(out);
  }
}

// A run as the menu calls it, asking on `in`/`out`.
void MenuRun(RunFunction run, std::istream& in, std::ostream& out,
             UnitSystem units, int rows = 0) {
  Console console{in, out, out};
  RunRequest request;
  request.units = units;
  request.rows = rows;
  run(console, request);
}

void BM_StationBlendRun(benchmark::State& state) {
  const std::string bulletin = Samples().Path("orvanne_1200.txt");
  TimeRun(state, bulletin + "\n0.6\n", "Output file successfully created!",
          [](std::istream& in, std::ostream& out) {
            MenuRun(RunStationBlend, in, out, UnitSystem::kStandard);
          });
  state.SetBytesProcessed(state.iterations() * FileSize(bulletin));
}
BENCHMARK(BM_StationBlendRun)->Unit(benchmark::kMicrosecond);

void BM_ModelTableRun(benchmark::State& state) {
  const std::string bulletin = Samples().Path("gfs_long.txt");
  TimeRun(state, bulletin + "\n", "Output file created successfully.",
          [](std::istream& in, std::ostream& out) {
            MenuRun(RunModelTable, in, out, UnitSystem::kStandard, 48);
          });
  state.SetBytesProcessed(state.iterations() * FileSize(bulletin));
}
BENCHMARK(BM_ModelTableRun)->Unit(benchmark::kMicrosecond);

void BM_SevereWeatherRun(benchmark::State& state) {
  const std::string bulletin = Samples().Path("eta_severe.txt");
  TimeRun(state, bulletin + "\n", "Output file successfully created!",
          [](std::istream& in, std::ostream& out) {
            MenuRun(RunSevereWeather, in, out, UnitSystem::kMetric);
          });
  state.SetBytesProcessed(state.iterations() * FileSize(bulletin));
}
BENCHMARK(BM_SevereWeatherRun)->Unit(benchmark::kMicrosecond);

// The two 1200 Model readers alone, each one pass over the sample bulletin
// (17 KB, twelve sections of real guidance layout).
template <typename ShortRecord, typename ExtendedRecord, typename Read>
void TimeReader(benchmark::State& state, Read read) {
  const std::string bulletin = Samples().Path("orvanne_1200.txt");
  for (auto _ : state) {
    StationRecords<ShortRecord> eta, avn;
    StationRecords<ExtendedRecord> ext;
    std::string error;
    if (!read(eta, avn, ext, bulletin, &error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    benchmark::DoNotOptimize(ext);
  }
  state.SetBytesProcessed(state.iterations() * FileSize(bulletin));
}

void BM_ReadTemperatureRows(benchmark::State& state) {
  TimeReader<ShortTempRecord, ExtendedTempRecord>(
      state,
      [](auto& a, auto& b, auto& c, const std::string& name, std::string* err) {
        return ReadTemperatureRows(a, b, c, name, err);
      });
}
BENCHMARK(BM_ReadTemperatureRows)->Unit(benchmark::kMicrosecond);

void BM_ReadSkyRows(benchmark::State& state) {
  TimeReader<ShortSkyRecord, ExtendedSkyRecord>(
      state, [](auto& a, auto& b, auto& c, const std::string& name,
                std::string* err) { return ReadSkyRows(a, b, c, name, err); });
}
BENCHMARK(BM_ReadSkyRows)->Unit(benchmark::kMicrosecond);

void BM_ValidateBulletin(benchmark::State& state) {
  const std::string bulletin = Samples().Path("orvanne_1200.txt");
  for (auto _ : state) {
    std::string error;
    if (!ValidateBulletin(bulletin, &error)) {
      state.SkipWithError("the sample bulletin is not valid");
      return;
    }
  }
  state.SetBytesProcessed(state.iterations() * FileSize(bulletin));
}
BENCHMARK(BM_ValidateBulletin)->Unit(benchmark::kMicrosecond);

// --- The label search over 64 MiB that never holds the label.

constexpr std::size_t kLargeInput = std::size_t{64} << 20;

// Words of 1 to 8 capitals and digits, blanks and line ends between them,
// as a bulletin's rows look; none is "FHR" (no word holds an "R").
const std::string& GeneratedWords() {
  static const std::string text = [] {
    std::string words;
    words.reserve(kLargeInput);
    std::mt19937 random(6);
    const std::string letters = "ABCDEFGHIJKLMNOPQSTUVWXYZ0123456789|/";
    while (words.size() < kLargeInput) {
      const int length = 1 + static_cast<int>(random() % 8);
      for (int i = 0; i < length && words.size() < kLargeInput; ++i)
        words += letters[random() % letters.size()];
      if (words.size() < kLargeInput) words += random() % 12 ? ' ' : '\n';
    }
    return words;
  }();
  return text;
}

// A stream over bytes in memory, without copying them.
class MemoryBuffer : public std::streambuf {
 public:
  explicit MemoryBuffer(const std::string& bytes) {
    char* begin = const_cast<char*>(bytes.data());
    setg(begin, begin, begin + bytes.size());
  }
};

void SearchInMemory(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    MemoryBuffer buffer(text);
    std::istream in(&buffer);
    if (SkipToLabel(in, "FHR")) {
      state.SkipWithError("the label was found");
      return;
    }
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(text.size()));
}

void BM_SkipToLabelWordsInMemory(benchmark::State& state) {
  SearchInMemory(state, GeneratedWords());
}
BENCHMARK(BM_SkipToLabelWordsInMemory)->Unit(benchmark::kMillisecond);

// One endless word: no blank anywhere.
void BM_SkipToLabelOneWordInMemory(benchmark::State& state) {
  static const std::string text(kLargeInput, 'X');
  SearchInMemory(state, text);
}
BENCHMARK(BM_SkipToLabelOneWordInMemory)->Unit(benchmark::kMillisecond);

// The same words from a file, as a table run reads its bulletin.
void BM_SkipToLabelWordsFromFile(benchmark::State& state) {
  const std::string path = Samples().Path("words.txt");
  {
    std::ofstream file(path, std::ios::binary);
    file << GeneratedWords();
  }
  for (auto _ : state) {
    std::ifstream in(path);
    if (SkipToLabel(in, "FHR")) {
      state.SkipWithError("the label was found");
      return;
    }
  }
  state.SetBytesProcessed(state.iterations() * FileSize(path));
  fs::remove(path);
}
BENCHMARK(BM_SkipToLabelWordsFromFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
