#include "cli/find_output.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <span>
#include <string>

#include "cli/calc_output.h"
#include "model/number_text.h"
#include "cli/output_fields.h"
#include "model/find_input.h"

namespace glandwise::calc {
namespace {

// Writes one value as JSON.
class JsonValue final : public FieldSink {
 public:
  explicit JsonValue(JsonWriter& json) : json_(json) {}
  void number(float value) override { json_.number(value); }
  void figure(double value) override { json_.figure(value); }
  void integer(std::int64_t value) override { json_.integer(value); }
  void text(std::string_view value) override { json_.string(value); }
  void null() override { json_.null(); }
  void list(const std::function<void(JsonWriter&)>& write) override { write(json_); }

 private:
  JsonWriter& json_;
};

// Writes one value as a CSV cell, as the gland lines' cells are written.
class CsvValue final : public FieldSink {
 public:
  explicit CsvValue(TextBuffer& out) : out_(out) {}
  void number(float value) override {
    if (std::isfinite(value)) out_.commit(writeFloat(out_.room(kMaxNumberLength), value));
  }
  void figure(double value) override {
    if (std::isfinite(value)) out_.commit(writeFigure(out_.room(kMaxNumberLength), value));
  }
  void integer(std::int64_t value) override { out_.commit(writeInteger(out_.room(kMaxNumberLength), value)); }
  void text(std::string_view value) override { appendCsvCell(out_, value); }
  void null() override {}
  void list(const std::function<void(JsonWriter&)>& write) override {
    JsonWriter list;
    write(list);
    text(list.text());
  }

