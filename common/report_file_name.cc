#include "common/report_file_name.h"

std::string ReportFileName(const std::string& bulletinName) {
  if (bulletinName.size() < 3) return "out";
  return bulletinName.substr(0, bulletinName.size() - 3) + "out";
}
