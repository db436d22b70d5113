#include "tables/run_model_table.h"

#include <string>

#include "common/run_frame.h"

void RunModelTable(std::istream& in, std::ostream& out, int rows,
                   int unitSystem) {
  (void)rows;
  (void)unitSystem;
  PrintLine(out, "Running long-term model.");
  std::string bulletinName;
  if (!AskForBulletin(in, out, bulletinName)) return;
  PrintLine(out, kValidFileMessage);
  WriteReport(bulletinName, out, "Output file created successfully.",
              [](std::ostream&) {});
}
