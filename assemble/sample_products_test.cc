// The sample products assemble into a bulletin that menu entry 1 accepts
// and reads into the values the products hold.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string_view>

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
  ASSERT_EQ(RunAssemble({{gfsx, nam, gfs}, today, {}}, out, err), 0)
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

namespace {

// One damage to one of the sample products, in the block after `anchor`.
using namespace std::string_view_literals;

struct Damage {
  const char* what;
  std::string_view file;    // gfs_1200.txt, gfsx_0000.txt or nbs_1200.txt
  std::string_view anchor;  // where in the file the damage starts looking
  std::string_view from;
  std::string_view to;
  int status;
  const char* line;  // the first line on standard error; {} is the file
};

const Damage kDamages[] = {
    {"a row cut short", "gfs_1200.txt", "KBKX   GFS", "\n P12 ",
     "\n P12\r\r\n P19 ", 1,
     "The GFS guidance for KBKX issued 12/08/2026 at 1200 in {} is not one the 1200 Model reads: row \"P12\" of section 5 (KBKX) is missing or incomplete."},
    {"PC in a short-range cloud row", "gfs_1200.txt", "KBKX   GFS", "CLD  OV",
     "CLD  PC", 1,
     "The GFS guidance for KBKX issued 12/08/2026 at 1200 in {} is not one the 1200 Model reads: \"PC\" in row \"CLD\" of section 5 (KBKX) is not a known cloud cover word."},
    {"a NUL between values", "gfs_1200.txt", "KBKX   GFS", "WSP  12",
     "WSP  1\0"
     "2"sv,
     1,
     "The GFS guidance for KBKX issued 12/08/2026 at 1200 in {} is not one the 1200 Model reads: row \"WSP\" of section 5 (KBKX) is missing or incomplete."},
    {"a missing bar in an extended row", "gfsx_0000.txt", "KBKX   GFSX",
     "X/N  30|", "X/N  30 ", 1,
     "The GFSX guidance for KBKX issued 12/08/2026 at 0000 in {} is not one the 1200 Model reads: row \"X/N\" of section 9 (KBKX) is missing or incomplete."},
    {"a byte-order mark before the first product", "gfs_1200.txt", "", "\001",
     "\xEF\xBB\xBF\001", 0,
     "section 1: KBKX NBM 12/08/2026 1200 from {}, translated"},
};

TEST(SampleProductsTest, DamagedProductsAreRefusedWithTheReadersReason) {
  const std::string products = std::string(ORVANNE_SAMPLES) + "/products/";
  for (const Damage& damage : kDamages) {
    TempDir dir;
    std::vector<std::string> files;
    for (const char* name : {"gfs_1200.txt", "gfsx_0000.txt", "nbs_1200.txt"}) {
      std::string text = ReadFile(products + name);
      if (name == damage.file) {
        const std::size_t at = text.find(damage.from, text.find(damage.anchor));
        ASSERT_NE(at, std::string::npos) << damage.what;
        text.replace(at, damage.from.size(), damage.to);
      }
      files.push_back(dir.Path(name));
      WriteFile(files.back(), text);
    }
    std::ostringstream out, err;
    const std::string bulletin = dir.Path("b.txt");
    EXPECT_EQ(RunAssemble({files, bulletin, {}}, out, err), damage.status)
        << damage.what;
    std::string line = damage.line;
    const std::string named =
        damage.status == 0 ? files[2] : dir.Path(std::string(damage.file));
    line.replace(line.find("{}"), 2, named);
    EXPECT_EQ(Lines(err.str()).front(), line) << damage.what;
    EXPECT_EQ(std::filesystem::exists(bulletin), damage.status == 0);
  }
}

// Web copies indented with tabs, as with blanks, make the same bulletin.
TEST(SampleProductsTest, TabIndentedCopiesReadAsBlankIndentedOnes) {
  const std::string products = std::string(ORVANNE_SAMPLES) + "/products/";
  TempDir dir;
  std::vector<std::string> files;
  for (const char* name : {"gfs_1200.txt", "gfsx_0000.txt", "nbs_1200.txt"}) {
    std::string tabbed;
    for (const std::string& line : Lines(ReadFile(products + name)))
      tabbed += "\t" + line + "\n";
    files.push_back(dir.Path(name));
    WriteFile(files.back(), tabbed);
  }
  std::ostringstream out, err;
  ASSERT_EQ(RunAssemble({files, "", {}}, out, err), 0) << err.str();
  std::ostringstream plainOut, plainErr;
  ASSERT_EQ(RunAssemble({{products + "gfs_1200.txt", products + "gfsx_0000.txt",
                          products + "nbs_1200.txt"},
                         "",
                         {}},
                        plainOut, plainErr),
            0);
  // The translated sections are the same; sections taken as issued keep
  // their copy's indentation.
  EXPECT_EQ(Lines(out.str())[0], Lines(plainOut.str())[0]);
  EXPECT_EQ(Lines(out.str())[2], Lines(plainOut.str())[2]);
}

}  // namespace
