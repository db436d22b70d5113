#include "tests/console_texts.h"

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "common/run_frame.h"

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

FinishedProgram RunProgram(const TempDir& dir, const std::string& typed) {
  WriteFile(dir.Path("console.in"), typed);
  const std::string command = "cd '" + dir.path +
                              "' && '" ORVANNE_BINARY
                              "' < console.in > console.out 2>&1";
  const int result = std::system(command.c_str());
  return {WIFEXITED(result) ? WEXITSTATUS(result) : -1,
          ReadFile(dir.Path("console.out"))};
}

FinishedCommand RunWithArguments(const TempDir& dir,
                                 const std::vector<std::string>& args) {
  std::string command = "cd '" + dir.path + "' && '" ORVANNE_BINARY "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " < /dev/null > command.out 2> command.err";
  const int result = std::system(command.c_str());
  return {WIFEXITED(result) ? WEXITSTATUS(result) : -1,
          ReadFile(dir.Path("command.out")), ReadFile(dir.Path("command.err"))};
}

std::string Written(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

RunOnBulletin RunOn(
    const std::function<void(std::istream&, std::ostream&)>& run,
    const std::string& name, const std::string& bulletin,
    const std::string& oldReport) {
  TempDir dir;
  const std::string report = ReportFileName(dir.Path(name));
  WriteFile(dir.Path(name), bulletin);
  if (!oldReport.empty()) WriteFile(report, oldReport);
  std::istringstream in(dir.Path(name) + "\n");
  std::ostringstream out;
  run(in, out);
  return {out.str(), FileExists(report), ReadFile(report)};
}

bool RunAtMenu(RunFunction run, std::istream& in, std::ostream& out,
               int unitAnswer, int rows) {
  Console console{in, out, out};
  RunRequest request;
  request.units = UnitSystemFromAnswer(unitAnswer);
  request.rows = rows;
  return run(console, request);
}
