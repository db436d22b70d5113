#include "common/report_field.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(ReportFieldTest, DoublesUseGeneralNotationWithSixDigits) {
  std::ostringstream out;
  WriteField(out, 0, 29.921259842);
  out << '|';
  WriteField(out, 0, 1012.0);
  out << '|';
  WriteField(out, 0, -3.50);
  out << '|';
  WriteField(out, 0, 0.0);
  out << '|';
  WriteField(out, 0, 1234567.0);
  out << '|';
  WriteField(out, 0, 999999.5);
  out << '|';
  WriteField(out, 0, 0.00009999);
  out << '|';
  WriteField(out, 0, 0.0001);
  EXPECT_EQ(out.str(),
            "29.9213|1012|-3.5|0|1.23457e+06|1e+06|9.999e-05|0.0001");
}

TEST(ReportFieldTest, ItemsAreLeftAdjustedAndNeverCut) {
  std::ostringstream out;
  WriteField(out, 5, 6);
  WriteField(out, 8, -1.5);
  WriteField(out, 4, "LongerThanFour");
  WriteField(out, 3, "x");
  EndLine(out);
  EXPECT_EQ(out.str(), "6    -1.5    LongerThanFourx  \n");
}

TEST(ReportFieldTest, WidthAppliesToOneItemOnly) {
  std::ostringstream out;
  WriteField(out, 6, 1);
  out << 2 << "x";
  EXPECT_EQ(out.str(), "1     2x");
}

}  // namespace
