#include "common/run_frame.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/console.h"
#include "common/replace_file.h"

namespace {

// Only a regular file that opens for reading counts as a bulletin: a
// directory, a device or a pipe would be read without end or not at all.
bool IsReadableBulletin(const std::string& name) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(name, error)) return false;
  std::ifstream test(name);
  return test.is_open();
}

// The name's last part, after its last folder separator: the part whose last
// three characters the report name replaces.
std::size_t LastPartLength(const std::string& name) {
#ifdef _WIN32
  const std::size_t separator = name.find_last_of("/\\");
#else
  const std::size_t separator = name.find_last_of('/');
#endif
  return separator == std::string::npos ? name.size()
                                        : name.size() - separator - 1;
}

bool EndsInOut(const std::string& name) {
  return name.size() >= 3 && name.compare(name.size() - 3, 3, "out") == 0;
}

// True when writing the report would overwrite the bulletin: by its name, or
// because the report's name already leads to the same file (a link, or a
// file system that ignores case).
bool ReportWouldReplaceBulletin(const std::string& bulletinName) {
  if (EndsInOut(bulletinName)) return true;
  return IsSameFile(bulletinName, ReportFileName(bulletinName));
}

}  // namespace

std::string ReportFileName(const std::string& bulletinName) {
  if (bulletinName.size() < 3) return "out";
  return bulletinName.substr(0, bulletinName.size() - 3) + "out";
}

bool AskForBulletin(Console& console, const RunRequest& request,
                    std::string* bulletinName) {
  if (request.bulletinName) {
    *bulletinName = *request.bulletinName;
  } else {
    console.out << "Please enter the name of the file with the .txt extension: "
                << std::flush;
    if (!ReadConsoleWord(console.in, *bulletinName)) return false;
  }
  // No file name holds a NUL: the file opened would be another one than
  // the name typed.
  if (bulletinName->find('\0') != std::string::npos ||
      !IsReadableBulletin(*bulletinName)) {
    PrintLine(console.err,
              "You entered a file name wich does not exist in the directory.");
    return false;
  }
  if (LastPartLength(*bulletinName) < 3) {
    PrintLine(console.err,
              "The file name must be at least three characters long.");
    return false;
  }
  if (ReportWouldReplaceBulletin(*bulletinName)) {
    PrintLine(
        console.err,
        "The report file would replace the bulletin itself; rename the bulletin first.");
    return false;
  }
  return true;
}

bool WriteReport(const std::string& bulletinName, Console& console,
                 std::string_view successMessage,
                 const std::function<void(std::ostream&)>& write) {
  const std::string reportName = ReportFileName(bulletinName);
  ReplaceFailure failure;
  const bool replaced = ReplaceFile(
      reportName,
      [&](std::ostream& report) {
        write(report);
        return true;
      },
      &failure);
  if (!replaced) {
    PrintLine(
        console.err,
        failure == ReplaceFailure::kNotCreated
            ? Fill("The report file {} could not be created.", {reportName})
            : Fill("The report file {} could not be written.", {reportName}));
    return false;
  }
  if (!successMessage.empty()) PrintLine(console.out, successMessage);
  return true;
}
