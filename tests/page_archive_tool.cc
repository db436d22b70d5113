// Makes an archive of mornings for the page's browser check (and its cost
// on a year of them), then builds its pages as `page` does:
//   orvanne_page_archive ARCHIVE MORNINGS
// Each morning, the last one 12/08/2026, is the sample bulletin's forecast
// (ratio 0.6, Standard units) made 0, 1, 2 or 3 degrees warmer (the last
// morning 0, the one before 1, and so on round), with its bulletin, report,
// picture (but 12/01's) and record in its day folder, and the guidance and
// climate reports of a known week:
//  - observed at KFSD, KHON and KMHE on day V: a maximum of 28 + V's day of
//    the month modulo 5, a minimum 14 below it, each in the folder of the
//    day after (so the city observes the same);
//  - forecast in each morning's folder: GFS day 1 min -1 and max +2, day 2
//    -2 and +3; NBM day 1 +1 and -1, day 2 +1 and -2; GFSX day k -k, +k.
// Prints the pages' warnings and the time the pages took.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "blend/blend_report.h"
#include "blend/bulletin_rows.h"
#include "blend/validate_bulletin.h"
#include "page/archive_records.h"
#include "page/build_pages.h"
#include "plot/meteogram.h"
#include "products/archive.h"
#include "verify/test_archive.h"
#include "verify/verification.h"

namespace {

constexpr IssueDate kLatest{2026, 12, 8};
constexpr IssueDate kNoPicture{2026, 12, 1};

int ObservedMaximum(const IssueDate& day) { return 28 + day.day % 5; }
int ObservedMinimum(const IssueDate& day) { return ObservedMaximum(day) - 14; }

bool WriteMorning(const std::string& archive, const std::string& bulletin,
                  const BulletinHeaders& headers, ForecastRecord record) {
  const std::string folder = DayFolder(archive, record.issued);
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(bulletin, folder + "/orvanne_1200.txt",
                             std::filesystem::copy_options::overwrite_existing);
  std::ofstream report(folder + "/orvanne_1200.out");
  WriteBlendReport(report, record.forecast, record.units);
  PlotFacts facts{record.issued,          headers.primaryModel,
                  headers.secondaryModel, record.primaryRatio,
                  record.secondaryRatio,  record.units};
  if (record.issued != kNoPicture)
    std::ofstream(folder + "/orvanne_1200.svg")
        << MeteogramSvg(record.forecast, facts);
  std::string err;
  if (WriteRecordFile(RecordPath(archive, record.issued), record, &err))
    return true;
  std::cerr << err << "\n";
  return false;
}

// The guidance issued on `issued` and the climate reports of the day
// before it, at the three climate stations.
void WriteProducts(const std::string& archive, const IssueDate& issued) {
  const IssueDate day1 = AddDays(issued, 1);
  const IssueDate day2 = AddDays(issued, 2);
  const IssueDate before = AddDays(issued, -1);
  auto text = [](int value) { return std::to_string(value); };
  std::array<int, 15> xn{};
  xn[0] = ObservedMaximum(issued);
  for (int k = 1; k <= 7; ++k) {
    xn[2 * k - 1] = ObservedMinimum(AddDays(issued, k)) - k;
    xn[2 * k] = ObservedMaximum(AddDays(issued, k)) + k;
  }
  for (const std::string station : {"KFSD", "KHON", "KMHE"}) {
    const std::string id = station.substr(1);
    AddToArchive(archive, issued, "MAV" + id,
                 MavProduct(station, issued, "1200",
                            text(ObservedMinimum(day1) - 1),
                            text(ObservedMaximum(day1) + 2),
                            text(ObservedMinimum(day2) - 2),
                            text(ObservedMaximum(day2) + 3)));
    AddToArchive(archive, issued, "NBS" + id,
                 NbsProduct(station, issued, text(ObservedMinimum(day1) + 1),
                            text(ObservedMaximum(day1) - 1),
                            text(ObservedMinimum(day2) + 1),
                            text(ObservedMaximum(day2) - 2)));
    AddToArchive(archive, issued, "MEX" + id, MexProduct(station, issued, xn));
    AddToArchive(archive, issued, "CLI" + id,
                 ClimateProduct(before, text(ObservedMaximum(before)),
                                text(ObservedMinimum(before))));
  }
}

bool MakeArchive(const std::string& archive, int mornings) {
  const std::string bulletin =
      std::string(ORVANNE_SAMPLES) + "/orvanne_1200.txt";
  BulletinHeaders headers;
  BlendInputs inputs;
  std::string err;
  if (!ValidateBulletin(bulletin, &err, &headers) ||
      !ReadTemperatureRows(inputs.primaryTemp, inputs.secondaryTemp,
                           inputs.extendedTemp, bulletin, &err) ||
      !ReadSkyRows(inputs.primarySky, inputs.secondarySky, inputs.extendedSky,
                   bulletin, &err)) {
    std::cerr << err << "\n";
    return false;
  }
  inputs.primaryRatio = 0.6;
  inputs.secondaryRatio = 1.0 - 0.6;
  ForecastRecord record;
  record.primaryRatio = inputs.primaryRatio;
  record.secondaryRatio = inputs.secondaryRatio;
  record.models = headers.models;
  for (int m = 0; m < mornings; ++m) {
    record.issued = AddDays(kLatest, m + 1 - mornings);
    record.forecast = ComputeCityForecast(inputs, UnitSystem::kStandard);
    const int warmer = (mornings - 1 - m) % 4;
    for (DayRow& row : record.forecast.days) {
      row.highTemp += warmer;
      row.lowTemp += warmer;
    }
    if (!WriteMorning(archive, bulletin, headers, record)) return false;
    WriteProducts(archive, record.issued);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: orvanne_page_archive ARCHIVE MORNINGS\n";
    return 2;
  }
  const std::string archive = argv[1];
  if (!MakeArchive(archive, std::stoi(argv[2]))) return 1;
  std::vector<std::string> warnings;
  std::string err;
  const auto start = std::chrono::steady_clock::now();
  // As `page` does: the verification of the 30 days before the latest
  // morning, then the pages.
  Verification verification;
  VerifyGuidance(archive, AddDays(kLatest, -1), kDefaultVerifiedDays,
                 &verification, &err);
  const bool built = BuildPages(archive, &verification, &warnings, &err);
  const std::chrono::duration<double> took =
      std::chrono::steady_clock::now() - start;
  for (const std::string& warning : warnings) std::cerr << warning << "\n";
  if (!built) std::cerr << err << "\n";
  std::cerr << "pages built in " << took.count() << " s\n";
  return built ? 0 : 1;
}
