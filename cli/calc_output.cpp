#include "cli/calc_output.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cli/json_writer.h"
#include "model/number_text.h"
#include "cli/text_buffer.h"

namespace glandwise::calc {
namespace {

std::string_view outcomeName(SessionOutcome outcome) {
  switch (outcome) {
    case SessionOutcome::Results: return "results";
    case SessionOutcome::Refused: return "refused";
    case SessionOutcome::Stayed: return "stayed";
  }
  return {};
}

std::string errorMessage(std::size_t lineNumber, std::string_view problem) {
  return "line " + std::to_string(lineNumber) + ": " + std::string(problem);
}

// Writes each field as its key and value, in the objects it lies in: opens them as the
// fields reach them, closes them as the fields leave them.
class JsonFields final : public FieldSink {
 public:
  explicit JsonFields(JsonWriter& json) : json_(json) {}
  // The field whose value comes next.
  void begin(const OutputField& field) { field_ = &field; }
  // Closes the objects left open within the line's own.
  void finish() { moveTo(0); }

  void number(float value) override {
    enterObject();
    json_.numberMember(field_->quotedKey, value);
  }
  void figure(double value) override { key().figure(value); }
  void integer(std::int64_t value) override { key().integer(value); }
  void text(std::string_view value) override { key().string(value); }
  void plainText(std::string_view value) override { key().plainString(value); }
  void null() override { key().null(); }
  void list(const std::function<void(JsonWriter&)>& write) override { write(key()); }

 private:
  // Opens and closes objects so that the field's own is the one open.
  void enterObject() {
    if (field_->object != open_) moveTo(field_->object);
  }
  // Writes the field's key in its object, and returns the writer for the value.
  JsonWriter& key() {
    enterObject();
    json_.preparedKey(field_->quotedKey);
    return json_;
  }
  void moveTo(int object);

  JsonWriter& json_;
  const OutputField* field_ = nullptr;  // the field being written
  int open_ = 0;                        // the innermost object open (0: the line's own)
};

bool holds(int outer, int inner) {
  for (; inner >= 0; inner = outputObjects()[static_cast<std::size_t>(inner)].parent)
    if (inner == outer) return true;
  return false;
}

void JsonFields::moveTo(int object) {
  const std::vector<OutputObject>& objects = outputObjects();
  for (; !holds(open_, object); open_ = objects[static_cast<std::size_t>(open_)].parent) json_.endObject();
  int path[8];  // the objects to open, innermost first (the table nests them at most 4 deep)
  int count = 0;
  for (int o = object; o != open_; o = objects[static_cast<std::size_t>(o)].parent) path[count++] = o;
  while (count-- > 0) {
    json_.preparedKey(objects[static_cast<std::size_t>(path[count])].quotedKey);
    json_.beginObject();
  }
  open_ = object;
}

// JSON Lines: "outcome" and "line", then the chosen fields in their objects; an unusable
// line's "message".
class JsonLines final : public LineWriter {
 public:
  explicit JsonLines(const FieldSelection& fields) : fields_(fields) {}

  void writeHeader() override {}
  void writeResult(std::size_t lineNumber, const LineResult& line) override {
    begin(outcomeName(line.session.outcome), lineNumber);
    JsonFields sink(json_);
    for (const OutputField* field : fields_.fields()) {
      sink.begin(*field);
      writeFieldTo(*field, line, sink);
    }
    sink.finish();
    end();
  }
  void writeError(std::size_t lineNumber, std::string_view problem) override {
    begin("error", lineNumber);
    json_.key("message");
    json_.string(errorMessage(lineNumber, problem));
    end();
  }
  void writeFound(std::size_t lineNumber, const FoundLine& found) override {
    writeFoundJson(json_, lineNumber, found);
  }
  void writeFaceFound(std::size_t lineNumber, const FaceFoundLine& found) override {
    writeFaceFoundJson(json_, lineNumber, found);
  }

  std::string_view text() const override { return json_.text(); }
  void clear() override { json_.clear(); }

 private:
  void begin(std::string_view outcome, std::size_t lineNumber) {
    json_.beginObject();
    json_.key("outcome");
    json_.string(outcome);
    json_.key("line");
    json_.integer(static_cast<std::int64_t>(lineNumber));
  }
  void end() {
    json_.endObject();
    json_.endLine();
  }

