#include "app/page_command.h"

#include "morning/rebuild_pages.h"
#include "products/archive.h"

ExitStatus PageCommand(const CommandArguments& args, Console& console,
                       std::string* usage) {
  std::string archive;
  if (!TakesNoOperand(args, usage) || !ArchiveOf(args.values, &archive, usage))
    return ExitStatus::kUsage;
  std::string problem;
  if (!ArchiveFolderExists(archive, &problem)) {
    PrintLine(console.err, problem);
    return ExitStatus::kRefused;
  }
  if (RebuildPages(archive, console) != PagesOutcome::kWritten)
    return ExitStatus::kRefused;
  PrintLine(console.out,
            Fill("The archive's page is {}/index.html.", {archive}));
  return AfterRun(true, console);
}
