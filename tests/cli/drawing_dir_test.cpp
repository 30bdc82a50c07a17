// glandwise-calc --drawing-dir: the section of every results line as DXF or SVG, read back
// by real readers.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QGuiApplication>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "calc_output_lines.h"
#include "tests/drawing/drawing_readers.h"

namespace fs = std::filesystem;
using calc_test::runShell;

namespace {

#define REQUIRE_READERS()                                                                            \
  if (!drawing_test::readersPresent()) {                                                             \
    if (std::getenv("CI")) FAIL() << "python3-ezdxf or librsvg2-bin (scripts/setup.sh) is missing";  \
    GTEST_SKIP() << "python3-ezdxf or librsvg2-bin (scripts/setup.sh) is missing: drawings not read"; \
  }

// A new folder's name, and beside it an input file of three lines: a rod groove and a
// housing groove of the 0.139 cross-section for a 1.75 inch seal, and a line that the
// selection screen refuses. The command line that runs glandwise-calc on them.
std::string runOn(const fs::path& folder) {
  fs::remove_all(folder);
  std::ofstream(folder.string() + ".jsonl")
      << R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.75", "housing": "2"})" << '\n'
      << R"({"cross_section": "0.139", "gland": "housing", "seal_id": "1.75", "rod": "1.75"})" << "\n{}\n";
  return calc_test::kCalc + "'" + folder.string() + ".jsonl' --drawing-dir '" + folder.string() + "' ";
}

void removeRun(const fs::path& folder) {
  fs::remove_all(folder);
  fs::remove(folder.string() + ".jsonl");
}

fs::path folderNamed(const char* name) { return fs::temp_directory_path() / (name + std::to_string(::getpid())); }

// Catches a drawing not to scale or not at its place (the ring, the groove width, the
// gland depth, the groove diameter), not in inch, missing a layer or a dimension, one that
// a CAD reader complains of, and a drawing for a line that did not reach the sheet.
TEST(DrawingDir, DxfIsTheGlandToScaleInInch) {
  REQUIRE_READERS();
  const fs::path folder = folderNamed("glandwise_dxf_");
  const auto [status, output] = runShell(runOn(folder));
  EXPECT_EQ(status, 0);
  const std::vector<nlohmann::json> objects = calc_test::jsonLines(output);
  ASSERT_EQ(objects.size(), 3u);
  // Groove width: the middle of 0.187 to 0.192; gland depth: (bore - groove) / 2 on the rod,
  // (groove - rod) / 2 in the housing. The ring: 0.139 thinned by (1.06 s + 0.01 - 0.1 s²) %
  // at the stretch s = 1.776 / 1.75 - 1 = 1.4857 %, 0.137104; in the housing by 0.01 % at
  // s = 0, 0.138986.
  const struct {
    double grooveDiameter, depth, ring;
    const char* diameterText;
  } expected[] = {{1.776, (2 - 1.776) / 2, 0.137104, "Ø1.7760 ±0.0010"}, {1.974, (1.974 - 1.75) / 2, 0.138986, "Ø1.9740 ±0.0010"}};
  for (int line = 0; line < 2; ++line) {
    const std::string path = (folder / ("line-" + std::to_string(line + 1) + ".dxf")).string();
    ASSERT_EQ(objects[line]["drawing"], path);
    const nlohmann::json dxf = drawing_test::readDxf(path);
    SCOPED_TRACE(dxf.dump());
    EXPECT_EQ(dxf["problems"], nlohmann::json::array());
    EXPECT_EQ(dxf["version"], "AC1009");
    EXPECT_EQ(dxf["insunits"], 1);
    const auto has = [&](const char* list, const char* item) { return std::ranges::count(dxf[list], nlohmann::json(item)) == 1; };
    for (const char* layer : {"PART", "RING", "RING_MMC", "RING_LMC", "DIMENSIONS", "TEXT"}) EXPECT_TRUE(has("layers", layer)) << layer;
    EXPECT_NEAR(dxf["ring_diameter"].get<double>(), expected[line].ring, 1e-6);
    EXPECT_TRUE(dxf["ring_rests_on_bottom"].get<bool>());
    EXPECT_NEAR(dxf["groove_width"].get<double>(), 0.1895, 1e-6);
    EXPECT_NEAR(dxf["gland_depth"].get<double>(), expected[line].depth, 1e-6);
    EXPECT_NEAR(dxf["groove_bottom_y"].get<double>(), expected[line].grooveDiameter / 2, 1e-6);
    for (const char* text : {expected[line].diameterText, "0.1895 ±0.0025", "0.1120", "0.00225", "R0.0100"})
      EXPECT_TRUE(has("texts", text)) << text;
  }
  EXPECT_FALSE(objects[2].contains("drawing"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
  removeRun(folder);
}

// Catches an SVG that Qt or librsvg cannot read, one whose viewBox is not the drawing's
// extent in inch (the DXF's), not at its true size, or without its layers as groups.
TEST(DrawingDir, SvgIsReadByQtAndLibrsvgInInch) {
  REQUIRE_READERS();
  const fs::path folder = folderNamed("glandwise_svg_");
  const std::string run = runOn(folder);
  for (const char* format : {"dxf", "svg"}) ASSERT_EQ(runShell(run + "--drawing-format " + format).first, 0);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "drawing_dir_test";
  char* argv[] = {name, nullptr};
  const QGuiApplication application(argc, argv);  // for the SVG texts' fonts
  for (const char* line : {"line-1", "line-2"}) {
    const std::vector<double> e = drawing_test::readDxf((folder / (line + std::string(".dxf"))).string())["extent"];
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(drawing_test::svgProblem((folder / (line + std::string(".svg"))).string(), QRectF(e[0], -e[3], e[2] - e[0], e[3] - e[1])), "")
        << line;
  }
  removeRun(folder);
}

// Catches a drawing written through a planted link (overwriting what it points to), one
// that cannot replace what stands in its way reported as written, and one cut short by a
// full disk left behind or reported as written.
TEST(DrawingDir, ReplacesOrFailsWholeAndNeverWritesThroughALink) {
  const fs::path folder = folderNamed("glandwise_planted_drawings_");
  const std::string run = runOn(folder);
  fs::create_directories(folder / "line-2.dxf");  // a folder in the way
  { std::ofstream(folder / "victim") << "keep"; }
  fs::create_symlink(folder / "victim", folder / "line-1.dxf");
  auto [status, output] = runShell(run);
  std::vector<nlohmann::json> objects = calc_test::jsonLines(output);
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_FALSE(fs::is_symlink(folder / "line-1.dxf"));
  EXPECT_EQ(std::ifstream(folder / "victim").rdbuf()->sgetc(), 'k');
  EXPECT_EQ(objects[1]["drawing"], nullptr);
  EXPECT_EQ(objects[1]["drawing_error"], "cannot replace " + (folder / "line-2.dxf").string() + ": Is a directory");
  EXPECT_EQ(status, 1);

  fs::remove_all(folder);
  std::tie(status, output) = runShell("bash -c \"trap '' XFSZ; ulimit -f 8; " + run + "\"");  // 8 KiB a file
  objects = calc_test::jsonLines(output);
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[0]["drawing_error"], "cannot write " + (folder / "line-1.dxf").string() + ": File too large");
  EXPECT_EQ(fs::directory_iterator(folder), fs::directory_iterator());
  EXPECT_EQ(status, 1);
  removeRun(folder);
}

}  // namespace
