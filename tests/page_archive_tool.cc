// Makes a small archive of mornings for the page's browser check (and its
// cost on a year of them), then builds its pages:
//   orvanne_page_archive ARCHIVE MORNINGS
// Each morning, the last one 12/08/2026, is the sample bulletin's forecast
// (ratio 0.6, Standard units) made a degree colder each morning, with its
// bulletin, report, picture and record in its day folder. Prints the
// pages' warnings and the time the pages took.
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

namespace {

bool WriteMorning(const std::string& archive, const std::string& bulletin,
                  const BulletinHeaders& headers, ForecastRecord record) {
  const std::string folder = DayFolder(archive, record.issued);
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(bulletin, folder + "/orvanne_1200.txt",
                             std::filesystem::copy_options::overwrite_existing);
  std::ofstream report(folder + "/orvanne_1200.out");
  WriteBlendReport(report, record.forecast, record.units);
  PlotFacts facts{record.issued,         headers.primaryModel,
                  headers.secondaryModel,         record.primaryRatio,
                  record.secondaryRatio,          record.units};
  std::ofstream(folder + "/orvanne_1200.svg")
      << MeteogramSvg(record.forecast, facts);
  std::string err;
  if (WriteRecordFile(RecordPath(archive, record.issued), record, &err))
    return true;
  std::cerr << err << "\n";
  return false;
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
    record.issued = AddDays({2026, 12, 8}, m + 1 - mornings);
    record.forecast = ComputeCityForecast(inputs, UnitSystem::kStandard);
    for (DayRow& row : record.forecast.days) {
      row.highTemp += mornings - 1 - m;
      row.lowTemp += mornings - 1 - m;
    }
    if (!WriteMorning(archive, bulletin, headers, record)) return false;
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
  const bool built =
      BuildPages(archive, nullptr, &warnings, &err);
  const std::chrono::duration<double> took =
      std::chrono::steady_clock::now() - start;
  for (const std::string& warning : warnings) std::cerr << warning << "\n";
  if (!built) std::cerr << err << "\n";
  std::cerr << "pages built in " << took.count() << " s\n";
  return built ? 0 : 1;
}
