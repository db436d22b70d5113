#ifndef ORVANNE_BLEND_BULLETIN_STATIONS_H_
#define ORVANNE_BLEND_BULLETIN_STATIONS_H_

#include <array>
#include <string_view>

// The four guidance stations around Orvanne, in the order every per-station
// array of the blend uses and every model group of the bulletin lists them.
inline constexpr int kStationCount = 4;
inline constexpr std::array<std::string_view, kStationCount> kBulletinStations{
    "KBKX", "KHON", "KMHE", "KFSD"};

// The bulletin's twelve sections: three model groups of four stations.
inline constexpr int kSectionCount = 12;

// The station word section `section` (1 to 12) must name.
inline constexpr std::string_view SectionStation(int section) {
  return kBulletinStations[(section - 1) % kStationCount];
}

#endif  // ORVANNE_BLEND_BULLETIN_STATIONS_H_
