#include "cli/calc_output.h"

#include <string>

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

std::string_view screenName(Screen screen) {
  switch (screen) {
    case Screen::Selection: return "selection";
    case Screen::Editor: return "editor";
    case Screen::Results: return "results";
  }
  return {};
}

std::string_view messageKindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Refusal: return "refusal";
    case MessageKind::Question: return "question";
    case MessageKind::Notice: return "notice";
  }
  return {};
}

void writeMessages(JsonWriter& json, const std::vector<SessionMessage>& messages) {
  json.beginArray();
  for (const SessionMessage& message : messages) {
    json.beginObject();
    json.key("kind");
    json.string(messageKindName(message.kind));
    json.key("text");
    json.string(message.text);
    json.key("beep");
    json.boolean(message.beep);
    json.endObject();
  }
  json.endArray();
}

void writeRecord(JsonWriter& json, const GlandRecord& record) {
  json.beginObject();
  for (const FloatField& field : floatFields()) {
    json.key(field.name);
    json.number(record.*field.member);
  }
  json.key("Answer");
  json.integer(record.Answer);
  for (const auto& [name, text] : {std::pair<std::string_view, const std::string&>{"GW", record.GW},
                                   {"GlandType", record.GlandType},
                                   {"ErrorText", record.ErrorText},
                                   {"SelectedFile", record.SelectedFile}}) {
    json.key(name);
    json.string(text);
  }
  json.endObject();
}

void writeSheet(JsonWriter& json, const std::vector<SheetLabel>& sheet) {
  json.beginObject();
  for (const SheetLabel& label : sheet) {
    json.key(label.objectName);
    json.string(label.caption);
  }
  json.endObject();
}

}  // namespace

void writeReport(JsonWriter& json, const ReportFile& report) {
  json.key("report");
  if (report.error.empty()) {
    json.string(report.path);
    return;
  }
  json.null();
  json.key("report_error");
  json.string(report.error);
}

void writeSessionResult(JsonWriter& json, std::size_t lineNumber, const SessionResult& result,
                        const std::optional<ReportFile>& report) {
  json.beginObject();
  json.key("outcome");
  json.string(outcomeName(result.outcome));
  json.key("line");
  json.integer(static_cast<std::int64_t>(lineNumber));
  json.key("screen");
  json.string(screenName(result.screen));
  json.key("messages");
  writeMessages(json, result.messages);
  json.key("record");
  writeRecord(json, result.record);
  if (result.outcome == SessionOutcome::Results) {
    json.key("sheet");
    writeSheet(json, result.sheet);
  }
  if (report) writeReport(json, *report);
  json.endObject();
}

void writeLineError(JsonWriter& json, std::size_t lineNumber, std::string_view problem) {
  json.beginObject();
  json.key("outcome");
  json.string("error");
  json.key("line");
  json.integer(static_cast<std::int64_t>(lineNumber));
  json.key("message");
  json.string("line " + std::to_string(lineNumber) + ": " + std::string(problem));
  json.endObject();
}

}  // namespace glandwise::calc
