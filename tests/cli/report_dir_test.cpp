// glandwise-calc --report-dir: a one-page PDF per results line, drawn without a display.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "calc_output_lines.h"

namespace fs = std::filesystem;
using calc_test::runShell;

namespace {

// `text` without its blanks: the PDF's text keeps the words, not their spacing.
std::string unspaced(std::string text) {
  std::erase_if(text, [](unsigned char c) { return std::isspace(c); });
  return text;
}

// Catches a report missing, written for a line that did not reach the sheet or named after
// another line, a report of more than one page or without the sheet's captions, and a
// folder that cannot be made (or has no name) taken as usable.
TEST(ReportDir, WritesOneOnePageReportPerResultsLine) {
  if (std::system("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null") != 0) {
    if (std::getenv("CI")) FAIL() << "pdfinfo and pdftotext (poppler-utils, scripts/setup.sh) are missing";
    GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils, scripts/setup.sh) are missing: reports not checked";
  }
  const fs::path folder = fs::temp_directory_path() / ("glandwise_reports_" + std::to_string(::getpid())) / "new";
  const auto [status, output] = runShell("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + calc_test::kCalc +
                                         "--report-dir '" + folder.string() + "' '" GLANDWISE_CALC_SAMPLES "'");
  EXPECT_EQ(status, 1);  // some sample lines are unusable
  std::ptrdiff_t reports = 0;
  for (nlohmann::json object : calc_test::jsonLines(output)) {
    const std::string path = (folder / ("line-" + std::to_string(object["line"].get<int>()) + ".pdf")).string();
    SCOPED_TRACE(path);
    if (object["outcome"] != "results") {
      EXPECT_FALSE(object.contains("report") || fs::exists(path));
      continue;
    }
    ++reports;
    ASSERT_EQ(object["report"], path);
    EXPECT_NE(runShell("pdfinfo '" + path + "'").second.find("Pages:           1\n"), std::string::npos);
    const std::string page = unspaced(runShell("pdftotext -layout '" + path + "' -").second);
    for (const auto& [name, caption] : object["sheet"].items())
      EXPECT_NE(page.find(unspaced(caption.get<std::string>())), std::string::npos) << name << ": " << caption;
    EXPECT_EQ(page.find("PRINTREPORT"), std::string::npos);  // the sheet without its buttons
  }
  EXPECT_EQ(reports, 5);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), reports);
  EXPECT_EQ(runShell("echo '{}' | " + calc_test::kCalc + "--report-dir /proc/no/folder").first, 2);
  EXPECT_EQ(runShell("echo '{}' | " + calc_test::kCalc + "--report-dir ''").first, 2);  // not "no reports"
  // A folder name that the output could not name is refused, not mangled.
  EXPECT_EQ(runShell("echo '{}' | " + calc_test::kCalc + "--report-dir \"$(printf '/tmp/\\377')\"").first, 2);
  // A normal run says nothing on standard error, even without a session's runtime folder.
  EXPECT_EQ(runShell("head -n 1 '" GLANDWISE_CALC_SAMPLES "' | env -u XDG_RUNTIME_DIR '" GLANDWISE_CALC_PROGRAM
                     "' --report-dir '" + folder.string() + "' 2>&1 >/dev/null").second, "");
  fs::remove_all(folder.parent_path());
}

// Catches --review that leaves the review page out, puts it first or blank, a review page
// added without --review, and a writer that reads the AS568 table anew (a pipe is empty
// then).
TEST(ReportDir, ReviewAddsTheReviewPageSecond) {
  if (std::system("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null") != 0) {
    if (std::getenv("CI")) FAIL() << "pdfinfo and pdftotext (poppler-utils, scripts/setup.sh) are missing";
    GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils, scripts/setup.sh) are missing: reports not checked";
  }
  const fs::path folder = fs::temp_directory_path() / ("glandwise_review_" + std::to_string(::getpid()));
  const std::string line = R"(echo '{"as568": "-214", "gland": "rod", "housing": "1.25", "pressure": "600"}' | )";
  const std::string report = (folder / "line-1.pdf").string();
  for (const bool review : {true, false}) {
    ASSERT_EQ(runShell(line + calc_test::kCalc + (review ? "--review " : "") + "--report-dir '" + folder.string() + "'").first, 0);
    EXPECT_NE(runShell("pdfinfo '" + report + "'").second.find(review ? "Pages:           2\n" : "Pages:           1\n"),
              std::string::npos);
  }
  // The AS568 table through a pipe, which can be read once only: the writer must not reopen it.
  const std::string pipe = folder.string() + ".csv";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  ASSERT_EQ(runShell("cat '" GLANDWISE_AS568_TABLE "' >'" + pipe + "' & " + line + calc_test::kCalc + "--review --as568-table '" +
                     pipe + "' --report-dir '" + folder.string() + "'").first, 0);
  std::remove(pipe.c_str());
  const std::string first = unspaced(runShell("pdftotext -l 1 '" + report + "' -").second);
  const std::string second = unspaced(runShell("pdftotext -f 2 '" + report + "' -").second);
  EXPECT_NE(first.find("Glandwise-Results"), std::string::npos);
  EXPECT_NE(second.find("Glandwise-DesignReview"), std::string::npos);
  EXPECT_NE(second.find("AS568-214"), std::string::npos);
  fs::remove_all(folder);
}

