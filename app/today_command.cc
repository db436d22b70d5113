#include "app/today_command.h"

bool MorningRequestOf(const CommandArguments& args, MorningRequest* request,
                      std::string* usage) {
  if (!TakesNoOperand(args, usage)) return false;
  const OptionValues& values = args.values;
  if (!values.ratio) {
    *usage = "today needs the option --ratio";
    return false;
  }
  if (values.units) request->run.units = *values.units;
  request->primaryNbm = values.primaryNbm.value_or(false);
  // --archive is the fetch's, and the same folder is verified.
  return TakeRatioOptions(values, &request->run, usage) &&
         FetchRequestOf(values, &request->fetch, usage);
}

ExitStatus StatusOfMorning(MorningOutcome outcome) {
  switch (outcome) {
    case MorningOutcome::kMade:
    case MorningOutcome::kMadeFromArchive:
    case MorningOutcome::kPagesNotWritten:
      return ExitStatus::kWritten;
    case MorningOutcome::kProductsLater:
    case MorningOutcome::kCycleNotOut:
      return ExitStatus::kTryLater;
    case MorningOutcome::kMadeFromArchiveAddressWrong:
    case MorningOutcome::kProductsMissing:
    case MorningOutcome::kAssembleRefused:
    case MorningOutcome::kRunRefused:
      break;
  }
  return ExitStatus::kRefused;
}

ExitStatus TodayCommand(const CommandArguments& args, Console& console,
                        std::string* usage) {
  MorningRequest request;
  if (!MorningRequestOf(args, &request, usage)) return ExitStatus::kUsage;
  const ExitStatus status =
      StatusOfMorning(RunMorning(request, SystemFetchTools(), console));
  if (status != ExitStatus::kWritten) return status;
  return AfterRun(true, console);
}
