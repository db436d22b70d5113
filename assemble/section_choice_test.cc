#include "assemble/section_choice.h"

#include <gtest/gtest.h>

#include <limits>

#include "assemble/test_products.h"

namespace {

ScannedBlock Scanned(const TestBlock& block) {
  ScannedBlock scanned;
  const std::string text = block.Text();
  EXPECT_TRUE(
      RecognizeHeader(text.substr(0, text.find('\n')), &scanned.header));
  scanned.text = text;
  scanned.kept = true;
  return scanned;
}

// "1/01/2000" and on, `count` days.
std::vector<std::string> Days(int count) {
  std::vector<std::string> days;
  for (int i = 0; i < count; ++i)
    days.push_back(std::to_string(1 + i / 28) + "/" + (i % 28 < 9 ? "0" : "") +
                   std::to_string(1 + i % 28) + "/2000");
  return days;
}

// 300 days of products, a file for each guidance as an archive keeps
// them: every NAM block, then every GFS block, then the GFSX blocks of
// the days `extendedDays` picks.
void CollectArchive(SectionCollector& collector,
                    bool (*extendedDays)(int day)) {
  const std::vector<std::string> days = Days(300);
  for (int guidance = 0; guidance < 3; ++guidance) {
    for (int day = 0; day < 300; ++day) {
      if (guidance == 2 && !extendedDays(day)) continue;
      const TestProducts products = MakeTestProducts(days[day]);
      const std::vector<TestBlock>* blocks[] = {
          &products.primary, &products.secondary, &products.extended};
      for (const TestBlock& block : *blocks[guidance]) {
        ScannedBlock scanned = Scanned(block);
        if (collector.Wants(scanned.header)) collector.Add(scanned, guidance);
        scanned.text.clear();
      }
    }
  }
}

// The date chosen and the refusals' lines; true when there are none.
bool Choose(const SectionCollector& collector, ChosenSections& chosen,
            std::vector<std::string>& lines) {
  Refusals refusals;
  collector.Choose(&chosen, &refusals);
  lines = refusals.Lines();
  return lines.empty();
}

TEST(SectionChoiceTest, AnArchiveOfManyDatesIsHeldWithinItsCount) {
  // A few days are held only.
  // The newest complete day is among them.
  SectionCollector collector(std::nullopt, false, 6);
  CollectArchive(collector, [](int day) { return day < 299; });
  ChosenSections chosen;
  std::vector<std::string> refusals;
  EXPECT_TRUE(Choose(collector, chosen, refusals));
  EXPECT_EQ(refusals, std::vector<std::string>{});
  EXPECT_EQ(FormatIssueDate(chosen.date), "11/19/2000");  // day 299 of 300
}

TEST(SectionChoiceTest, ADateDroppedOverTheCountIsNeverChosenSilently) {
  auto onlyTheFirstDay = [](int day) { return day == 0; };
  // With room for everything, the only complete day is taken.
  SectionCollector roomy(std::nullopt, false,
                         std::numeric_limits<std::size_t>::max());
  CollectArchive(roomy, onlyTheFirstDay);
  ChosenSections chosen;
  std::vector<std::string> refusals;
  EXPECT_TRUE(Choose(roomy, chosen, refusals));
  EXPECT_EQ(FormatIssueDate(chosen.date), "1/01/2000");

  // Among few dates held, it was dropped before it was complete.
  SectionCollector tight(std::nullopt, false, 6);
  CollectArchive(tight, onlyTheFirstDay);
  EXPECT_FALSE(Choose(tight, chosen, refusals));
  ASSERT_GE(refusals.size(), 2u);
  EXPECT_TRUE(refusals[0].starts_with(
      "The products hold too many dates to weigh them all, and dates up to "))
      << refusals[0];
  EXPECT_TRUE(refusals[0].ends_with(
      " were passed over; name the date wanted with --date."));
  EXPECT_EQ(
      refusals[1],
      "No GFSX (or MRF) guidance for KBKX issued 11/20/2000 at 0000 was found.");

  // Asked for, the day is found however few dates are held.
  IssueDate first;
  ASSERT_TRUE(ParseIssueDate("1/01/2000", &first));
  SectionCollector asked(first, false, 6);
  CollectArchive(asked, onlyTheFirstDay);
  refusals.clear();
  EXPECT_TRUE(Choose(asked, chosen, refusals));
  EXPECT_EQ(refusals, std::vector<std::string>{});
}

}  // namespace
