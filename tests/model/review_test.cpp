// The design review: each check against worked examples, the AS568 table and its loader,
// and the Monte Carlo against the root-sum-square band.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "model/editor.h"
#include "model/review.h"
#include "model/review_form.h"
#include "model/selection.h"
#include "model/sheet.h"
#include "model/shrinkage.h"

using namespace glandwise;

namespace {

// A rod-groove gland as the analysis leaves it, with round figures for hand arithmetic.
GlandRecord roundGland() {
  GlandRecord r;
  r.W = 0.139f, r.WT = 0.004f, r.ID = 0.9f, r.PR = 1000, r.ECC = 0.003f, r.GW = "0.187 to 0.192";
  r.EWM = 0.1f, r.EWMMax = 0.104f, r.EWMMin = 0.096f;
  r.GHM = 0.08f, r.GHMMin = 0.078f, r.GHMMax = 0.082f, r.GHMMinE = 0.0765f, r.GHMMaxE = 0.0835f;
  r.BDMMax = 2.001f, r.PDMMin = 1.995f, r.GDMMin = 0.9f, r.GDMMax = 0.902f;
  return r;
}

Review reviewOf(const GlandRecord& record, ReviewInputs inputs = {}) {
  return reviewGland(record, kRodGroove, inputs, nullptr);
}

// The standard 0.139 gland of `side` on 2 inch with the seal `sealId`, analysed and shown.
GlandRecord analysedGland(const GlandSide& side, const char* sealId) {
  GlandRecord r;
  SelectionEntries e;
  selectCrossSection(r, e, 2);
  selectGlandType(r, e, side.kind);
  (side.kind == GlandKind::RodGroove ? e.housingDia : e.rodDia) = "2";
  e.sealInsideDia = sealId;
  e.pressure = "1000";
  EXPECT_EQ(selectionOk(r, e).outcome, OkOutcome::GoOn);
  SilentPrompts silent;
  EXPECT_EQ(editorOk(r, side, editorLoad(r, side), silent).outcome, OkOutcome::GoOn);
  fillSheet(r, side);
  return r;
}

As568Table shippedTable() {
  As568Load load = As568Table::load(GLANDWISE_AS568_TABLE);
  EXPECT_TRUE(load.table) << load.error;
  return load.table ? std::move(*load.table) : As568Table();
}

TEST(ReviewTest, FillAtTheFourConditions) {
  // Nominal: seal π/4 × 0.1² = 0.0078540; groove 0.08 × 0.1895 (middle of 0.187 to 0.192)
  // − 2 × 0.01² × (1 − π/4) = 0.0151600 − 0.0000429 = 0.0151171; fill 0.0078540 / 0.0151171
  // = 51.954 %. The others the same way (figures read from the 32-bit record).
  const Review review = reviewOf(roundGland());
  const struct {
    const FillCondition& condition;
    double percent, width;
  } cases[] = {{review.fill.nominal, 51.954359, 0.1895},
               {review.fill.mmc, 58.411744, 0.187},
               {review.fill.lmc, 46.100201, 0.192},
               {review.fill.worstEccentric, 59.560521, 0.187}};
  for (const auto& c : cases) {
    EXPECT_NEAR(c.condition.fillPercent, c.percent, 1e-5);
    EXPECT_NEAR(c.condition.grooveWidth, c.width, 1e-7);
  }
  EXPECT_EQ(review.fill.finding.verdict, Verdict::Pass);
}

TEST(ReviewTest, FillVerdictsAtTheirLimits) {
  // The groove height that puts the nominal fill on a given percentage.
  const auto verdictAt = [](double percent) {
    GlandRecord r = roundGland();
    const double groove = (std::acos(-1.0) / 4 * 0.01) / (percent / 100) + 2 * 0.0001 * (1 - std::acos(-1.0) / 4);
    r.GHM = static_cast<float>(groove / 0.1895);
    return reviewOf(r).fill.nominal.finding.verdict;
  };
  EXPECT_EQ(verdictAt(84.9), Verdict::Pass);
  EXPECT_EQ(verdictAt(85.1), Verdict::Caution);
  EXPECT_EQ(verdictAt(90.1), Verdict::Fail);
  GlandRecord unknownWidth = roundGland();
  unknownWidth.GW = "";
  EXPECT_EQ(reviewOf(unknownWidth).fill.finding.verdict, Verdict::Caution);
}

TEST(ReviewTest, ExtrusionLimitByHardnessAndPressureBand) {
  const struct {
    int hardness;
    double pressure, limit;
  } limits[] = {{70, 499.9, 0.016}, {70, 500, 0.010}, {70, 1000, 0.006}, {70, 1500, 0.004},
                {80, 999, 0.017},   {80, 1000, 0.013}, {90, 1, 0.028},   {90, 1500, 0.016}};
  for (const auto& l : limits)
    EXPECT_EQ(extrusionClearanceLimit(l.hardness, l.pressure), l.limit) << l.hardness << " " << l.pressure;

  // Clearance 2.001 − 1.995 = 0.006 inch against 0.006 at 70 Shore A, 1000 psi: within 10 %.
  GlandRecord r = roundGland();
  EXPECT_NEAR(reviewOf(r).extrusion.diametralClearance, 0.006, 1e-6);
  EXPECT_EQ(reviewOf(r).extrusion.finding.verdict, Verdict::Caution);
  r.BDMMax = 2.0015f;  // 0.0065 > 0.006: extrudes
  EXPECT_EQ(reviewOf(r).extrusion.finding.verdict, Verdict::Fail);
  r.BDMMax = 2.0f;  // 0.005
  EXPECT_EQ(reviewOf(r).extrusion.finding.verdict, Verdict::Pass);
}

TEST(ReviewTest, StretchRangeFromTheSealTolerance) {
  // Seat 0.900 to 0.902 (groove), seal 0.900 ± 0.010: (0.900 − 0.910) / 0.910 = −1.0989 % and
  // (0.902 − 0.890) / 0.890 = 1.3483 %; a loose seal on a groove in the rod is a caution.
  ReviewInputs typed;
  typed.sealIdTolerance = 0.01f;
  const StretchReview stretch = reviewOf(roundGland(), typed).stretch;
  ASSERT_TRUE(stretch.known);
  EXPECT_NEAR(stretch.smallestPercent, -1.0989011, 1e-6);
  EXPECT_NEAR(stretch.largestPercent, 1.3483184, 1e-6);
  EXPECT_EQ(stretch.effectiveAtSmallest, 0.139f);  // unstretched
  EXPECT_NEAR(stretch.effectiveAtLargest, 0.13725218, 1e-7);
  EXPECT_EQ(stretch.finding.verdict, Verdict::Caution);
  EXPECT_NE(stretch.finding.reason.find("loose"), std::string::npos);

  const StretchReview unknown = reviewOf(roundGland()).stretch;
  EXPECT_FALSE(unknown.known);
  EXPECT_EQ(unknown.toleranceSource, "none");
  EXPECT_EQ(unknown.finding.verdict, Verdict::Caution);
}

TEST(ReviewTest, TemperatureAndSwell) {
  // NBR on carbon steel, −30 to 250 °F: cold ΔT = −100, seal 0.096 × (1 − 0.013) = 0.094752,
  // height 0.0835 × (1 − 0.00062) = 0.083448, squeeze 11.930 %; hot ΔT = 180 gives 28.044 %.
  ReviewInputs inputs;
  inputs.tempMinF = -30;
  inputs.tempMaxF = 250;
  inputs.swellPercent = 15;
  const Review review = reviewOf(roundGland(), inputs);
  EXPECT_NEAR(review.temperature.coldSqueezePercent, 11.929851, 1e-5);
  EXPECT_NEAR(review.temperature.hotSqueezePercent, 28.043991, 1e-5);
  EXPECT_NEAR(review.temperature.hotFillPercent, 62.310818, 1e-5);
  EXPECT_EQ(review.temperature.finding.verdict, Verdict::Pass);
  // Swell 15 %: the cross-section grows by ∛1.15, the MMC fill 58.4117 % by 1.15.
  EXPECT_NEAR(review.swell.squeezePercent, 28.413909, 1e-5);
  EXPECT_NEAR(review.swell.fillPercent, 67.173505, 1e-5);

  inputs.tempMinF = -40;  // below NBR's usual −30 °F
  const Finding cold = reviewOf(roundGland(), inputs).temperature.finding;
  EXPECT_EQ(cold.verdict, Verdict::Caution);
  EXPECT_NE(cold.reason.find("-30 to 250"), std::string::npos) << cold.reason;
  inputs.compound = Compound::Custom;  // no service range to leave
  inputs.alphaSealPerF = 130e-6;
  EXPECT_EQ(reviewOf(roundGland(), inputs).temperature.finding.verdict, Verdict::Pass);
}

TEST(ReviewTest, MonteCarloAgreesWithTheRootSumSquareAndRepeats) {
  for (const GlandSide* side : {&kRodGroove, &kHousingGroove}) {
    const GlandRecord record = analysedGland(*side, side == &kRodGroove ? "1.75" : "1.97");
    ReviewInputs inputs;
    inputs.sealIdTolerance = 0.015f;
    const StatisticsReview s = reviewGland(record, *side, inputs, nullptr).statistics;
    EXPECT_NEAR(s.sigma, s.rssSigma, 0.03 * s.rssSigma);
    EXPECT_NEAR(s.mean, s.nominalPercent, 0.05 * s.rssSigma);
    // The uniform eccentric offset makes the tails a little shorter than a normal's 3.09 σ.
    EXPECT_NEAR(s.p001, s.mean - 3 * s.sigma, 0.5 * s.sigma);
    EXPECT_NEAR(s.p999, s.mean + 3 * s.sigma, 0.5 * s.sigma);
    int counted = 0;
    for (int bin : s.histogram) counted += bin;
    EXPECT_EQ(counted, kMonteCarloSamples);
    const StatisticsReview again = reviewGland(record, *side, inputs, nullptr).statistics;
    EXPECT_EQ(again.mean, s.mean);
    EXPECT_EQ(again.histogram, s.histogram);
  }
}

// With the cross-section the only toleranced dimension, squeeze S = 100 (1 − GH / EW) with
// EW = W (1 − k) and k fixed by the stretch, so σ = |dS/dW| × WT/3 = 100 GH / (W EW) × WT/3.
TEST(ReviewTest, StatisticsScaleWithTheTolerances) {
  GlandRecord r = analysedGland(kRodGroove, "1.75");
  r.BDTM = r.PDTM = r.GDTM = r.ECC = 0;
  const double height = (double(r.BDM) - r.GDM) / 2;
  const double effective = stretchedCrossSection(r.W, (double(r.GDM) - r.ID) / r.ID * 100, false);
  const double sigma = 100 * height / (double(r.W) * effective) * r.WT / 3;
  const StatisticsReview s = reviewOf(r).statistics;
  EXPECT_NEAR(s.rssSigma, sigma, 1e-4 * sigma);
  EXPECT_NEAR(s.sigma, sigma, 0.03 * sigma);
  EXPECT_NEAR(s.nominalPercent, 100 * (1 - height / effective), 1e-9);
}

TEST(ReviewTest, OverallIsTheWorstAndAs568SealsBringTheirTolerance) {
  const As568Table table = shippedTable();
  // -214 is 0.984 ± 0.010 × 0.139: typed as the seal, the review finds it.
  const Review review = reviewGland(analysedGland(kRodGroove, "0.984"), kRodGroove, {}, &table);
  EXPECT_EQ(review.as568Dash, "214");
  EXPECT_EQ(review.stretch.toleranceSource, "AS568 -214");
  EXPECT_EQ(review.stretch.sealIdTolerance, 0.01f);
  Verdict worst = Verdict::Pass;
  for (const Finding* f : {&review.fill.finding, &review.extrusion.finding, &review.stretch.finding,
                           &review.temperature.finding, &review.swell.finding, &review.statistics.finding})
    worst = std::max(worst, f->verdict);
  EXPECT_EQ(review.overall, worst);
}

TEST(As568Test, LooksSizesUpBothWays) {
  const As568Table table = shippedTable();
  const struct {
    const char* dash;
    float id, idTolerance, crossSection, crossSectionTolerance;
  } sizes[] = {{"-013", 0.426f, 0.005f, 0.070f, 0.003f},
               {"214", 0.984f, 0.010f, 0.139f, 0.004f},
               {"2-325", 1.475f, 0.015f, 0.210f, 0.005f},
               {"AS568-429", 4.975f, 0.037f, 0.275f, 0.006f},
               {"-4", 0.070f, 0.005f, 0.070f, 0.003f}};
  for (const auto& s : sizes) {
    const As568Size* size = table.find(s.dash);
    ASSERT_NE(size, nullptr) << s.dash;
    EXPECT_EQ(size->insideDiameter, s.id);
    EXPECT_EQ(size->insideDiameterTolerance, s.idTolerance);
    EXPECT_EQ(size->crossSection, s.crossSection);
    EXPECT_EQ(size->crossSectionTolerance, s.crossSectionTolerance);
    EXPECT_EQ(table.match(s.crossSection, s.id + 0.0004f), size) << s.dash;
  }
  EXPECT_EQ(table.find("-999"), nullptr);
  EXPECT_EQ(table.find("abc"), nullptr);
  EXPECT_EQ(table.find("2-14"), nullptr);  // "2-" takes all three digits
  EXPECT_EQ(table.match(0.139f, 0.9855f), nullptr);  // 0.0015 from -214
  EXPECT_EQ(table.match(0.103f, 0.984f), nullptr);   // another cross-section
}

TEST(As568Test, LoaderRefusesABadTableNamingTheLine) {
  const std::string header = "dash,id_in,id_tol_in,cs_in,cs_tol_in\n";
  const struct {
    std::string text, error;
  } tables[] = {
      {"dash,id\n001,0.029\n", "t.csv line 1: expected the header"},
      {header + "001,0.029,0.004,0.040\n", "t.csv line 2: expected 5 columns"},
      {header + "001,0.029,0.004,0.040,0.003\n002,x,0.004,0.050,0.003\n", "t.csv line 3: id_in \"x\""},
      {header + "001,0.029,0.004,-0.04,0.003\n", "t.csv line 2: cs_in \"-0.04\" is not a positive number"},
      {header + "001,0.029,0.004,0.040,0.003\n-001,0.03,0.004,0.040,0.003\n", "t.csv line 3: dash number -001 given twice"},
      {header + "12a,0.029,0.004,0.040,0.003\n", "t.csv line 2: \"12a\" is not a dash number"},
      {header, "t.csv: no sizes in the table"},
  };
  for (const auto& t : tables) {
    const As568Load load = As568Table::parse(t.text, "t.csv");
    EXPECT_FALSE(load.table);
    EXPECT_EQ(load.error.substr(0, t.error.size()), t.error);
  }
  // As spreadsheets save it: a byte-order mark and CR LF line ends.
  EXPECT_TRUE(As568Table::parse("\xEF\xBB\xBF" + header + "001,0.029,0.004,0.040,0.003\r\n\n", "t.csv").table);
  EXPECT_NE(As568Table::load("/nonexistent/as568.csv").error.find("cannot read"), std::string::npos);
}

}  // namespace

