// The face seal: calibration on every standard gland, figures against hand-worked values,
// bad glands failing on the right row, and its data files and batch line.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "face/face_drawing.h"
#include "face/face_result.h"
#include "model/cross_sections.h"
#include "tests/face/face_files.h"

using namespace glandwise;

namespace {

const FaceData& data() { return test::faceData(); }
const As568Table& as568() { return test::as568Table(); }

FaceResult standard(const char* dash, PressureFrom from, FaceMedium medium, float pressure = 500,
                    std::optional<float> datum = std::nullopt) {
  return standardFaceSeal(*as568().find(dash), from, medium, datum, pressure, {}, data(), as568());
}

Verdict verdict(const FaceResult& r, FaceCheck check) { return r.review->row(check).finding.verdict; }

// Every AS568 size of the five cross-sections in its standard face gland, both pressure
// directions and both media, at 1500 psi (the pressure decides only the extrusion limit of a
// flange gap, none here): the published table is acceptable, so nothing fails. The
// cautions are counted by check for the record.
TEST(FaceSeal, NoStandardGlandFails) {
  std::map<std::string, int> cautions;
  int glands = 0;
  for (const As568Size& size : as568().sizes()) {
    if (!standardCrossSectionIndex(size.crossSection)) continue;
    for (PressureFrom from : {PressureFrom::Inside, PressureFrom::Outside})
      for (FaceMedium medium : {FaceMedium::Liquid, FaceMedium::Gas}) {
        const FaceResult r = standard(size.dash.c_str(), from, medium, 1500);
        ASSERT_TRUE(r.review) << size.dash << ": " << r.design.refusal;
        ++glands;
        for (std::size_t c = 0; c < kFaceCheckCount; ++c) {
          const FaceRow& row = r.review->rows[c];
          EXPECT_NE(row.finding.verdict, Verdict::Fail) << "-" << size.dash << " " << faceSide(from).key << " "
                                                        << mediumKey(medium) << ": " << row.finding.reason;
          if (row.finding.verdict == Verdict::Caution)
            ++cautions[std::string(faceCheckKey(FaceCheck(c))) + " " + std::string(faceSide(from).key) + " " +
                       std::string(mediumKey(medium))];
        }
      }
  }
  EXPECT_EQ(glands, 346 * 4);
  for (const auto& [what, count] : cautions) std::printf("[ cautions ] %s: %d\n", what.c_str(), count);
}

// One gland per cross-section, worked by hand from the published row, the AS568 size and
// the standard fit (inside 1.5 %, outside 2.5 %, datum rounded to 0.001 inch).
TEST(FaceSeal, FiguresAgainstHandWorkedValues) {
  struct Expected {
    const char* dash;
    PressureFrom from;
    FaceMedium medium;
    double datum, fit, low, high;  // inch, % (range over the ring's and datum's tolerances)
    double mmcSqueeze, lmcSqueeze, mmcFill;
  };
  const Expected glands[] = {
      // -012: ID 0.364 ± 0.005, W 0.070 ± 0.003. Datum 0.364 × 1.025 = 0.3731 → 0.373; stretch
      // 0.009 / 0.364 = 2.4725 %, thinning 1.06 s + 0.01 − 0.1 s² = 2.0195 % → W 0.068586.
      // Range (0.372 − 0.369) / 0.369 = 0.813 % to (0.374 − 0.359) / 0.359 = 4.178 %.
      // MMC: (0.071586 − 0.050) / 0.071586 = 30.154 %; LMC (0.065586 − 0.054) / 0.065586 =
      // 17.666 %. Fill: π/4 × 0.073² × (0.434 / 0.443) = 0.0041004 over 0.050 × 0.101 − 2 ×
      // 0.015² × (1 − π/4) = 0.0049534: 82.778 %.
      {"012", PressureFrom::Outside, FaceMedium::Liquid, 0.373, 2.4725, 0.813, 4.178, 30.154, 17.666, 82.778},
      // -116: ID 0.737 ± 0.009, W 0.103 ± 0.003, gas. Datum 0.7554 → 0.755; stretch 2.4423 %,
      // thinning 2.0024 % → 0.100938. Range (0.754 − 0.746) / 0.746 = 1.072 % to (0.756 −
      // 0.728) / 0.728 = 3.846 %. MMC (0.103938 − 0.074) / 0.103938 = 28.803 %; LMC (0.097938
      // − 0.080) / 0.097938 = 18.315 %. Fill π/4 × 0.106² × (0.840 / 0.858) = 0.0086396 over
      // 0.074 × 0.120 − 2 × 0.015² × 0.2146 = 0.0087834: 98.362 %.
      {"116", PressureFrom::Outside, FaceMedium::Gas, 0.755, 2.4423, 1.072, 3.846, 28.803, 18.315, 98.362},
      // -214: ID 0.984 ± 0.010, W 0.139 ± 0.004, inside. OD 1.262 × 0.985 = 1.24307 → 1.243;
      // interference 0.019 / 1.262 = 1.5055 %. Range (1.244 − 1.244) / 1.244 = 0 to (1.280 −
      // 1.242) / 1.280 = 2.969 %. MMC (0.143 − 0.101) / 0.143 = 29.371 %; LMC (0.135 − 0.107) /
      // 0.135 = 20.741 %. Fill π/4 × 0.143² × (1.123 / 1.104) = 0.0163370 over 0.101 × 0.177
      // − 2 × 0.025² × 0.2146 = 0.0176087: 92.778 %.
      {"214", PressureFrom::Inside, FaceMedium::Liquid, 1.243, 1.5055, 0.0, 2.969, 29.371, 20.741, 92.778},
      // -325: ID 1.475 ± 0.015, W 0.210 ± 0.005, inside, gas. OD 1.895 × 0.985 = 1.86658 →
      // 1.867; interference 0.028 / 1.895 = 1.4776 %. Range (1.870 − 1.869) / 1.870 = 0.053 %
      // to (1.920 − 1.865) / 1.920 = 2.865 %. MMC (0.215 − 0.152) / 0.215 = 29.302 %; LMC
      // (0.205 − 0.162) / 0.205 = 20.976 %. Fill π/4 × 0.215² × (1.685 / 1.657) = 0.0369185
      // over 0.152 × 0.239 − 2 × 0.035² × 0.2146 = 0.0358022: 103.118 %.
      {"325", PressureFrom::Inside, FaceMedium::Gas, 1.867, 1.4776, 0.053, 2.865, 29.302, 20.976, 103.118},
      // -437: ID 5.975 ± 0.037, W 0.275 ± 0.006. Datum 6.1244 → 6.124; stretch 0.149 / 5.975 =
      // 2.4937 %, thinning 2.0315 % → 0.269413. Range (6.122 − 6.012) / 6.012 = 1.830 % to
      // (6.126 − 5.938) / 5.938 = 3.166 %. MMC (0.275413 − 0.201) / 0.275413 = 27.019 %; LMC
      // (0.263413 − 0.211) / 0.263413 = 19.898 %. Fill π/4 × 0.281² × (6.250 / 6.399) =
      // 0.0605718 over 0.201 × 0.342 − 2 × 0.035² × 0.2146 = 0.0682162: 88.794 %.
      {"437", PressureFrom::Outside, FaceMedium::Liquid, 6.124, 2.4937, 1.830, 3.166, 27.019, 19.898, 88.794},
  };
  for (const Expected& e : glands) {
    SCOPED_TRACE(e.dash);
    const FaceResult r = standard(e.dash, e.from, e.medium);
    ASSERT_TRUE(r.analysis) << r.design.refusal;
    EXPECT_NEAR(r.design.gland->groove.datum, e.datum, 1e-6);
    EXPECT_NEAR(r.analysis->fit.nominalPercent, e.fit, 0.002);
    EXPECT_NEAR((*r.analysis->fit.rangePercent)[0], e.low, 0.002);
    EXPECT_NEAR((*r.analysis->fit.rangePercent)[1], e.high, 0.002);
    EXPECT_NEAR(r.analysis->mmc.squeezePercent, e.mmcSqueeze, 0.002);
    EXPECT_NEAR(r.analysis->lmc.squeezePercent, e.lmcSqueeze, 0.002);
    EXPECT_NEAR(r.analysis->mmc.fillPercent, e.mmcFill, 0.005);
  }
}

// A groove too shallow fails on squeeze, one too narrow on fill, a ring too small for its
// internal-pressure groove on fit; each leaves the other rows as the standard gland has them.
TEST(FaceSeal, BadGlandsFailOnTheirRow) {
  struct Bad {
    const char* what;
    FaceBox box;
    const char* text;
    FaceCheck failing;
  };
  const Bad bad[] = {
      {"too shallow: 0.080 ± 0.003 deep, 42.7 % squeeze at MMC", FaceBox::Depth, "0.085", FaceCheck::Squeeze},
      {"too narrow: 0.150 ± 0.005 wide, 113.6 % fill at MMC", FaceBox::Width, "0.150", FaceCheck::Fill},
      {"groove OD 1.300 over the ring's OD 1.262: -3.0 % interference", FaceBox::Datum, "1.300", FaceCheck::Fit},
  };
  for (const Bad& b : bad) {
    SCOPED_TRACE(b.what);
    FaceInput input{standard("214", PressureFrom::Inside, FaceMedium::Liquid).input};
    if (b.box == FaceBox::Datum) input.form.datum = b.text;
    else input.form.edit(b.box) = b.text;
    const FaceResult r = workFaceSeal(input, data(), &as568(), true);
    ASSERT_TRUE(r.review) << r.design.refusal;
    EXPECT_EQ(verdict(r, b.failing), Verdict::Fail) << r.review->row(b.failing).finding.reason;
    EXPECT_EQ(r.review->overall, Verdict::Fail);
  }
}

}  // namespace

