#include "app/option_table.h"

#include "common/console.h"
#include "fetch/product_query.h"
#include "verify/period_scores.h"
#include "tables/model_table.h"

#include <cmath>

namespace {

bool ParseUnits(const std::string& value, OptionValues* values,
                std::string* err) {
  if (value == "standard") {
    values->units = UnitSystem::kStandard;
  } else if (value == "metric") {
    values->units = UnitSystem::kMetric;
  } else {
    *err = Fill("units must be standard or metric, not '{}'", {value});
    return false;
  }
  return true;
}

// A ratio given on the command line weighs two guidance values: it lies in
// 0 to 1, so that no typing slip extrapolates a published forecast (the
// menu's own question keeps extrapolating on purpose).
bool RatioInRange(const std::string& option, const std::string& value,
                  double ratio, std::string* err) {
  if (std::isfinite(ratio) && ratio >= 0 && ratio <= 1) return true;
  *err = Fill("option {} must lie between 0 and 1, not '{}'", {option, value});
  return false;
}

bool ParseRatio(const std::string& value, OptionValues* values,
                std::string* err) {
  RatioOption ratio;
  ratio.automatic = value == "auto";
  if (!ratio.automatic) {
    if (!ParseNumberText(value, &ratio.value)) {
      *err = Fill("the ratio must be a decimal number, not '{}'", {value});
      return false;
    }
    if (!RatioInRange("--ratio", value, ratio.value, err)) return false;
  }
  values->ratio = ratio;
  return true;
}

// A file name option's value: anything but empty.
bool ParseFileName(const std::string& option, const std::string& value,
                   std::optional<std::string>* name, std::string* err) {
  if (value.empty()) {
    *err = Fill("option {} needs a file name", {option});
    return false;
  }
  *name = value;
  return true;
}

bool ParsePlot(const std::string& value, OptionValues* values,
               std::string* err) {
  return ParseFileName("--plot", value, &values->plot, err);
}

bool ParseOutput(const std::string& value, OptionValues* values,
                 std::string* err) {
  return ParseFileName("-o", value, &values->output, err);
}

// A whole number from `least` to `most` into `number`; otherwise `err` is
// `problem` filled with the value.
bool ParseNumberTextIn(const std::string& value, int least, int most,
                  std::optional<int>* number, const std::string& problem,
                  std::string* err) {
  int read;
  if (!ParseNumberText(value, &read) || read < least || read > most) {
    *err = Fill(problem, {value});
    return false;
  }
  *number = read;
  return true;
}

// A DATE option's value into `date`.
bool ParseDateInto(const std::string& value, std::optional<IssueDate>* date,
                   std::string* err) {
  IssueDate read;
  if (!ParseDateOption(value, &read, err)) return false;
  *date = read;
  return true;
}

bool ParseRows(const std::string& value, OptionValues* values,
               std::string* err) {
  return ParseNumberTextIn(
      value, 1, kModelTableCapacity, &values->rows,
      Fill("rows must be a whole number from 1 to {}, not '{}'",
           {std::to_string(kModelTableCapacity), "{}"}),
      err);
}

bool ParseDate(const std::string& value, OptionValues* values,
               std::string* err) {
  return ParseDateInto(value, &values->date, err);
}

bool ParseUntil(const std::string& value, OptionValues* values,
                std::string* err) {
  return ParseDateInto(value, &values->until, err);
}

bool ParseArchive(const std::string& value, OptionValues* values,
                  std::string* err) {
  if (value.empty()) {
    *err = "option --archive needs a folder";
    return false;
  }
  values->archive = value;
  return true;
}

bool ParseSource(const std::string& value, OptionValues* values,
                 std::string* err) {
  if (!IsServiceAddress(value)) {
    *err = Fill("the source must be an http:// or https:// address, not '{}'",
                {value});
    return false;
  }
  values->source = value;
  return true;
}

bool ParseTimeout(const std::string& value, OptionValues* values,
                  std::string* err) {
  return ParseNumberTextIn(
      value, 1, kMaxTimeoutSeconds, &values->timeout,
      "the time-out must be a whole number of seconds from 1 to 3600, not '{}'",
      err);
}

bool ParsePrimary(const std::string& value, OptionValues* values,
                  std::string* err) {
  bool nbm;
  if (!ParsePrimaryOption(value, &nbm, err)) return false;
  values->primaryNbm = nbm;
  return true;
}

bool ParseDays(const std::string& value, OptionValues* values,
               std::string* err) {
  return ParseNumberTextIn(value, kLeastVerifiedDays, kMostVerifiedDays,
                      &values->days,
                      "days must be a whole number from 7 to 366, not '{}'",
                      err);
}

bool ParseFallbackRatio(const std::string& value, OptionValues* values,
                        std::string* err) {
  double ratio;
  if (!ParseNumberText(value, &ratio)) {
    *err = Fill("the fallback ratio must be a decimal number, not '{}'",
                {value});
    return false;
  }
  if (!RatioInRange("--fallback-ratio", value, ratio, err)) return false;
  values->fallbackRatio = ratio;
  return true;
}

bool ParseBias(const std::string& value, OptionValues* values,
               std::string* err) {
  if (value != "auto") {
    *err = Fill("the bias must be auto, not '{}'", {value});
    return false;
  }
  values->biasAuto = true;
  return true;
}

bool ParseRecord(const std::string& value, OptionValues* values,
                 std::string* err) {
  return ParseFileName("--record", value, &values->record, err);
}

bool ParseJson(const std::string&, OptionValues* values, std::string*) {
  values->json = true;
  return true;
}

// The help's lines keep {} holes for the row counts, which UsageText fills.
constexpr OptionEntry kOptions[] = {
    {"--units", "  --units U   standard (the default) or metric\n", ParseUnits},
    {"--ratio",
     R"(  --ratio R   the weight of the primary short-range guidance, a decimal
              number from 0 to 1; the secondary guidance gets 1 - R;
              auto: the ratio verify suggests from days 1 and 2 of the 30
              days before the bulletin's issue date (sections 1 to 4 of
              the NBM only)
)",
     ParseRatio},
    {"--fallback-ratio",
     R"(  --fallback-ratio R
              with --ratio auto: the ratio (0 to 1) taken instead while
              the archive holds fewer than 7 verified days
)",
     ParseFallbackRatio},
    {"--bias",
     R"(  --bias auto with --ratio auto or a typed ratio: each guidance's recent
              bias at each station (the mean error of its highs and lows
              by lead day, from the same verification, where it is clear)
              taken off before the weighting
)",
     ParseBias},
    {"--plot",
     R"(  --plot FILE.svg
              blend also draws the forecast as a picture (an SVG
              meteogram) into FILE.svg, after the report
)",
     ParsePlot},
    {"--record",
     R"(  --record FILE.json
              blend also writes the forecast's record, every number of the
              report, which the archive's page is built from
)",
     ParseRecord},
    {"--rows",
     "  --rows N    the rows of the model table, 1 to 48 (default 48)\n",
     ParseRows},
    {"-o", "  -o OUT      where assemble writes the bulletin\n", ParseOutput},
    {"--date",
     R"(  --date DATE the issue date assemble takes (month/day/year); without it,
              the newest date for which all twelve sections are found.
              For fetch and today: the UTC day (default today's)
)",
     ParseDate},
    {"--archive",
     R"(  --archive DIR  the archive's folder; without it $ORVANNE_ARCHIVE, else
              $XDG_DATA_HOME/orvanne-forecast/archive, else
              ~/.local/share/orvanne-forecast/archive
)",
     ParseArchive},
    {"--source",
     R"(  --source URL   another service with the same query interface: the
              http:// or https:// address of its retrieve.py; default
              https://mesonet.agron.iastate.edu/cgi-bin/afos/retrieve.py
)",
     ParseSource},
    {"--timeout",
     R"(  --timeout SECONDS  the longest one request may take, 1 to 3600
              (default 60)
)",
     ParseTimeout},
    {"--primary",
     R"(  --primary P nam (the default): the short-range primary guidance is the
              NAM's where it is found, else the blend of models' (NBM),
              translated; nbm: always the blend of models'
)",
     ParsePrimary},
    {"--until",
     R"(  --until DATE
              the last day verify verifies (month/day/year; default
              yesterday, UTC)
)",
     ParseUntil},
    {"--days",
     "  --days N    how many days verify verifies, 7 to 366 (default 30)\n",
     ParseDays},
    {"--json",
     "  --json      verify prints its figures as one JSON document\n",
     ParseJson, true},
    {"--",
     R"(  --          ends the options; options may stand before or after the
              bulletin's name
)"},
    {"-h", "  -h, --help  show this text and exit\n"},
    {"--version", "  --version   show the version and exit\n"},
};

}  // namespace

std::span<const OptionEntry> OptionTable() { return kOptions; }

std::vector<std::string_view> FlagOptions() {
  std::vector<std::string_view> flags;
  for (const OptionEntry& entry : kOptions)
    if (entry.flag) flags.push_back(entry.name);
  return flags;
}

bool ParseOptionValues(const Options& options, OptionValues* values,
                       std::string* err) {
  for (const auto& [name, value] : options)
    for (const OptionEntry& entry : kOptions)
      if (entry.name == name && entry.parse &&
          !entry.parse(value, values, err))
        return false;
  return true;
}
