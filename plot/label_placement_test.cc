#include "plot/label_placement.h"

#include <gtest/gtest.h>

#include <string>

#include "blend/bulletin_rows.h"
#include "plot/temperature_layout.h"

namespace {

CityForecast SampleForecast(UnitSystem units) {
  BlendInputs inputs;
  std::string err;
  const std::string sample = std::string(ORVANNE_SAMPLES) + "/orvanne_1200.txt";
  EXPECT_TRUE(ReadTemperatureRows(inputs.primaryTemp, inputs.secondaryTemp,
                                  inputs.extendedTemp, sample, &err) &&
              ReadSkyRows(inputs.primarySky, inputs.secondarySky,
                          inputs.extendedSky, sample, &err))
      << err;
  inputs.primaryRatio = 0.6;
  inputs.secondaryRatio = 0.4;
  return ComputeCityForecast(inputs, units);
}

// Highs and lows within a degree of each other and of both dew points, the
// warmest at the top of the scale, the coldest at its foot.
CityForecast CrowdedWeek() {
  CityForecast forecast;
  for (int day = 0; day < kForecastDays; ++day) {
    const double base = day % 2 ? 30 : 31;
    forecast.days[day] = {day + 1,    base,         base + 0.6, base - 0.3,
                          base + 0.2, std::nullopt, 0};
  }
  forecast.days[3].highTemp = 90;
  forecast.days[4].lowTemp = -40;
  return forecast;
}

// No label meets another, a marker or a line, and every label stays inside
// the panel; the highs stand above their point and the lows below.
void ExpectClear(const TemperatureLayout& layout, const std::string& what) {
  const auto& labels = layout.labels;
  ASSERT_EQ(labels.size(), 2u * kForecastDays) << what;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const Box& box = labels[i].box;
    EXPECT_GE(box.top, kTemperatureBand.top + kLabelInset) << what << i;
    EXPECT_LE(box.bottom, kTemperatureBand.bottom - kLabelInset) << what << i;
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(BoxesMeet(box, labels[j].box)) << what << i << " " << j;
    for (const Box& marker : layout.obstacles.markers)
      EXPECT_FALSE(BoxesMeet(box, marker)) << what << i;
    for (const DrawnLine& line : layout.obstacles.lines)
      EXPECT_FALSE(LineMeetsBox(line.points, line.halfWidth, box)) << what << i;
  }
}

TEST(LabelPlacementTest, NoLabelMeetsAnotherOrWhatIsDrawn) {
  for (UnitSystem units : {UnitSystem::kStandard, UnitSystem::kMetric}) {
    const TemperatureLayout layout =
        LayOutTemperatures(SampleForecast(units), units);
    ExpectClear(layout, units == UnitSystem::kMetric ? "metric " : "standard ");
    for (std::size_t i = 0; i < layout.labels.size(); ++i) {
      const bool high = i % 2 == 1;
      const Point point = layout.lines[high ? kHighLine : kLowLine][i / 2];
      EXPECT_EQ(layout.labels[i].box.bottom < point.y, high) << i;
    }
  }
  ExpectClear(LayOutTemperatures(CrowdedWeek(), UnitSystem::kStandard),
              "crowded ");
}

TEST(LabelPlacementTest, BoxesAndLines) {
  const Box box{10, 10, 20, 20};
  EXPECT_TRUE(BoxesMeet(box, {20, 20, 30, 30}));  // touching counts
  EXPECT_FALSE(BoxesMeet(box, {20.5, 0, 30, 30}));
  // A line under the box, one crossing it between two points, one beside it.
  EXPECT_FALSE(LineMeetsBox({{0, 25}, {30, 25}}, 1, box));
  EXPECT_TRUE(LineMeetsBox({{0, 0}, {30, 30}}, 1, box));
  EXPECT_TRUE(LineMeetsBox({{0, 21}, {30, 21}}, 1.25, box));
  EXPECT_FALSE(LineMeetsBox({{25, 0}, {40, 30}}, 1, box));
  // Two labels asking for one place: the second moves on.
  const std::vector<PlacedLabel> placed = PlaceLabels(
      {{{100, 200}, "10\u00b0F", true}, {{100, 200}, "11\u00b0F", true}}, {},
      {100, 300});
  EXPECT_DOUBLE_EQ(placed[0].box.bottom, 200 - 5);
  EXPECT_LT(placed[1].box.bottom, placed[0].box.top);
}

}  // namespace
