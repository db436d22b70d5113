#include "common/run_frame.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/console_reads.h"
#include "common/report_file_name.h"

namespace {

// Only a regular file that opens for reading counts as a bulletin: a
// directory, a device or a pipe would be read without end or not at all.
bool IsReadableBulletin(const std::string& name) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(name, error)) return false;
  std::ifstream test(name);
  return test.is_open();
}

bool EndsInOut(const std::string& name) {
  return name.size() >= 3 && name.compare(name.size() - 3, 3, "out") == 0;
}

// True when writing the report would overwrite the bulletin: by its name, or
// because the report's name already leads to the same file (a link, or a
// file system that ignores case).
bool ReportWouldReplaceBulletin(const std::string& bulletinName) {
  if (EndsInOut(bulletinName)) return true;
  std::error_code error;
  return std::filesystem::equivalent(bulletinName, ReportFileName(bulletinName),
                                     error);
}

}  // namespace

void PrintLine(std::ostream& out, std::string_view line) {
  out << line << std::endl;
}

bool AskForBulletin(std::istream& in, std::ostream& out,
                    std::string& bulletinName) {
  out << "Please enter the name of the file with the .txt extension: "
      << std::flush;
  if (!ReadConsoleWord(in, bulletinName)) return false;
  if (!IsReadableBulletin(bulletinName)) {
    PrintLine(out,
              "You entered a file name wich does not exist in the directory.");
    return false;
  }
  if (bulletinName.size() < 3) {
    PrintLine(out, "The file name must be at least three characters long.");
    return false;
  }
  if (ReportWouldReplaceBulletin(bulletinName)) {
    PrintLine(out,
              "The report file would replace the bulletin itself; rename the "
              "bulletin first.");
    return false;
  }
  return true;
}

bool WriteReport(const std::string& bulletinName, std::ostream& out,
                 std::string_view successMessage,
                 const std::function<void(std::ostream&)>& write) {
  const std::string reportName = ReportFileName(bulletinName);
  std::ofstream report(reportName);
  if (!report.is_open()) {
    PrintLine(out, "The report file " + reportName + " could not be created.");
    return false;
  }
  write(report);
  report.close();
  if (report.fail()) {
    PrintLine(out, "The report file " + reportName + " could not be written.");
    return false;
  }
  if (!successMessage.empty()) PrintLine(out, successMessage);
  return true;
}
