#ifndef ORVANNE_VERIFY_FORECAST_VALUES_H_
#define ORVANNE_VERIFY_FORECAST_VALUES_H_

#include <optional>
#include <string>
#include <string_view>

#include "products/block_header.h"
#include "products/issue_date.h"

// The maximum and minimum temperature forecast for one day by the 1200 UTC
// guidance issued the day before, as the archived products hold them.

struct ForecastValues {
  std::optional<int> minimum;  // the night's minimum before the day, °F
  std::optional<int> maximum;  // the day's maximum, °F
};

// The two values of one station block of the 1200 cycle, its lines each
// ended by "\n":
// - the GFS MOS (`guidance` kGfs): the first two values of its
//   "N/X" row (minimum, then maximum) or "X/N" row (maximum, then minimum);
// - the blend of models' text (kNbm): its "TXN" row at columns 7
//   (minimum) and 11 (maximum) counted from the label, as the NBS
//   translation counts them.
// A value that is blank, "-99", "-88" or no number stays empty.
ForecastValues ReadBlockForecast(std::string_view blockText, Guidance guidance);

// The values of `station`'s 1200 UTC block of `guidance` issued on `issued`
// in the archived product file `path` (the first such block). Both empty
// when the file or the block is not there.
ForecastValues ReadArchivedForecast(const std::string& path, Guidance guidance,
                                    std::string_view station,
                                    const IssueDate& issued);

#endif  // ORVANNE_VERIFY_FORECAST_VALUES_H_
