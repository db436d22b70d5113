#ifndef ORVANNE_PRODUCTS_STATIONS_H_
#define ORVANNE_PRODUCTS_STATIONS_H_

#include <array>
#include <string_view>

#include "products/guidance.h"

// The stations around Orvanne: the four whose guidance the 1200 Model's
// bulletin holds, in the order every per-station array uses and every
// model group of the bulletin lists them, and the three of them that issue
// daily climate reports (KBKX issues none).
inline constexpr int kStationCount = 4;
inline constexpr std::array<std::string_view, kStationCount> kBulletinStations{
    "KBKX", "KHON", "KMHE", "KFSD"};
inline constexpr std::array<std::string_view, 3> kClimateStations{
    "KFSD", "KHON", "KMHE"};

// The bulletin's twelve sections: three model groups of four stations.
inline constexpr int kSectionCount = 12;

// The group of section `section` (1 to 12): 1 to 4 Primary, 5 to 8
// Secondary, 9 to 12 Extended.
inline constexpr SectionGroup SectionGroupOf(int section) {
  return static_cast<SectionGroup>((section - 1) / kStationCount);
}

// The station word section `section` (1 to 12) must name.
inline constexpr std::string_view SectionStation(int section) {
  return kBulletinStations[(section - 1) % kStationCount];
}

#endif  // ORVANNE_PRODUCTS_STATIONS_H_
