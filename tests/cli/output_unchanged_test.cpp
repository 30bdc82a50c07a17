// The JSON output of the sample inputs, every results line reviewed, against the output kept
// in sample_output.jsonl: every key, text and value in order, each number read as a 32-bit
// float, so that only the spelling of a number may change.

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "calc_output_lines.h"
#include "cli/calc_batch.h"
#include "model/as568.h"
#include "model/review_rules.h"

namespace {

using namespace glandwise;
using Json = nlohmann::ordered_json;  // keeps the keys in the order written

// The first difference between the values `kept` and `now` at `place` ("line 4: record.PDM"):
// where it lies, what was kept and what is written now; empty when they are the same.
std::string firstDifference(const Json& kept, const Json& now, const std::string& place) {
  const bool same = kept.is_number() && now.is_number() ? kept.get<float>() == now.get<float>() : kept == now;
  if (same) return "";
  if (kept.type() != now.type() || kept.size() != now.size() || !kept.is_structured())
    return place + " was " + kept.dump() + ", now " + now.dump();
  auto k = kept.begin();
  for (auto n = now.begin(); n != now.end(); ++k, ++n) {
    if (kept.is_object() && k.key() != n.key()) return place + " has the key \"" + n.key() + "\" where \"" + k.key() + "\" was";
    const std::string part = kept.is_object() ? k.key() : std::to_string(n - now.begin());
    if (std::string difference = firstDifference(*k, *n, place + (place.ends_with(':') ? " " : ".") + part);
        !difference.empty())
      return difference;
  }
  return "";
}

std::vector<std::string> linesOf(std::istream&& text) {
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

// Catches any change to the default output beyond a number's spelling: a key lost, added,
// renamed or moved, a text changed, a number that reads back to another 32-bit float.
TEST(Output, UnchangedButForTheSpellingOfNumbers) {
  const As568Load table = As568Table::load(GLANDWISE_AS568_TABLE);
  // Named as the command below names it, so that the output is the same in every checkout.
  std::ostringstream rulesText;
  rulesText << std::ifstream(GLANDWISE_REVIEW_RULES).rdbuf();
  const RuleLoad rules = RuleSet::parse(rulesText.str(), "data/review-rules.csv");
  calc::BatchOptions options;
  options.threads = 2;
  options.session.as568 = &*table.table;
  options.session.rules = &*rules.rules;
  options.session.review = true;
  std::ifstream in(GLANDWISE_CALC_SAMPLES);
  std::ostringstream out;
  calc_test::runBatchOrStop(in, out, options);
  const std::vector<std::string> kept = linesOf(std::ifstream(GLANDWISE_CALC_SAMPLE_OUTPUT));
  const std::vector<std::string> now = linesOf(std::istringstream(out.str()));
  for (std::size_t i = 0; i < std::max(kept.size(), now.size()); ++i) {
    const std::string line = "output line " + std::to_string(i + 1) + ":";
    const std::string difference = i >= now.size()    ? line + " missing"
                                   : i >= kept.size() ? line + " new"
                                                      : firstDifference(Json::parse(kept[i]), Json::parse(now[i]), line);
    ASSERT_EQ(difference, "") << "If the change is meant, keep the new output (in the source folder): glandwise-calc "
                                 "--review --rules data/review-rules.csv tests/cli/sample_inputs.jsonl > "
                                 "tests/cli/sample_output.jsonl";
  }
}

}  // namespace
