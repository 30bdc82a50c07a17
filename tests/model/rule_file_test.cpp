// The rule file a company writes for the design review: every way a row can be wrong is
// refused with its line, column and reason, and a file as spreadsheets save it is read to
// the values it holds, never to zeros.

#include <gtest/gtest.h>

#include <string>

#include "model/review_rules.h"

using namespace glandwise;

namespace {

// The smallest file the reader takes: the rules every radial gland needs, one compound and
// one metal. Its line numbers are in the comments.
const std::string kMinimal = std::string(RuleSet::kHeader) + "\n" +  // 1
                             "all,room_temperature,,,,,,,70,°F,src\n"  // 2
                             "radial,extrusion_clearance,,70,0,500,,,0.016,inch,src\n"  // 3
                             "radial,extrusion_clearance,,70,500,1000,,,0.010,inch,src\n"  // 4
                             "radial,fill_pass,,,,,,,85,%,src\n"  // 5
                             "radial,fill_caution,,,,,,,95,%,src\n"  // 6
                             "radial,fill_guidance,,,,,,,90,%,src\n"  // 7
                             "radial,service_fill_pass,,,,,,,95,%,src\n"  // 8
                             "radial,service_fill_caution,,,,,,,100,%,src\n"  // 9
                             "radial,squeeze_min,,,,,,,10,%,src\n"  // 10
                             "radial,squeeze_max,,,,,,,30,%,src\n"  // 11
                             "radial,stretch_max,,,,,,,5,%,src\n"  // 12
                             "radial,outside_caution,,,,,,,0.27,%,src\n"  // 13
                             "radial,outside_fail,,,,,,,5,%,src\n"  // 14
                             "radial,tolerance_sigmas,,,,,,,3,sigma,src\n"  // 15
                             "all,compound,,,,,nbr,NBR,1.3e-04,per °F,src\n"  // 16
                             "all,metal,,,,,steel,Steel,6.5e-06,per °F,src\n";  // 17

// kMinimal with the first `from` replaced by `to`.
std::string with(const std::string& from, const std::string& to) {
  std::string text = kMinimal;
  text.replace(text.find(from), from.size(), to);
  return text;
}

RuleLoad parsed(const std::string& text) { return RuleSet::parse(text, "/company/r.csv"); }

// Catches a wrong row read in part (missing cells as empty, a text read as 0 or up to its
// first bad character, a C string cut at a NUL), a duplicate or a band backwards taken with
// one of them winning, a key column ignored (a cross-section on a rule for every section), a
// pair of limits in the wrong order missed where one of them is for one gland kind or one
// cross-section, a face seal rule taken for radial glands, a blank source or name in quotes
// taken for one, a quoted name cut inside a character, and a file with old Mac line ends read
// as no rows.
TEST(RuleFile, EveryBadRowIsRefusedWithItsLineColumnAndReason) {
  ASSERT_TRUE(parsed(kMinimal).rules) << parsed(kMinimal).error;  // bands 0-500 and 500-1000 touch, not overlap
  const std::string r = "r.csv line ", value = ", column 9 (value): ";
  const struct {
    std::string text, error;
  } files[] = {
      {kMinimal + "radial,stretch_min,,,,,,,0,%\n", r + "18: expected 11 columns, found 10"},
      {kMinimal + "radial,stretch_min,,,,,,,0,%,src,more\n", r + "18: expected 11 columns, found 12"},
      {kMinimal + "radial,fill_pass,,,,,,,80,%,src\n", r + "18: the same rule as line 5"},
      {with("fill_pass,,,,,,,85", "fill_pass,,,,,,,85%"), r + "5" + value + "\"85%\" is not a number"},
      {with("fill_pass,,,,,,,85", "fill_pass,,,,,,,0x55"), r + "5" + value + "\"0x55\" is not a number"},
      {with("fill_pass,,,,,,,85", "fill_pass,,,,,,,nan"), r + "5" + value + "\"nan\" is not a number"},
      {with("fill_pass,,,,,,,85", "fill_pass,,,,,,,1e39"), r + "5" + value + "\"1e39\" is not a number"},
      {with("fill_pass,,,,,,,85", std::string("fill_pass,,,,,,,8\0005", 19)), r + "5" + value + "\"8"},
      {with("fill_pass,,,,,,,85", "fill_pass,,,,,,,"), r + "5" + value + "needed by fill_pass"},
      {with("fill_pass,,,,,,,85", "fill_pass,,,,,,,0"),
       r + "5" + value + "\"0\" is out of range for fill_pass (above 0 to 1000 %)"},
      {with("radial,fill_pass,,", "radial,fill_pass,0.139,"),
       r + "5, column 3 (cross_section_in): not used by fill_pass: leave it empty"},
      {with("radial,fill_pass", "Radial,fill_pass"),
       r + "5, column 1 (gland): \"Radial\" is not all, radial, rod, housing or face"},
      // A name quoted in the reason is cut between characters: 39 letters and a two-byte é.
      {kMinimal + "radial," + std::string(39, 'x') + "\u00e9,,,,,,,1,%,src\n",
       r + "18, column 2 (rule): \"" + std::string(39, 'x') + "\" is not a rule this program knows"},
      {kMinimal + "radial,squeeze_max,0.07in,,,,,,36,%,src\n",
       r + "18, column 3 (cross_section_in): \"0.07in\" is not a number"},
      {kMinimal + "radial,squeeze_max,0,,,,,,36,%,src\n",
       r + "18, column 3 (cross_section_in): \"0\" must be from 0.001 to 10 inch"},
      {kMinimal + "radial,extrusion_clearance,,70.5,1000,1500,,,0.006,inch,src\n",
       r + "18, column 4 (hardness_shore_a): \"70.5\" must be a whole number from 1 to 100"},
      {kMinimal + "radial,extrusion_clearance,,,1000,1500,,,0.006,inch,src\n",
       r + "18, column 4 (hardness_shore_a): needed by extrusion_clearance"},
      {kMinimal + "radial,extrusion_clearance,,70,1500,1000,,,0.006,inch,src\n",
       r + "18, column 6 (pressure_up_to_psi): must be above pressure_above_psi"},
      {kMinimal + "radial,extrusion_clearance,,70,1000,1000,,,0.006,inch,src\n",
       r + "18, column 6 (pressure_up_to_psi): must be above pressure_above_psi"},
      {kMinimal + "radial,overfill_fail,,,,,,,5,%,src\n",
       r + "18, column 1 (gland): overfill_fail is a rule of face seals: its gland is face"},
      {with("nbr,NBR", "NBR-2,NBR"),
       r + "16, column 7 (material): \"NBR-2\" is not an id of lower-case letters, digits and _"},
      {with("Steel,6.5e-06,per °F,src", "Steel,6.5e-06,per °F,\"src\"x"),
       r + "17, column 11 (source): a quoted cell must end with its quote"},
      {with("Steel,6.5e-06,per °F,src", "Steel,6.5e-06,per °F,\"  \""),
       r + "17, column 11 (source): every rule names its source"},
      {with("nbr,NBR", "nbr,\" \""), r + "16, column 8 (name): needed by compound"},
      // Limits in pairs: the pass below the fail, for each gland kind and cross-section.
      {with("outside_caution,,,,,,,0.27", "outside_caution,,,,,,,6"),
       r + "14" + value + "outside_fail 5 is not above outside_caution 6 (line 13)"},
      {with("squeeze_min,,,,,,,10", "squeeze_min,,,,,,,30"),
       r + "11" + value + "squeeze_max 30 is not above squeeze_min 30 (line 10)"},
      {kMinimal + "radial,squeeze_max,0.070,,,,,,8,%,src\n",
       r + "18" + value + "squeeze_max 8 is not above squeeze_min 10 (line 10)"},
      {kMinimal + "rod,fill_caution,,,,,,,80,%,src\n",
       r + "18" + value + "fill_caution 80 is not above fill_pass 85 (line 5)"},
      {kMinimal + "all,service_min,,,,,nbr,,100,°F,src\nall,service_max,,,,,nbr,,100,°F,src\n",
       r + "18" + value + "the service range of nbr must run from low to high"},
      {kMinimal + "all,service_max,,,,,fkm,,392,°F,src\n",
       r + "18, column 7 (material): \"fkm\" is not a compound of this file"},
      // Whole files.
      {"", r + "1: expected the header"},
      {std::string(RuleSet::kHeader) + "\n", "r.csv: no room_temperature rule for every radial gland"},
      {[] {
         std::string text = kMinimal;
         for (char& c : text)
           if (c == '\n') c = '\r';
         return text;
       }(),
       r + "1: expected the header"},
  };
  for (const auto& [text, error] : files) {
    const RuleLoad load = parsed(text);
    EXPECT_FALSE(load.rules) << error;
    EXPECT_EQ(load.error.substr(0, error.size()), error);
  }
  // Equal caution and fail shares are a sharp limit, not a reversed pair.
  EXPECT_TRUE(parsed(with("outside_caution,,,,,,,0.27", "outside_caution,,,,,,,5")).rules);
}

// Catches a file saved by a spreadsheet (byte-order mark, CR LF, blank lines, quoted cells
// with commas and doubled quotes, blanks around cells) read wrongly or with its lines
// miscounted; the most specific rule not winning (a rod row over a radial one, a
// cross-section's over every section's); a band that does not hold its upper pressure or
// holds its lower one (but for 0 psi); and a radial rule applied to face seals.
TEST(RuleFile, ASpreadsheetsFileIsReadToItsValuesAndTheMostSpecificRuleWins) {
  std::string text = "\xEF\xBB\xBF" + with("radial,fill_pass,,,,,,,85,%,src",
                                           "radial,fill_pass,,,,,,, 85 ,%,\"guide, table 3 \"\"static\"\"\"");
  text.insert(text.find("radial,extrusion_clearance"), "\n");  // a blank line 3
  text += "rod,fill_pass,,,,,,,80,%,src\n\tradial , squeeze_max , 0.070 ,,,,,,36,%,src\n";
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const RuleLoad load = parsed(crlf);
  ASSERT_TRUE(load.rules) << load.error;
  const RuleSet& rules = *load.rules;
  const GlandKind rod = GlandKind::RodGroove, housing = GlandKind::HousingGroove;

  const Rule* fill = rules.find(housing, RuleKind::FillPass);
  ASSERT_TRUE(fill);
  EXPECT_EQ(fill->value, 85);
  EXPECT_EQ(fill->source, "guide, table 3 \"static\"");
  EXPECT_EQ(fill->line, 6u);  // the blank line counts, the byte-order mark does not
  EXPECT_EQ(rules.find(rod, RuleKind::FillPass)->value, 80);
  EXPECT_EQ(rules.find(rod, RuleKind::SqueezeMax, 0.070f)->value, 36);
  EXPECT_EQ(rules.find(housing, RuleKind::SqueezeMax, 0.070f)->value, 36);
  EXPECT_EQ(rules.find(rod, RuleKind::SqueezeMax, 0.103f)->value, 30);
  EXPECT_EQ(rules.find(rod, RuleKind::RoomTemperature)->value, 70);
  EXPECT_NEAR(rules.material(RuleKind::Compound, "nbr")->value, 1.3e-4, 1e-12);
  EXPECT_EQ(rules.material(RuleKind::Compound, "nbr")->name, "NBR");
  EXPECT_EQ(rules.name(), "r");  // no rule_set row: the file's name

  // The bands 0-500 and 500-1000 psi: each holds its upper pressure, the first 0 as well.
  const struct {
    double psi;
    float limit;  // inch, as the file's value is read: a 32-bit float; 0: no band holds it
  } bands[] = {{-1, 0}, {0, 0.016}, {500, 0.016}, {500.5, 0.010}, {1000, 0.010}, {1000.5, 0}};
  for (const auto& [psi, limit] : bands) {
    const Rule* found = rules.extrusionLimit(rod, 70, psi);
    EXPECT_EQ(found ? found->value : 0, double(limit)) << psi << " psi";
  }
  EXPECT_FALSE(rules.extrusionLimit(rod, 80, 100));
  EXPECT_EQ(rules.hardnesses(housing), std::vector<int>{70});

  EXPECT_EQ(rules.faceRule(RuleKind::RoomTemperature)->value, 70);
  EXPECT_FALSE(rules.faceRule(RuleKind::FillPass));
}

}  // namespace
