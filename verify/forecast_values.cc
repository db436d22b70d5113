#include "verify/forecast_values.h"

#include <cstdio>
#include <vector>

#include "common/token_reads.h"
#include "products/block_scanner.h"
#include "products/line_reader.h"
#include "products/nbs_columns.h"

namespace {

// The NBS columns of day 1's minimum and maximum and day 2's, counted from
// the label: forecast hours 24, 36, 48 and 60 of the 1200 cycle.
constexpr int kNbsColumns[4] = {7, 11, 15, 19};

// A word of a GFSX row and where it ends in its line.
struct PlacedWord {
  std::string_view word;
  std::size_t end = 0;
};

// A MAV value is one word of at most three characters ("-5", "102").
std::optional<int> WordValue(std::string_view word) {
  if (word.size() > 3) return std::nullopt;
  return GuidanceValue(word);
}

// Day 1's and day 2's values of a MAV temperature row after its label.
void ReadMavRow(std::string_view label, std::string_view rest,
                LeadForecasts* forecasts) {
  for (int day = 1; day <= 2; ++day) {
    ForecastValues& values = forecasts->days[day];
    const std::optional<int> first = WordValue(CutWord(&rest));
    const std::optional<int> second = WordValue(CutWord(&rest));
    values = label == "X/N" ? ForecastValues{second, first}
                            : ForecastValues{first, second};
  }
}

void ReadNbsRow(std::string_view row, LeadForecasts* forecasts) {
  for (int day = 1; day <= 2; ++day)
    forecasts->days[day] = {NbsFieldValue(row, kNbsColumns[2 * day - 2]),
                            NbsFieldValue(row, kNbsColumns[2 * day - 1])};
}

// The words of a GFSX row after its label, cut at blanks and at the "|"
// between days.
std::vector<PlacedWord> PlacedWords(std::string_view line) {
  std::vector<PlacedWord> words;
  words.reserve(32);  // a row's words, label and days' columns
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i]) || line[i] == '|') {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < line.size() && !IsBlank(line[i]) && line[i] != '|') ++i;
    words.push_back({line.substr(start, i - start), i});
  }
  if (!words.empty()) words.erase(words.begin());  // the label
  return words;
}

void ReadGfsxRows(std::string_view hours, std::string_view values,
                  int cycleHour, LeadForecasts* forecasts) {
  const std::vector<PlacedWord> cells = PlacedWords(values);
  for (const PlacedWord& hour : PlacedWords(hours)) {
    const std::optional<int> h = WordValue(hour.word);
    if (!h || *h < 0) continue;
    const int day = LeadDayOf(cycleHour, *h);
    const int validHour = (cycleHour + *h) % 24;
    if (day < 0 || day > kMostLeadDay || validHour % 12 != 0) continue;
    for (const PlacedWord& value : cells) {
      if (value.end != hour.end) continue;
      ForecastValues& slot = forecasts->days[day];
      (validHour == 0 ? slot.maximum : slot.minimum) = WordValue(value.word);
    }
  }
}

}  // namespace

int LeadDayOf(int cycleHour, int forecastHour) {
  const int hours = cycleHour + forecastHour - 12;
  return hours >= 0 ? hours / 24 : -((23 - hours) / 24);
}

LeadForecasts ReadBlockForecast(std::string_view blockText, Guidance guidance,
                                int cycleHour) {
  LeadForecasts forecasts;
  std::string_view hours;
  while (!blockText.empty()) {
    const std::string_view line = CutLine(&blockText);
    const std::string_view row = WithoutLeadingBlanks(line);
    std::string_view rest = row;
    const std::string_view label = CutWord(&rest);
    if (guidance == Guidance::kNbm && label == "TXN") {
      ReadNbsRow(row, &forecasts);
      break;
    }
    if (guidance == Guidance::kGfs && kShortTemperatureRow.Names(label)) {
      ReadMavRow(label, rest, &forecasts);
      break;
    }
    if (guidance == Guidance::kGfsx && label == "FHR" && hours.empty())
      hours = line;
    if (guidance == Guidance::kGfsx && kExtendedTemperatureRow.Names(label)) {
      ReadGfsxRows(hours, line, cycleHour, &forecasts);
      break;
    }
  }
  return forecasts;
}

LeadForecasts ReadArchivedForecast(const std::string& path, Guidance guidance,
                                   std::string_view station,
                                   const IssueDate& issued) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return {};
  LineReader lines(file);
  bool read = false;
  LeadForecasts forecasts;
  const std::string_view cycle = FactsOf(guidance).cycle;
  ScanBlocks(
      lines,
      [&](const BlockHeader& header) {
        return !read && header.guidance == guidance &&
               header.station == station && header.cycle == cycle &&
               header.date == issued;
      },
      [&](const ScannedBlock& block) {
        if (!block.kept || read) return;
        const int cycleHour = (cycle[0] - '0') * 10 + (cycle[1] - '0');
        forecasts = ReadBlockForecast(block.text, guidance, cycleHour);
        read = true;
      });
  std::fclose(file);
  return forecasts;
}
