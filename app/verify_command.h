#ifndef ORVANNE_APP_VERIFY_COMMAND_H_
#define ORVANNE_APP_VERIFY_COMMAND_H_

#include <string>

#include "app/request_parts.h"
#include "products/issue_date.h"

// The verify command: `verify [--archive DIR] [--until DATE] [--days N]
// [--json]`, how good the 1200 UTC guidance was, from the archive, and the
// ratio that follows.

struct VerifyRequest {
  std::string archive;  // found already
  IssueDate until;      // the last day verified
  int days = 0;
  bool json = false;  // the figures as one JSON document
};

// The request from verify's options, when the command runs: without
// --until yesterday (UTC). False, with `usage` naming the problem.
bool VerifyRequestOf(const CommandArguments& args, VerifyRequest* request,
                     std::string* usage);

// Prints the verification table (or document) on standard output, or the
// reason it cannot be made on standard error.
ExitStatus VerifyCommand(const CommandArguments& args, Console& console,
                         std::string* usage);

#endif  // ORVANNE_APP_VERIFY_COMMAND_H_
