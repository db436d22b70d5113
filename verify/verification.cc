#include "verify/verification.h"

#include <vector>

#include "common/console.h"
#include "verify/archive_days.h"
#include "verify/city_observation.h"

namespace {

std::string TooFewDays(const Verification& result) {
  const std::string first = FormatIssueDate(result.first);
  const std::string last = FormatIssueDate(result.last);
  if (result.verifiedDays == 1)
    return Fill("only 1 day could be verified between {} and {}; {} are needed",
                {first, last, std::to_string(kLeastVerifiedDays)});
  return Fill("only {} days could be verified between {} and {}; {} are needed",
              {std::to_string(result.verifiedDays), first, last,
               std::to_string(kLeastVerifiedDays)});
}

// The city observations of the days first to last, and the records of
// the mornings from a last lead day before the first day to the day
// before the last.
void ScoreTheCity(const std::string& archive,
                  const std::vector<ArchiveDay>& archived, int before,
                  Verification* result) {
  for (std::size_t v = before; v < archived.size(); ++v) {
    CityObservedDay observed{AddDays(result->first, static_cast<int>(v) - before),
                             CityObserved(archived[v], Element::kMaximum),
                             CityObserved(archived[v], Element::kMinimum)};
    if (observed.maximum || observed.minimum)
      result->cityObserved.push_back(observed);
  }
  const int firstMorning = before - kMostLeadDay;
  std::vector<std::optional<CityRecord>> records(archived.size());
  const std::vector<std::optional<CityRecord>> read = ReadCityRecords(
      archive, AddDays(result->first, -kMostLeadDay),
      static_cast<int>(archived.size()) - firstMorning - 1, &result->warnings);
  for (std::size_t i = 0; i < read.size(); ++i) records[firstMorning + i] = read[i];
  result->city = ScoreCity(archived, records, before);
}

}  // namespace

bool VerifyGuidance(const std::string& archive, const IssueDate& until,
                    int days, Verification* result, std::string* err) {
  *result = Verification();
  result->first = AddDays(until, 1 - days);
  result->last = until;
  result->days = days;
  // The backtest's earliest morning, a last lead day before the first day,
  // knew the `days` days before it.
  const int before = kMostLeadDay + days;
  const std::vector<ArchiveDay> archived =
      ReadArchiveDays(archive, AddDays(result->first, -before), before + days);
  ScoreTheCity(archive, archived, before, result);
  PeriodScores window;
  for (std::size_t i = before; i < archived.size(); ++i)
    window.Add(ScoreDay(archived[i]));
  result->scores = window.byLeadDay;
  result->verifiedDays = window.verifiedDays;
  if (result->verifiedDays < kLeastVerifiedDays) {
    *err = TooFewDays(*result);
    return false;
  }
  result->ratioHundredths = RatioOfDaysOneAndTwo(window);
  ShortRangeErrors errors;
  for (std::size_t i = before; i < archived.size(); ++i)
    errors.AddDay(archived[i]);
  const MorningKnowledge after = KnowledgeOf(window, errors);
  result->biases = after.biases;
  result->ratioBiasRemovedHundredths = after.ratioBiasRemovedHundredths;
  result->backtest = RunBacktest(archived, before, days);
  return true;
}
