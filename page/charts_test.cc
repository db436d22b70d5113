#include "page/charts.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/text_search.h"

namespace {

// Two days: 12/06 observed 30, forecast 37 to 31 at leads 7 to 1; 12/07
// observed 32, forecast 33 at lead 1 alone. Values 30 to 37: a step of 2
// (six steps of 1 would not hold 7), the axis 30 to 38, y = 196 - (v - 30)
// / 8 x 160. Each day's slot is 460 / 2 = 230 wide from x 48; the leads
// stand from 8 into it to 8 before its end.
TEST(ChartsTest, ForecastsByLeadBesideTheObservedValue) {
  std::vector<CheckedDay> days(2);
  days[0].day = {2026, 12, 6};
  days[0].high.observed = 30;
  for (int k = 1; k <= 7; ++k) days[0].high.byLead[k] = 30 + k;
  days[1].day = {2026, 12, 7};
  days[1].high.observed = 32;
  days[1].high.byLead[1] = 33;
  const std::string svg = ForecastsChart(days, Element::kMaximum);
  // Lead 7 (37) at x 56, y 56; lead 1 (31) at x 56 + 214, y 176.
  EXPECT_EQ(CountOf(svg, "<polyline points=\"56.0,56.0 91.7,76.0 127.3,96.0 "
                       "163.0,116.0 198.7,136.0 234.3,156.0 270.0,176.0\""),
            1);
  // The observed values: dashed lines across each slot, 3 in from its ends.
  EXPECT_EQ(CountOf(svg, "<line x1=\"51.0\" y1=\"196.0\" x2=\"275.0\" y2=\"196.0\""), 1);
  EXPECT_EQ(CountOf(svg, "<line x1=\"281.0\" y1=\"156.0\" x2=\"505.0\" y2=\"156.0\""), 1);
  EXPECT_EQ(CountOf(svg, "stroke-dasharray=\"6 3\""), 3);  // with the legend's
  // A lone forecast is a dot without a line (12/07's lead 1 at x 278 + 8 +
  // 214): 7 + 1 dots and the legend's.
  EXPECT_EQ(CountOf(svg, "<circle"), 9);
  EXPECT_EQ(CountOf(svg, "<circle cx=\"500.0\" cy=\"136.0\""), 1);
  for (const char* tick : {">30<", ">32<", ">34<", ">36<", ">38<"})
    EXPECT_EQ(CountOf(svg, tick), 1) << tick;
  EXPECT_EQ(CountOf(svg, ">12/6<") + CountOf(svg, ">12/7<"), 2);
  EXPECT_EQ(CountOf(svg, ">\u00b0F</text>"), 1);
  EXPECT_EQ(CountOf(svg, "<title>"), 1);
  EXPECT_EQ(CountOf(svg, "<script") + CountOf(svg, "href"), 0);
  EXPECT_EQ(svg, ForecastsChart(days, Element::kMaximum));
}

// GFS 2.0 and 3.0 at lead days 1 and 2, GFSX k at lead day k: the axis 0 to
// 8 by 2, y = 196 - 20 MAE; lead day k at x 68 + 70 (k - 1).
TEST(ChartsTest, MaeByLeadDayOneLineEach) {
  MaeLine gfs{"GFS", {}};
  gfs.mae[1] = 2.0;
  gfs.mae[2] = 3.0;
  MaeLine gfsx{"GFSX", {}};
  for (int k = 1; k <= 7; ++k) gfsx.mae[k] = k;
  const std::string svg = MaeChart({gfs, gfsx});
  EXPECT_EQ(CountOf(svg, "<polyline points=\"68.0,156.0 138.0,136.0\" fill=\"none\" "
                       "stroke=\"#000000\" stroke-width=\"3.0\" stroke-linejoin"),
            1);
  EXPECT_EQ(CountOf(svg, "<polyline points=\"68.0,176.0 138.0,156.0 208.0,136.0 "
                       "278.0,116.0 348.0,96.0 418.0,76.0 488.0,56.0\" "
                       "fill=\"none\" stroke=\"#616161\" stroke-width=\"1.5\" "
                       "stroke-dasharray=\"6 3\" stroke-linejoin"),
            1);
  // GFS round dots, GFSX square ones, each with its legend's.
  EXPECT_EQ(CountOf(svg, "<circle"), 3);
  EXPECT_EQ(CountOf(svg, "<rect x=\""), 8 + 2);  // and the background, frame
  EXPECT_EQ(CountOf(svg, ">Lead day</text>"), 1);
  EXPECT_EQ(CountOf(svg, ">MAE, \u00b0F</text>"), 1);
  EXPECT_EQ(CountOf(svg, ">GFSX</text>"), 1);
}

}  // namespace
