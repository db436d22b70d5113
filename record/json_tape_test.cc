#include "record/json_tape.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(JsonTapeTest, ReadsValuesAsTheLibraryDoes) {
  const std::string text =
      "{\"a\": [1, -0, 2.5, \"x\", null, true, []],\n"
      " \"b\": {\"c\": 1E2, \"d\": -12.125e-1},\t\"a\": 7}";
  JsonTape tape;
  ASSERT_TRUE(tape.Read(text));
  const JsonValue root = tape.Root();
  ASSERT_TRUE(root.is_object());
  EXPECT_EQ(root.size(), 3u);  // members as written, the twice-written too
  // The last of a twice-written member is the one found.
  const JsonValue a = root.find("a");
  ASSERT_TRUE(a != root.end());
  EXPECT_TRUE(a->is_number_integer());
  EXPECT_EQ(a->get<int>(), 7);
  EXPECT_FALSE(root.contains("z"));
  const JsonValue b = root.find("b");
  ASSERT_TRUE(b->is_object());
  EXPECT_TRUE(b->find("c")->is_number());
  EXPECT_FALSE(b->find("c")->is_number_integer());
  EXPECT_EQ(b->find("c")->get<double>(), 100.0);
  EXPECT_EQ(b->find("d")->get<double>(), -1.2125);

  ASSERT_TRUE(tape.Read("[1, -0, 2.5, \"x\", null, true, [3, 4]]"));
  const JsonValue list = tape.Root();
  ASSERT_TRUE(list.is_array());
  ASSERT_EQ(list.size(), 7u);
  EXPECT_EQ(list[1].get<int>(), 0);
  EXPECT_EQ(list[2].get<double>(), 2.5);
  EXPECT_EQ(list[3].get<std::string>(), "x");
  EXPECT_TRUE(list[4].is_null());
  EXPECT_FALSE(list[5].is_number());
  EXPECT_EQ(list.back().size(), 2u);
  EXPECT_EQ(list.back().back().get<int>(), 4);
  int elements = 0;
  for (const JsonValue& element : list) elements += element.is_number() ? 1 : 0;
  EXPECT_EQ(elements, 3);
}

// What is no JSON, and what the tape leaves to the library, is refused.
TEST(JsonTapeTest, RefusesWhatItDoesNotTake) {
  const std::string deep = std::string(33, '[') + std::string(33, ']');
  const char* cases[] = {
      "",           "  ",           "{",           "[1,]",
      "{\"a\" 1}",  "{\"a\": 1,}",  "{1: 2}",      "01",
      "1.",         "-",            ".5",          "1e",
      "[1] x",      "tru",          "\"open",      "\"a\\\"b\"",
      "\"\xC3\xA9\"", "\xEF\xBB\xBF{}", "\"tab\there\"",
      "1234567890123456789",        "1e400",       "1e-400",
  };
  JsonTape tape;
  for (const char* text : cases) EXPECT_FALSE(tape.Read(text)) << text;
  EXPECT_FALSE(tape.Read(deep));
  EXPECT_TRUE(tape.Read(deep.substr(1, 31) + deep.substr(34, 31)));
  EXPECT_TRUE(tape.Read("123456789012345678"));
  EXPECT_TRUE(tape.Read("-1.5e+300"));
}

}  // namespace
