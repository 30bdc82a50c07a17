// glandwise-calc --format csv and --fields, end to end: the CSV cells against the JSON
// output of the same lines and fields.

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "calc_output_lines.h"

using calc_test::kCalc;
using calc_test::runShell;
using nlohmann::json;

namespace {

// The rows and cells of RFC 4180 text: quoted cells may hold commas, line feeds and
// doubled quotes.
std::vector<std::vector<std::string>> csvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') rows.back().back() += text[++i];
    else if (c == '"') quoted = !quoted;
    else if (!quoted && c == ',') rows.back().emplace_back();
    else if (!quoted && c == '\n') rows.emplace_back(1);
    else rows.back().back() += c;
  }
  rows.pop_back();  // after the last line feed
  return rows;
}

// Where the field `name` lies in a line's JSON object.
json::json_pointer placeOf(std::string name) {
  if (name.starts_with("review.")) {
    std::replace(name.begin(), name.end(), '.', '/');
    return json::json_pointer("/" + name);
  }
  if (name.starts_with("lbl")) return json::json_pointer("/sheet/" + name);
  if (name == "screen" || name == "messages" || name.starts_with("report")) return json::json_pointer("/" + name);
  return json::json_pointer("/record/" + name);
}

// The text a CSV cell holds for a JSON value: a string as it is, null or nothing as an
// empty cell, anything else as its JSON text (which reads back to the same value).
bool sameValue(const std::string& cell, const json& object, const json::json_pointer& place) {
  if (!object.contains(place) || object[place].is_null()) return cell.empty();
  if (object[place].is_string()) return cell == object[place].get<std::string>();
  return json::parse(cell) == object[place];
}

// Catches a CSV column that is missing, misnamed or out of the output's order; a cell
// whose value differs from the JSON output's (a number spelled or rounded otherwise, a
// text lost, a list not as JSON); quoting that breaks a row at a comma, a quote or a line
// break; a refusal or error text missing from "message"; group names that choose too much
// or too little; sheet captions left out when a label is chosen, or values left unrounded
// when none is; and an unknown field name not refused with the names it could be.
TEST(CsvAndFields, CellsHoldTheValuesOfTheJsonOutput) {
  const std::string input = ::testing::TempDir() + "csv_fields_" + std::to_string(::getpid()) + ".jsonl";
  std::ofstream(input) << R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.75", "housing": "2"})" "\n"
                          R"({"cross_section": "0.070"})" "\n"  // refused
                          R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.0", "housing": "1.25",)"
                          R"( "edits": {"txtPDM": "1.24", "txtGDM": "1.1"}, "answers": ["no", "yes"]})" "\n"
                          R"({"cross_section": "0.139", "gland": "rod",)" "\n"  // broken
                          R"({"cross_section": 0.139})" "\n";                   // quotes in its message
  const std::string fields = "--review --fields 'ErrorText, PDM,GW,messages,sheet,review.extrusion,review.rules,review.overall' ";
  const auto [csvStatus, csv] = runShell(kCalc + "--format csv " + fields + input);
  const auto [jsonStatus, jsonText] = runShell(kCalc + fields + input);
  EXPECT_EQ(csvStatus, 1);
  EXPECT_EQ(jsonStatus, 1);
  const std::vector<json> objects = calc_test::jsonLines(jsonText);
  const std::vector<std::vector<std::string>> rows = csvRows(csv);
  ASSERT_EQ(rows.size(), objects.size() + 1);
  const std::vector<std::string>& header = rows[0];
  EXPECT_EQ(std::vector<std::string>(header.begin(), header.begin() + 8),
            (std::vector<std::string>{"line", "outcome", "message", "messages", "PDM", "GW", "ErrorText", "lblWV"}));
  EXPECT_EQ(std::vector<std::string>(header.end() - 3, header.end()),
            (std::vector<std::string>{"review.extrusion.verdict", "review.extrusion.reason", "review.extrusion.remedy"}));
  EXPECT_EQ(header.size(), 3u + 4 + 62 + 3 + 7);  // the 62 labels of the two sheets
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const json& object = objects[i];
    const std::vector<std::string>& row = rows[i + 1];
    ASSERT_EQ(row.size(), header.size()) << i;
    EXPECT_EQ(row[0], std::to_string(object["line"].get<int>()));
    EXPECT_EQ(row[1], object["outcome"]);
    const json message = object["outcome"] == "error"     ? object["message"]
                         : object["outcome"] == "refused" ? object["messages"].back()["text"]
                                                          : json("");
    EXPECT_EQ(row[2], message);
    for (std::size_t column = 3; column < header.size(); ++column)
      EXPECT_TRUE(sameValue(row[column], object, placeOf(header[column]))) << header[column] << ": " << row[column];
  }
  EXPECT_EQ(objects[2]["messages"].size(), 2u);  // the question answered No, then Yes
  EXPECT_EQ(objects[0]["sheet"]["lblWV"], "0.139 Inch   Tolerance =  +/-  0.004");
  const auto [groupStatus, groupText] = runShell(kCalc + "--fields record,review.overall " + input);
  const json grouped = calc_test::jsonLines(groupText)[0];
  EXPECT_EQ(grouped.size(), 3u);  // outcome, line, record: the review was not asked for
  // Without a sheet label the captions are not made, but the values are rounded as ever.
  EXPECT_EQ(grouped["record"], calc_test::jsonLines(runShell(kCalc + input).second)[0]["record"]);
  const auto [unknownStatus, unknown] = runShell("'" GLANDWISE_CALC_PROGRAM "' --fields PDM,lblPD 2>&1 </dev/null");
  EXPECT_EQ(unknownStatus, 2);
  for (const char* text : {"unknown field \"lblPD\"", " lblPDMV ", " review.fill.mmc.fill_percent", " report_error"})
    EXPECT_NE(unknown.find(text), std::string::npos) << text;
  std::remove(input.c_str());
}

// Catches a cell holding a carriage return but no comma, quote or line feed left unquoted:
// many readers end the row there.
TEST(CsvAndFields, ACarriageReturnIsQuoted) {
  const auto csv = glandwise::calc::makeLineWriter(glandwise::calc::OutputFormat::Csv,
                                                   glandwise::calc::FieldSelection::all(false, false));
  csv->writeError(7, "C:\\dir\rfile");
  EXPECT_TRUE(csv->text().starts_with("7,error,\"line 7: C:\\dir\rfile\",")) << csv->text();
}

}  // namespace
