#pragma once
// Running glandwise-calc and reading its output lines, for the tests.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/calc_batch.h"

namespace calc_test {

// The built program as the start of a shell command line, its error output dropped.
inline const std::string kCalc = "'" GLANDWISE_CALC_PROGRAM "' 2>/dev/null ";

// Runs a shell command line; returns its exit status and its standard output. A command
// that has not ended within a minute (a deadlock) is stopped and fails the test.
inline std::pair<int, std::string> runShell(const std::string& commandLine) {
  std::string quoted = "'";
  for (char c : commandLine) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  std::string output;
  FILE* pipe = popen(("timeout -k 5 60 sh -c " + quoted + "'").c_str(), "r");
  char buffer[4096];
  for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = pipe ? pclose(pipe) : -1;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 124) ADD_FAILURE() << "not ended within 60 s: " << commandLine;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// The JSON value of each line of `text`.
inline std::vector<nlohmann::json> jsonLines(const std::string& text) {
  std::vector<nlohmann::json> values;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) values.push_back(nlohmann::json::parse(line));
  return values;
}

// runBatch on a thread of its own. A run that has not ended within 30 seconds is taken for a
// deadlock: the test program says so and stops at once rather than hang until CTest's
// timeout.
inline glandwise::calc::BatchSummary runBatchOrStop(std::istream& in, std::ostream& out,
                                                    const glandwise::calc::BatchOptions& options) {
  auto run = std::async(std::launch::async, [&] { return glandwise::calc::runBatch(in, out, options); });
  if (run.wait_for(std::chrono::seconds(30)) == std::future_status::ready) return run.get();
  std::fputs("runBatch has not ended within 30 s: the batch run is deadlocked\n", stderr);
  std::_Exit(1);
}

}  // namespace calc_test
