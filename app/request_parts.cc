#include "app/request_parts.h"

#include "products/archive.h"

bool TakesNoOperand(const CommandArguments& args, std::string* usage) {
  if (args.operands.empty()) return true;
  *usage = Fill("{} takes no file, not '{}'", {args.name, args.operands[0]});
  return false;
}

bool ArchiveOf(const OptionValues& values, std::string* archive,
               std::string* usage) {
  return ArchiveFolder(values.archive.value_or(""), archive, usage);
}

bool TakeRatioOptions(const OptionValues& values, RunRequest* request,
                      std::string* err) {
  if (values.ratio) {
    request->ratioAuto = values.ratio->automatic;
    if (!request->ratioAuto) request->primaryRatio = values.ratio->value;
  }
  // --bias auto goes with a typed ratio too; the fallback only stands in
  // for a ratio from verification.
  if (values.fallbackRatio && !request->ratioAuto) {
    *err = "the option --fallback-ratio goes with --ratio auto";
    return false;
  }
  request->fallbackRatio = values.fallbackRatio;
  request->biasAuto = values.biasAuto;
  return true;
}

bool FetchRequestOf(const OptionValues& values, FetchRequest* request,
                    std::string* err) {
  request->day = values.date.value_or(TodayUtc());
  if (values.source) request->source = *values.source;
  if (values.timeout) request->timeoutSeconds = *values.timeout;
  return ArchiveOf(values, &request->archive, err);
}

ExitStatus AfterRun(bool written, Console& console) {
  if (!written) return ExitStatus::kRefused;
  if (console.out.flush()) return ExitStatus::kWritten;
  PrintLine(console.err,
            "The run's lines could not be written to standard output.");
  return ExitStatus::kRefused;
}
