#include "products/archived_block.h"

#include <cstdio>

#include "products/block_scanner.h"
#include "products/line_reader.h"

bool HoldsBlock(const std::string& path, Guidance guidance,
                std::string_view station, const IssueDate& issued) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  LineReader lines(file);
  bool found = false;
  const std::string_view cycle = FactsOf(guidance).cycle;
  ScanBlocks(
      lines,
      [&](const BlockHeader& header) {
        found = found || (header.guidance == guidance &&
                          header.station == station && header.cycle == cycle &&
                          header.date == issued);
        return false;
      },
      [](const ScannedBlock&) {});
  std::fclose(file);
  return found;
}
