// The JSON writer: string escapes, shortest float texts, commas and nesting, reuse.

#include <gtest/gtest.h>

#include <limits>

#include "cli/json_writer.h"

using glandwise::calc::JsonWriter;

namespace {

template <typename Write>
std::string written(Write write) {
  JsonWriter json;
  write(json);
  return std::string(json.text());
}

// Catches a quote, backslash or control character left raw (also after a run of plain
// text, or among the eight bytes copied at a time), UTF-8 bytes escaped or mangled;
// floats printed through double or with fixed precision (0.3f as 0.300000012), subnormals
// and exponents mishandled, a spelling other than std::to_chars's, "inf" or "nan" (not JSON); a missing or doubled comma around
// nested containers, one carried over a line end or clear(); a buffer that grows too little.
TEST(JsonWriter, WritesCompactJsonLines) {
  const std::pair<std::string, std::string> strings[] = {
      {"say \"yes\"", R"("say \"yes\"")"}, {"a\\b/c", R"("a\\b/c")"}, {"one\n\ntwo\t\r\b\f", R"("one\n\ntwo\t\r\b\f")"},
      {std::string("\0\x01\x1f", 3), R"("\u0000\u0001\u001f")"}, {"5 \xc2\xb5m \x7f", "\"5 \xc2\xb5m \x7f\""},
      {"words of eight bytes, then \"a quote\"\n", R"("words of eight bytes, then \"a quote\"\n")"},
      {"C:\\dir\\file name", R"("C:\\dir\\file name")"}};
  for (const auto& [text, literal] : strings) EXPECT_EQ(written([&](JsonWriter& json) { json.string(text); }), literal);
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const std::pair<float, std::string> numbers[] = {
      {0.0f, "0"}, {-0.0f, "-0"}, {0.3f, "0.3"}, {1.9955f, "1.9955"}, {-0.0035f, "-0.0035"}, {16777216.0f, "16777216"},
      {3.4028235e38f, "3.4028235e+38"}, {1e-45f, "1e-45"}, {1.1754944e-38f, "1.1754944e-38"}, {kInf, "null"},
      {-kInf, "null"}, {std::numeric_limits<float>::quiet_NaN(), "null"},
      // std::to_chars's forms: a whole number's exact digits, an exponent only when shorter.
      {33871888.0f, "33871888"}, {5e-4f, "5e-04"}, {1e15f, "1e+15"}, {123456.7f, "123456.7"}, {-2.5e-7f, "-2.5e-07"}};
  for (const auto& [value, text] : numbers) EXPECT_EQ(written([&](JsonWriter& json) { json.number(value); }), text);
  JsonWriter json;
  json.integer(5);
  json.clear();
  json.beginArray();
  json.beginObject();
  json.key("a");
  json.beginArray();
  json.endArray();
  json.endObject();
  json.null();
  json.string(std::string(70000, '"'));  // escaped, longer than the buffer's first room
  json.endArray();
  json.endLine();
  json.boolean(false);
  std::string quotes;
  for (int i = 0; i < 70000; ++i) quotes += "\\\"";
  EXPECT_EQ(json.text(), R"([{"a":[]},null,")" + quotes + "\"]\nfalse");
}

}  // namespace