// Catches a form whose defaults differ from the core's, a box read though its material is
// not Custom, a range or pairing rule not applied, a number beyond a float called "not a
// number", and a bad box that still gives inputs.
TEST(ReviewFormTest, ReadsEveryBoxAndSaysWhyOneCannotBeUsed) {
  ReviewForm form;
  form.text(ReviewBox::AlphaSeal) = "junk";  // not read: the compound is not Custom
  const ReviewFormRead defaults = readReviewForm(form);
  ASSERT_TRUE(defaults.inputs);
  EXPECT_EQ(defaults.inputs->hardness, ReviewInputs{}.hardness);
  EXPECT_FALSE(defaults.inputs->sealIdTolerance);
  EXPECT_DOUBLE_EQ(defaults.inputs->squeezeMaxPercent, ReviewInputs{}.squeezeMaxPercent);
  EXPECT_NEAR(defaults.inputs->grooveRadius, ReviewInputs{}.grooveRadius, 1e-9);

  form.compound = Compound::Custom;
  form.text(ReviewBox::TempMin) = "100";
  form.text(ReviewBox::TempMax) = "50";
  form.text(ReviewBox::GrooveRadius) = "1";
  form.text(ReviewBox::Swell) = "1e39";  // beyond a float: out of range, as 1001 would be
  const ReviewFormRead bad = readReviewForm(form);
  EXPECT_FALSE(bad.inputs);
  EXPECT_EQ(bad.problem(ReviewBox::AlphaSeal), "not a number");
  EXPECT_EQ(bad.problem(ReviewBox::TempMax), "must not be below the lowest temperature");
  EXPECT_EQ(bad.problem(ReviewBox::GrooveRadius), "out of range: at least 0 and below 1 inch");
  EXPECT_EQ(bad.problem(ReviewBox::Swell), "out of range: above -100 and at most 1000 %");
  EXPECT_EQ(bad.problem(ReviewBox::SqueezeMin), "");
}
