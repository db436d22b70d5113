#include "tables/model_table.h"

#include <algorithm>

#include "common/bulletin_reads.h"
#include "common/conversions.h"

namespace {

constexpr int kStandard = 1;
constexpr int kMetric = 2;

// The rows of the table that `count` asks for.
int RowsUsed(int count) { return std::clamp(count, 0, kModelTableCapacity); }

}  // namespace

bool ReadModelTableRow(std::istream& in, ModelTableRow& row) {
  return ReadDelimitedHour(in, row.hour) && ReadDouble(in, row.pressure) &&
         ReadDouble(in, row.temp2m) && ReadDouble(in, row.temp850) &&
         ReadDouble(in, row.temp700) && ReadDouble(in, row.temp500) &&
         ReadDouble(in, row.thickness) && ReadDouble(in, row.humidity) &&
         ReadDouble(in, row.precip) && ReadDouble(in, row.cloudCover) &&
         ReadDouble(in, row.windDir) && ReadDouble(in, row.windSpeed);
}

void ConvertWindSpeeds(ModelTable& table, int count, int unitSystem) {
  for (int i = 0; i < RowsUsed(count); ++i) {
    double& speed = table[i].windSpeed;
    if (unitSystem == kStandard) speed = KnotsToMph(speed);
    if (unitSystem == kMetric) speed = KnotsToKph(speed);
  }
}

void ComputeAdjustments(const ModelTable& table, ModelTableColumn& adjustment,
                        ModelTableColumn& plusTemp, ModelTableColumn& minusTemp,
                        int count) {
  for (int i = 0; i < RowsUsed(count); ++i) {
    const ModelTableRow& row = table[i];
    const double windTerm = (30 - row.windSpeed) * 0.1;
    const double humidityTerm = (100 - row.humidity) * 0.03;
    const double lapseTerm = (row.temp2m - row.temp850) * 0.1;
    adjustment[i] = windTerm + humidityTerm + lapseTerm;
    plusTemp[i] = row.temp2m + adjustment[i];
    minusTemp[i] = row.temp2m - adjustment[i];
  }
}

void ConvertToReportUnits(ModelTable& table, ModelTableColumn& adjustment,
                          ModelTableColumn& plusTemp,
                          ModelTableColumn& minusTemp, int count,
                          int unitSystem) {
  for (int i = 0; i < RowsUsed(count); ++i) {
    ModelTableRow& row = table[i];
    if (unitSystem == kStandard) {
      row.pressure = MillibarsToInches(row.pressure);
      row.temp2m = CelsiusToFahrenheit(row.temp2m);
      row.temp850 = CelsiusToFahrenheit(row.temp850);
      row.temp700 = CelsiusToFahrenheit(row.temp700);
      row.temp500 = CelsiusToFahrenheit(row.temp500);
      row.precip = MillimetresToInches(row.precip);
      adjustment[i] *= 1.8;  // a difference of degrees: no 32 added
      plusTemp[i] = CelsiusToFahrenheit(plusTemp[i]);
      minusTemp[i] = CelsiusToFahrenheit(minusTemp[i]);
    } else if (unitSystem == kMetric) {
      row.pressure = InchesToMillimetres(MillibarsToInches(row.pressure));
    }
  }
}
