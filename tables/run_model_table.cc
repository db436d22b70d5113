#include "tables/run_model_table.h"

#include <string>

#include "common/run_frame.h"
#include "common/table_rows.h"
#include "tables/model_table.h"
#include "tables/model_table_report.h"

void RunModelTable(std::istream& in, std::ostream& out, int rows,
                   int unitSystem) {
  if (rows < 1 || rows > kModelTableCapacity) {
    PrintLine(out, "A model table run takes 1 to 48 rows, not " +
                       std::to_string(rows) + ".");
    return;
  }
  PrintLine(out, "Running long-term model.");
  std::string bulletinName;
  if (!AskForBulletin(in, out, bulletinName)) return;
  PrintLine(out, kValidFileMessage);

  ModelTable table{};
  const bool read = ReadTableRows(
      bulletinName, out, rows, [&table](std::istream& bulletin, int row) {
        return ReadModelTableRow(bulletin, table[row]);
      });
  if (!read) return;

  ModelTableColumn adjustment{};
  ModelTableColumn plusTemp{};
  ModelTableColumn minusTemp{};
  ConvertWindSpeeds(table, rows, unitSystem);
  ComputeAdjustments(table, adjustment, plusTemp, minusTemp, rows);
  ConvertToReportUnits(table, adjustment, plusTemp, minusTemp, rows,
                       unitSystem);
  WriteReport(bulletinName, out, "Output file created successfully.",
              [&](std::ostream& report) {
                WriteModelTableReport(report, table, adjustment, plusTemp,
                                      minusTemp, rows, unitSystem);
              });
}
