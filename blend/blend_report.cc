#include "blend/blend_report.h"

#include <iomanip>
#include <optional>
#include <string_view>

#include "blend/station_weights.h"
#include "common/conversions.h"
#include "common/report_field.h"

namespace {

struct UnitTexts {
  std::string_view title, lowTemp, highTemp, lowDpt, highDpt, windSpeed;
};

constexpr UnitTexts kStandardTexts{
    "1200 City of Orvanne Forecast Data (Standard Units)",
    "LowTemp F",
    "HighTemp F",
    "LowDPT F",
    "HighDPT F",
    "WSP (MPH)"};
constexpr UnitTexts kMetricTexts{
    "1200 City of Orvanne Forecast Data (Metric Units)",
    "LowTemp C",
    "HighTemp C",
    "LowDPT C",
    "HighDPT C",
    "WSP (KPH)"};

// The bulletin gives degrees Fahrenheit and knots; the unit steps apply to
// the city value, never to the station values.
double TemperatureStep(double fahrenheit, int unitSystem) {
  return unitSystem == 2 ? FahrenheitToCelsius(fahrenheit) : fahrenheit;
}

double SpeedStep(double knots, int unitSystem) {
  return unitSystem == 2 ? KnotsToKph(knots) : KnotsToMph(knots);
}

// The blend of element `i` of one short-range field over both models.
template <typename Record, std::size_t N>
double BlendField(const BlendInputs& inputs, const StationRecords<Record>& eta,
                  const StationRecords<Record>& avn,
                  std::array<std::int32_t, N> Record::*field, int i) {
  BlendSet values;
  for (int s = 0; s < kStationCount; ++s) {
    values[s] = (eta[s].*field)[i];
    values[kStationCount + s] = (avn[s].*field)[i];
  }
  return BlendModels(inputs.etaRatio, inputs.avnRatio, values);
}

// The weighting of element `i` of one extended field.
template <typename Record, std::size_t N>
double WeighField(const StationRecords<Record>& ext,
                  std::array<std::int32_t, N> Record::*field, int i) {
  StationSet values;
  for (int s = 0; s < kStationCount; ++s) values[s] = (ext[s].*field)[i];
  return WeightStations(values);
}

struct DayRow {
  int day;
  double lowTemp, highTemp, lowDpt, highDpt;
  std::optional<double> lowProbPrec;  // none on days 3 to 7
  double highProbPrec;
};

// Days 1 and 2 blend the two short-range models, taking the first and the
// second of each pair of values; days 3 to 7 weigh one extended pair each.
DayRow MakeDayRow(const BlendInputs& in, int day, int unitSystem) {
  auto temperature = [unitSystem](double fahrenheit) {
    return TemperatureStep(fahrenheit, unitSystem);
  };
  DayRow row{};
  row.day = day;
  if (day <= 2) {
    const int i = 2 * (day - 1);
    auto blend = [&](auto field, int k) {
      return BlendField(in, in.etaTemp, in.avnTemp, field, k);
    };
    row.lowTemp = temperature(blend(&ShortTempRecord::nx, i));
    row.highTemp = temperature(blend(&ShortTempRecord::nx, i + 1));
    row.lowDpt = temperature(blend(&ShortTempRecord::dpt, i));
    row.highDpt = temperature(blend(&ShortTempRecord::dpt, i + 1));
    row.lowProbPrec = blend(&ShortTempRecord::p12, i);
    row.highProbPrec = blend(&ShortTempRecord::p12, i + 1);
  } else {
    auto weigh = [&in, j = day - 3](auto field) {
      return WeighField(in.extTemp, field, j);
    };
    row.lowTemp = temperature(weigh(&ExtendedTempRecord::xnFirst));
    row.highTemp = temperature(weigh(&ExtendedTempRecord::xnSecond));
    row.lowDpt = temperature(weigh(&ExtendedTempRecord::dptFirst));
    row.highDpt = temperature(weigh(&ExtendedTempRecord::dptSecond));
    row.highProbPrec = weigh(&ExtendedTempRecord::p24);
  }
  return row;
}

// The day table, header to day 7. In the file the last number of days 1 and
// 2 is padded to its field; on the console it ends the line.
void WriteDayTable(std::ostream& out, const BlendInputs& inputs, int unitSystem,
                   const UnitTexts& texts, bool padShortRangeLast) {
  WriteField(out, 7, "Day");
  WriteField(out, 12, texts.lowTemp);
  WriteField(out, 12, texts.highTemp);
  WriteField(out, 12, texts.lowDpt);
  WriteField(out, 12, texts.highDpt);
  WriteField(out, 12, "LowProbPrec");
  out << "HighProbPrec";
  EndLine(out);
  EndLine(out);
  for (int day = 1; day <= 7; ++day) {
    const DayRow row = MakeDayRow(inputs, day, unitSystem);
    WriteField(out, 7, row.day);
    WriteField(out, 12, row.lowTemp);
    WriteField(out, 12, row.highTemp);
    WriteField(out, 12, row.lowDpt);
    WriteField(out, 12, row.highDpt);
    if (row.lowProbPrec) {
      WriteField(out, 12, *row.lowProbPrec);
      WriteField(out, padShortRangeLast ? 12 : 0, row.highProbPrec);
    } else {
      WriteField(out, 12, " ");
      out << row.highProbPrec;
    }
    EndLine(out);
  }
}

// One row of the cloud and wind table. Every row sets fixed notation with
// two decimals, which stays in force to the end of the file.
void WriteSkyRow(std::ostream& out, int hour, double cloud,
                 std::optional<double> direction, double speed) {
  out << std::fixed << std::setprecision(2) << std::left;
  WriteField(out, 6, hour);
  WriteField(out, 8, cloud);
  if (direction)
    WriteField(out, 10, *direction);
  else
    WriteField(out, 10, "");
  WriteField(out, 10, speed);
  EndLine(out);
}

// Short-range hours 6 to 60 every 3 hours from both models, then extended
// hours 72 to 192 every 12 hours, which carry no wind direction. Cloud codes
// in tenths become a fraction of the sky.
void WriteSkyTable(std::ostream& out, const BlendInputs& in, int unitSystem,
                   const UnitTexts& texts) {
  WriteField(out, 6, "HR");
  WriteField(out, 8, "CLD");
  WriteField(out, 10, "WDR");
  WriteField(out, 10, texts.windSpeed);
  EndLine(out);
  for (int k = 0; k < kShortSkyHours; ++k) {
    const double cloud =
        BlendField(in, in.etaSky, in.avnSky, &ShortSkyRecord::cld, k);
    const double direction =
        BlendField(in, in.etaSky, in.avnSky, &ShortSkyRecord::wdr, k);
    const double speed =
        BlendField(in, in.etaSky, in.avnSky, &ShortSkyRecord::wsp, k);
    WriteSkyRow(out, 6 + 3 * k, cloud / 10.0, direction,
                SpeedStep(speed, unitSystem));
  }
  EndLine(out);
  for (int k = 0; k < kExtendedSkyHours; ++k) {
    const double cloud = WeighField(in.extSky, &ExtendedSkyRecord::cld, k);
    const double speed = WeighField(in.extSky, &ExtendedSkyRecord::wnd, k);
    WriteSkyRow(out, 72 + 12 * k, cloud / 10.0, std::nullopt,
                SpeedStep(speed, unitSystem));
  }
}

const UnitTexts* TextsFor(int unitSystem) {
  if (unitSystem == 1) return &kStandardTexts;
  if (unitSystem == 2) return &kMetricTexts;
  return nullptr;
}

}  // namespace

void PrintDayTable(std::ostream& console, const BlendInputs& inputs,
                   int unitSystem) {
  const UnitTexts* texts = TextsFor(unitSystem);
  if (!texts) return;
  WriteDayTable(console, inputs, unitSystem, *texts, false);
}

void WriteBlendReport(std::ostream& file, const BlendInputs& inputs,
                      int unitSystem) {
  const UnitTexts* texts = TextsFor(unitSystem);
  if (!texts) return;
  file << texts->title;
  EndLine(file);
  EndLine(file);
  WriteDayTable(file, inputs, unitSystem, *texts, true);
  EndLine(file);
  file << "Cloud cover, wind speed, and wind direction data";
  EndLine(file);
  EndLine(file);
  WriteSkyTable(file, inputs, unitSystem, *texts);
}
