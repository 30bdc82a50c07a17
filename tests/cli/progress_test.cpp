// The progress line of a long run: its text, and where it appears.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

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
// script). Two runs read the same input at once, one with standard error on a terminal
// (script's), the other on a file; the input ends once the terminal shows the line twice.
TEST(Progress, OnlyOnATerminalAndErasedAtTheEnd) {
  const std::string gate = ::testing::TempDir() + "glandwise_progress_gate", log = gate + ".log";
  std::remove(gate.c_str());
  ASSERT_EQ(::mkfifo(gate.c_str(), 0600), 0);
  const std::string calc = "\"" GLANDWISE_CALC_PROGRAM "\"";
  FILE* terminal = ::popen(("timeout 10 bash -c '{ echo {}; cat " + gate + " >/dev/null; } | tee >(" + calc +
                            " 2>" + log + " >/dev/null) | script -qec \"" + calc + " >/dev/null\" /dev/null'")
                               .c_str(),
                           "r");
  std::string shown;
  char buffer[4096];
  for (ssize_t n; shown.find(" lines/s", shown.find(" lines/s") + 1) == std::string::npos &&
                  (n = ::read(fileno(terminal), buffer, sizeof buffer)) > 0;)
    shown.append(buffer, static_cast<std::size_t>(n));
  ::close(::open(gate.c_str(), O_WRONLY | O_NONBLOCK));  // the input ends (if not ended by the timeout)
  for (ssize_t n; (n = ::read(fileno(terminal), buffer, sizeof buffer)) > 0;) shown.append(buffer, static_cast<std::size_t>(n));
  ::pclose(terminal);
  EXPECT_NE(shown.find("\rglandwise-calc: 1 lines, "), std::string::npos) << shown;
  EXPECT_NE(shown.find("\r\x1b[K", shown.rfind(" lines/s")), std::string::npos) << shown;  // erased
  std::ifstream written(log);
  EXPECT_EQ(written.peek(), std::ifstream::traits_type::eof()) << "progress written to a file";
  std::remove(gate.c_str());
  std::remove(log.c_str());
}

}  // namespace