 private:
  TextBuffer& out_;
};

// One column of a candidate: its name and its value, the same in JSON and CSV.
template <class C>
struct Column {
  const char* name;
  std::function<void(const C&, std::size_t rank, FieldSink&)> write;
};
using CandidateColumn = Column<Candidate>;
using FaceColumn = Column<FaceCandidate>;

const GlandSide& sideOf(const Candidate& c) { return glandSide(*c.input.glandType); }

using Sink = FieldSink;

const std::vector<CandidateColumn>& candidateColumns() {
  static const std::vector<CandidateColumn> columns{
      {"rank", [](const Candidate&, std::size_t rank, Sink& s) { s.integer(static_cast<std::int64_t>(rank)); }},
      {"as568", [](const Candidate& c, std::size_t, Sink& s) { s.text("-" + c.size->dash); }},
      {"cross_section", [](const Candidate& c, std::size_t, Sink& s) { s.number(c.record.W); }},
      {"seal_id", [](const Candidate& c, std::size_t, Sink& s) { s.number(c.record.ID); }},
      {"groove_diameter", [](const Candidate& c, std::size_t, Sink& s) { s.number(c.record.*sideOf(c).groove.nominal); }},
      {"groove_tolerance", [](const Candidate& c, std::size_t, Sink& s) { s.number(c.record.*sideOf(c).groove.tolerance); }},
      {"groove_width", [](const Candidate& c, std::size_t, Sink& s) { s.text(c.record.GW); }},
      {"squeeze_min_percent", [](const Candidate& c, std::size_t, Sink& s) { s.number(c.record.*sideOf(c).PCMinE); }},
      {"squeeze_max_percent", [](const Candidate& c, std::size_t, Sink& s) { s.number(c.record.*sideOf(c).PCMaxE); }},
      {"fill_percent", [](const Candidate& c, std::size_t, Sink& s) { s.figure(c.review.fill.mmc.fillPercent); }},
      {"clearance", [](const Candidate& c, std::size_t, Sink& s) { s.figure(c.review.extrusion.diametralClearance); }},
      {"yield_percent", [](const Candidate& c, std::size_t, Sink& s) { s.figure(c.judgement.yieldPercent); }},
      {"margin_percent", [](const Candidate& c, std::size_t, Sink& s) { s.figure(c.judgement.margin * 100); }},
      {"limiting", [](const Candidate& c, std::size_t, Sink& s) { s.text(c.judgement.limiting); }},
      {"verdict", [](const Candidate& c, std::size_t, Sink& s) { s.text(verdictName(c.judgement.verdict)); }},
      {"why", [](const Candidate& c, std::size_t, Sink& s) { s.text(c.judgement.why); }},
      {"editor_cautions",
       [](const Candidate& c, std::size_t, Sink& s) {
         s.list([&](JsonWriter& j) {
           j.beginArray();
           for (const std::string& caution : c.cautions) j.string(caution);
           j.endArray();
         });
       }},
      {"input", [](const Candidate& c, std::size_t, Sink& s) { s.text(inputLine(c.input)); }},
  };
  return columns;
}

const FaceGland& glandOf(const FaceCandidate& c) { return *c.result.design.gland; }
const FaceAnalysis& analysisOf(const FaceCandidate& c) { return *c.result.analysis; }

const std::vector<FaceColumn>& faceColumns() {
  static const std::vector<FaceColumn> columns{
      {"rank", [](const FaceCandidate&, std::size_t rank, Sink& s) { s.integer(static_cast<std::int64_t>(rank)); }},
      {"as568", [](const FaceCandidate& c, std::size_t, Sink& s) { s.text("-" + c.size->dash); }},
      {"cross_section", [](const FaceCandidate& c, std::size_t, Sink& s) { s.number(glandOf(c).ring.crossSection); }},
      {"seal_id", [](const FaceCandidate& c, std::size_t, Sink& s) { s.number(glandOf(c).ring.insideDiameter); }},
      {"datum", [](const FaceCandidate& c, std::size_t, Sink& s) { s.number(glandOf(c).groove.datum); }},
      {"depth", [](const FaceCandidate& c, std::size_t, Sink& s) { s.number(glandOf(c).groove.depth); }},
      {"groove_width", [](const FaceCandidate& c, std::size_t, Sink& s) { s.number(glandOf(c).groove.width); }},
      {"squeeze_min_percent", [](const FaceCandidate& c, std::size_t, Sink& s) { s.figure(analysisOf(c).lmc.squeezePercent); }},
      {"squeeze_max_percent", [](const FaceCandidate& c, std::size_t, Sink& s) { s.figure(analysisOf(c).mmc.squeezePercent); }},
      {"fill_percent", [](const FaceCandidate& c, std::size_t, Sink& s) { s.figure(analysisOf(c).mmc.fillPercent); }},
      {"fit_percent", [](const FaceCandidate& c, std::size_t, Sink& s) { s.figure(analysisOf(c).fit.nominalPercent); }},
      {"yield_percent", [](const FaceCandidate& c, std::size_t, Sink& s) { s.figure(c.judgement.yieldPercent); }},
      {"margin_percent", [](const FaceCandidate& c, std::size_t, Sink& s) { s.figure(c.judgement.margin * 100); }},
      {"limiting", [](const FaceCandidate& c, std::size_t, Sink& s) { s.text(c.judgement.limiting); }},
      {"verdict", [](const FaceCandidate& c, std::size_t, Sink& s) { s.text(verdictName(c.judgement.verdict)); }},
      {"why", [](const FaceCandidate& c, std::size_t, Sink& s) { s.text(c.judgement.why); }},
  };
  return columns;
}

// Writes the first `count` of `candidates` as a JSON array of objects, each followed by
// what `extra` adds to the i-th one.
template <class C, class Extra>
void writeCandidatesJson(JsonWriter& json, const std::vector<Column<C>>& columns, const std::vector<C>& candidates,
                         std::size_t count, const Extra& extra) {
  json.key("candidates");
  json.beginArray();
  for (std::size_t i = 0; i < count; ++i) {
    json.beginObject();
    JsonValue value(json);
    for (const Column<C>& column : columns) {
      json.key(column.name);
      column.write(candidates[i], i + 1, value);
    }
    extra(i);
    json.endObject();
  }
  json.endArray();
}

void writeReason(JsonWriter& json, const std::string& reason) {
  if (reason.empty()) return;
  json.key("reason");
  json.string(reason);
}

// Writes the CSV header and the rows of the first `count` of `candidates` (or the row of
// `reason` when there are none), each row followed by what `extra` adds; `extraNames` are
// the columns `extra` writes.
template <class C, class Extra>
void writeCandidatesCsv(TextBuffer& out, std::size_t lineNumber, const std::vector<Column<C>>& columns,
                        const std::vector<C>& candidates, std::size_t count, const std::string& reason,
                        std::span<const char* const> extraNames, const Extra& extra) {
  out.append("line,outcome,message");
  for (const Column<C>& column : columns) (out.append(","), out.append(column.name));
  for (const char* name : extraNames) (out.append(","), out.append(name));
  out.append("\n");
  CsvValue cell(out);
  for (std::size_t i = 0; i < count; ++i) {
    cell.integer(static_cast<std::int64_t>(lineNumber));
    out.append(",found,");
    for (const Column<C>& column : columns) {
      out.append(",");
      column.write(candidates[i], i + 1, cell);
    }
    extra(i);
    out.append("\n");
  }
  if (candidates.empty()) {
    cell.integer(static_cast<std::int64_t>(lineNumber));
    out.append(",found,");
    cell.text(reason);
    out.append(std::string(columns.size() + extraNames.size(), ','));
    out.append("\n");
  }
}

void writeChoice(JsonWriter& j, const ToleranceChoice& choice) {
  j.beginObject();
  j.key("groove");
  j.number(choice.groove);
  j.key("mating");
  j.number(choice.mating);
  j.key("yield_percent");
  j.figure(choice.yieldPercent);
  j.key("verdict");
  j.string(verdictName(choice.verdict));
  j.endObject();
}

void writeAllocation(JsonWriter& j, const ToleranceAllocation& allocation) {
  j.beginObject();
  j.key("target_yield_percent");
  j.figure(allocation.targetPercent);
  j.key("choices");
  j.beginArray();
  for (const ToleranceChoice& choice : allocation.choices) writeChoice(j, choice);
  j.endArray();
  if (allocation.choices.empty()) {
    j.key("narrowest");
    writeChoice(j, allocation.narrowest);
  }
  j.key("pairs_reviewed");
  j.integer(allocation.reviewed);
  j.endObject();
}

// The CSV columns after a candidate's own, when the tolerances are asked for: the widest pair.
constexpr const char* kAllocationColumns[] = {"groove_tolerance_widest", "mating_tolerance_widest",
                                              "widest_yield_percent"};

void writeAllocationCells(TextBuffer& out, const ToleranceAllocation& allocation) {
  CsvValue cell(out);
  if (allocation.choices.empty()) return out.append(",,,");
  const ToleranceChoice& widest = allocation.choices.front();
  out.append(",");
  cell.number(widest.groove);
  out.append(",");
  cell.number(widest.mating);
  out.append(",");
  cell.figure(widest.yieldPercent);
}

}  // namespace

std::size_t writtenCount(const FoundLine& found) { return std::min(found.find.top, found.result.candidates.size()); }

void writeFoundJson(JsonWriter& json, std::size_t lineNumber, const FoundLine& found) {
  const FindRequest& request = found.find.request;
  json.beginObject();
  json.key("outcome");
  json.string("found");
  json.key("line");
  json.integer(static_cast<std::int64_t>(lineNumber));
  json.key("gland");
  json.string(request.glandType == GlandKind::RodGroove ? "rod" : "housing");
  json.key(request.glandType == GlandKind::RodGroove ? "bore" : "rod");
  json.string(request.hardwareDia);
  writeCandidatesJson(json, candidateColumns(), found.result.candidates, writtenCount(found), [&](std::size_t i) {
    if (found.allocations.empty()) return;
    json.key("tolerances");
    writeAllocation(json, found.allocations[i]);
  });
  writeReason(json, found.result.reason);
  json.endObject();
  json.endLine();
}

void writeFoundCsv(TextBuffer& out, std::size_t lineNumber, const FoundLine& found) {
  const bool allocated = !found.allocations.empty();
  writeCandidatesCsv(out, lineNumber, candidateColumns(), found.result.candidates, writtenCount(found),
                     found.result.reason,
                     allocated ? std::span<const char* const>(kAllocationColumns) : std::span<const char* const>(),
                     [&](std::size_t i) {
                       if (allocated) writeAllocationCells(out, found.allocations[i]);
                     });
}

namespace {

std::size_t faceWrittenCount(const FaceFoundLine& found) {
  return std::min(found.find.top, found.result.candidates.size());
}

}  // namespace

void writeFaceFoundJson(JsonWriter& json, std::size_t lineNumber, const FaceFoundLine& found) {
  const FaceFindRequest& request = found.find.request;
  const FaceSide& side = faceSide(request.from);
  json.beginObject();
  json.key("outcome");
  json.string("found");
  json.key("line");
  json.integer(static_cast<std::int64_t>(lineNumber));
  json.key("gland");
  json.string("face");
  json.key("pressure_from");
  json.string(side.key);
  json.key("medium");
  json.string(mediumKey(request.medium));
  json.key(side.datumKey);
  json.number(request.datum);
  writeCandidatesJson(json, faceColumns(), found.result.candidates, faceWrittenCount(found), [](std::size_t) {});
  writeReason(json, found.result.reason);
  json.endObject();
  json.endLine();
}

void writeFaceFoundCsv(TextBuffer& out, std::size_t lineNumber, const FaceFoundLine& found) {
  writeCandidatesCsv(out, lineNumber, faceColumns(), found.result.candidates, faceWrittenCount(found),
                     found.result.reason, {}, [](std::size_t) {});
}

namespace {

// Works a face find line: the face seal table and the rules are needed.
bool calculateFaceFindLine(const ParsedFaceFind& parsed, std::size_t lineNumber, LineWriter& out,
                           const SessionOptions& session) {
  if (!parsed.problem.empty()) {
    out.writeError(lineNumber, parsed.problem);
    return false;
  }
  const FaceGlandTableLoad* table = session.faceTable;
  if (!session.as568 || !session.rules || !table || !table->table) {
    out.writeError(lineNumber, "Find a seal for a face gland needs the AS568 size table, the design rules and the "
                               "face seal table" + (table && !table->table ? ": " + table->error : std::string()));
    return false;
  }
  std::string problem = faceRulesProblem(*session.rules);
  if (problem.empty()) problem = faceFindInputsProblem(parsed.find.request, *session.rules);
  if (!problem.empty()) {
    out.writeError(lineNumber, problem);
    return false;
  }
  const FaceFindResult result = findFaceSeals(parsed.find.request, {*table->table, *session.rules}, *session.as568);
  out.writeFaceFound(lineNumber, {parsed.find, result});
  return true;
}

}  // namespace

bool calculateFindLine(std::string_view line, std::size_t lineNumber, LineWriter& out, const SessionOptions& session) {
  if (const std::optional<ParsedFaceFind> face = parseFaceFindLine(line))
    return calculateFaceFindLine(*face, lineNumber, out, session);
  const ParsedFind parsed = parseFindLine(line);
  if (!parsed.problem.empty()) {
    out.writeError(lineNumber, parsed.problem);
    return false;
  }
  if (!session.as568 || !session.rules) {
    out.writeError(lineNumber, "Find a seal needs the AS568 size table and the design rules");
    return false;
  }
  const FindResult result = findSeals(parsed.find.request, *session.as568, *session.rules);
  FoundLine found{parsed.find, result, {}};
  if (parsed.find.tolerances)
    for (std::size_t i = 0; i < writtenCount(found); ++i)
      found.allocations.push_back(
          allocateTolerances(result.candidates[i].input, session.as568, *session.rules, parsed.find.targetYieldPercent));
  out.writeFound(lineNumber, found);
  return true;
}

}  // namespace glandwise::calc
