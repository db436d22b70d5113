#include "assemble/product_file.h"

#include <cstdio>

#include "assemble/block_scanner.h"
#include "assemble/line_reader.h"

bool CollectProductFile(const std::string& name, int file,
                        SectionCollector& collector, std::string& error) {
  std::FILE* stream = std::fopen(name.c_str(), "rb");
  if (stream == nullptr) {
    error = "The file " + name + " could not be read.";
    return false;
  }
  LineReader reader(stream);
  const std::size_t blocks = ScanBlocks(
      reader,
      [&](const BlockHeader& header) { return collector.Wants(header); },
      [&](const ScannedBlock& block) { collector.Add(block, file); });
  std::fclose(stream);
  // A folder opens on some systems, and then fails at its first read.
  if (reader.failed()) {
    error = "The file " + name + " could not be read.";
    return false;
  }
  if (blocks == 0) {
    error = "The file " + name + " holds no station block.";
    return false;
  }
  return true;
}
