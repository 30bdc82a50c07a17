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

// Writes `key`: {figures..., "verdict": ..., "reason": ...}.
template <class Figures>
void writeCheck(JsonWriter& json, std::string_view key, const Finding& finding, Figures figures) {
  json.key(key);
  json.beginObject();
  figures();
  json.key("verdict");
  json.string(verdictName(finding.verdict));
  json.key("reason");
  json.string(finding.reason);
  json.endObject();
}

void figure(JsonWriter& json, std::string_view key, double value) {
  json.key(key);
  json.figure(value);
}

void writeFill(JsonWriter& json, const FillReview& fill) {
  writeCheck(json, "fill", fill.finding, [&] {
    for (const auto& [key, condition] : {std::pair<std::string_view, const FillCondition&>{"nominal", fill.nominal},
                                         {"mmc", fill.mmc},
                                         {"lmc", fill.lmc},
                                         {"worst_eccentric", fill.worstEccentric}})
      writeCheck(json, key, condition.finding, [&] {
        figure(json, "effective_cross_section", condition.effectiveCrossSection);
        figure(json, "gland_height", condition.glandHeight);
        figure(json, "groove_width", condition.grooveWidth);
        figure(json, "fill_percent", condition.fillPercent);
      });
  });
}

void writeStatistics(JsonWriter& json, const StatisticsReview& s) {
  writeCheck(json, "statistics", s.finding, [&] {
    figure(json, "nominal_percent", s.nominalPercent);
    figure(json, "rss_sigma", s.rssSigma);
    figure(json, "rss_low", s.rssLow);
    figure(json, "rss_high", s.rssHigh);
    json.key("monte_carlo");
    json.beginObject();
    json.key("samples");
    json.integer(kMonteCarloSamples);
    figure(json, "mean", s.mean);
    figure(json, "sigma", s.sigma);
    figure(json, "p0_1", s.p001);
    figure(json, "p99_9", s.p999);
    figure(json, "below_percent", s.belowPercent);
    figure(json, "above_percent", s.abovePercent);
    figure(json, "histogram_start", s.histogramStart);
    figure(json, "bin_width", s.binWidth);
    json.key("histogram");
    json.beginArray();
    for (int count : s.histogram) json.integer(count);
    json.endArray();
    json.endObject();
  });
}

void writeReview(JsonWriter& json, const Review& review) {
  json.key("review");
  json.beginObject();
  json.key("overall");
  json.string(verdictName(review.overall));
  json.key("as568");
  if (review.as568Dash) json.string("-" + *review.as568Dash);
  else json.null();
  writeFill(json, review.fill);
  const ExtrusionReview& e = review.extrusion;
  writeCheck(json, "extrusion", e.finding, [&] {
    figure(json, "diametral_clearance", e.diametralClearance);
    figure(json, "limit", e.limit);
  });
  const StretchReview& st = review.stretch;
  writeCheck(json, "stretch", st.finding, [&] {
    json.key("seal_id_tolerance");
    if (st.known) json.number(st.sealIdTolerance);
    else json.null();
    json.key("tolerance_source");
    json.string(st.toleranceSource);
    for (const auto& [key, value] : {std::pair<std::string_view, double>{"smallest_percent", st.smallestPercent},
                                     {"largest_percent", st.largestPercent},
                                     {"effective_at_smallest", st.effectiveAtSmallest},
                                     {"effective_at_largest", st.effectiveAtLargest}}) {
      json.key(key);
      if (st.known) json.figure(value);
      else json.null();
    }
  });
  const TemperatureReview& t = review.temperature;
  writeCheck(json, "temperature", t.finding, [&] {
    figure(json, "cold_squeeze_percent", t.coldSqueezePercent);
    figure(json, "hot_squeeze_percent", t.hotSqueezePercent);
    figure(json, "hot_fill_percent", t.hotFillPercent);
  });
  const SwellReview& sw = review.swell;
  writeCheck(json, "swell", sw.finding, [&] {
    figure(json, "squeeze_percent", sw.squeezePercent);
    figure(json, "fill_percent", sw.fillPercent);
  });
  writeStatistics(json, review.statistics);
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
  if (result.review) writeReview(json, *result.review);
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
