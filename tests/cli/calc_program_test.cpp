// The built glandwise-calc, run as a user runs it.

#include <gtest/gtest.h>

#include "calc_output_lines.h"

using calc_test::kCalc;
using calc_test::runShell;

const std::string kSamples = "'" GLANDWISE_CALC_SAMPLES "' ";

// Catches lines lost, reordered or misnumbered (line 3 is blank), a file or standard input
// not read to its end, and an exit status that does not tell a clean run from one with
// unusable lines or from a command line that cannot be used (a rule file that is a device
// or not a rule file): all that a script sees.
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
                                              {kCalc + "/nonexistent/inputs.jsonl", 2},
                                              {kCalc + "--rules /dev/null < /dev/null", 2},
                                              {kCalc + "--rules '" GLANDWISE_CALC_SAMPLES "' < /dev/null", 2}};
  for (const auto& [commandLine, status] : runs) EXPECT_EQ(runShell(commandLine).first, status) << commandLine;
  const std::string help = runShell(kCalc + "--help").second;
  for (const char* topic : {"EXIT STATUS", "unusable arguments", "could not be written", "1 MiB", "\"review\"",
                            "\"cross_section\"", "\"outcome\": \"error\"", "--format csv", "FIELDS", "PROGRESS",
                            "DESIGN RULES", "--rules", "review-rules.csv"})
    EXPECT_NE(help.find(topic), std::string::npos) << topic;
}

// Catches output that cannot be written taken for success (a full disk, a closed standard
// output, a reader gone), a program killed by SIGPIPE, an input that cannot be read (a
// folder, a closed standard input, the output file itself) or an AS568 table that is not one
// (endless) taken for an empty one or read without end: each says so in one line and ends
// with its status. An over-long line must give its error object, not be held whole or end
// the run.
TEST(Program, StopsLoudlyWhenItsOutputFailsAndRefusesOverLongLines) {
  const std::string calc = "\"" GLANDWISE_CALC_PROGRAM "\" ", samples = "\"" GLANDWISE_CALC_SAMPLES "\" ";
  const std::string copy = ::testing::TempDir() + "glandwise_self.jsonl";
  const std::tuple<std::string, int, std::string> failures[] = {
      {calc + samples + "2>&1 >/dev/full", 3, "cannot write the output: No space left on device"},
      {calc + samples + "2>&1 >&-", 3, "cannot write the output: Bad file descriptor"},
      {"{ yes {} | head -n 100000 | " + calc + "2>&3 | head -c 1 >/dev/null; } 3>&1", 3,
       "cannot write the output: Broken pipe"},
      {calc + "--help 2>&1 >/dev/full", 3, "cannot write the output: No space left on device"},
      {calc + "/ 2>&1", 2, "cannot read /: Is a directory"},
      {calc + "2>&1 <&-", 2, "cannot read standard input: Bad file descriptor"},
      {"cp " + samples + copy + " && " + calc + copy + " 2>&1 >>" + copy, 2,
       copy + " is also the output file: the run would read back its own output"},
      {calc + "--as568-table /dev/zero 2>&1 </dev/null", 2,
       "cannot read the AS568 table /dev/zero: it is longer than 1048576 bytes, which no such table is"}};
  for (const auto& [commandLine, status, message] : failures)
    EXPECT_EQ(runShell("bash -o pipefail -c '" + commandLine + "'"), std::pair(status, "glandwise-calc: " + message + "\n"))
        << commandLine;
  std::remove(copy.c_str());
  const auto [status, output] =
      runShell("{ echo '{}'; head -c 1572864 /dev/zero | tr '\\0' ' '; echo; echo '{}'; } | " + kCalc);
  const std::vector<nlohmann::json> objects = calc_test::jsonLines(output);
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[1]["message"], "line 2: longer than 1048576 bytes (1572864 bytes)");
  EXPECT_EQ(objects[2]["line"], 3);
  EXPECT_EQ(status, 1);
}
