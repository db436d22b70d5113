#include "common/table_rows.h"

#include <fstream>

#include "common/run_frame.h"
#include "common/skip_to_label.h"

bool ReadTableRows(const std::string& bulletinName, std::ostream& out, int rows,
                   const std::function<bool(std::istream&, int)>& readRow) {
  std::ifstream bulletin(bulletinName);
  if (!SkipToLabel(bulletin, "FHR")) {
    PrintLine(out, "The bulletin has no \"FHR\" table.");
    return false;
  }
  for (int row = 0; row < rows; ++row) {
    if (!readRow(bulletin, row)) {
      PrintLine(out, "The table after \"FHR\" could not be read at row " +
                         std::to_string(row + 1) + " of " +
                         std::to_string(rows) + ".");
      return false;
    }
  }
  return true;
}
