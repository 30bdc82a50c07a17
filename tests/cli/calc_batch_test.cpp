#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_batch.h"
#include "model/record.h"

using glandwise::calc::BatchOptions;
using glandwise::calc::BatchSummary;
using glandwise::calc::runBatch;
using Json = nlohmann::json;

namespace {

struct BatchRun {
  std::vector<Json> objects;  // the output, one object per line
  std::string text;           // the output as written
  BatchSummary summary;
};

BatchRun batch(const std::string& input, unsigned threads = 1) {
  std::istringstream in(input);
  std::ostringstream out;
  BatchRun run;
  run.summary = runBatch(in, out, BatchOptions{threads});
  run.text = out.str();
  std::istringstream lines(run.text);
  for (std::string line; std::getline(lines, line);) run.objects.push_back(Json::parse(line));
  return run;
}

// Input lines that cycle through both gland types, all cross-sections, edits, answers,
// refusals and unusable lines.
std::string variedInput(int count) {
  const std::vector<std::string> sections{"0.070", "0.103", "0.139", "0.210", "0.275"};
  std::string input;
  for (int i = 0; i < count; ++i) {
    const bool rod = i % 2 == 0;
    const double typed = 1.0 + 0.01 * (i % 300);
    const double seal = (rod ? typed - 0.5 : typed) / (1.0 + 0.001 * (i % 97));
    if (i % 31 == 7) {
      input += "{not json\n";
    } else if (i % 29 == 3) {
      input += "   \n";
    } else {
      input += R"({"cross_section": ")" + sections[i % 5] + R"(", "gland": ")" + (rod ? "rod" : "housing") +
               R"(", "seal_id": ")" + std::to_string(seal) + R"(", ")" + (rod ? "housing" : "rod") + R"(": ")" +
               std::to_string(typed) + R"(", "pressure": ")" + std::to_string(i % 1600) + R"(", "answers": [")" +
               (i % 3 == 0 ? "yes" : "no") + "\"]}\n";
    }
  }
  return input;
}

TEST(Batch, WritesOneObjectPerLineInOrderAndSkipsBlankLines) {
  const BatchRun run = batch("{}\n\n  \n{\"cross_section\": \"0.070\"}\r\n\r\n{}");
  ASSERT_EQ(run.objects.size(), 3u);
  EXPECT_EQ(run.objects[0]["line"], 1);
  EXPECT_EQ(run.objects[1]["line"], 4);
  EXPECT_EQ(run.objects[1]["messages"][0]["text"], "Select gland type.");
  EXPECT_EQ(run.objects[2]["line"], 6);
  EXPECT_EQ(run.summary.processedLines, 3u);
  EXPECT_EQ(run.summary.errorLines, 0u);
}

TEST(Batch, UnusableLinesGiveErrorObjectsAndTheRunGoesOn) {
  const BatchRun run = batch("{\"gland\": 1}\n{}\nnot json\n{}\n");
  ASSERT_EQ(run.objects.size(), 4u);
  EXPECT_EQ(run.objects[0], Json::parse(R"({"outcome": "error", "line": 1,)"
                                        R"( "message": "line 1: \"gland\" must be a string, not number"})"));
  EXPECT_EQ(run.objects[1]["outcome"], "refused");
  EXPECT_EQ(run.objects[2]["outcome"], "error");
  EXPECT_TRUE(run.objects[2]["message"].get<std::string>().starts_with("line 3: not valid JSON at byte 2: "));
  EXPECT_EQ(run.objects[3]["outcome"], "refused");
  EXPECT_EQ(run.summary.processedLines, 2u);
  EXPECT_EQ(run.summary.errorLines, 2u);
}

TEST(Batch, KeysComeInTheDocumentedOrder) {
  const BatchRun run = batch(R"({"cross_section": "0.070", "gland": "housing", "seal_id": "0.5", "rod": "0.5"})");
  const std::string& text = run.text;
  std::size_t previous = 0;
  for (const char* key : {"\"outcome\"", "\"line\"", "\"screen\"", "\"messages\"", "\"record\"", "\"sheet\""}) {
    const std::size_t at = text.find(key);
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_GT(at, previous) << key;
    previous = at;
  }
  EXPECT_EQ(text.back(), '\n');
}

TEST(Batch, RecordHoldsEveryVariableOfTheRecordByName) {
  const BatchRun run = batch(R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.75", "housing": "2"})");
  const Json& record = run.objects.at(0)["record"];
  EXPECT_EQ(record.size(), glandwise::kFloatFieldCount + 5);
  for (const glandwise::FloatField& field : glandwise::floatFields())
    EXPECT_TRUE(record.at(std::string(field.name)).is_number()) << field.name;
  EXPECT_EQ(record["PDM"].get<float>(), 1.9955f);
  EXPECT_EQ(record["Answer"], 0);
  EXPECT_EQ(record["GW"], "0.187 to 0.192");
  EXPECT_EQ(record["GlandType"], "PLUG");
  EXPECT_EQ(record["ErrorText"], "");
  EXPECT_EQ(record["SelectedFile"], "");
}

TEST(Batch, RefusedAndStayedSessionsHaveNoSheet) {
  const BatchRun run = batch(
      "{}\n"
      R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.0", "housing": "1.25",)"
      R"( "edits": {"txtGDM": "1.1", "txtPDM": "1.24"}, "answers": ["yes"]})");
  ASSERT_EQ(run.objects.size(), 2u);
  EXPECT_FALSE(run.objects[0].contains("sheet"));
  EXPECT_EQ(run.objects[1]["outcome"], "stayed");
  EXPECT_EQ(run.objects[1]["screen"], "editor");
  EXPECT_FALSE(run.objects[1].contains("sheet"));
}

// Output that becomes visible only when the stream is flushed, as through a pipe.
class FlushedOutput : public std::stringbuf {
 public:
  std::size_t flushedLines() const { return std::count(flushed_.begin(), flushed_.end(), '\n'); }

