#ifndef ORVANNE_APP_VERIFY_COMMAND_H_
#define ORVANNE_APP_VERIFY_COMMAND_H_

#include <string>

#include "app/command_table.h"

// The verify command: `verify [--archive DIR] [--until DATE] [--days N]`,
// how good the 1200 UTC guidance was, from the archive, and the ratio that
// follows. Prints the verification table on standard output, or the reason
// it cannot be made on standard error.
ExitStatus VerifyCommand(const CommandArguments& args, Console& console,
                         std::string* usage);

#endif  // ORVANNE_APP_VERIFY_COMMAND_H_
