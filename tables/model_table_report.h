#ifndef ORVANNE_TABLES_MODEL_TABLE_REPORT_H_
#define ORVANNE_TABLES_MODEL_TABLE_REPORT_H_

#include <ostream>

#include "tables/model_table.h"

// Writes the model table report for the first `count` rows, already in the
// report's units: a heading line in Standard (1) or Metric (2) words, none
// for any other unit system, then one line per row with its hour, its eleven
// values and its adjustment, plus and minus temperatures, fifteen
// left-adjusted columns in all.
void WriteModelTableReport(std::ostream& out, const ModelTable& table,
                           const ModelTableColumn& adjustment,
                           const ModelTableColumn& plusTemp,
                           const ModelTableColumn& minusTemp, int count,
                           int unitSystem);

#endif  // ORVANNE_TABLES_MODEL_TABLE_REPORT_H_
