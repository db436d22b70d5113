#include "common/markup.h"

#include <gtest/gtest.h>

namespace {

TEST(MarkupTest, EscapesWhatWouldEndAValueOrAnElement) {
  EXPECT_EQ(EscapeXml("a<b>&\"c\" 'd' \u00b0F"),
            "a&lt;b&gt;&amp;&quot;c&quot; 'd' \u00b0F");
  EXPECT_EQ(EmptyElement("rect", {{"fill", "x\"/><script>"}}),
            "<rect fill=\"x&quot;/&gt;&lt;script&gt;\"/>\n");
  EXPECT_EQ(TextElement("text", {{"x", "1.0"}}, "R&D <1>"),
            "<text x=\"1.0\">R&amp;D &lt;1&gt;</text>\n");
}

TEST(MarkupTest, NumbersHaveFixedDecimals) {
  const struct {
    double value;
    int decimals;
    const char* written;
  } cases[] = {
      {12.345, 1, "12.3"},         {12.35, 0, "12"},        {-3.25, 2, "-3.25"},
      {-0.04, 1, "0.0"},           {-0.0, 0, "0"},          {0.5, 2, "0.50"},
      {1234567.0, 1, "1234567.0"}, {2.0 / 3.0, 3, "0.667"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Fixed(c.value, c.decimals), c.written) << c.value;
}

}  // namespace
