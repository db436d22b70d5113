#include "app/fetch_command.h"

ExitStatus FetchCommand(const CommandArguments& args, Console& console,
                        std::string* usage) {
  if (!TakesNoOperand(args, usage)) return ExitStatus::kUsage;
  FetchRequest request;
  if (!FetchRequestOf(args.values, &request, usage)) return ExitStatus::kUsage;
  return StatusOf(
      FetchProducts(request, SystemFetchTools(), console.err).missing);
}
