#include "cli/output_fields.h"

#include <algorithm>
#include <set>
#include <utility>

#include "model/gland_side.h"
#include "model/review_rows.h"
#include "model/sheet.h"

namespace glandwise::calc {
namespace {

using Source = OutputField::Source;
using R = const Review&;
using Figure = std::function<double(R)>;
using FindingOf = std::function<const Finding&(R)>;

std::string_view screenName(Screen screen) {
  switch (screen) {
    case Screen::Selection: return "selection";
    case Screen::Editor: return "editor";
    case Screen::Results: return "results";
    case Screen::Face: return "face";
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

// Gives `sink` the caption of label `index` of a results line's sheet: one of figures
// made in place, as plain text, since a line has dozens of them.
void writeCaption(const SessionResult& session, std::size_t index, FieldSink& sink) {
  const GlandSide& side = glandSide(*session.glandType);
  const SheetField& label = sheetFields(side)[index];
  if (showsFigures(label)) {
    char caption[kMaxFigureCaptionLength];
    return sink.plainText({caption, writeFigureCaption(caption, session.record, label)});
  }
  std::string caption;
  appendSheetCaption(caption, session.record, side, label);
  sink.text(caption);
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

// Puts the table together: fields in output order, and the objects they lie in, made as
// the fields' places first name them.
class TableBuilder {
 public:
  std::vector<OutputField> fields;
  std::vector<OutputObject> objects{{"", -1}};

  // Adds a field named `name` with the key `key` in the object at the dotted `place`.
  OutputField& add(std::string name, std::string group, std::string_view place, std::string_view key, Source source) {
    OutputField& field = fields.emplace_back();
    field.name = std::move(name);
    field.group = std::move(group);
    field.quotedKey = JsonWriter::quotedKey(key);
    field.object = object(place);
    field.source = source;
    return field;
  }

  // A review field at `path` below "review" ("fill.mmc.fill_percent").
  void review(const std::string& path, std::function<void(R, FieldSink&)> write) {
    const std::size_t dot = path.rfind('.');
    const std::string place = dot == std::string::npos ? "review" : "review." + path.substr(0, dot);
    add("review." + path, "review", place, dot == std::string::npos ? path : path.substr(dot + 1), Source::Review)
        .review = std::move(write);
  }
  void figure(const std::string& path, Figure value) {
    review(path, [value = std::move(value)](R r, FieldSink& sink) { sink.figure(value(r)); });
  }
  // A face seal's field at `path` below "face" ("squeeze.mmc_percent").
  void face(const std::string& path, std::function<void(const FaceResult&, FieldSink&)> write) {
    const std::size_t dot = path.rfind('.');
    const std::string place = dot == std::string::npos ? "face" : "face." + path.substr(0, dot);
    add("face." + path, "face", place, dot == std::string::npos ? path : path.substr(dot + 1), Source::Face).face =
        std::move(write);
  }

  // The "verdict", "reason" and "remedy" (null when there is none) of the check at `path`.
  void finding(const std::string& path, const FindingOf& finding) {
    review(path + ".verdict", [finding](R r, FieldSink& sink) { sink.text(verdictName(finding(r).verdict)); });
    review(path + ".reason", [finding](R r, FieldSink& sink) { sink.text(finding(r).reason); });
    review(path + ".remedy", [finding](R r, FieldSink& sink) {
      if (finding(r).remedy.empty()) sink.null();
      else sink.text(finding(r).remedy);
    });
  }
  // A figure of the check at `path`, null when the check was not evaluated.
  void checkFigure(const std::string& path, const FindingOf& finding, Figure value) {
    review(path, [finding, value = std::move(value)](R r, FieldSink& sink) {
      if (finding(r).verdict == Verdict::NotEvaluated) sink.null();
      else sink.figure(value(r));
    });
  }

 private:
  // The object at the dotted `place`, made with the objects it lies in when new.
  int object(std::string_view place) {
    if (place.empty()) return 0;
    const auto known = std::find(places_.begin(), places_.end(), place);
    if (known != places_.end()) return static_cast<int>(known - places_.begin());
    const std::size_t dot = place.rfind('.');
    const int parent = object(dot == std::string_view::npos ? std::string_view() : place.substr(0, dot));
    objects.push_back({JsonWriter::quotedKey(place.substr(dot == std::string_view::npos ? 0 : dot + 1)), parent});
    places_.emplace_back(place);
    return static_cast<int>(objects.size() - 1);
  }

  std::vector<std::string> places_{""};  // each object's dotted place, by index
};

void addRecord(TableBuilder& table) {
  for (const FloatField& variable : floatFields())
    table.add(std::string(variable.name), "record", "record", variable.name, Source::RecordFloat).recordFloat =
        variable.member;
  table.add("Answer", "record", "record", "Answer", Source::RecordAnswer);
  for (const auto& [name, member] : {std::pair{"GW", &GlandRecord::GW}, {"GlandType", &GlandRecord::GlandType},
                                     {"ErrorText", &GlandRecord::ErrorText},
                                     {"SelectedFile", &GlandRecord::SelectedFile}})
    table.add(name, "record", "record", name, Source::RecordText).recordText = member;
}

// The labels of both sheets, each sheet's in its fill order: label i of the rod-groove
// sheet, then label i of the housing-groove sheet unless it is the same.
void addSheet(TableBuilder& table) {
  const std::vector<SheetField>* sheets[] = {&sheetFields(kRodGroove), &sheetFields(kHousingGroove)};
  const std::size_t first = table.fields.size();
  for (std::size_t i = 0; i < std::max(sheets[0]->size(), sheets[1]->size()); ++i) {
    for (int side = 0; side < 2; ++side) {
      if (i >= sheets[side]->size()) continue;
      const std::string& name = (*sheets[side])[i].objectName;
      const auto known = std::find_if(table.fields.begin() + static_cast<std::ptrdiff_t>(first), table.fields.end(),
                                      [&](const OutputField& field) { return field.name == name; });
      OutputField& field =
          known != table.fields.end() ? *known : table.add(name, "sheet", "sheet", name, Source::Sheet);
      field.sheetIndex[side] = static_cast<int>(i);
    }
  }
}

void addFill(TableBuilder& table) {
  const FindingOf finding = [](R r) -> const Finding& { return r.fill.finding; };
  for (const auto& [key, condition] : {std::pair{"nominal", &FillReview::nominal}, {"mmc", &FillReview::mmc},
                                       {"lmc", &FillReview::lmc}, {"worst_eccentric", &FillReview::worstEccentric}})
    for (const auto& [name, member] : {std::pair{"effective_cross_section", &FillCondition::effectiveCrossSection},
                                       {"seal_area", &FillCondition::sealArea},
                                       {"gland_height", &FillCondition::glandHeight},
                                       {"groove_width", &FillCondition::grooveWidth},
                                       {"fill_percent", &FillCondition::fillPercent}})
      table.checkFigure(std::string("fill.") + key + "." + name, finding,
                        [condition, member](R r) { return r.fill.*condition.*member; });
  table.finding("fill", finding);
}

void addSqueeze(TableBuilder& table) {
  for (const auto& [key, member] : {std::pair{"lower_limit", &SqueezeReview::lowerLimit},
                                    {"upper_limit", &SqueezeReview::upperLimit},
                                    {"nominal_percent", &SqueezeReview::nominalPercent},
                                    {"mmc_percent", &SqueezeReview::mmcPercent},
                                    {"lmc_percent", &SqueezeReview::lmcPercent},
                                    {"least_percent", &SqueezeReview::leastPercent},
                                    {"most_percent", &SqueezeReview::mostPercent}})
    table.figure(std::string("squeeze.") + key, [member](R r) { return r.squeeze.*member; });
  table.finding("squeeze", [](R r) -> const Finding& { return r.squeeze.finding; });
}

void addExtrusion(TableBuilder& table) {
  const FindingOf finding = [](R r) -> const Finding& { return r.extrusion.finding; };
  table.figure("extrusion.diametral_clearance", [](R r) { return r.extrusion.diametralClearance; });
  table.figure("extrusion.largest_clearance", [](R r) { return r.extrusion.largestClearance; });
  table.review("extrusion.largest_at_f", [](R r, FieldSink& sink) {
    if (r.extrusion.largestAtF) sink.figure(*r.extrusion.largestAtF);
    else sink.null();
  });
  table.checkFigure("extrusion.limit", finding, [](R r) { return r.extrusion.limit; });
  table.finding("extrusion", finding);
}

void addStretch(TableBuilder& table) {
  table.review("stretch.seal_id_tolerance", [](R r, FieldSink& sink) {
    if (r.stretch.known) sink.number(r.stretch.sealIdTolerance);
    else sink.null();
  });
  table.review("stretch.tolerance_source", [](R r, FieldSink& sink) { sink.text(r.stretch.toleranceSource); });
  for (const auto& [key, member] : {std::pair{"smallest_percent", &StretchReview::smallestPercent},
                                    {"largest_percent", &StretchReview::largestPercent},
                                    {"effective_at_smallest", &StretchReview::effectiveAtSmallest},
                                    {"effective_at_largest", &StretchReview::effectiveAtLargest}})
    table.review(std::string("stretch.") + key, [member](R r, FieldSink& sink) {
      if (r.stretch.known) sink.figure(r.stretch.*member);
      else sink.null();
    });
  table.finding("stretch", [](R r) -> const Finding& { return r.stretch.finding; });
}

void addStatistics(TableBuilder& table) {
  const FindingOf finding = [](R r) -> const Finding& { return r.statistics.finding; };
  for (const auto& [key, member] : {std::pair{"nominal_percent", &StatisticsReview::nominalPercent},
                                    {"rss_sigma", &StatisticsReview::rssSigma}, {"rss_low", &StatisticsReview::rssLow},
                                    {"rss_high", &StatisticsReview::rssHigh}})
    table.figure(std::string("statistics.") + key, [member](R r) { return r.statistics.*member; });
  table.review("statistics.assumptions", [](R r, FieldSink& sink) { sink.text(statisticsAssumptions(r)); });
  table.review("statistics.monte_carlo.samples", [](R r, FieldSink& sink) { sink.integer(r.statistics.samples); });
  for (const auto& [key, member] :
       {std::pair{"mean", &StatisticsReview::mean}, {"sigma", &StatisticsReview::sigma},
        {"p0_1", &StatisticsReview::p001}, {"p99_9", &StatisticsReview::p999},
        {"below_percent", &StatisticsReview::belowPercent}, {"above_percent", &StatisticsReview::abovePercent},
        {"histogram_start", &StatisticsReview::histogramStart}, {"bin_width", &StatisticsReview::binWidth}})
    table.checkFigure(std::string("statistics.monte_carlo.") + key, finding, [member](R r) { return r.statistics.*member; });
  table.review("statistics.monte_carlo.histogram", [](R r, FieldSink& sink) {
    sink.list([&](JsonWriter& json) {
      json.beginArray();
      for (int count : r.statistics.histogram) json.integer(count);
      json.endArray();
    });
  });
  table.finding("statistics", finding);
}

void addReview(TableBuilder& table) {
  table.review("overall", [](R r, FieldSink& sink) { sink.text(verdictName(r.overall)); });
  table.review("headline", [](R r, FieldSink& sink) { sink.text(reviewHeadline(r)); });
  table.review("rules.name", [](R r, FieldSink& sink) { sink.text(r.rulesName); });
  table.review("rules.file", [](R r, FieldSink& sink) { sink.text(r.rulesFile); });
  table.review("as568", [](R r, FieldSink& sink) {
    if (r.as568Dash) sink.text("-" + *r.as568Dash);
    else sink.null();
  });
  addFill(table);
  addSqueeze(table);
  addExtrusion(table);
  addStretch(table);
  const FindingOf temperature = [](R r) -> const Finding& { return r.temperature.finding; };
  table.checkFigure("temperature.cold_squeeze_percent", temperature, [](R r) { return r.temperature.coldSqueezePercent; });
  table.checkFigure("temperature.hot_squeeze_percent", temperature, [](R r) { return r.temperature.hotSqueezePercent; });
  table.checkFigure("temperature.hot_fill_percent", temperature, [](R r) { return r.temperature.hotFillPercent; });
  table.finding("temperature", temperature);
  const FindingOf swell = [](R r) -> const Finding& { return r.swell.finding; };
  table.checkFigure("swell.squeeze_percent", swell, [](R r) { return r.swell.squeezePercent; });
  table.checkFigure("swell.fill_percent", swell, [](R r) { return r.swell.fillPercent; });
  table.finding("swell", swell);
  addStatistics(table);
}

// The face seal's fields: its entries as read, the figures of the analysed gland and its
// review; a refused line has none but its entries' options.
void addFace(TableBuilder& table) {
  using F = const FaceResult&;
  const auto gland = [](F f) { return f.design.gland ? &*f.design.gland : nullptr; };
  table.face("pressure_from", [](F f, FieldSink& sink) {
    if (f.input.form.pressureFrom) sink.text(faceSide(*f.input.form.pressureFrom).key);
  });
  table.face("medium", [](F f, FieldSink& sink) {
    if (f.input.form.medium) sink.text(mediumKey(*f.input.form.medium));
  });
  table.face("pressure", [gland](F f, FieldSink& sink) {
    if (const FaceGland* g = gland(f)) sink.number(g->pressure);
  });
  table.face("as568", [gland](F f, FieldSink& sink) {
    if (const FaceGland* g = gland(f)) g->ring.as568Dash ? sink.text("-" + *g->ring.as568Dash) : sink.null();
  });
  for (const auto& [key, member] : {std::pair{"cross_section", &FaceRing::crossSection},
                                    {"cross_section_tol", &FaceRing::crossSectionTolerance},
                                    {"id", &FaceRing::insideDiameter}})
    table.face(std::string("ring.") + key, [gland, member](F f, FieldSink& sink) {
      if (const FaceGland* g = gland(f)) sink.number(g->ring.*member);
    });
  table.face("ring.id_tol", [gland](F f, FieldSink& sink) {
    const FaceGland* g = gland(f);
    if (g && g->ring.insideDiameterTolerance) sink.number(*g->ring.insideDiameterTolerance);
    else if (g) sink.null();
  });
  table.face("groove.datum_name", [gland](F f, FieldSink& sink) {
    if (const FaceGland* g = gland(f)) sink.text(g->side().datumName);
  });
  for (const auto& [key, member] :
       {std::pair{"datum", &FaceGroove::datum}, {"datum_tol", &FaceGroove::datumTolerance},
        {"depth", &FaceGroove::depth}, {"depth_tol", &FaceGroove::depthTolerance}, {"width", &FaceGroove::width},
        {"width_tol", &FaceGroove::widthTolerance}})
    table.face(std::string("groove.") + key, [gland, member](F f, FieldSink& sink) {
      if (const FaceGland* g = gland(f)) sink.number(g->groove.*member);
    });
  for (const auto& [key, member] :
       {std::pair{"bottom_radius_min", &FaceRange::min}, {"bottom_radius_max", &FaceRange::max}})
    table.face(std::string("groove.") + key, [gland, member](F f, FieldSink& sink) {
      if (const FaceGland* g = gland(f)) sink.number(g->groove.bottomRadius.*member);
    });
  table.face("fit.kind", [gland](F f, FieldSink& sink) {
    if (const FaceGland* g = gland(f)) sink.text(g->side().fitName);
  });
  table.face("fit.nominal_percent", [](F f, FieldSink& sink) {
    if (f.analysis) sink.figure(f.analysis->fit.nominalPercent);
  });
  for (const auto& [key, end] : {std::pair{"smallest_percent", 0}, {"largest_percent", 1}})
    table.face(std::string("fit.") + key, [end](F f, FieldSink& sink) {
      if (f.analysis) f.analysis->fit.rangePercent ? sink.figure((*f.analysis->fit.rangePercent)[end]) : sink.null();
    });
  for (const auto& [quantity, figure] :
       {std::pair{"squeeze", &FaceCondition::squeezePercent}, {"fill", &FaceCondition::fillPercent}})
    for (const auto& [key, condition] : {std::pair{"nominal_percent", &FaceAnalysis::nominal},
                                         {"mmc_percent", &FaceAnalysis::mmc}, {"lmc_percent", &FaceAnalysis::lmc}})
      table.face(std::string(quantity) + "." + key, [figure, condition](F f, FieldSink& sink) {
        if (f.analysis) sink.figure((*f.analysis).*condition.*figure);
      });
  table.face("friction", [](F f, FieldSink& sink) {
    if (f.analysis) sink.text("not applicable: nothing slides in a face seal");
  });
  table.face("review.overall", [](F f, FieldSink& sink) {
    if (f.review) sink.text(verdictName(f.review->overall));
  });
  table.face("review.rules", [](F f, FieldSink& sink) {
    if (f.review) sink.text(f.review->rulesName);
  });
  for (std::size_t c = 0; c < kFaceCheckCount; ++c) {
    const std::string path = "review." + std::string(faceCheckKey(FaceCheck(c))) + ".";
    table.face(path + "figure", [c](F f, FieldSink& sink) {
      if (f.review) sink.text(f.review->rows[c].figure);
    });
    table.face(path + "verdict", [c](F f, FieldSink& sink) {
      if (f.review) sink.text(verdictName(f.review->rows[c].finding.verdict));
    });
    table.face(path + "reason", [c](F f, FieldSink& sink) {
      if (f.review) sink.text(f.review->rows[c].finding.reason);
    });
    table.face(path + "remedy", [c](F f, FieldSink& sink) {
      if (!f.review) return;
      const std::string& remedy = f.review->rows[c].finding.remedy;
      remedy.empty() ? sink.null() : sink.text(remedy);
    });
  }
  for (const auto& [key, member] :
       {std::pair{"mean", &FaceStatistics::mean}, {"sigma", &FaceStatistics::sigma},
        {"below_percent", &FaceStatistics::belowPercent}, {"above_percent", &FaceStatistics::abovePercent},
        {"fill_sigma", &FaceStatistics::fillSigma}, {"overfilled_percent", &FaceStatistics::overfilledPercent}})
    table.face(std::string("review.statistics.") + key, [member](F f, FieldSink& sink) {
      if (f.review) sink.figure(f.review->statistics.*member);
    });
}

const TableBuilder& table() {
  static const TableBuilder built = [] {
    TableBuilder table;
    table.add("screen", "", "", "screen", Source::Screen);
    table.add("messages", "", "", "messages", Source::Messages);
    addRecord(table);
    addSheet(table);
    addReview(table);
    addFace(table);
    table.add("report", "report", "", "report", Source::Report);
    table.add("report_error", "report", "", "report_error", Source::ReportError);
    table.add("drawing", "drawing", "", "drawing", Source::Drawing);
    table.add("drawing_error", "drawing", "", "drawing_error", Source::DrawingError);
    return table;
  }();
  return built;
}

// Whether the name or group `name` chooses `field`.
bool chooses(std::string_view name, const OutputField& field) {
  if (name.empty()) return false;
  return field.name == name || field.group == name ||
         (field.name.size() > name.size() && field.name.starts_with(name) && field.name[name.size()] == '.');
}

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

const std::vector<OutputField>& outputFields() { return table().fields; }
const std::vector<OutputObject>& outputObjects() { return table().objects; }

void writeField(const OutputField& field, const LineResult& line, FieldSink& sink) {
  if (lineLacks(field, line)) return;
  const SessionResult& session = line.session;
  switch (field.source) {
    case Source::Screen: return sink.text(screenName(session.screen));
    case Source::Messages: return sink.list([&](JsonWriter& json) { writeMessages(json, session.messages); });
    case Source::RecordFloat: return sink.number(session.record.*field.recordFloat);
    case Source::RecordAnswer: return sink.integer(session.record.Answer);
    case Source::RecordText: return sink.text(session.record.*field.recordText);
    case Source::Sheet: return writeCaption(session, static_cast<std::size_t>(labelIndex(field, session)), sink);
    case Source::Review: return field.review(*session.review, sink);
    case Source::Face: return field.face(*session.face, sink);
    case Source::Report:
      if (line.report->error.empty()) return sink.text(line.report->path);
      return sink.null();
    case Source::ReportError: return sink.text(line.report->error);
    case Source::Drawing:
      if (line.drawing->error.empty()) return sink.text(line.drawing->path);
      return sink.null();
    case Source::DrawingError: return sink.text(line.drawing->error);
  }
}

std::vector<std::string> fieldNames() {
  std::vector<std::string> names{"line", "outcome"};
  std::set<std::string, std::less<>> seen(names.begin(), names.end());
  const auto name = [&](std::string_view text) {
    if (seen.insert(std::string(text)).second) names.emplace_back(text);
  };
  for (const OutputField& field : outputFields()) {
    if (!field.group.empty()) name(field.group);
    for (std::size_t dot = field.name.find('.'); dot != std::string::npos; dot = field.name.find('.', dot + 1))
      name(std::string_view(field.name).substr(0, dot));
    name(field.name);
  }
  return names;
}

FieldSelection FieldSelection::all(bool reports, bool drawings) {
  FieldSelection selection;
  for (const OutputField& field : outputFields())
    if ((reports || field.group != "report") && (drawings || field.group != "drawing"))
      selection.fields_.push_back(&field);
  return selection;
}

std::optional<FieldSelection> FieldSelection::named(std::string_view list, std::string& unknown) {
  std::vector<bool> chosen(outputFields().size());
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string_view name = trimmed(list.substr(start, comma - start));
    start = comma + 1;
    bool known = name == "line" || name == "outcome";
    for (std::size_t i = 0; i < chosen.size(); ++i)
      if (chooses(name, outputFields()[i])) chosen[i] = known = true;
    if (!known) {
      unknown = name;
      return std::nullopt;
    }
  }
  FieldSelection selection;
  for (std::size_t i = 0; i < chosen.size(); ++i)
    if (chosen[i]) selection.fields_.push_back(&outputFields()[i]);
  return selection;
}

}  // namespace glandwise::calc
