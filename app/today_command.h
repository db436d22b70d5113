#ifndef ORVANNE_APP_TODAY_COMMAND_H_
#define ORVANNE_APP_TODAY_COMMAND_H_

#include <string>

#include "app/command_table.h"

// The today command: `today [fetch's options] [--units U] [--primary P]
// --ratio R|auto`. The day's products fetched, the 1200 Model's bulletin
// assembled from them into the archive's day folder, and the 1200 Model's
// run on it, with its picture beside the report. ExitStatus::kWritten when
// the report was written; kRefused when a product the bulletin needs is
// missing, the assembler refuses, or the run stops.
ExitStatus TodayCommand(const CommandArguments& args, Console& console,
                        std::string* usage);

#endif  // ORVANNE_APP_TODAY_COMMAND_H_
