#ifndef ORVANNE_TABLES_RUN_MODEL_TABLE_H_
#define ORVANNE_TABLES_RUN_MODEL_TABLE_H_

#include <istream>
#include <ostream>

// Menu entries 2 to 5: re-tabulates the first `rows` rows of a model's
// hourly table in the chosen units, with the temperature adjustment. A
// count outside 1 to 48 is refused with one line, before anything is asked.
void RunModelTable(std::istream& in, std::ostream& out, int rows,
                   int unitSystem);

#endif  // ORVANNE_TABLES_RUN_MODEL_TABLE_H_
