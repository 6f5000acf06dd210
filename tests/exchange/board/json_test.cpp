#include "exchange/board/json.h"

#include <gtest/gtest.h>

namespace quillon::board {
namespace {

TEST(BoardJson, StringsAreEscapedSoThatTheyCannotCloseAScript) {
  EXPECT_EQ(json_string("Ann \"Al\" O'Neil"), R"("Ann \"Al\" O'Neil")");
  EXPECT_EQ(json_string("</script>&"), R"("\u003c/script\u003e\u0026")");
  EXPECT_EQ(json_string(std::string("a\\b\n\x01", 5)), R"("a\\b\n\u0001")");
  EXPECT_EQ(json_string("Zoë"), "\"Zoë\"");
}

TEST(BoardJson, AFlatObjectOfNumbersAndTextsIsRead) {
  auto body = parse_flat_object(R"( {"golfer": 2, "hole" :17,"score":"X", "was": -1} )");
  ASSERT_TRUE(body);
  EXPECT_EQ(body->size(), 4u);
  EXPECT_TRUE(body->at("golfer").is_number);
  EXPECT_EQ(body->at("golfer").number, 2);
  EXPECT_EQ(body->at("hole").number, 17);
  EXPECT_FALSE(body->at("score").is_number);
  EXPECT_EQ(body->at("score").text, "X");
  EXPECT_EQ(body->at("was").number, -1);
  EXPECT_TRUE(parse_flat_object("{}"));
  EXPECT_EQ(parse_flat_object(R"({"a":"q\"\\"})")->at("a").text, "q\"\\");
}

TEST(BoardJson, AnythingElseIsRefused) {
  for (const char* text : {"", "[]", "{", "{\"a\":1", "{\"a\":1,}", "{\"a\":1} x", "{\"a\":{}}", "{\"a\":[1]}",
                           "{\"a\":1.5}", "{\"a\":1e3}", "{\"a\":true}", "{\"a\":null}", "{a:1}", "{\"a\":1,\"a\":2}",
                           "{\"a\":1234567890}", "{\"a\":\"\\u0041\"}", "{\"a\":\"tab\there\"}"})
    EXPECT_FALSE(parse_flat_object(text)) << text;
}

}  // namespace
}  // namespace quillon::board
