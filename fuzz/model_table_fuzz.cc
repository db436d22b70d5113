// The model table reader, and what the model table run makes of the rows.
// The input's first byte picks how many rows are asked for (1 to 48); the
// rest is the bulletin.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/fuzz_input.h"
#include "fuzz/table_read_checks.h"
#include "tables/model_table.h"
#include "tables/table_frame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  const int rows = 1 + data[0] % kModelTableCapacity;
  TempDir dir;
  const std::string bulletin =
      WriteInput(dir, "bulletin.txt", data + 1, size - 1);

  ModelTable read;
  read.count = rows;
  std::string err;
  const bool ok = ReadTableRows(
      bulletin, rows,
      [&read](std::istream& in, int row) {
        return ReadModelTableRow(in, read.rows[row]);
      },
      &err);
  if (!ok) {
    CheckTableProblem(err, rows);
    return 0;
  }
  FUZZ_CHECK(err.empty());

  // Unit systems 1 and 2 get a heading line, any other none.
  for (int unitSystem : {1, 2, 3}) {
    ModelTable table = read;
    const UnitSystem units = UnitSystemFromAnswer(unitSystem);
    ConvertModelTable(table, units);
    std::ostringstream report;
    WriteModelTableReport(report, table, units);
    FUZZ_CHECK(LineCount(report.str()) ==
               static_cast<std::size_t>(rows + (unitSystem == 3 ? 0 : 1)));
  }
  return 0;
}