 protected:
  int sync() override {
    flushed_ = str();
    return 0;
  }

 private:
  std::string flushed_;  // what the last flush made visible
};

// Input from a script that sends one line and waits for its answer before the next: a line
// becomes available only when asked for, with nothing else waiting. Notes, for each line,
// how many output lines were visible when it was asked for.
class ConversationInput : public std::streambuf {
 public:
  ConversationInput(std::vector<std::string> lines, const FlushedOutput& output)
      : lines_(std::move(lines)), output_(output) {}

  std::vector<std::size_t> answersSeenBeforeLine;  // index: input line - 1

 protected:
  int_type underflow() override {
    if (next_ == lines_.size()) return traits_type::eof();
    answersSeenBeforeLine.push_back(output_.flushedLines());
    current_ = lines_[next_++] + "\n";
    setg(current_.data(), current_.data(), current_.data() + current_.size());
    return traits_type::to_int_type(current_[0]);
  }

  std::streamsize showmanyc() override { return 0; }

 private:
  std::vector<std::string> lines_;  // the lines still to send, without line feeds
  std::size_t next_ = 0;            // index of the next line to send
  std::string current_;             // the line being read
  const FlushedOutput& output_;
};

TEST(Batch, AnswersEachLineBeforeWaitingForTheNext) {
  FlushedOutput output;
  ConversationInput conversation({"{}", R"({"cross_section": "0.070"})", "{}"}, output);
  std::istream in(&conversation);
  std::ostream out(&output);
  runBatch(in, out, BatchOptions{2});
  EXPECT_EQ(conversation.answersSeenBeforeLine, (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_EQ(output.flushedLines(), 3u);
}

class BatchThreads : public testing::TestWithParam<unsigned> {};

TEST_P(BatchThreads, GiveTheSameOutputAsOneThread) {
  const std::string input = variedInput(5000);
  const BatchRun single = batch(input, 1);
  const BatchRun threaded = batch(input, GetParam());
  EXPECT_EQ(threaded.text, single.text);
  EXPECT_EQ(threaded.summary.processedLines, single.summary.processedLines);
  EXPECT_EQ(threaded.summary.errorLines, single.summary.errorLines);
  EXPECT_GT(single.summary.errorLines, 0u);
  EXPECT_EQ(single.objects.size(), single.summary.processedLines + single.summary.errorLines);
  for (std::size_t i = 1; i < single.objects.size(); ++i)
    ASSERT_LT(single.objects[i - 1]["line"], single.objects[i]["line"]);
}

INSTANTIATE_TEST_SUITE_P(Counts, BatchThreads, testing::Values(2u, 3u, 8u));

}  // namespace
