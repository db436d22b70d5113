#include "app/verify_command.h"

#include "common/console.h"
#include "products/archive.h"
#include "verify/verification_table.h"

namespace {

// A year and a day: more is no recent verification.
constexpr int kMostVerifiedDays = 366;

bool TakeVerifyOption(const std::string& name, const std::string& value,
                      VerifyRequest* request, std::string* err) {
  if (name == "--archive") {
    if (value.empty()) {
      *err = "option --archive needs a folder name";
      return false;
    }
    request->archive = value;
  } else if (name == "--until") {
    IssueDate until;
    if (!ParseDateOption(value, &until, err)) return false;
    request->until = until;
  } else if (name == "--days") {
    if (!ParseWhole(value, &request->days) || request->days < 1 ||
        request->days > kMostVerifiedDays) {
      *err =
          Fill("days must be a whole number from 1 to 366, not '{}'", {value});
      return false;
    }
  }
  return true;
}

}  // namespace

bool ParseVerify(const Options& options,
                 const std::vector<std::string>& operands,
                 VerifyRequest* request, std::string* err) {
  for (const auto& [name, value] : options)
    if (!TakeVerifyOption(name, value, request, err)) return false;
  if (!operands.empty()) {
    *err = Fill("verify takes no file name, not '{}'", {operands[0]});
    return false;
  }
  return true;
}

int RunVerify(const VerifyRequest& request, std::ostream& out,
              std::ostream& err) {
  std::string archive;
  std::string problem;
  if (!ArchiveFolder(request.archive, &archive, &problem)) {
    PrintLine(err, problem);
    return 1;
  }
  const IssueDate until =
      request.until ? *request.until : AddDays(TodayUtc(), -1);
  Verification verification;
  if (!VerifyGuidance(archive, until, request.days, &verification, &problem)) {
    PrintLine(err, problem);
    return 1;
  }
  PrintVerification(out, verification);
  return 0;
}
