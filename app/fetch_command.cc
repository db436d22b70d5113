#include "app/fetch_command.h"

#include "common/console.h"
#include "products/archive.h"

bool FetchRequestOf(const OptionValues& values, FetchRequest* request,
                    std::string* err) {
  request->day = values.date.value_or(TodayUtc());
  if (values.source) request->source = *values.source;
  if (values.timeout) request->timeoutSeconds = *values.timeout;
  return ArchiveOf(values, &request->archive, err);
}

ExitStatus FetchCommand(const CommandArguments& args, Console& console,
                        std::string* usage) {
  if (!TakesNoOperand(args, usage)) return ExitStatus::kUsage;
  FetchRequest request;
  if (!FetchRequestOf(args.values, &request, usage)) return ExitStatus::kUsage;
  return StatusOf(
      FetchProducts(request, SystemFetchTools(), console.err).missing);
}
