// Hostile text in the face seal's batch line and published table: every fault a problem
// that names it, never a crash, a half character or a table of zeros.

#include <gtest/gtest.h>

#include "face/face_input.h"
#include "face/face_table.h"
#include "model/utf8.h"

using namespace glandwise;

namespace {

std::string problemOf(const std::string& line) {
  const std::optional<ParsedFaceInput> read = parseFaceLine(line);
  return read ? read->problem : "not a face line";
}

// Faults: a crash or exception on binary input or deep nesting, a wrong kind read as
// something (0.984 as the seal ID text, 1e300 as a hardness), an escaped "face" passed to
// the radial reader, a problem quoting half a character.
TEST(FaceLine, HostileLinesGiveProblems) {
  const std::string face = R"({"gland": "face", )";
  const std::string deep = std::string(100000, '[') + std::string(100000, ']');
  const std::pair<std::string, std::string> cases[] = {
      {face + "\"seal_id\": \"\xff\"}", "not valid JSON at byte 31"},
      {face + std::string("\"seal_id\": \"1\0\"}", 16), "not valid JSON at byte 32"},
      {face + "\"review\": " + deep + "}", "\"review\" must be an object, not array"},
      // Cut short after byte 18 + 10 + 100000: the fault is the missing byte 100029.
      {face + "\"review\": " + std::string(100000, '['), "not valid JSON at byte 100029"},
      {face + "\"seal_id\": 0.984}", "\"seal_id\" must be a string, not number"},
      {face + "\"edits\": []}", "\"edits\" must be an object, not array"},
      {face + "\"edits\": {\"depth\": 0.1}}", "\"depth\" in \"edits\" must be a string, not number"},
      {face + "\"edits\": {\"depth\": \"1\", \"depth\": \"2\"}}", "\"depth\" given twice in an object"},
      {face + "\"review\": {\"compound\": 5}}", "\"compound\" in \"review\" must be a string, not number"},
      {face + "\"review\": {\"hardness\": \"70\"}}", "\"hardness\" in \"review\" must be a number, not string"},
      {face + "\"review\": {\"hardness\": 1e300}}", "\"hardness\" in \"review\" must be a whole number from 1 to 100 "
                                                     "(Shore A)"},
      {face + "\"review\": {\"hardness\": 99999999999999999999999}}",
       "\"hardness\" in \"review\" must be a whole number from 1 to 100 (Shore A)"},
      {face + "\"review\": {\"temp_min_f\": -1e308, \"temp_max_f\": 0}}",
       "\"temp_min_f\" in \"review\" must lie between -459.67 and 2000 (°F)"},
      // 59 bytes of "a", then "é" across bytes 59 and 60: the quote stops before it.
      {face + "\"" + std::string(59, 'a') + "\xC3\xA9\": 1}", "unknown field \"" + std::string(59, 'a') + "\u2026\""},
      {R"({"gland": "\u0066ace", "medium": "steam"})", "unknown medium \"steam\"; expected \"liquid\" or \"gas\""},
      {R"({"gland": "rod", "medium": "face"})", "not a face line"},
      {"\xff\xfe face", "not a face line"},
  };
  for (const auto& [line, problem] : cases) {
    SCOPED_TRACE(line.substr(0, 80));
    EXPECT_EQ(problemOf(line), problem);
    EXPECT_TRUE(isValidUtf8(problemOf(line)));
  }
}

// A saved line reads back, texts with quotes, backslashes and other scripts included, and
// from outside with its groove ID; a text that is not UTF-8 is saved replaced, never thrown
// on. Faults: the datum written under the other side's name, an exception from the writer.
TEST(FaceLine, SavedLinesReadBack) {
  FaceInput input;
  input.form.as568 = "-116 \"\\ Ø";
  input.form.pressureFrom = PressureFrom::Outside;
  input.form.datum = "0.755";
  const std::optional<ParsedFaceInput> read = parseFaceLine(faceLine(input));
  ASSERT_TRUE(read && read->problem.empty()) << faceLine(input) << ": " << (read ? read->problem : "");
  EXPECT_EQ(read->input.form.as568, input.form.as568);
  EXPECT_EQ(read->input.form.datum, input.form.datum);
  input.form.as568 = "\xff";
  EXPECT_EQ(parseFaceLine(faceLine(input)).value().input.form.as568, "\uFFFD");
}

// A published table's bad row is refused with its line and what is wrong. Faults: a
// negative or unreadable cell read as 0, a groove that cannot squeeze or hold its radius
// accepted, a row given twice read, an empty table read as one, a quoted cell cut inside a
// character.
TEST(FaceTable, BadRowsAreRefusedWithTheirLine) {
  const std::string header =
      "cross_section_in,cs_tol_in,depth_min_in,depth_max_in,width_liquid_min_in,width_liquid_max_in,"
      "width_gas_min_in,width_gas_max_in,squeeze_min_percent,squeeze_max_percent,bottom_radius_min_in,"
      "bottom_radius_max_in,source\n";
  const std::string good = "0.139,0.004,0.101,0.107,0.177,0.187,0.158,0.164,20,30,0.010,0.025,s\n";
  const auto with = [&](std::size_t at, const std::string& cell) {  // `good` with cell `at` replaced
    std::string row = good;
    std::size_t start = 0;
    for (std::size_t i = 0; i < at; ++i) start = row.find(',', start) + 1;
    return row.replace(start, row.find(',', start) - start, cell);
  };
  const std::pair<std::string, std::string> cases[] = {
      {header + with(1, "-0.004"), "t line 2: cs_tol_in \"-0.004\" is not a positive number"},
      {header + with(0, "0"), "t line 2: cross_section_in \"0\" is not a positive number"},
      {header + with(2, std::string(19, '1') + "\xC3\xA9"),
       "t line 2: depth_min_in \"" + std::string(19, '1') + "\" is not a positive number"},
      {header + with(3, "0.139"), "t line 2: the groove is deeper than the cross-section: no squeeze"},
      {header + with(6, "0.139"), "t line 2: a groove width is not wider than the cross-section"},
      {header + with(11, "0.080"), "t line 2: the bottom radius does not fit the groove"},
      {header + good + good, "t line 3: cross-section 0.139 given twice"},
      {header, "t: no cross-sections in the table"},
  };
  for (const auto& [text, error] : cases) {
    SCOPED_TRACE(text.substr(header.size()));
    const FaceGlandTableLoad load = FaceGlandTable::parse(text, "t");
    EXPECT_FALSE(load.table);
    EXPECT_EQ(load.error, error);
  }
}

}  // namespace
