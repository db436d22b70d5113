#include "assemble/assemble.h"

#include <cstdio>
#include <optional>

#include "assemble/section_check.h"
#include "assemble/section_choice.h"
#include "common/console.h"
#include "common/exit_status.h"
#include "common/replace_file.h"
#include "products/block_scanner.h"
#include "products/issue_date.h"
#include "products/line_reader.h"

namespace {

void PrintLines(std::ostream& err, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) PrintLine(err, line);
}

// The file an existing OUT would replace, or empty.
std::string InputAtOutput(const AssembleRequest& request) {
  for (const std::string& file : request.files)
    if (IsSameFile(request.output, file)) return file;
  return "";
}

// The request's date, files and OUT; false with the exit status and the
// line when the assembler cannot start.
bool CheckRequest(const AssembleRequest& request,
                  std::optional<IssueDate>* wanted, ExitStatus* status,
                  std::string* err) {
  *status = ExitStatus::kUsage;
  *wanted = request.date;
  if (request.files.empty()) {
    *err = "No product file was named.";
    return false;
  }
  *status = ExitStatus::kRefused;
  const std::string input =
      request.output.empty() ? "" : InputAtOutput(request);
  if (!input.empty()) {
    *err = Fill(
        "The output file {} is the input file {}; the bulletin would replace it.",
        {request.output, input});
    return false;
  }
  return true;
}

// Reads the file `name`, number `file` of the command, in one pass and
// gives every station block it holds to `collector`. False, with one line
// in `err`, when the file cannot be opened or read to its end, or holds
// no station block at all.
bool ReadProductFile(const std::string& name, int file,
                     SectionCollector* collector, std::string* err) {
  std::FILE* stream = std::fopen(name.c_str(), "rb");
  if (stream == nullptr) {
    *err = Fill("The file {} could not be read.", {name});
    return false;
  }
  LineReader reader(stream);
  const std::size_t blocks = ScanBlocks(
      reader,
      [&](const BlockHeader& header) { return collector->Wants(header); },
      [&](const ScannedBlock& block) { collector->Add(block, file); });
  std::fclose(stream);
  // A folder opens on some systems, and then fails at its first read.
  if (reader.failed()) {
    *err = Fill("The file {} could not be read.", {name});
    return false;
  }
  if (blocks == 0) {
    *err = Fill("The file {} holds no station block.", {name});
    return false;
  }
  return true;
}

// Each section's lines, then an empty line; nothing else.
bool WriteSections(std::ostream& to, const ChosenSections& chosen) {
  to << BulletinText(chosen);
  to.flush();
  return to.good();
}

// "section 5: KBKX GFS 12/08/2026 1200 from mav.txt", ", translated" after
// a translated one.
void PrintSectionLines(std::ostream& err, const ChosenSections& chosen,
                       const std::vector<std::string>& files) {
  for (int i = 0; i < kSectionCount; ++i) {
    const ChosenSection& section = chosen.sections[i];
    const BlockHeader& header = section.block.header;
    const std::string number = std::to_string(i + 1);
    const std::string& file = files[section.block.file];
    const std::string_view station = SectionStation(i + 1);
    PrintLine(err, section.translated
                       ? Fill("section {}: {} {} {} {} from {}, translated",
                              {number, station, header.model, header.dateWord,
                               header.cycle, file})
                       : Fill("section {}: {} {} {} {} from {}",
                              {number, station, header.model, header.dateWord,
                               header.cycle, file}));
  }
}

// Writes the bulletin to OUT, or to standard output without one.
bool WriteBulletin(const AssembleRequest& request, const ChosenSections& chosen,
                   std::ostream& out, std::string* err) {
  auto write = [&](std::ostream& to) { return WriteSections(to, chosen); };
  if (!request.output.empty()) {
    ReplaceFailure failure;
    std::string reason;
    if (ReplaceFile(request.output, write, &failure, &reason)) return true;
    *err = failure == ReplaceFailure::kNotCreated
               ? Fill("The bulletin {} could not be created ({}).",
                      {request.output, reason})
               : Fill("The bulletin {} could not be written ({}).",
                      {request.output, reason});
    return false;
  }
  if (write(out)) return true;
  *err = "The bulletin could not be written to standard output.";
  return false;
}

// Chooses the date and its twelve sections, translates the NBM blocks and
// checks them all, in that order.
void ChooseAndCheck(const SectionCollector& collector,
                    const std::vector<std::string>& files,
                    ChosenSections* chosen, Refusals* refusals) {
  collector.Choose(chosen, refusals);
  CheckFoundBlocks(*chosen, files, refusals);
  TranslateNbmBlocks(chosen, refusals);
  CheckRowLabels(*chosen, refusals);
  CheckDateWords(*chosen, refusals);
  // Only sections that passed every check above are read.
  if (refusals->empty()) CheckWithTheModelsReading(*chosen, files, refusals);
}

}  // namespace

ExitStatus RunAssemble(const AssembleRequest& request, Console& console) {
  std::optional<IssueDate> wanted;
  ExitStatus status;
  std::string err;
  if (!CheckRequest(request, &wanted, &status, &err)) {
    PrintLine(console.err, err);
    return status;
  }

  SectionCollector collector(wanted, request.primaryNbm);
  std::vector<std::string> unread;
  for (std::size_t file = 0; file < request.files.size(); ++file)
    if (!ReadProductFile(request.files[file], static_cast<int>(file),
                         &collector, &err))
      unread.push_back(err);
  // A file missing or unreadable would make every later line about missing
  // sections misleading; those come only when every file was read.
  if (!unread.empty()) {
    PrintLines(console.err, unread);
    return ExitStatus::kRefused;
  }

  ChosenSections chosen;
  Refusals refusals;
  ChooseAndCheck(collector, request.files, &chosen, &refusals);
  if (!refusals.empty()) {
    PrintLines(console.err, refusals.Lines());
    return ExitStatus::kRefused;
  }

  if (!WriteBulletin(request, chosen, console.out, &err)) {
    PrintLine(console.err, err);
    return ExitStatus::kRefused;
  }
  PrintSectionLines(console.err, chosen, request.files);
  return ExitStatus::kWritten;
}
