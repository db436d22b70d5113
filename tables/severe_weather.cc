#include "tables/severe_weather.h"

#include "common/bulletin_reads.h"
#include "common/conversions.h"

bool ReadSevereRow(std::istream& in, SevereRow& row) {
  if (!ReadDelimitedHour(in, row.hour)) return false;
  for (double& value : row.values)
    if (!ReadDouble(in, value)) return false;
  return true;
}

void ConvertPotentialTemperatures(SevereTable& table, int unitSystem) {
  for (SevereRow& row : table) {
    double& temperature = row.values[kPotentialTemperature];
    if (unitSystem == 1) {
      const double celsius = temperature - kKelvinOffset;
      temperature = CelsiusToFahrenheit(celsius);
    } else if (unitSystem == 2) {
      temperature -= kKelvinOffset;
    }
  }
}