namespace {

// A shipped file that is wrong is refused with its line, never read as a table of zeros.
TEST(FaceSeal, DataFilesAreChecked) {
  const std::string header =
      "cross_section_in,cs_tol_in,depth_min_in,depth_max_in,width_liquid_min_in,width_liquid_max_in,"
      "width_gas_min_in,width_gas_max_in,squeeze_min_percent,squeeze_max_percent,bottom_radius_min_in,"
      "bottom_radius_max_in,source\n";
  const std::string row = "0.139,0.004,0.101,0.107,0.177,0.187,0.158,0.164,20,30,0.010,0.025";
  EXPECT_TRUE(FaceGlandTable::parse(header + row + ",a table, with commas\n", "t").table);
  EXPECT_EQ(FaceGlandTable::parse(header + row + "\n", "t").error,
            "t line 2: expected 13 columns, the last the source in words");
  EXPECT_EQ(FaceGlandTable::parse(header + "0.139,0.004,0.107,0.101" + row.substr(23) + ",s\n", "t").error,
            "t line 2: depth_min_in is above depth_max_in");

  // A face seal's rule given for radial glands is refused; rules without a face seal row
  // serve radial glands, and a face seal is refused with the row it lacks.
  std::ifstream file(GLANDWISE_DATA_DIR "/review-rules.csv");
  std::string shipped((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(RuleSet::parse(shipped + "radial,overfill_fail,,,,,,,5,%,s\n", "r")
                .error.find("overfill_fail is a rule of face seals: its gland is face"),
            std::string::npos);
  const std::size_t at = shipped.find("face,squeeze_max,");
  shipped.erase(at, shipped.find('\n', at) + 1 - at);
  const RuleLoad without = RuleSet::parse(shipped, "r");
  ASSERT_TRUE(without.rules) << without.error;
  const FaceInput input{standard("214", PressureFrom::Inside, FaceMedium::Liquid).input};
  EXPECT_EQ(workFaceSeal(input, {data().table, *without.rules}, &as568(), true).design.refusal,
            "The face seal cannot be worked: the rules \"Glandwise defaults (public tables)\" have no face seal rule "
            "\"squeeze_max\" for the 0.070 inch cross-section.");
}

// The batch line reads back what the designer saves, and refuses what does not go together.
// Faults: the rule file a face seal was saved with dropped or not read back; a line naming
// another rule file than the run's judged by the run's.
TEST(FaceSeal, BatchLine) {
  FaceInput input;
  input.form.crossSection = 2;
  input.form.sealId = "0.984";
  input.form.pressureFrom = PressureFrom::Outside;
  input.form.medium = FaceMedium::Gas;
  input.form.datum = "1.01";
  input.form.pressure = "800";
  input.form.edit(FaceBox::WidthTolerance) = "0.002";
  input.review = FaceReviewInputs{80, "fkm", "aluminium", std::array<double, 2>{-20, 300}, 5, 0.002, "/acme \"2\".csv"};
  const std::string line = faceLine(input);
  const std::optional<ParsedFaceInput> read = parseFaceLine(line);
  ASSERT_TRUE(read && read->problem.empty()) << line;
  EXPECT_EQ(faceLine(read->input), line);
  EXPECT_EQ(read->input.form.edits, input.form.edits);
  EXPECT_EQ(read->input.review->temperaturesF, input.review->temperaturesF);
  EXPECT_EQ(read->input.review->rulesFile, "/acme \"2\".csv");
  EXPECT_EQ(workFaceSeal(read->input, data(), &as568(), true).reviewProblem,
            "\"rules\" in \"review\" \"/acme \"2\".csv\" is not the rule file judged by, " GLANDWISE_DATA_DIR
            "/review-rules.csv");

  EXPECT_FALSE(parseFaceLine(R"({"gland": "rod", "seal_id": "face"})"));
  for (const auto& [text, problem] : std::initializer_list<std::pair<const char*, const char*>>{
           {R"({"gland": "face", "pressure_from": "inside", "groove_id": "1"})",
            "\"groove_id\" does not go with \"pressure_from\": \"inside\"; give \"groove_od\""},
           {R"({"gland": "face", "edits": {"depth": "0.1", "radius": "0.02"}})",
            "\"radius\" in \"edits\" is not a box of the face seal's groove; expected \"datum_tol\", \"depth\", "
            "\"depth_tol\", \"width\" or \"width_tol\""},
           {R"({"gland": "face", "as568": "-214", "seal_id": "1"})",
            "\"as568\" stands in for \"cross_section\" and \"seal_id\": give one or the other"},
           {R"({"gland": "face", "medium": "gas", "medium": "liquid"})", "field \"medium\" given twice"},
           {R"({"gland": "face", "review": {"flange_gap": 1e400}})", "a number out of range at byte 48"},
           {R"({"gland": "face", "review": {"rules": ""}})", "\"rules\" in \"review\" must name a rule file"},
       })
    EXPECT_EQ(parseFaceLine(text).value().problem, problem);
}

}  // namespace

namespace {

// The drawing puts the ring where the gland has it: against the groove OD at the groove
// bottom, x along the axis from the flange face and y from the axis; and names the datum.
TEST(FaceSeal, DrawingPlacesTheRingOnItsDatumWall) {
  const FaceResult r = standard("214", PressureFrom::Inside, FaceMedium::Liquid);
  const drawing::Drawing d = faceDrawing(faceSection(*r.design.gland, *r.analysis, 0), r.design.gland->groove);
  // Groove OD 1.243 / 2 = 0.6215; the ring 0.139 across rests on the bottom 0.104 deep.
  const auto ring = std::ranges::find(d.circles, drawing::Layer::Ring, &drawing::Circle::layer);
  ASSERT_NE(ring, d.circles.end());
  EXPECT_NEAR(ring->centre.x, -0.104 + 0.0695, 1e-6);
  EXPECT_NEAR(ring->centre.y, 0.6215 - 0.0695, 1e-6);
  EXPECT_NEAR(ring->radius, 0.0695, 1e-6);
  EXPECT_TRUE(std::ranges::any_of(d.texts, [](const drawing::Text& t) { return t.text == "Ø1.2430 ±0.0010"; }));
  EXPECT_TRUE(std::ranges::any_of(d.texts, [](const drawing::Text& t) { return t.text == "0.1040 ±0.0030"; }));
}

}  // namespace
