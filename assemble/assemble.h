#ifndef ORVANNE_ASSEMBLE_ASSEMBLE_H_
#define ORVANNE_ASSEMBLE_ASSEMBLE_H_

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The assemble command: the 1200 Model bulletin cut from the guidance
// products as they are issued.

// What the command line asks of the assembler.
struct AssembleRequest {
  std::vector<std::string> files;  // FILE..., at least one
  std::string output;              // -o OUT; empty: the bulletin goes to `out`
  std::string date;  // --date DATE as typed; empty: newest complete date
  // --primary nbm: sections 1 to 4 from the blend of models' short-range
  // text even where NAM guidance is found.
  bool primaryBlend = false;
};

// Runs the assemble command: reads every file, writes the bulletin (to
// request.output, or to `out`), one line per section on `err`, each refusal
// as one line on `err`. Returns the exit status: 0 written, 1 refused
// (nothing written). A request the command line should have refused (no
// file, a date that is not one) gets one line and status 2.
int RunAssemble(const AssembleRequest& request, std::ostream& out,
                std::ostream& err);

#endif  // ORVANNE_ASSEMBLE_ASSEMBLE_H_
