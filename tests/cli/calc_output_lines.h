#pragma once
// Running glandwise-calc and reading its output lines, for the tests.

#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace calc_test {

// The built program as the start of a shell command line, its error output dropped.
inline const std::string kCalc = "'" GLANDWISE_CALC_PROGRAM "' 2>/dev/null ";

// Runs a shell command line; returns its exit status and its standard output.
inline std::pair<int, std::string> runShell(const std::string& commandLine) {
  std::string output;
  FILE* pipe = popen(commandLine.c_str(), "r");
  char buffer[4096];
  for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = pipe ? pclose(pipe) : -1;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// The JSON value of each line of `text`.
inline std::vector<nlohmann::json> jsonLines(const std::string& text) {
  std::vector<nlohmann::json> values;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) values.push_back(nlohmann::json::parse(line));
  return values;
}

}  // namespace calc_test
