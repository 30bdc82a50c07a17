// The progress line of a long run: its text, and where it appears.

#include <gtest/gtest.h>

#include "calc_output_lines.h"
#include "cli/progress_line.h"

using glandwise::calc::ProgressLine;

namespace {

// Catches a wrong rate, share or time left, a total shown before the input's lines are
// counted, and a division by nothing at the very start or with an empty file.
TEST(Progress, TellsLinesRateShareAndTimeLeft) {
  const std::tuple<std::size_t, double, std::optional<std::size_t>, std::string> lines[] = {
      {52000, 2, 100000, "glandwise-calc: 52000 of 100000 lines (52%), 26000 lines/s, 0:02 left"},
      {300, 1.5, std::nullopt, "glandwise-calc: 300 lines, 200 lines/s"},
      {60, 1, 252060, "glandwise-calc: 60 of 252060 lines (0%), 60 lines/s, 1:10:00 left"},
      {0, 1, 0, "glandwise-calc: 0 of 0 lines, 0 lines/s"},
      {0, 0, 10, "glandwise-calc: 0 of 10 lines (0%), 0 lines/s"}};
  for (const auto& [done, seconds, total, text] : lines) EXPECT_EQ(ProgressLine::text(done, seconds, total), text);
}

// Catches the line missing on a terminal when the run lasts over a second, left standing
// at the end of the run, and written where standard error is a file or a pipe (a log, a
// script).
TEST(Progress, OnlyOnATerminalAndErasedAtTheEnd) {
  const std::string slowInput = "(echo '{}'; sleep 1.6; echo '{}') | ";
  const std::string terminal =
      calc_test::runShell(slowInput + "script -qec \"'" GLANDWISE_CALC_PROGRAM "' >/dev/null\" /dev/null").second;
  const std::size_t shown = terminal.rfind(" lines/s");
  ASSERT_NE(shown, std::string::npos) << terminal;
  EXPECT_NE(terminal.find("\rglandwise-calc: 1 lines, "), std::string::npos) << terminal;
  EXPECT_NE(terminal.find("\r\x1b[K", shown), std::string::npos) << terminal;  // erased
  EXPECT_EQ(calc_test::runShell(slowInput + "'" GLANDWISE_CALC_PROGRAM "' 2>&1 >/dev/null").second, "");
}

}  // namespace
