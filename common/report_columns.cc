#include "common/report_columns.h"

void WriteItem(std::ostream& out, int width, const ReportItem& item) {
  if (const int* whole = std::get_if<int>(&item))
    WriteField(out, width, *whole);
  else if (const double* decimal = std::get_if<double>(&item))
    WriteField(out, width, *decimal);
  else
    WriteField(out, width, "");
}
