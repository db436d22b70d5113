#include "verify/verification_json.h"

#include <nlohmann/json.hpp>

#include "blend/city_forecast.h"

namespace {

// Keys in the order the document is read.
using json = nlohmann::ordered_json;

const char* ElementName(Element element) {
  return element == Element::kMaximum ? "max" : "min";
}

// Hundredths as the number the table prints.
json Hundredths(long long hundredths) {
  return static_cast<double>(hundredths) / 100;
}

json Hundredths(const std::optional<long long>& hundredths) {
  return hundredths ? Hundredths(*hundredths) : json();
}

std::string_view GuidanceWord(std::size_t g) {
  return FactsOf(kScoredGuidance[g].guidance).word;
}

json Scores(const Verification& verification) {
  json scores = json::array();
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
    for (int k = 1; k <= kScoredGuidance[g].lastLeadDay; ++k) {
      for (Element e : kElements) {
        const ErrorSums& sums =
            verification.Scores(static_cast<int>(g), k).Of(e);
        const bool any = sums.count > 0;
        scores.push_back(
            {{"guidance", GuidanceWord(g)},
             {"lead_day", k},
             {"element", ElementName(e)},
             {"count", sums.count},
             {"bias", any ? Hundredths(BiasHundredths(sums)) : json()},
             {"mae", any ? Hundredths(MaeHundredths(sums)) : json()},
             {"rmse", any ? Hundredths(RmseHundredths(sums)) : json()}});
      }
    }
  }
  return scores;
}

json BacktestEntries(const Backtest& backtest) {
  json entries = json::array();
  for (const BacktestForecastFacts& facts : kBacktestForecasts) {
    for (int k = facts.firstLeadDay; k <= facts.lastLeadDay; ++k) {
      for (Element e : kElements) {
        const ErrorSums& sums =
            backtest.scores[static_cast<int>(facts.forecast)][k].Of(e);
        entries.push_back({{"forecast", facts.name},
                           {"lead_day", k},
                           {"element", ElementName(e)},
                           {"count", sums.count},
                           {"mae", sums.count > 0 ? Hundredths(MaeHundredths(
                                                        sums, kBacktestScale))
                                                  : json()}});
      }
    }
  }
  return entries;
}

json BacktestSummaryJson(const Backtest& backtest) {
  const BacktestSummary summary = SummaryOf(backtest);
  return {{"days_1_and_2",
           {{"blend", Hundredths(summary.blend)},
            {"GFS", Hundredths(summary.gfs)},
            {"NBM", Hundredths(summary.nbm)},
            {"blend, bias removed", Hundredths(summary.blendBiasRemoved)}}},
          {"days_3_to_7",
           {{"GFSX", Hundredths(summary.gfsx)},
            {"GFSX, bias removed", Hundredths(summary.gfsxBiasRemoved)}}}};
}

json Stations() {
  json stations = json::array();
  for (std::string_view station : kClimateStations)
    stations.push_back(
        {{"station", station},
         {"weight", kStationWeights[BulletinStationIndex(station)]}});
  return stations;
}

json City(const CityScores& city) {
  json entries = json::array();
  for (int k = 1; k <= kMostLeadDay; ++k) {
    for (Element e : kElements) {
      const RealErrorSums& sums = city.City(k, e);
      const bool any = sums.count > 0;
      json alone = json::array();
      for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
        if (!ScoredAtCityLeadDay(static_cast<int>(g), k)) continue;
        const CityScores::Beside& beside =
            city.Alone(static_cast<int>(g), k, e);
        alone.push_back(
            {{"guidance", GuidanceWord(g)},
             {"mae", beside.alone.count > 0
                         ? Hundredths(MaeHundredths(beside.alone))
                         : json()},
             {"skill", Hundredths(SkillHundredths(beside.city, beside.alone))}});
      }
      entries.push_back(
          {{"lead_day", k},
           {"element", ElementName(e)},
           {"count", sums.count},
           {"bias", any ? Hundredths(BiasHundredths(sums)) : json()},
           {"mae", any ? Hundredths(MaeHundredths(sums)) : json()},
           {"rmse", any ? Hundredths(RmseHundredths(sums)) : json()},
           {"alone", alone}});
    }
  }
  return entries;
}

json Biases(const StationBiases& biases) {
  json entries = json::array();
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
    for (int s = 0; s < kStationCount; ++s) {
      for (Element e : kElements) {
        for (int k = 1; k <= kMostLeadDay; ++k) {
          if (!IsBlendCell(static_cast<int>(g), k)) continue;
          const BiasCell& cell = biases.cells[g][s][k][ElementIndex(e)];
          entries.push_back(
              {{"guidance", GuidanceWord(g)},
               {"station", kBulletinStations[s]},
               {"element", ElementName(e)},
               {"lead_day", k},
               {"count", cell.count},
               {"bias", Hundredths(cell.biasHundredths)},
               {"standard_error", Hundredths(cell.standardErrorHundredths)},
               {"removed", Hundredths(cell.removedHundredths)}});
        }
      }
    }
  }
  return entries;
}

json Head(const Verification& verification) {
  json document;
  document["schema"] = kVerificationSchema;
  document["units"] = "F";
  document["first"] = FormatIsoDate(verification.first);
  document["last"] = FormatIsoDate(verification.last);
  document["until"] = FormatIsoDate(verification.last);
  document["days"] = verification.days;
  document["verified_days"] = verification.verifiedDays;
  return document;
}

}  // namespace

std::string VerificationJson(const Verification& verification) {
  json document = Head(verification);
  document["stations"] = Stations();
  document["scores"] = Scores(verification);
  document["ratio"] = Hundredths(verification.ratioHundredths);
  document["ratio_bias_removed"] =
      Hundredths(verification.ratioBiasRemovedHundredths);
  document["backtest"] = {
      {"entries", BacktestEntries(verification.backtest)},
      {"summary", BacktestSummaryJson(verification.backtest)}};
  document["city"] = City(verification.city);
  document["biases"] = Biases(verification.biases);
  return document.dump(2) + "\n";
}

std::string VerificationErrorJson(const Verification& verification,
                                  const std::string& error) {
  json document = Head(verification);
  document["error"] = error;
  return document.dump(2) + "\n";
}