  const FieldSelection fields_;  // the fields after "outcome" and "line"
  JsonWriter json_;               // the lines written
};

// Writes each field as one CSV cell, after the comma that ends the cell before it.
class CsvCells final : public FieldSink {
 public:
  explicit CsvCells(TextBuffer& out) : out_(out) {}
  void begin(const OutputField&) { out_.append(","); }

  void number(float value) override {
    if (std::isfinite(value)) out_.commit(writeFloat(out_.room(kMaxNumberLength), value));
  }
  void figure(double value) override {
    if (std::isfinite(value)) out_.commit(writeFigure(out_.room(kMaxNumberLength), value));
  }
  void integer(std::int64_t value) override { out_.commit(writeInteger(out_.room(kMaxNumberLength), value)); }
  void text(std::string_view value) override;
  void null() override {}
  void list(const std::function<void(JsonWriter&)>& write) override {
    list_.clear();
    write(list_);
    text(list_.text());
  }

 private:
  TextBuffer& out_;
  JsonWriter list_;  // the JSON text of a list
};

void CsvCells::text(std::string_view value) { appendCsvCell(out_, value); }

// The text of a refused line's refusal; empty when the line was not refused.
std::string_view refusalText(const SessionResult& result) {
  const auto refusal = std::find_if(result.messages.rbegin(), result.messages.rend(),
                                    [](const SessionMessage& message) { return message.kind == MessageKind::Refusal; });
  if (result.outcome != SessionOutcome::Refused || refusal == result.messages.rend()) return {};
  return refusal->text;
}

// CSV rows: "line", "outcome", "message", then a cell per chosen field (empty ones for an
// unusable line), after a header row of the column names.
class CsvLines final : public LineWriter {
 public:
  explicit CsvLines(const FieldSelection& fields) : fields_(fields) {}

  void writeHeader() override {
    out_.append("line,outcome,message");
    for (const OutputField* field : fields_.fields()) {
      cells_.begin(*field);
      cells_.text(field->name);
    }
    out_.append("\n");
  }
  void writeResult(std::size_t lineNumber, const LineResult& line) override {
    begin(lineNumber, outcomeName(line.session.outcome), refusalText(line.session));
    for (const OutputField* field : fields_.fields()) {
      cells_.begin(*field);
      writeFieldTo(*field, line, cells_);
    }
    out_.append("\n");
  }
  void writeError(std::size_t lineNumber, std::string_view problem) override {
    begin(lineNumber, "error", errorMessage(lineNumber, problem));
    out_.append(std::string(fields_.fields().size(), ','));
    out_.append("\n");
  }
  void writeFound(std::size_t lineNumber, const FoundLine& found) override { writeFoundCsv(out_, lineNumber, found); }
  void writeFaceFound(std::size_t lineNumber, const FaceFoundLine& found) override {
    writeFaceFoundCsv(out_, lineNumber, found);
  }

  std::string_view text() const override { return out_.text(); }
  void clear() override { out_.clear(); }

 private:
  void begin(std::size_t lineNumber, std::string_view outcome, std::string_view message) {
    cells_.integer(static_cast<std::int64_t>(lineNumber));
    out_.append(",");
    out_.append(outcome);
    out_.append(",");
    cells_.text(message);
  }

  const FieldSelection fields_;  // the columns after "line", "outcome" and "message"
  TextBuffer out_;                // the rows written
  CsvCells cells_{out_};
};

}  // namespace

void appendCsvCell(TextBuffer& out, std::string_view value) {
  if (value.find_first_of(",\"\r\n") == std::string_view::npos) return out.append(value);
  char* cursor = out.room(2 * value.size() + 2);
  *cursor++ = '"';
  for (char c : value) {
    if (c == '"') *cursor++ = '"';
    *cursor++ = c;
  }
  *cursor++ = '"';
  out.commit(cursor);
}

std::unique_ptr<LineWriter> makeLineWriter(OutputFormat format, const FieldSelection& fields) {
  if (format == OutputFormat::Csv) return std::make_unique<CsvLines>(fields);
  return std::make_unique<JsonLines>(fields);
}

}  // namespace glandwise::calc
