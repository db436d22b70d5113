#include "tables/table_frame.h"

#include "common/console.h"
#include "common/scan_file.h"
#include "common/token_reads.h"

bool ReadTableRows(const std::string& bulletinName, int rows,
                   const RowReader& readRow, std::string* err) {
  ScanFile bulletin(bulletinName);
  if (!SkipToLabel(bulletin, "FHR")) {
    *err = "The bulletin has no \"FHR\" table.";
    return false;
  }
  for (int row = 0; row < rows; ++row) {
    if (!readRow(bulletin, row)) {
      *err = Fill("The table after \"FHR\" could not be read at row {} of {}.",
                  {std::to_string(row + 1), std::to_string(rows)});
      return false;
    }
  }
  return true;
}

bool RunTableSteps(Console& console, const RunRequest& request,
                   const TableRunTexts& texts, int rows,
                   const RowReader& readRow,
                   const std::function<void(std::ostream&)>& writeReport) {
  PrintLine(console.out, texts.running);
  std::string bulletinName;
  if (!AskForBulletin(console, request, &bulletinName)) return false;
  PrintLine(console.out, kValidFileMessage);
  std::string err;
  if (!ReadTableRows(bulletinName, rows, readRow, &err)) {
    PrintLine(console.err, err);
    return false;
  }
  return WriteReport(bulletinName, console, texts.written, writeReport);
}
