#include "assemble/assemble.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "assemble/issue_date.h"
#include "assemble/product_file.h"
#include "assemble/section_choice.h"
#include "common/console.h"
#include "common/replace_file.h"

namespace {

void PrintLines(std::ostream& err, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) PrintLine(err, line);
}

// The file an existing OUT would replace, or empty.
std::string InputAtOutput(const AssembleRequest& request) {
  for (const std::string& file : request.files) {
    std::error_code error;
    if (std::filesystem::equivalent(request.output, file, error)) return file;
  }
  return "";
}

// Each section's lines, then an empty line; nothing else.
bool WriteSections(std::ostream& to, const ChosenSections& chosen) {
  for (int i = 0; i < kSectionCount; ++i)
    to << (chosen.translated[i].empty() ? chosen.blocks[i]->text
                                        : chosen.translated[i])
       << '\n';
  to.flush();
  return to.good();
}

// "section 5: KBKX GFS 12/08/2026 1200 from mav.txt"
std::vector<std::string> SectionLines(const ChosenSections& chosen,
                                      const std::vector<std::string>& files) {
  std::vector<std::string> lines;
  for (int section = 1; section <= kSectionCount; ++section) {
    const FoundBlock& block = *chosen.blocks[section - 1];
    if (chosen.translated[section - 1].empty())
      lines.push_back(
          Fill("section {}: {} {} {} {} from {}",
               {std::to_string(section), SectionStation(section), block.model,
                block.dateWord, block.cycle, files[block.file]}));
    else
      lines.push_back(
          Fill("section {}: {} {} {} {} from {}, translated",
               {std::to_string(section), SectionStation(section), block.model,
                block.dateWord, block.cycle, files[block.file]}));
  }
  return lines;
}

}  // namespace

bool IsIssueDate(std::string_view text) {
  IssueDate date;
  return ParseIssueDate(text, date);
}

int RunAssemble(const AssembleRequest& request, std::ostream& out,
                std::ostream& err) {
  std::optional<IssueDate> wanted;
  if (!request.date.empty()) {
    IssueDate date;
    if (!ParseIssueDate(request.date, date)) {
      PrintLines(err, {Fill("The date {} is not a month/day/year date.",
                            {request.date})});
      return 2;
    }
    wanted = date;
  }
  if (request.files.empty()) {
    PrintLines(err, {"No product file was named."});
    return 2;
  }
  if (!request.output.empty()) {
    const std::string input = InputAtOutput(request);
    if (!input.empty()) {
      PrintLines(
          err,
          {Fill(
              "The output file {} is the input file {}; the bulletin would replace it.",
              {request.output, input})});
      return 1;
    }
  }

  SectionCollector collector(wanted, request.primaryBlend);
  std::vector<std::string> refusals;
  for (std::size_t file = 0; file < request.files.size(); ++file) {
    std::string error;
    if (!CollectProductFile(request.files[file], static_cast<int>(file),
                            collector, &error))
      refusals.push_back(error);
  }
  // A file missing or unreadable would make every later line about missing
  // sections misleading; those come only when every file was read.
  ChosenSections chosen;
  if (refusals.empty()) collector.Choose(request.files, chosen, refusals);
  if (!refusals.empty()) {
    PrintLines(err, refusals);
    return 1;
  }

  auto write = [&](std::ostream& to) { return WriteSections(to, chosen); };
  if (request.output.empty()) {
    if (!write(out)) {
      PrintLines(err,
                 {"The bulletin could not be written to standard output."});
      return 1;
    }
  } else {
    ReplaceFailure failure;
    if (!ReplaceFile(request.output, write, &failure)) {
      PrintLines(err, {failure == ReplaceFailure::kNotCreated
                           ? Fill("The bulletin {} could not be created.",
                                  {request.output})
                           : Fill("The bulletin {} could not be written.",
                                  {request.output})});
      return 1;
    }
  }
  PrintLines(err, SectionLines(chosen, request.files));
  return 0;
}
