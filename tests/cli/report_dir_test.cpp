// glandwise-calc --report-dir: one PDF report per results line, drawn without a display.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

using Json = nlohmann::json;
namespace fs = std::filesystem;

namespace {

// Runs a shell command line and returns its standard output.
std::string output(const std::string& commandLine, int* exitStatus = nullptr) {
  std::string text;
  FILE* pipe = popen(commandLine.c_str(), "r");
  if (!pipe) return text;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) text.append(buffer.data(), n);
  const int status = pclose(pipe);
  if (exitStatus) *exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return text;
}

// A folder for the reports, removed at the end of the test.
class ReportFolder {
 public:
  ReportFolder() : path_(fs::temp_directory_path() / ("glandwise_reports_" + std::to_string(::getpid()))) {}
  ~ReportFolder() { fs::remove_all(path_); }
  std::string path() const { return path_.string(); }

 private:
  fs::path path_;
};

std::string squeezed(const std::string& text) {
  std::istringstream words(text);
  std::string result, word;
  while (words >> word) result += (result.empty() ? "" : " ") + word;
  return result;
}

}  // namespace

TEST(ReportDir, OnePdfPerResultsLineAndNoneForTheOthers) {
  ReportFolder folder;
  int exitStatus = -1;
  // No display: the reports are drawn offscreen.
  const std::string text = output("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" GLANDWISE_CALC_PROGRAM
                                  "' --report-dir '" + folder.path() + "/new' '" GLANDWISE_CALC_SAMPLES "' 2>/dev/null",
                                  &exitStatus);
  EXPECT_EQ(exitStatus, 1);  // the sample file has broken lines
  std::istringstream lines(text);
  int results = 0;
  for (std::string line; std::getline(lines, line);) {
    const Json object = Json::parse(line);
    const std::string expected = folder.path() + "/new/line-" + std::to_string(object["line"].get<int>()) + ".pdf";
    if (object["outcome"] != "results") {
      EXPECT_FALSE(object.contains("report")) << line;
      EXPECT_FALSE(fs::exists(expected)) << expected;
      continue;
    }
    ++results;
    ASSERT_EQ(object["report"], expected);
    ASSERT_TRUE(fs::exists(expected));
    EXPECT_NE(output("pdfinfo '" + expected + "' 2>/dev/null").find("Pages:           1\n"), std::string::npos);
    // The page shows the sheet's captions as text, and no button.
    const std::string page = squeezed(output("pdftotext -layout '" + expected + "' - 2>/dev/null"));
    for (const auto& [name, caption] : object["sheet"].items())
      EXPECT_NE(page.find(squeezed(caption.get<std::string>())), std::string::npos) << name << ": " << caption;
    for (const char* button : {"PRINT REPORT", "EDIT", "EXIT", "Help"}) EXPECT_EQ(page.find(button), std::string::npos);
  }
  EXPECT_GE(results, 2);
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path() + "/new")) ++files;
  EXPECT_EQ(files, static_cast<std::size_t>(results));
}

TEST(ReportDir, FolderThatCannotBeMadeIsAnUnusableArgument) {
  int exitStatus = -1;
  const std::string text =
      output("echo '{}' | '" GLANDWISE_CALC_PROGRAM "' --report-dir /proc/no/such/folder 2>/dev/null", &exitStatus);
  EXPECT_EQ(exitStatus, 2);
  EXPECT_TRUE(text.empty());
}
