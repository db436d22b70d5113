// The sample products assemble into a bulletin that menu entry 1 accepts
// and reads into the values the products hold.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <sstream>

#include "assemble/assemble.h"
#include "assemble/test_products.h"
#include "blend/bulletin_rows.h"
#include "blend/validate_bulletin.h"
#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

// Whether the 1200 Model's header check accepts the file.
bool IsValidBulletin(const std::string& path) {
  std::string err;
  return ValidateBulletin(path, &err);
}

using Ints4 = std::array<std::int32_t, 4>;
using Ints5 = std::array<std::int32_t, 5>;
using Ints11 = std::array<std::int32_t, 11>;

template <typename Records>
bool SameBytes(const Records& a, const Records& b) {
  return std::memcmp(&a, &b, sizeof(Records)) == 0;
}

TEST(SampleProductsTest, AssembleIntoABulletinMenuEntryOneReads) {
  const std::string products = std::string(ORVANNE_SAMPLES) + "/products/";
  const std::string nam = products + "nam_1200.txt";
  const std::string gfs = products + "gfs_1200.txt";
  const std::string gfsx = products + "gfsx_0000.txt";
  TempDir dir;
  const std::string today = dir.Path("today.txt");
  std::ostringstream out, err;
  ASSERT_EQ(RunAssemble({{gfsx, nam, gfs}, today, ""}, out, err), 0)
      << err.str();
  EXPECT_EQ(out.str(), "");
  const std::vector<std::string> lines = Lines(err.str());
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "section 1: KBKX NAM 12/08/2026 1200 from " + nam);
  EXPECT_EQ(lines[5], "section 6: KHON GFS 12/08/2026 1200 from " + gfs);
  EXPECT_EQ(lines[11], "section 12: KFSD GFSX 12/08/2026 0000 from " + gfsx);

  EXPECT_TRUE(IsValidBulletin(today));
  StationRecords<ShortTempRecord> primaryTemp, secondaryTemp;
  StationRecords<ExtendedTempRecord> extendedTemp;
  StationRecords<ShortSkyRecord> primarySky, secondarySky;
  StationRecords<ExtendedSkyRecord> extendedSky;
  std::string error;
  ASSERT_TRUE(ReadTemperatureRows(primaryTemp, secondaryTemp, extendedTemp,
                                  today, &error))
      << error;
  ASSERT_TRUE(ReadSkyRows(primarySky, secondarySky, extendedSky, today, &error))
      << error;

  // Values read off the products by hand. KBKX under NAM: its "N/X" row,
  // the 7th, 11th, 15th and 19th of its "DPT" row, its "P12" row.
  EXPECT_EQ(primaryTemp[0].nx, (Ints4{18, 31, 16, 29}));
  EXPECT_EQ(primaryTemp[0].dpt, (Ints4{12, 12, 10, 13}));
  EXPECT_EQ(primaryTemp[0].p12, (Ints4{5, 0, 10, 35}));
  // KHON under GFS (section 6).
  EXPECT_EQ(secondaryTemp[1].nx, (Ints4{21, 34, 19, 32}));
  EXPECT_EQ(secondarySky[1].cld[0], 10);  // OV
  EXPECT_EQ(secondarySky[1].cld[2], 7);   // BK
  EXPECT_EQ(secondarySky[1].cld[6], 2);   // FW
  EXPECT_EQ(secondarySky[1].wsp[0], 13);
  EXPECT_EQ(secondarySky[1].wsp[18], 10);
  // KFSD under GFSX (section 12): columns 6 to 15 of "X/N", days 3 to 7 of
  // "P24", columns 5 to 15 of "CLD" and "WND".
  EXPECT_EQ(extendedTemp[3].xnFirst, (Ints5{13, 9, 11, 16, 19}));
  EXPECT_EQ(extendedTemp[3].xnSecond, (Ints5{26, 23, 27, 32, 34}));
  EXPECT_EQ(extendedTemp[3].p24, (Ints5{49, 15, 25, 46, 40}));
  EXPECT_EQ(extendedSky[3].cld, (Ints11{10, 10, 5, 0, 0, 5, 10, 10, 10, 5, 5}));
  EXPECT_EQ(extendedSky[3].wnd,
            (Ints11{12, 15, 17, 13, 10, 11, 14, 16, 13, 12, 11}));

  // The four stations' blocks are those of the sample bulletin, so every
  // value read is the same as from it.
  const std::string sample = std::string(ORVANNE_SAMPLES) + "/orvanne_1200.txt";
  StationRecords<ShortTempRecord> eta2, avn2;
  StationRecords<ExtendedTempRecord> ext2;
  StationRecords<ShortSkyRecord> etaSky2, avnSky2;
  StationRecords<ExtendedSkyRecord> extSky2;
  ASSERT_TRUE(ReadTemperatureRows(eta2, avn2, ext2, sample, &error));
  ASSERT_TRUE(ReadSkyRows(etaSky2, avnSky2, extSky2, sample, &error));
  EXPECT_TRUE(SameBytes(primaryTemp, eta2) && SameBytes(secondaryTemp, avn2) &&
              SameBytes(extendedTemp, ext2));
  EXPECT_TRUE(SameBytes(primarySky, etaSky2) &&
              SameBytes(secondarySky, avnSky2) &&
              SameBytes(extendedSky, extSky2));
}

}  // namespace
