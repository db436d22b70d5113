#include "assemble/product_file.h"

#include <cstdio>

#include "products/block_scanner.h"
#include "products/line_reader.h"
#include "common/console.h"

bool CollectProductFile(const std::string& name, int file,
                        SectionCollector& collector, std::string* err) {
  std::FILE* stream = std::fopen(name.c_str(), "rb");
  if (stream == nullptr) {
    *err = Fill("The file {} could not be read.", {name});
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
    *err = Fill("The file {} could not be read.", {name});
    return false;
  }
  if (blocks == 0) {
    *err = Fill("The file {} holds no station block.", {name});
    return false;
  }
  return true;
}
