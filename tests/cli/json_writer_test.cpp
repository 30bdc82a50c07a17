#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "cli/json_writer.h"

using glandwise::calc::JsonWriter;

namespace {

std::string stringToken(std::string_view text) {
  JsonWriter json;
  json.string(text);
  return std::string(json.text());
}

std::string numberToken(float value) {
  JsonWriter json;
  json.number(value);
  return std::string(json.text());
}

struct EscapeCase {
  std::string text;
  std::string expected;  // the JSON string literal
};

class JsonWriterEscapes : public testing::TestWithParam<EscapeCase> {};

TEST_P(JsonWriterEscapes, WritesTheJsonStringLiteral) {
  EXPECT_EQ(stringToken(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, JsonWriterEscapes,
    testing::Values(EscapeCase{"", R"("")"}, EscapeCase{"plain", R"("plain")"},
                    EscapeCase{"say \"yes\"", R"("say \"yes\"")"}, EscapeCase{"a\\b", R"("a\\b")"},
                    EscapeCase{"statement\n\nquestion", R"("statement\n\nquestion")"},
                    EscapeCase{"tab\there\r", R"("tab\there\r")"}, EscapeCase{"\b\f", R"("\b\f")"},
                    EscapeCase{std::string("nul\0end", 7), R"("nul\u0000end")"},
                    EscapeCase{"\x01\x1f", R"("\u0001\u001f")"}, EscapeCase{"del\x7f", "\"del\x7f\""},
                    EscapeCase{"5 \xc2\xb5m", "\"5 \xc2\xb5m\""}, EscapeCase{"/", R"("/")"}));

TEST(JsonWriter, EveryAsciiTextReadsBackUnchanged) {
  std::string all;
  for (int c = 0; c < 128; ++c) all += static_cast<char>(c);
  EXPECT_EQ(nlohmann::json::parse(stringToken(all)).get<std::string>(), all);
}

struct NumberCase {
  float value;
  const char* expected;
};

class JsonWriterNumbers : public testing::TestWithParam<NumberCase> {};

TEST_P(JsonWriterNumbers, WritesTheShortestDecimal) {
  EXPECT_EQ(numberToken(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, JsonWriterNumbers,
                         testing::Values(NumberCase{0.0f, "0"}, NumberCase{-0.0f, "-0"}, NumberCase{0.1f, "0.1"}, NumberCase{1.9955f, "1.9955"},
                                         NumberCase{1500.0f, "1500"}, NumberCase{-0.0035f, "-0.0035"},
                                         NumberCase{std::numeric_limits<float>::infinity(), "null"},
                                         NumberCase{-std::numeric_limits<float>::infinity(), "null"},
                                         NumberCase{std::numeric_limits<float>::quiet_NaN(), "null"}));

TEST(JsonWriter, EveryFiniteFloatReadsBackToTheSameBits) {
  std::mt19937 random(20240611);
  for (int i = 0; i < 100000; ++i) {
    const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
    if (!std::isfinite(value)) continue;
    const std::string text = numberToken(value);
    const float readBack = std::strtof(text.c_str(), nullptr);
    ASSERT_EQ(std::bit_cast<std::uint32_t>(readBack), std::bit_cast<std::uint32_t>(value)) << text;
  }
}

TEST(JsonWriter, PutsCommasAndColonsBetweenNestedTokens) {
  JsonWriter json;
  json.beginObject();
  json.key("empty");
  json.beginArray();
  json.endArray();
  json.key("list");
  json.beginArray();
  json.beginObject();
  json.key("n");
  json.integer(-7);
  json.endObject();
  json.boolean(true);
  json.boolean(false);
  json.string("x");
  json.endArray();
  json.key("inner");
  json.beginObject();
  json.endObject();
  json.endObject();
  EXPECT_EQ(json.text(), R"({"empty":[],"list":[{"n":-7},true,false,"x"],"inner":{}})");
}

TEST(JsonWriter, WritesOneValuePerLine) {
  JsonWriter json;
  for (int line = 1; line <= 3; ++line) {
    json.beginObject();
    json.key("line");
    json.integer(line);
    json.endObject();
    json.endLine();
  }
  EXPECT_EQ(json.text(), "{\"line\":1}\n{\"line\":2}\n{\"line\":3}\n");
}

TEST(JsonWriter, ClearStartsAFreshText) {
  JsonWriter json;
  json.beginArray();
  json.string(std::string(100000, 'a'));  // more than the buffer's first growth
  json.endArray();
  json.clear();
  json.beginArray();
  json.integer(1);
  json.endArray();
  EXPECT_EQ(json.text(), "[1]");
}

}  // namespace
