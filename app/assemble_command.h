#ifndef ORVANNE_APP_ASSEMBLE_COMMAND_H_
#define ORVANNE_APP_ASSEMBLE_COMMAND_H_

#include <string>

#include "app/command_table.h"

// The assemble command: `assemble [-o OUT] [--date DATE] [--primary P]
// FILE...`, the 1200 Model's bulletin cut from the products as issued.
ExitStatus AssembleCommand(const CommandArguments& args, Console& console,
                           std::string* usage);

#endif  // ORVANNE_APP_ASSEMBLE_COMMAND_H_
