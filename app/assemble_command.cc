#include "app/assemble_command.h"

#include "assemble/assemble.h"

ExitStatus AssembleCommand(const CommandArguments& args, Console& console,
                           std::string* usage) {
  if (args.operands.empty()) {
    *usage = "assemble needs the names of the product files";
    return ExitStatus::kUsage;
  }
  AssembleRequest request;
  request.files = args.operands;
  request.output = args.values.output.value_or("");
  request.date = args.values.date;
  request.primaryNbm = args.values.primaryNbm.value_or(false);
  return RunAssemble(request, console);
}
