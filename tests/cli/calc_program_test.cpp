// The built glandwise-calc, run as a user runs it.

#include <gtest/gtest.h>

#include "calc_output_lines.h"

using calc_test::kCalc;
using calc_test::runShell;

const std::string kSamples = "'" GLANDWISE_CALC_SAMPLES "' ";

// Catches lines lost, reordered or misnumbered (line 3 is blank), a file or standard input
// not read to its end, and an exit status that does not tell a clean run from one with
// unusable lines or from a command line that cannot be used: all that a script sees.
TEST(Program, WorksEverySampleLineInOrderAndExitsWithItsStatus) {
  for (const std::string& commandLine : {kCalc + kSamples, kCalc + "- < " + kSamples}) {
    const auto [status, output] = runShell(commandLine);
    std::string outcomes;
    for (nlohmann::json object : calc_test::jsonLines(output)) {
      const std::string line = std::to_string(object["line"].get<int>());
      outcomes += line + object["outcome"].get<std::string>().substr(0, 3) + " ";
      const bool error = object["outcome"] == "error";
      EXPECT_TRUE(!error || object["message"].get<std::string>().starts_with("line " + line + ": ")) << line;
    }
    EXPECT_EQ(outcomes, "1res 2res 4ref 5ref 6ref 7ref 8ref 9ref 10ref 11ref 12err 13err 14err 15err 16err 17err "
                        "18sta 19res 20res 21ref 22ref 23res ") << commandLine;
    EXPECT_EQ(status, 1) << commandLine;  // some sample lines are unusable
  }
  const std::pair<std::string, int> runs[] = {{"head -n 3 " + kSamples + "| " + kCalc + "-j 2", 0},
                                              {kCalc + "< /dev/null", 0}, {kCalc + "--help", 0},
                                              {kCalc + "--bogus < /dev/null", 2},
                                              {kCalc + "/nonexistent/inputs.jsonl", 2}};
  for (const auto& [commandLine, status] : runs) EXPECT_EQ(runShell(commandLine).first, status) << commandLine;
  const std::string help = runShell(kCalc + "--help").second;
  for (const char* topic : {"EXIT STATUS", "unusable arguments", "\"cross_section\"", "\"outcome\": \"error\""})
    EXPECT_NE(help.find(topic), std::string::npos) << topic;
}
