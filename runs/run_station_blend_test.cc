#include "runs/run_station_blend.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/menu.h"
#include "blend/test_bulletin.h"
#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

const std::string kRatioPrompt =
    "Please enter in a decimal ratio you would like for the ETA model weight: ";

class RunStationBlendTest : public ::testing::Test {
 protected:
  RunStationBlendTest() { WriteFile(Bulletin(), TestBulletin(40).Text()); }

  std::string Bulletin() const { return dir_.Path("guidance.txt"); }
  std::string Report() const { return dir_.Path("guidance.out"); }

  // Runs the entry with `typed` on the console after the file name.
  std::string Run(int unitSystem, const std::string& typed) {
    std::istringstream in(Bulletin() + " " + typed);
    std::ostringstream out;
    RunAtMenu(RunStationBlend, in, out, unitSystem);
    return out.str();
  }

  TempDir dir_;
};

// Every station at 40 in both models: every city value is 40 times the
// weights' sum, 40.0001658.
TEST_F(RunStationBlendTest, AWholeStandardRun) {
  const std::string printed = Run(1, "0.5\n");
  const auto lines = Lines(printed);
  ASSERT_EQ(lines.size(), 13u) << printed;
  EXPECT_EQ(lines[0], kFilePrompt + "You have a valid file.");
  EXPECT_EQ(lines[1], kRatioPrompt + "The AVNratio value then has to be: 0.5");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(
      lines[5],
      "1      40.0002     40.0002     40.0002     40.0002     40.0002     40.0002");
  EXPECT_EQ(
      lines[11],
      "7      40.0002     40.0002     40.0002     40.0002                 40.0002");
  EXPECT_EQ(lines[12], "Output file successfully created!");

  const auto report = Lines(ReadFile(Report()));
  ASSERT_EQ(report.size(), 46u);
  EXPECT_EQ(report[0], "1200 City of Orvanne Forecast Data (Standard Units)");
  EXPECT_EQ(report[4], lines[5] + "     ");
  EXPECT_EQ(report[10], lines[11]);
  // 40.0001658 knots is 46.0313688 miles per hour; clouds all overcast.
  EXPECT_EQ(report[15], "6     1.00    40.00     46.03     ");
  EXPECT_EQ(report[45], "192   1.00              46.03     ");
}

TEST_F(RunStationBlendTest, AWholeMetricRun) {
  const auto lines = Lines(Run(2, "1\n"));
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[1], kRatioPrompt + "The AVNratio value then has to be: 0");
  // (40.0001658 - 32) / 1.8 = 4.4445366 degrees Celsius.
  EXPECT_EQ(
      lines[5],
      "1      4.44454     4.44454     4.44454     4.44454     40.0002     40.0002");
  const auto report = Lines(ReadFile(Report()));
  EXPECT_EQ(report[0], "1200 City of Orvanne Forecast Data (Metric Units)");
  // 40.0001658 knots is 74.0803071 kilometres per hour.
  EXPECT_EQ(report[15], "6     1.00    40.00     74.08     ");
}

TEST_F(RunStationBlendTest, TheAvnRatioIsOneLessTheEtaRatio) {
  const std::pair<std::string, std::string> cases[] = {
      {"1", "0"}, {"0.7", "0.3"}, {"0.5", "0.5"}, {"1.5", "-0.5"}, {"0", "1"}};
  for (const auto& [eta, avn] : cases)
    EXPECT_EQ(Lines(Run(1, eta + "\n"))[1],
              kRatioPrompt + "The AVNratio value then has to be: " + avn)
        << eta;
}

TEST_F(RunStationBlendTest, ARatioThatIsNotANumberIsAskedAgain) {
  const auto lines = Lines(Run(1, "half 0,5 .5\n"));
  EXPECT_EQ(
      lines[1],
      kRatioPrompt + "The ratio must be a decimal number; please try again.");
  // "0,5" reads as 0, and the ",5" that follows is then the next word.
  EXPECT_EQ(lines[2], kRatioPrompt + "The AVNratio value then has to be: 1");
}

TEST_F(RunStationBlendTest, EndOfInputAtTheRatioWritesNoReport) {
  EXPECT_EQ(Run(1, "half"),
            kFilePrompt + "You have a valid file.\n" + kRatioPrompt +
                "The ratio must be a decimal number; please try again.\n" +
                kRatioPrompt);
  EXPECT_FALSE(FileExists(Report()));
}

