#include "fetch/fetched_product.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "tests/temp_dir.h"

namespace {

TEST(FetchedProductTest, ProductsKilobytesAndTheNotIssuedAnswer) {
  EXPECT_EQ(CountProducts("\x01\n000 \nA\n\x03\n\x01\r\nB\n\x03\n\x01\n"), 3);
  EXPECT_EQ(CountProducts(" \x01\nx\x01\n\x01\x01\n"), 0);
  EXPECT_EQ(KilobytesOf(0), 0u);
  EXPECT_EQ(KilobytesOf(1), 1u);
  EXPECT_EQ(KilobytesOf(1024), 1u);
  EXPECT_EQ(KilobytesOf(1025), 2u);
  EXPECT_TRUE(IsNotIssuedAnswer("ERROR: Could not Find: CLIHON\n"));
  EXPECT_FALSE(IsNotIssuedAnswer("\x01\nERROR: Could not Find:\n"));
}

// 2026-12-08 00:00:00 UTC as a count of seconds since 1970.
constexpr long long kDayStart = 1796688000;

TEST(FetchedProductTest, FinalWhenWrittenAfterItsDayEnded) {
  const IssueDate day{2026, 12, 8};
  struct Case {
    long long writtenAt;  // seconds since 1970
    bool final;
  } cases[] = {
      {kDayStart + 16 * 3600, false},
      {kDayStart + 86399, false},
      {kDayStart + 86400, true},
      {kDayStart + 40 * 86400, true},
  };
  TempDir dir;
  const std::string path = dir.Path("MAVFSD.txt");
  EXPECT_FALSE(IsFinal(path, day));
  WriteFile(path, "\x01\n");
  for (const Case& c : cases) {
    const auto at = std::chrono::sys_seconds{std::chrono::seconds{c.writtenAt}};
    std::filesystem::last_write_time(path,
                                     std::chrono::file_clock::from_sys(at));
    EXPECT_EQ(IsFinal(path, day), c.final) << c.writtenAt;
  }
}

}  // namespace
