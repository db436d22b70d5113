#ifndef ORVANNE_APP_VERIFY_COMMAND_H_
#define ORVANNE_APP_VERIFY_COMMAND_H_

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/arguments.h"
#include "products/issue_date.h"
#include "verify/verification.h"

// The `verify` command: how good the 1200 UTC guidance was, from the
// archive, and the ratio that follows.

struct VerifyRequest {
  std::string archive;              // --archive; empty: the usual folder
  std::optional<IssueDate> until;   // --until; none: yesterday (UTC)
  int days = kDefaultVerifiedDays;  // --days
};

// The options `verify` takes.
inline const std::vector<std::string_view> kVerifyOptions{"--archive",
                                                          "--until", "--days"};

// The request from the options; no operand is taken. False, with `err`
// naming the problem, for a usage problem.
bool ParseVerify(const Options& options,
                 const std::vector<std::string>& operands,
                 VerifyRequest* request, std::string* err);

// Prints the verification table on `out`, or the reason it cannot be made
// on `err`. Returns the exit status: 0 when printed, 1 otherwise.
int RunVerify(const VerifyRequest& request, std::ostream& out,
              std::ostream& err);

#endif  // ORVANNE_APP_VERIFY_COMMAND_H_
