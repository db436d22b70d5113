#include "blend/test_bulletin.h"

#include <sstream>

#include "blend/station_records.h"

namespace {

template <typename Values>
std::string Joined(const Values& values) {
  std::ostringstream out;
  for (const auto& value : values) out << ' ' << value;
  return out.str();
}

// Fifteen columns with a separator glued after the 1st and every second
// column after it, as the extended guidance prints them.
template <typename Values>
std::string Barred(const Values& values) {
  std::ostringstream out;
  for (std::size_t i = 0; i < values.size(); ++i) {
    out << ' ' << values[i];
    if (i % 2 == 0 && i + 1 < values.size()) out << '|';
  }
  return out.str();
}

}  // namespace

TestBulletin::TestBulletin(int value) {
  for (int s = 0; s < 8; ++s) {
    ShortSectionValues& section = shortSections[s];
    section.model = s < 4 ? "NAM" : "GFS";
    section.nx.fill(value);
    section.dpt.fill(value);
    section.p12.fill(value);
    section.cld.fill("OV");
    section.wdr.fill(value);
    section.wsp.fill(value);
  }
  for (ExtendedSectionValues& section : extSections) {
    section.xn.fill(value);
    section.dpt.fill(value);
    section.p24.fill(value);
    section.cld.fill("OV");
    section.wnd.fill(value);
  }
}

std::string TestBulletin::Text() const {
  std::ostringstream out;
  const std::string& e = lineEnd;
  for (int s = 0; s < 8; ++s) {
    const ShortSectionValues& v = shortSections[s];
    out << kBulletinStations[s % 4] << "   " << v.model << " MOS GUIDANCE   "
        << date << "  " << v.cycle << " UTC" << e;
    out << "HR   06 09 12 15 18 21 00 03 06 09 12 15 18 21 00 03 06 09 12 15 18"
        << e;
    out << v.tempLabel << Joined(v.nx) << e;
    out << "TMP  33 31 29 27 26 25 25 30 36 37 33 30 28 27 26 30 34 35 31 28 25"
        << e;
    out << "DPT" << Joined(v.dpt) << e;
    out << "CLD" << Joined(v.cld) << e;
    out << "WDR" << Joined(v.wdr) << e;
    out << "WSP" << Joined(v.wsp) << e;
    out << "P06      5     0     0    10    20    30    20    10" << e;
    out << "P12" << Joined(v.p12) << e;
    out << "CIG   8  8  8  7  7  6  6  6  5  5  5  6  7  8  8  8" << e;
  }
  for (int s = 0; s < 4; ++s) {
    const ExtendedSectionValues& v = extSections[s];
    out << kBulletinStations[s] << "   " << v.model << " MOS GUIDANCE  " << date
        << "  " << v.cycle << " UTC" << e;
    out << "FHR  24| 36  48| 60  72| 84  96|108 120|132 144|156 168|180 192"
        << e;
    out << "X/N" << Barred(v.xn) << " 33 21" << e;
    out << "TMP  31| 22  36| 25  38| 28  39| 24  31| 16  28| 15  26| 17  30"
        << e;
    out << "DPT" << Barred(v.dpt) << " 28 14" << e;
    out << "CLD" << Barred(v.cld) << e;
    out << "WND" << Barred(v.wnd) << e;
    out << "P12  10| 20  30| 40  20| 10  10| 20  30| 20  10| 10  20| 10  10"
        << e;
    out << "P24  |";
    for (std::size_t i = 0; i < v.p24.size(); ++i)
      out << "     " << v.p24[i] << (i + 1 < v.p24.size() ? "|" : "");
    out << e;
    out << "Q24  |      0|      1|      0|      1|      2|      1|      0" << e;
  }
  return out.str();
}
