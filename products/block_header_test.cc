#include "products/block_header.h"

#include <gtest/gtest.h>

namespace {

TEST(BlockHeaderTest, RecognisesTheSevenWordHeaderOfEachModelWord) {
  struct Case {
    const char* line;
    const char* station;
    const char* model;
    Guidance guidance;
    const char* date;
    const char* cycle;
  };
  const Case cases[] = {
      {"KBKX   NAM MOS GUIDANCE   12/08/2026  1200 UTC", "KBKX", "NAM",
       Guidance::kNam, "12/08/2026", "1200"},
      {"KHON ETA MOS GUIDANCE 8/12/2017 0000 UTC", "KHON", "ETA",
       Guidance::kNam, "8/12/2017", "0000"},
      {"KMHE   GFS MOS GUIDANCE   12/08/2026  1800 UTC  ", "KMHE", "GFS",
       Guidance::kGfs, "12/08/2026", "1800"},
      {"KFSD\tAVN MOS GUIDANCE 09/01/2020 0600 UTC", "KFSD", "AVN",
       Guidance::kGfs, "09/01/2020", "0600"},
      {"KTVK   GFSX MOS GUIDANCE   9/01/2020  0000 UTC", "KTVK", "GFSX",
       Guidance::kGfsx, "9/01/2020", "0000"},
      {"K1V4 MRF MOS GUIDANCE 9/01/2020 1200 UTC", "K1V4", "MRF",
       Guidance::kGfsx, "9/01/2020", "1200"},
      {"KBKX   NBM V4.0 NBS GUIDANCE   12/08/2026  1200 UTC", "KBKX", "NBM",
       Guidance::kNbm, "12/08/2026", "1200"},
  };
  for (const Case& c : cases) {
    BlockHeader header;
    ASSERT_TRUE(RecognizeHeader(c.line, &header)) << c.line;
    EXPECT_EQ(header.station, c.station);
    EXPECT_EQ(header.model, c.model);
    EXPECT_EQ(header.guidance, c.guidance);
    EXPECT_EQ(header.dateWord, c.date);
    EXPECT_EQ(header.cycle, c.cycle);
  }
}

TEST(BlockHeaderTest, AnythingElseIsNoHeader) {
  for (const char* line : {
           "",
           "KBKX   NAM MOS GUIDANCE   12/08/2026  1200",  // six words
           "KBKX   NAM MOS GUIDANCE   12/08/2026  1200 UTC X",
           "KBKX   NBM MOS GUIDANCE   12/08/2026  1200 UTC",
           "KBKX   nam MOS GUIDANCE   12/08/2026  1200 UTC",
           "kbkx   NAM MOS GUIDANCE   12/08/2026  1200 UTC",
           "K   NAM MOS GUIDANCE   12/08/2026  1200 UTC",
           "KBKX   NAM MOS FORECAST   12/08/2026  1200 UTC",
           "KBKX   NAM XYZ GUIDANCE   12/08/2026  1200 UTC",
           "KBKX   NAM MOS GUIDANCE   13/08/2026  1200 UTC",
           "KBKX   NAM MOS GUIDANCE   12/08/2026  120 UTC",
           "KBKX   NAM MOS GUIDANCE   12/08/2026  12:00 UTC",
           "KBKX   NAM MOS GUIDANCE   12/08/2026  1200 GMT",
           "\x1eKBKX   NAM MOS GUIDANCE   12/08/2026  1200 UTC",
           "KBKX NBM NBS GUIDANCE 12/08/2026 1200 UTC",  // no version
           "KBKX NBM V4.0 MOS GUIDANCE 12/08/2026 1200 UTC",
           "KBKX NBM V4.0 NBS GUIDANCE 12/08/2026 1200 UTC X",
           " N/X                  18          31          16",
       }) {
    BlockHeader header;
    EXPECT_FALSE(RecognizeHeader(line, &header)) << line;
  }
}

}  // namespace
