#pragma once
// The fields of the batch calculator's output, from one table: what --fields chooses
// from, the JSON object's keys and where they nest, and the CSV output's columns.
//
// Names: a record variable by its own name ("PDM", "GW"), a sheet label by its objectName
// ("lblPDMV"), a review figure by its place in the review object ("review.overall",
// "review.fill.mmc.fill_percent"), a face seal's figure by its place in the face object
// ("face.squeeze.mmc_percent", "face.review.fill.verdict"), and "screen", "messages",
// "report", "report_error", "drawing", "drawing_error".
// A group name chooses all of its fields: "record", "sheet", "review", any object within
// the review ("review.fill", "review.statistics.monte_carlo"), "report" (the report's
// path and, when it failed, its error) and "drawing" (the same of the drawing).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "cli/calc_reports.h"
#include "cli/calc_session.h"
#include "cli/json_writer.h"

namespace glandwise::calc {

// What one output line is made of.
struct LineResult {
  const SessionResult& session;
  const ReportFile* report = nullptr;   // the line's report, with --report-dir and the results sheet
  const ReportFile* drawing = nullptr;  // the line's drawing, with --drawing-dir and the results sheet
};

// Takes one field's value in its kind, for a format to spell. A field that the line lacks
// (a sheet label of a refused line, the review when none was asked) takes nothing.
class FieldSink {
 public:
  virtual ~FieldSink() = default;
  virtual void number(float value) = 0;   // a record variable, the float as stored
  virtual void figure(double value) = 0;  // a computed figure of the review
  virtual void integer(std::int64_t value) = 0;
  virtual void text(std::string_view value) = 0;
  // A text that needs no escaping or quoting in any format (a sheet caption of figures).
  virtual void plainText(std::string_view value) { text(value); }
  virtual void null() = 0;  // known to be unknown: an unknown tolerance, an unwritten report
  // A list (the messages, a histogram), which `write` writes as one JSON array.
  virtual void list(const std::function<void(JsonWriter&)>& write) = 0;
};

// A JSON object that holds fields: the line's own object, "record", "sheet", "review",
// "review.fill", ...
struct OutputObject {
  std::string quotedKey;  // its key as JsonWriter::quotedKey() spells it; empty for the line's
  int parent;             // index of the object it lies in; -1 for the line's own
};

// One field of the output. What every line needs of it comes first, on one cache line.
struct alignas(64) OutputField {
  // Where the value comes from.
  enum class Source {
    Screen, Messages, RecordFloat, RecordAnswer, RecordText, Sheet, Review, Face,
    Report, ReportError, Drawing, DrawingError
  };

  std::string quotedKey;  // its JSON key as JsonWriter::quotedKey() spells it
  int object = 0;         // index of the JSON object it lies in
  Source source = Source::Screen;
  float GlandRecord::*recordFloat = nullptr;       // RecordFloat: the variable (null for the other sources)
  std::string GlandRecord::*recordText = nullptr;  // RecordText: the variable
  int sheetIndex[2] = {-1, -1};  // Sheet: the label's place on the rod- and housing-groove sheet
  std::string name;              // for --fields and the CSV header
  std::string group;             // "record", "sheet", "review", "report" or "drawing"; empty for the others
  std::function<void(const Review&, FieldSink&)> review;  // Review: writes the figure
  // Face: writes the figure of a face seal's line; nothing when its line lacks it (a
  // refused line's figures, the review when none was asked for).
  std::function<void(const FaceResult&, FieldSink&)> face;
};

// Every field in output order, and the objects that hold them (the line's own first).
const std::vector<OutputField>& outputFields();
const std::vector<OutputObject>& outputObjects();

// The place of a sheet label `field` on the line's sheet; -1 when that sheet lacks it.
inline int labelIndex(const OutputField& field, const SessionResult& session) {
  return field.sheetIndex[session.glandType == GlandKind::RodGroove ? 0 : 1];
}

// Whether the line lacks `field`: a sheet label of a line that did not reach the sheet, or
// of the other gland type's sheet; the review when none was asked for; the report's (or
// the drawing's) fields without a report, its error without an error; the record and the
// sheet on a face seal's line, the face seal's fields on any other.
inline bool lineLacks(const OutputField& field, const LineResult& line) {
  using Source = OutputField::Source;
  const bool face = line.session.screen == Screen::Face;
  switch (field.source) {
    case Source::RecordFloat:
    case Source::RecordAnswer:
    case Source::RecordText: return face;
    case Source::Face: return !line.session.face;
    case Source::Sheet:
      return face || line.session.outcome != SessionOutcome::Results || labelIndex(field, line.session) < 0;
    case Source::Review: return !line.session.review;
    case Source::Report: return !line.report;
    case Source::ReportError: return !line.report || line.report->error.empty();
    case Source::Drawing: return !line.drawing;
    case Source::DrawingError: return !line.drawing || line.drawing->error.empty();
    default: return false;
  }
}

// Gives `sink` the value of `field` for one line; nothing when the line lacks it.
void writeField(const OutputField& field, const LineResult& line, FieldSink& sink);

// writeField for a sink of a final class: the commonest fields, the record's floats, go to
// the sink by a direct call rather than through FieldSink, and a field that the line lacks
// (a third of them on a line without the review) costs no call at all.
template <class Sink>
void writeFieldTo(const OutputField& field, const LineResult& line, Sink& sink) {
  static_assert(std::is_final_v<Sink>);
  if (field.recordFloat && line.session.screen != Screen::Face) sink.number(line.session.record.*field.recordFloat);
  else if (!lineLacks(field, line)) writeField(field, line, sink);
}

// Every name --fields accepts, in output order: fields and groups, and "line" and "outcome",
// which every output line has anyway.
std::vector<std::string> fieldNames();

// The fields chosen for a run, in output order.
class FieldSelection {
 public:
  // Every field; the report's two only when `reports` and the drawing's only when
  // `drawings` (they are empty otherwise).
  static FieldSelection all(bool reports, bool drawings);
  // The fields and groups named in `list` (separated by commas); nothing, with the first
  // unknown name in `unknown`, when a name is not one of fieldNames().
  static std::optional<FieldSelection> named(std::string_view list, std::string& unknown);

  const std::vector<const OutputField*>& fields() const { return fields_; }

 private:
  std::vector<const OutputField*> fields_;  // in output order
};

}  // namespace glandwise::calc
