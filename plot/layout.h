#ifndef ORVANNE_PLOT_LAYOUT_H_
#define ORVANNE_PLOT_LAYOUT_H_

#include <string_view>

// Where the meteogram's parts stand, in viewBox units, and its colours.
// Every line pairs its colour with a dash pattern or marker of its own, so
// the lines stay apart printed in grey.

inline constexpr double kPictureWidth = 960;
inline constexpr double kPictureHeight = 830;

// The time axis: forecast hours 0 (1200 UTC of the issue date) to 192.
inline constexpr double kPlotLeft = 70;
inline constexpr double kPlotRight = 920;
inline constexpr double kLastHour = 192;

inline double HourX(double hour) {
  return kPlotLeft + hour / kLastHour * (kPlotRight - kPlotLeft);
}

// A panel's drawing area, top to bottom.
struct Band {
  double top = 0, bottom = 0;
};

inline constexpr Band kTemperatureBand{110, 340};
inline constexpr Band kPrecipitationBand{390, 490};
inline constexpr Band kSkyBand{540, 610};
inline constexpr Band kWindBand{660, 770};
// The wind panel's top strip holds the direction arrows, the rest the speed.
inline constexpr double kArrowStrip = 30;

inline constexpr std::string_view kHighColour = "#c62828";
inline constexpr std::string_view kLowColour = "#1565c0";
inline constexpr std::string_view kEveningDewColour = "#2e7d32";
inline constexpr std::string_view kMorningDewColour = "#6a1b9a";
inline constexpr std::string_view kBarColour = "#26a69a";
inline constexpr std::string_view kBarEdgeColour = "#00695c";
inline constexpr std::string_view kSkyColour = "#90a4ae";
inline constexpr std::string_view kSkyEdgeColour = "#37474f";
inline constexpr std::string_view kWindColour = "#ef6c00";
inline constexpr std::string_view kArrowColour = "#4e342e";
inline constexpr std::string_view kGridColour = "#e0e0e0";
inline constexpr std::string_view kDayLineColour = "#9e9e9e";
inline constexpr std::string_view kFrameColour = "#616161";
inline constexpr std::string_view kTextColour = "#212121";

#endif  // ORVANNE_PLOT_LAYOUT_H_
