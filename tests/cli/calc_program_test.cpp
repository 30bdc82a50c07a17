// The built glandwise-calc program, run as a user runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

using Json = nlohmann::json;

namespace {

struct ProgramRun {
  int exitStatus = -1;
  std::string output;  // standard output
};

// Runs a shell command line and collects its standard output and exit status.
ProgramRun run(const std::string& commandLine) {
  ProgramRun result;
  FILE* pipe = popen(commandLine.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) result.output.append(buffer.data(), n);
  const int status = pclose(pipe);
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

std::string program(const std::string& arguments) {
  return quoted(GLANDWISE_CALC_PROGRAM) + " " + arguments + " 2>/dev/null";
}

std::vector<Json> objects(const std::string& output) {
  std::vector<Json> result;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) result.push_back(Json::parse(line));
  return result;
}

// A file in the temporary directory that is removed at the end of the test.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& content)
      : path_(std::filesystem::temp_directory_path() /
              ("glandwise_calc_" + std::to_string(::getpid()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name() + ".jsonl")) {
    std::ofstream(path_) << content;
  }
  ~TemporaryFile() { std::filesystem::remove(path_); }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

struct SampleLine {
  int line;
  const char* outcome;
  const char* screen;          // empty for an error
  const char* firstMessage;    // text of the first message, or the error message
  std::size_t messageCount;
};

// What each line of sample_inputs.jsonl comes to (line 3 is blank).
const std::vector<SampleLine> kSampleLines{
    {1, "results", "results", "", 0},
    {2, "results", "results", "", 0},
    {4, "refused", "selection", "Select cross-section diameter.", 1},
    {5, "refused", "selection", "Select gland type.", 1},
    {6, "refused", "selection", "Enter numeric values only.", 1},
    {7, "refused", "selection", "Enter rod  diameter.", 1},
    {8, "refused", "selection", "Enter housing diameter.", 1},
    {9, "refused", "selection", "Seal inside diameter should be > 0 inch", 1},
    {10, "refused", "selection", "Pressure should be > 0 psi and < = 1500 psi", 1},
    {11, "refused", "selection", "Calculation shows seal inside diameter  1.05  > 1  rod  diameter.", 1},
    {12, "error", "", "line 12: not valid JSON at byte 43: ", 0},
    {13, "error", "", "line 13: not a JSON object but array", 0},
    {14, "error", "", "line 14: \"cross_section\" must be a string, not number", 0},
    {15, "error", "", "line 15: \"txtBDF\" in \"edits\" is not a box of the rod-groove editor", 0},
    {16, "error", "", "line 16: answer 1 must be \"yes\" or \"no\"", 0},
    {17, "error", "", "line 17: unknown field \"sealid\"", 0},
    {18, "stayed", "editor", "      Caution ! Stretch  is  10 %   >  5 %.\n\n          Do you want to edit dimensions ?", 2},
    {19, "results", "results", "      Caution ! Stretch  is  30 %   >  5 %.\n\n          Do you want to edit dimensions ?", 2},
    {20, "results", "results",
     "     Caution ! Interference in rod and bore dimensions. Check values.\n\n"
     "                           Do you want to edit dimensions ?",
     4},
    {21, "refused", "editor", "Groove diameter should be > Bore diameter.", 1},
    {22, "refused", "editor", "Calculation shows seal nominal diameter  2.039  > 1.995  rod  diameter  ", 1},
    {23, "results", "results", "", 0},
};

TEST(Program, WorksEverySampleLineAndExitsWithOneForTheBrokenOnes) {
  const ProgramRun result = run(program(quoted(GLANDWISE_CALC_SAMPLES)));
  EXPECT_EQ(result.exitStatus, 1);
  const std::vector<Json> output = objects(result.output);
  ASSERT_EQ(output.size(), kSampleLines.size());
  for (std::size_t i = 0; i < output.size(); ++i) {
    const SampleLine& expected = kSampleLines[i];
    const Json& object = output[i];
    SCOPED_TRACE("line " + std::to_string(expected.line));
    EXPECT_EQ(object["line"], expected.line);
    EXPECT_EQ(object["outcome"], expected.outcome);
    if (std::string(expected.outcome) == "error") {
      EXPECT_TRUE(object["message"].get<std::string>().starts_with(expected.firstMessage)) << object["message"];
      EXPECT_EQ(object.size(), 3u);
      continue;
    }
    EXPECT_EQ(object["screen"], expected.screen);
    ASSERT_EQ(object["messages"].size(), expected.messageCount);
    if (expected.messageCount > 0) {
      EXPECT_EQ(object["messages"][0]["text"], expected.firstMessage);
    }
    EXPECT_EQ(object.contains("sheet"), std::string(expected.outcome) == "results");
  }
}

// The output object of input line `line`.
const Json& lineOutput(const std::vector<Json>& output, int line) {
  static const Json kMissing;
  for (const Json& object : output)
    if (object["line"] == line) return object;
  ADD_FAILURE() << "no output for line " << line;
  return kMissing;
}

TEST(Program, ReportsExactFiguresAndBeeps) {
  const std::vector<Json> output = objects(run(program(quoted(GLANDWISE_CALC_SAMPLES))).output);
  const Json& rodGroove = lineOutput(output, 1);
  EXPECT_EQ(rodGroove["record"]["PDM"].get<float>(), 1.9955f);
  EXPECT_EQ(rodGroove["record"]["GDM"].get<float>(), 1.776f);
  EXPECT_EQ(rodGroove["record"]["GW"], "0.187 to 0.192");
  EXPECT_EQ(rodGroove["sheet"]["lblF80MV"], "38.7 Lbs");
  const Json& housingGroove = lineOutput(output, 2);
  EXPECT_EQ(housingGroove["record"]["BDF"].get<float>(), 0.5035f);
  EXPECT_EQ(housingGroove["record"]["GDF"].get<float>(), 0.602f);
  EXPECT_EQ(housingGroove["record"]["GW"], "0.093 to  0.098");
  EXPECT_EQ(lineOutput(output, 4)["messages"][0],
            Json::parse(R"({"kind": "refusal", "text": "Select cross-section diameter.", "beep": true})"));
  EXPECT_EQ(lineOutput(output, 11)["messages"][0]["beep"], false);  // the seal fit check does not beep
  EXPECT_EQ(lineOutput(output, 18)["record"]["Answer"], 6);
  const Json& notice = lineOutput(output, 19)["messages"][1];
  EXPECT_EQ(notice["kind"], "notice");
  EXPECT_EQ(notice["beep"], true);
  const Json& interference = lineOutput(output, 20);
  for (int i = 1; i < 4; ++i) {
    EXPECT_EQ(interference["messages"][i]["kind"], "notice");
    EXPECT_EQ(interference["messages"][i]["beep"], false);
  }
  EXPECT_EQ(interference["record"]["Answer"], 7);
  EXPECT_EQ(lineOutput(output, 22)["record"]["PDM"].get<float>(), 1.995f);  // rounded by the seal-size check
  EXPECT_EQ(lineOutput(output, 23)["record"]["PR"].get<float>(), 1500.0f);
}

TEST(Program, ReadsStandardInputWithoutAFileOrWithADash) {
  const std::string fromFile = run(program(quoted(GLANDWISE_CALC_SAMPLES))).output;
  const ProgramRun noArgument = run(program("< " + quoted(GLANDWISE_CALC_SAMPLES)));
  const ProgramRun dash = run(program("- < " + quoted(GLANDWISE_CALC_SAMPLES)));
  EXPECT_EQ(noArgument.output, fromFile);
  EXPECT_EQ(noArgument.exitStatus, 1);
  EXPECT_EQ(dash.output, fromFile);
  EXPECT_EQ(dash.exitStatus, 1);
}

TEST(Program, ExitsWithZeroWhenEveryLineIsProcessed) {
  const TemporaryFile input(
      "{}\n\n{\"cross_section\": \"0.070\", \"gland\": \"housing\", \"seal_id\": \"0.5\", \"rod\": \"0.5\"}\n");
  const ProgramRun result = run(program(quoted(input.path())));
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(objects(result.output).size(), 2u);
}

TEST(Program, EmptyInputGivesNoOutputAndExitsWithZero) {
  const ProgramRun result = run(program("< /dev/null"));
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.output, "");
}

struct ArgumentsCase {
  const char* arguments;
  int exitStatus;
};

class Arguments : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(Arguments, GiveTheirExitStatus) {
  EXPECT_EQ(run(program(GetParam().arguments) + " < /dev/null").exitStatus, GetParam().exitStatus)
      << GetParam().arguments;
}

INSTANTIATE_TEST_SUITE_P(
    Usable, Arguments,
    testing::Values(ArgumentsCase{"--help", 0}, ArgumentsCase{"-h", 0}, ArgumentsCase{"--threads 1", 0},
                    ArgumentsCase{"-j 3 -", 0}));

INSTANTIATE_TEST_SUITE_P(
    Unusable, Arguments,
    testing::Values(ArgumentsCase{"--bogus", 2}, ArgumentsCase{"/nonexistent/inputs.jsonl", 2},
                    ArgumentsCase{"/", 2}, ArgumentsCase{"a.jsonl b.jsonl", 2}, ArgumentsCase{"--threads 0", 2},
                    ArgumentsCase{"--threads many", 2}));

TEST(Program, HelpExplainsInputOutputAndExitStatus) {
  const std::string help = run(program("--help")).output;
  for (const char* topic : {"cross_section", "gland", "seal_id", "rod", "housing", "pressure", "edits", "answers",
                            "outcome", "screen", "messages", "record", "sheet", "\"error\"", "EXIT STATUS", "EXAMPLE"})
    EXPECT_NE(help.find(topic), std::string::npos) << topic;
}

}  // namespace
