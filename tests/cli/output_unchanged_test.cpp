// The JSON output of the sample inputs and of 10,000 generated lines, against a digest of
// the output before the writer was made faster: every key, text and value in order, each
// number read as a 32-bit float, so that only the spelling of a number may change.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "cli/calc_batch.h"
#include "model/as568.h"
#include "model/review_rules.h"

namespace {

using namespace glandwise;

// 10,000 input lines of every kind, the same on every machine: both gland types, every
// cross-section, stretched and squeezed seals in and out of the limits, edits, answers,
// refused and unusable lines, AS568 sizes and design reviews.
std::string generatedLines() {
  std::minstd_rand random(1);
  const auto pick = [&](double low, double high) { return low + (high - low) * double(random() - 1) / 2147483645.0; };
  const char* sections[] = {"0.070", "0.103", "0.139", "0.210", "0.275"};
  const double grooveOffsets[] = {0.102, 0.164, 0.224, 0.343, 0.455};
  std::string lines;
  char text[512];
  for (int i = 0; i < 10000; ++i) {
    const int s = i % 5;
    const bool rod = i % 2 == 0;
    const double typed = pick(0.3, 8);
    const double seal = (rod ? typed - grooveOffsets[s] : typed) / (1 + pick(-1, 30) / 100);
    std::snprintf(text, sizeof text,
                  R"({"cross_section": "%s", "gland": "%s", "seal_id": "%.4f", )"
                  R"("%s": "%.4f", "pressure": "%s")",
                  sections[s], rod ? "rod" : "housing", seal, rod ? "housing" : "rod", typed,
                  i % 53 == 7 ? "abc" : std::to_string(int(pick(1, 1500))).c_str());
    lines += i % 97 == 13 ? R"({"as568": "-214", "gland": "rod", "housing": "1.25")" : text;
    if (i % 7 == 3) lines += R"(, "edits": {"txtECC": ")" + std::to_string(pick(0, 0.01)) + "\"}";
    else if (i % 3 == 1)  // a groove from much too shallow to much too deep
      lines += std::string(R"(, "edits": {"txtGD)") + (rod ? "M" : "F") + "\": \"" +
               std::to_string(typed + (rod ? -1 : 1) * grooveOffsets[s] * pick(0.5, 1.3)) + "\"}";
    if (i % 11 == 5) lines += R"(, "answers": ["no", "yes"])";
    else if (i % 13 == 6) lines += R"(, "answers": ["yes"])";
    if (i % 89 == 1)
      lines += R"(, "review": {"hardness": 80, "temp_min_f": -20, "temp_max_f": 180, "swell_percent": 10})";
    lines += i % 101 == 50 ? ", \"bogus\": 1}\n" : "}\n";
  }
  return lines;
}

// Reads JSON into a text of its tokens with every number as the bits of the 32-bit float
// that its text reads back to, and hashes it (FNV-1a).
class OutputDigest : public nlohmann::json_sax<nlohmann::json> {
 public:
  std::uint64_t value() const { return hash_; }
  bool null() override { return token('z', ""); }
  bool boolean(bool value) override { return token('b', value ? "1" : "0"); }
  bool number_integer(number_integer_t value) override { return number(static_cast<float>(value)); }
  bool number_unsigned(number_unsigned_t value) override { return number(static_cast<float>(value)); }
  bool number_float(number_float_t, const string_t& text) override {
    float value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return number(value);
  }
  bool string(string_t& text) override { return token('s', text); }
  bool binary(binary_t&) override { return false; }
  bool start_object(std::size_t) override { return token('{', ""); }
  bool key(string_t& name) override { return token('k', name); }
  bool end_object() override { return token('}', ""); }
  bool start_array(std::size_t) override { return token('[', ""); }
  bool end_array() override { return token(']', ""); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

 private:
  bool number(float value) {
    char bits[sizeof value];
    std::memcpy(bits, &value, sizeof value);
    return token('n', {bits, sizeof bits});
  }
  bool token(char kind, std::string_view text) {
    add(kind);
    for (char c : text) add(c);
    add('\0');
    return true;
  }
  void add(char c) { hash_ = (hash_ ^ static_cast<unsigned char>(c)) * 0x100000001b3; }
  std::uint64_t hash_ = 0xcbf29ce484222325;
};

std::uint64_t digestOfOutput(const std::string& input) {
  const As568Load table = As568Table::load(GLANDWISE_AS568_TABLE);
  const RuleLoad rules = RuleSet::load(GLANDWISE_REVIEW_RULES);
  calc::BatchOptions options;
  options.threads = 2;
  options.session.as568 = &*table.table;
  options.session.rules = &*rules.rules;
  std::istringstream in(input);
  std::ostringstream out;
  calc::runBatch(in, out, options);
  OutputDigest digest;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) EXPECT_TRUE(nlohmann::json::sax_parse(line, &digest)) << line;
  return digest.value();
}

// Catches any change to the default output beyond a number's spelling: a key lost, added,
// renamed or moved, a text changed, a number that reads back to another 32-bit float.
TEST(Output, UnchangedButForTheSpellingOfNumbers) {
  std::stringstream samples;
  samples << std::ifstream(GLANDWISE_CALC_SAMPLES).rdbuf();
  EXPECT_EQ(digestOfOutput(samples.str()), 1482952321575231284u);
  EXPECT_EQ(digestOfOutput(generatedLines()), 10753798427778529806u);
}

}  // namespace
