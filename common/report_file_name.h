#ifndef ORVANNE_COMMON_REPORT_FILE_NAME_H_
#define ORVANNE_COMMON_REPORT_FILE_NAME_H_

#include <string>

// The report's file name for a bulletin: the same name with its last three
// characters replaced by "out" (so "a.txt" gives "a.out", in the same
// folder). Whatever the name ends in is replaced. A name shorter than three
// characters has no report name; the run frame refuses such names before
// asking for one, and this returns "out" for them.
std::string ReportFileName(const std::string& bulletinName);

#endif  // ORVANNE_COMMON_REPORT_FILE_NAME_H_
