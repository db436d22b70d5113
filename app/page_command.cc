#include "app/page_command.h"

#include "morning/rebuild_pages.h"

ExitStatus PageCommand(const CommandArguments& args, Console& console,
                       std::string* usage) {
  std::string archive;
  if (!TakesNoOperand(args, usage) || !ArchiveOf(args.values, &archive, usage))
    return ExitStatus::kUsage;
  if (RebuildPages(archive, console) != PagesOutcome::kWritten)
    return ExitStatus::kRefused;
  PrintLine(console.out,
            Fill("The archive's page is {}/index.html.", {archive}));
  return AfterRun(true, console);
}
