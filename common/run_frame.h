#ifndef ORVANNE_COMMON_RUN_FRAME_H_
#define ORVANNE_COMMON_RUN_FRAME_H_

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "common/console.h"
#include "common/units.h"

// What every run shares: how it is called, the file-name dialogue, the
// report's name, and the creation of the report.

// What a run is asked to do. A run asks on the console for what is not
// given: a given name has no file-name prompt, a given ratio no question.
struct RunRequest {
  UnitSystem units = UnitSystem::kStandard;
  int rows = 0;  // the model table's row count; the other runs ignore it
  std::optional<std::string> bulletinName;
  std::optional<double> primaryRatio;
  // The 1200 Model's ratio from the verification of the archive (--ratio
  // auto); `archive` as --archive gives it, found when the run runs. With
  // too few verified days the fallback ratio, when given, stands in; with
  // `biasAuto` the guidance's recent biases are taken off the highs and
  // lows first.
  bool ratioAuto = false;
  std::string archive;
  std::optional<double> fallbackRatio;
  bool biasAuto = false;
  // Where the 1200 Model also writes the forecast's record (JSON).
  std::optional<std::string> recordName;
  // Where the 1200 Model also draws its forecast as a picture; only the
  // command line gives one.
  std::optional<std::string> plotName;
};

// Every run has this shape. True when the run wrote its report; false when
// it stopped on a problem, its one line printed, or when the console input
// ended.
using RunFunction = bool (*)(Console& console, const RunRequest& request);

inline constexpr std::string_view kValidFileMessage = "You have a valid file.";

// The report's file name for a bulletin: the same name with its last three
// characters replaced by "out" (so "a.txt" gives "a.out", in the same
// folder). Whatever the name ends in is replaced. A name shorter than three
// characters gives "out"; the dialogue refuses such names before.
std::string ReportFileName(const std::string& bulletinName);

// Takes the bulletin's name (asking for it when the request gives none) and
// checks that the run may use it: a readable regular file, a name of at
// least three characters, and a report name that does not lead back to the
// bulletin itself. False when the run must return at once: the reason has
// been printed, or the console input has ended (then nothing is printed).
bool AskForBulletin(Console& console, const RunRequest& request,
                    std::string* bulletinName);

// Replaces the report named after the bulletin with what `write` writes
// (through ReplaceFile, so a report is never half written and an older one
// stays as it was on a failure), and only then prints `successMessage`
// (nothing when it is empty). False, with the reason printed, when the
// report cannot be created or written.
bool WriteReport(const std::string& bulletinName, Console& console,
                 std::string_view successMessage,
                 const std::function<void(std::ostream&)>& write);

#endif  // ORVANNE_COMMON_RUN_FRAME_H_