// Catches a face seal line without its report, or with the radial sheet (or an empty page)
// drawn for it: the -214 standard face groove for pressure from inside, liquid, worked by
// hand from the published table: groove OD 1.243 ± 0.001 (the ring's OD 1.262 less 1.5 %
// interference), depth 0.104 ± 0.003, nominal squeeze (0.139 − 0.104) / 0.139 = 25.2 %.
TEST(ReportDir, AFaceSealLineGetsTheFaceSealPage) {
  if (std::system("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null") != 0) {
    if (std::getenv("CI")) FAIL() << "pdfinfo and pdftotext (poppler-utils, scripts/setup.sh) are missing";
    GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils, scripts/setup.sh) are missing: reports not checked";
  }
  const fs::path folder = fs::temp_directory_path() / ("glandwise_face_reports_" + std::to_string(::getpid()));
  const auto [status, output] = runShell(
      R"(echo '{"gland": "face", "as568": "-214", "pressure_from": "inside", "medium": "liquid", "pressure": "500"}' | )" +
      calc_test::kCalc + "--report-dir '" + folder.string() + "'");
  ASSERT_EQ(status, 0) << output;
  const std::string report = (folder / "line-1.pdf").string();
  EXPECT_NE(runShell("pdfinfo '" + report + "'").second.find("Pages:           1\n"), std::string::npos);
  const std::string page = unspaced(runShell("pdftotext '" + report + "' -").second);
  for (const char* shown : {"Glandwise-FaceSeal", "1.243±0.001inch", "0.104±0.003inch", "25.2%"})
    EXPECT_NE(page.find(shown), std::string::npos) << shown << " in " << page;
  EXPECT_EQ(page.find("PRINTREPORT"), std::string::npos);
  fs::remove_all(folder);
}

// Catches a report written through a planted link (overwriting what it points to), a report
// that cannot replace what stands in its way reported as written, and a report cut short by
// a full disk left behind as a partial file or reported as written.
TEST(ReportDir, ReplacesOrFailsWholeAndNeverWritesThroughALink) {
  const fs::path folder = fs::temp_directory_path() / ("glandwise_planted_" + std::to_string(::getpid()));
  fs::create_directories(folder / "line-3.pdf");  // a folder in the way
  { std::ofstream(folder / "victim") << "keep"; }
  fs::create_symlink(folder / "victim", folder / "line-1.pdf");
  fs::create_symlink(folder / "nowhere", folder / "line-2.pdf");
  const fs::path input = folder.string() + ".jsonl";
  std::ofstream lines(input);
  for (int line = 1; line <= 3; ++line)
    lines << R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.75", "housing": "2"})" << '\n';
  lines.close();
  const std::string run = calc_test::kCalc + "--report-dir '" + folder.string() + "' '" + input.string() + "'";
  auto [status, output] = runShell(run);
  std::vector<nlohmann::json> objects = calc_test::jsonLines(output);
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[0]["report"], (folder / "line-1.pdf").string());
  EXPECT_FALSE(fs::is_symlink(folder / "line-1.pdf") || fs::is_symlink(folder / "line-2.pdf"));
  EXPECT_EQ(std::ifstream(folder / "victim").rdbuf()->sgetc(), 'k');
  EXPECT_EQ(objects[2]["report"], nullptr);
  EXPECT_EQ(objects[2]["report_error"], "cannot replace " + (folder / "line-3.pdf").string() + ": Is a directory");
  EXPECT_EQ(status, 1);

  // A disk that takes no more than 8 KiB of a file: no report, no partial file, the reason.
  fs::remove_all(folder);
  std::tie(status, output) = runShell("bash -c \"trap '' XFSZ; ulimit -f 8; " + run + "\"");
  objects = calc_test::jsonLines(output);
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[0]["report_error"], "cannot write " + (folder / "line-1.pdf").string() + ": File too large");
  EXPECT_EQ(fs::directory_iterator(folder), fs::directory_iterator());
  EXPECT_EQ(status, 1);
  fs::remove_all(folder);
  fs::remove(input);
}

// Catches the batch calculator loading Qt (linked, or opened at run time) for a run that
// writes no report, which costs every short run its start-up time.
TEST(ReportDir, ARunWithoutReportsLoadsNoGuiLibrary) {
  const auto [status, loaded] =
      runShell("echo '{}' | LD_DEBUG=files '" GLANDWISE_CALC_PROGRAM "' 2>&1 >/dev/null | grep -c 'file=libQt'");
  EXPECT_EQ(loaded, "0\n");
}

}  // namespace
