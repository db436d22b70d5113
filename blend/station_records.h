#ifndef ORVANNE_BLEND_STATION_RECORDS_H_
#define ORVANNE_BLEND_STATION_RECORDS_H_

#include <array>
#include <cstdint>

#include "products/stations.h"

// What the two blend readers take from one station's section, as the
// bulletin's integers, unconverted.

// Short-range temperature rows: the first four "N/X" values (low, high,
// low, high), the 7th, 11th, 15th and 19th "DPT" values, the first four
// "P12" values.
struct ShortTempRecord {
  std::array<std::int32_t, 4> nx{};
  std::array<std::int32_t, 4> dpt{};
  std::array<std::int32_t, 4> p12{};
};

// Extended temperature rows: the five kept pairs of the "X/N" and "DPT" rows
// (columns 6 to 15), split into first and second values, and the five kept
// "P24" values. One pair or value a day, days 3 to 7.
struct ExtendedTempRecord {
  std::array<std::int32_t, 5> xnFirst{};
  std::array<std::int32_t, 5> xnSecond{};
  std::array<std::int32_t, 5> dptFirst{};
  std::array<std::int32_t, 5> dptSecond{};
  std::array<std::int32_t, 5> p24{};
};

// Short-range sky rows, forecast hours 6 to 60 every 3 hours: cloud codes,
// wind direction and wind speed (knots).
inline constexpr int kShortSkyHours = 19;
struct ShortSkyRecord {
  std::array<std::int32_t, kShortSkyHours> cld{};
  std::array<std::int32_t, kShortSkyHours> wdr{};
  std::array<std::int32_t, kShortSkyHours> wsp{};
};

// Extended sky rows, forecast hours 72 to 192 every 12 hours (columns 5 to
// 15): cloud codes and wind speed (knots).
inline constexpr int kExtendedSkyHours = 11;
struct ExtendedSkyRecord {
  std::array<std::int32_t, kExtendedSkyHours> cld{};
  std::array<std::int32_t, kExtendedSkyHours> wnd{};
};

template <typename Record>
using StationRecords = std::array<Record, kStationCount>;

#endif  // ORVANNE_BLEND_STATION_RECORDS_H_