TEST_F(RunStationBlendTest, OtherUnitSystemsLeaveAnEmptyReport) {
  WriteFile(Report(), "yesterday's report\n");
  EXPECT_EQ(Run(3, "0.6\n"), kFilePrompt + "You have a valid file.\n" +
                                 kRatioPrompt +
                                 "The AVNratio value then has to be: 0.4\n\n");
  EXPECT_TRUE(FileExists(Report()));
  EXPECT_EQ(ReadFile(Report()), "");
}

TEST_F(RunStationBlendTest, AnInvalidBulletinIsNeverRead) {
  WriteFile(Bulletin(), "FOUS14 " + TestBulletin(40).Text());
  WriteFile(Report(), "yesterday's report\n");
  EXPECT_EQ(Run(1, "0.6\n"), kFilePrompt + "Your input file is invalid.\n");
  EXPECT_EQ(ReadFile(Report()), "yesterday's report\n");
}

TEST_F(RunStationBlendTest, AnUnreadableRowStopsTheRunBeforeTheRatio) {
  TestBulletin bulletin(40);
  bulletin.Short(7).wsp[10] = 0;
  std::string text = bulletin.Text();
  // Section 7's wind speeds end after ten values.
  const std::size_t khmeGfs = text.find("KMHE   GFS");
  const std::size_t wsp = text.find("WSP", khmeGfs);
  text.replace(text.find(" 0 ", wsp), 3, " -- ");
  WriteFile(Bulletin(), text);
  WriteFile(Report(), "yesterday's report\n");
  EXPECT_EQ(
      Run(1, "0.6\n"),
      kFilePrompt + "You have a valid file.\n" +
          "The bulletin could not be read: row \"WSP\" of section 7 (KMHE) is missing or incomplete.\n");
  EXPECT_EQ(ReadFile(Report()), "yesterday's report\n");
}

TEST_F(RunStationBlendTest, TheTemperatureProblemIsToldBeforeTheSkyProblem) {
  TestBulletin bulletin(40);
  bulletin.Short(2).cld[3] = "PC";
  std::string text = bulletin.Text();
  text.replace(text.find("P24", text.find("KHON   GFSX")), 3, "P2A");
  WriteFile(Bulletin(), text);
  // Section 10 takes section 11's "P24", 11 takes 12's rows, and section 12
  // finds no "X/N" left.
  EXPECT_EQ(
      Lines(Run(1, "0.6\n"))[1],
      "The bulletin could not be read: row \"X/N\" of section 12 (KFSD) is missing or incomplete.");
  WriteFile(Bulletin(), bulletin.Text());
  EXPECT_EQ(
      Lines(Run(1, "0.6\n"))[1],
      "The bulletin could not be read: \"PC\" in row \"CLD\" of section 2 (KHON) is not a known cloud cover word.");
}

TEST_F(RunStationBlendTest, ATruncatedLastHeaderIsCaughtByTheReaders) {
  const std::string text = TestBulletin(40).Text();
  WriteFile(Bulletin(), text.substr(0, text.rfind("KFSD") + 5));
  EXPECT_EQ(
      Lines(Run(1, "0.6\n"))[1],
      "The bulletin could not be read: row \"X/N\" of section 12 (KFSD) is missing or incomplete.");
}

TEST_F(RunStationBlendTest, RunningTwiceOverwritesTheReport) {
  Run(1, "1\n");
  TestBulletin changed(40);
  changed.Short(1).nx[0] = 1040;  // KBKX's weight adds 353.460408
  WriteFile(Bulletin(), changed.Text());
  Run(1, "1\n");
  EXPECT_EQ(Lines(ReadFile(Report()))[4].substr(0, 19), "1      393.461     ");
}

// From the menu's first word to the report, as a forecaster types it.
TEST_F(RunStationBlendTest, AWholeMenuSession) {
  std::istringstream in("1 1 " + Bulletin() + " 0.5\n8\n");
  std::ostringstream out;
  EXPECT_EQ(RunMenu(in, out, ProgramRuns(), kNoScreen), 0);
  const auto lines = Lines(out.str());
  EXPECT_EQ(lines[8], "1");
  EXPECT_EQ(lines[12], kFilePrompt + "You have a valid file.");
  EXPECT_EQ(lines[24], "Output file successfully created!");
  EXPECT_EQ(lines[25], "Please enter an option!");
  EXPECT_EQ(Lines(ReadFile(Report())).size(), 46u);
}

}  // namespace
