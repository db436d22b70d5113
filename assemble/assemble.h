#ifndef ORVANNE_ASSEMBLE_ASSEMBLE_H_
#define ORVANNE_ASSEMBLE_ASSEMBLE_H_

#include <optional>
#include <string>
#include <vector>

#include "common/exit_status.h"
#include "common/run_frame.h"
#include "products/issue_date.h"

// The assemble command: the 1200 Model bulletin cut from the guidance
// products as they are issued.

// What the command line asks of the assembler.
struct AssembleRequest {
  std::vector<std::string> files;  // FILE..., at least one
  std::string output;              // -o OUT; empty: the bulletin goes to `out`
  std::optional<IssueDate> date;  // --date DATE; none: newest complete date
  // --primary nbm: the Primary sections from the NBM guidance even where
  // NAM guidance is found.
  bool primaryNbm = false;
};

// Runs the assemble command: reads every file, writes the bulletin (to
// request.output, or to `console.out`), one line per section on
// `console.err`, each refusal as one line on `console.err`. Returns
// ExitStatus::kWritten, or ExitStatus::kRefused when nothing was written. A request the
// command line should have refused (no file) gets one line and
// ExitStatus::kUsage.
ExitStatus RunAssemble(const AssembleRequest& request, Console& console);

#endif  // ORVANNE_ASSEMBLE_ASSEMBLE_H_
