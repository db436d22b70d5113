#ifndef ORVANNE_BLEND_TEST_BULLETIN_H_
#define ORVANNE_BLEND_TEST_BULLETIN_H_

// Builds "1200 Model" bulletins for the tests: twelve sections in the
// guidance layouts, every value settable, the other rows a real bulletin
// carries in between.

#include <array>
#include <string>

struct ShortSectionValues {
  std::string model = "NAM";
  std::string cycle = "1200";
  std::string tempLabel = "N/X";
  std::array<int, 5> nx{};  // the 5th is beyond what is read
  std::array<int, 21> dpt{};
  std::array<int, 5> p12{};
  std::array<std::string, 21> cld;
  std::array<int, 21> wdr{};
  std::array<int, 21> wsp{};
};

struct ExtendedSectionValues {
  std::string model = "GFSX";
  std::string cycle = "0000";
  std::array<int, 15> xn{};
  std::array<int, 15> dpt{};
  std::array<int, 7> p24{};  // the first two are the short-range days
  std::array<std::string, 15> cld;
  std::array<int, 15> wnd{};
};

struct TestBulletin {
  std::string date = "12/08/2026";
  std::array<ShortSectionValues, 8> shortSections;   // sections 1 to 8
  std::array<ExtendedSectionValues, 4> extSections;  // sections 9 to 12
  std::string lineEnd = "\n";

  // Sections 1 to 4 get the "ETA" group, 5 to 8 "GFS"; every value is
  // `value`, every cloud word "OV".
  explicit TestBulletin(int value = 40);

  ShortSectionValues& Short(int section) { return shortSections[section - 1]; }
  ExtendedSectionValues& Extended(int section) {
    return extSections[section - 9];
  }

  std::string Text() const;
};

#endif  // ORVANNE_BLEND_TEST_BULLETIN_H_
