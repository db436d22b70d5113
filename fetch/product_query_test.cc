#include "fetch/product_query.h"

#include <gtest/gtest.h>

namespace {

TEST(ProductQueryTest, TheAddressOfOneIdOnOneDay) {
  struct Case {
    std::string_view source;
    std::string_view id;
    IssueDate day;
    std::string_view url;
  } cases[] = {
      {kProductService,
       "MAVFSD",
       {2026, 12, 8},
       "https://mesonet.agron.iastate.edu/cgi-bin/afos/retrieve.py?pil=MAVFSD&fmt=text&limit=9999&sdate=2026-12-08&edate=2026-12-09"},
      {"http://127.0.0.1:8080/r",
       "CLIHON",
       {2026, 12, 31},
       "http://127.0.0.1:8080/r?pil=CLIHON&fmt=text&limit=9999&sdate=2026-12-31&edate=2027-01-01"},
      {"https://mirror.example/get?key=1",
       "NBSBKX",
       {2028, 2, 28},
       "https://mirror.example/get?key=1&pil=NBSBKX&fmt=text&limit=9999&sdate=2028-02-28&edate=2028-02-29"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProductUrl(c.source, c.id, c.day), c.url);
}

TEST(ProductQueryTest, OnlyHttpAndHttpsAddressesWithAHost) {
  struct Case {
    std::string_view source;
    bool taken;
  } cases[] = {
      {"https://mesonet.agron.iastate.edu/cgi-bin/afos/retrieve.py", true},
      {"http://127.0.0.1:5000/", true},
      {"HTTPS://mirror.example", true},
      {"ftp://mirror.example/", false},
      {"mirror.example/retrieve.py", false},
      {"https://", false},
      {"http:///path", false},
      {"https://mirror.example/a b", false},
      {"", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsServiceAddress(c.source), c.taken) << c.source;
}

TEST(ProductQueryTest, FifteenIdsOfWhichTwelveAreGuidance) {
  int guidance = 0;
  for (const std::string& id : ProductIds()) guidance += IsGuidanceId(id);
  EXPECT_EQ(guidance, 12);
  EXPECT_EQ(ProductIds().size(), 15u);
}

}  // namespace
