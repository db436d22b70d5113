#ifndef ORVANNE_VERIFY_CITY_OBSERVATION_H_
#define ORVANNE_VERIFY_CITY_OBSERVATION_H_

#include <optional>

#include "verify/archive_days.h"  // ArchiveDay
#include "verify/scores.h"        // Element

// The city's observed value of `element` on `day`: each reporting climate
// station's value weighted by its 1200 Model weight, over the sum of the
// weights of the stations that reported; none when no station reported.
std::optional<double> CityObserved(const ArchiveDay& day, Element element);

#endif  // ORVANNE_VERIFY_CITY_OBSERVATION_H_
