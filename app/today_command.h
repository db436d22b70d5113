#ifndef ORVANNE_APP_TODAY_COMMAND_H_
#define ORVANNE_APP_TODAY_COMMAND_H_

#include <string>

#include "app/request_parts.h"
#include "morning/morning.h"

// The today command: `today [fetch's options] [--units U] [--primary P]
// --ratio R|auto`, the forecaster's morning (RunMorning).

// The morning's request from today's options. False, with `usage` naming
// the problem, when they make none.
bool MorningRequestOf(const CommandArguments& args, MorningRequest* request,
                      std::string* usage);

// The exit status of a morning's outcome.
ExitStatus StatusOfMorning(MorningOutcome outcome);

ExitStatus TodayCommand(const CommandArguments& args, Console& console,
                        std::string* usage);

#endif  // ORVANNE_APP_TODAY_COMMAND_H_
