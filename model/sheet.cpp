#include "model/sheet.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "model/numbers.h"

namespace glandwise {
namespace {

using Member = float GlandRecord::*;

constexpr const char* kInch = " Inch";
constexpr const char* kTolerance = "   Tolerance =  +/-  ";
constexpr const char* kGrooveTolerance = "   Tolerance = +/-  ";
constexpr const char* kBackUpNote = "(With No Back up Rings)";  // after the groove width
// The longest suffix of a caption: kTolerance.
constexpr std::size_t kMaxSuffixLength = std::string_view(kTolerance).size();

std::string_view fieldName(Member member) {
  for (const FloatField& field : floatFields())
    if (field.member == member) return field.name;
  return {};
}

// "lbl" + the variable's name (+ "V" for the header block's value labels).
std::string labelName(Member member, bool headerValue) {
  return "lbl" + std::string(fieldName(member)) + (headerValue ? "V" : "");
}

// The sheet of `side`, label by label in fill order.
std::vector<SheetField> fieldsOf(const GlandSide& s) {
  using Kind = SheetField::Kind;
  using Area = SheetPlace::Area;
  std::vector<SheetField> fields{
      {.objectName = "lblWV", .kind = Kind::Toleranced, .value = &GlandRecord::W, .tolerance = &GlandRecord::WT,
       .suffix = kTolerance, .place = {Area::Header, 0}},
      {.objectName = labelName(s.EW, true), .value = s.EW, .suffix = kInch, .decimals = 5,
       .place = {Area::Header, 1}},
      {.objectName = "lblGCV", .kind = Kind::GlandType, .place = {Area::Header, 2}},
      {.objectName = "lblIDV", .value = &GlandRecord::ID, .suffix = kInch, .place = {Area::Header, 3}},
      {.objectName = labelName(s.rod.nominal, true), .kind = Kind::Toleranced, .value = s.rod.nominal,
       .tolerance = s.rod.tolerance, .suffix = kTolerance, .place = {Area::Header, 4}},
      {.objectName = labelName(s.bore.nominal, true), .kind = Kind::Toleranced, .value = s.bore.nominal,
       .tolerance = s.bore.tolerance, .suffix = kTolerance, .place = {Area::Header, 5}},
      {.objectName = labelName(s.groove.nominal, true), .kind = Kind::Toleranced, .value = s.groove.nominal,
       .tolerance = s.groove.tolerance, .suffix = kGrooveTolerance, .place = {Area::Header, 6}},
      {.objectName = "lblGWV", .kind = Kind::GrooveWidth, .place = {Area::Header, 7}},
      {.objectName = "lblECCV", .value = &GlandRecord::ECC, .suffix = kInch, .place = {Area::Header, 8}},
      {.objectName = "lblPRV", .value = &GlandRecord::PR, .suffix = " PSI", .place = {Area::Header, 9}},
      {.objectName = labelName(s.PS, true), .value = s.PS, .suffix = " %", .decimals = 2,
       .place = {Area::Header, 10}},
  };
  int headerRow = 11;
  for (Member friction : {s.F70, s.F80, s.F90})
    fields.push_back({.objectName = labelName(friction, true), .value = friction, .suffix = " Lbs", .decimals = 1,
                      .place = {Area::Header, headerRow++}});
  // One grid column: its five cells in fill order, each with the row it stands in. MMC
  // rows pair the largest squeeze with the smallest gap and gland height.
  const auto column = [&](int index, std::initializer_list<Member> members, int decimals, bool fillsFromBottom) {
    int row = fillsFromBottom ? 4 : 0;
    for (Member m : members) {
      fields.push_back({.objectName = labelName(m, false), .value = m, .decimals = decimals,
                        .place = {Area::Grid, row, index}});
      row += fillsFromBottom ? -1 : 1;
    }
  };
  column(0, {s.CMaxE, s.CMax, s.C, s.CMin, s.CMinE}, 5, false);
  column(1, {s.PCMaxE, s.PCMax, s.PC, s.PCMin, s.PCMinE}, 2, false);
  column(2, {s.EGMaxE, s.EGMax, s.EG, s.EGMin, s.EGMinE}, 5, true);
  column(3, {s.GHMaxE, s.GHMax, s.GH, s.GHMin, s.GHMinE}, 5, true);
  return fields;
}

std::string_view glandTypeLine(const GlandRecord& record, const GlandSide& side) {
  if (side.kind == GlandKind::RodGroove && record.GlandType == kRodGroove.code) return "Groove in Rod.";
  return "Groove in Housing.";
}

}  // namespace

const std::vector<SheetField>& sheetFields(const GlandSide& side) {
  static const std::array<std::vector<SheetField>, 2> fields{fieldsOf(kRodGroove), fieldsOf(kHousingGroove)};
  return fields[side.kind == GlandKind::RodGroove ? 0 : 1];
}

void roundSheetValues(GlandRecord& record, const GlandSide& side) {
  for (const SheetField& field : sheetFields(side))
    if (field.kind == SheetField::Kind::Value && field.decimals >= 0)
      record.*field.value = RoundDecimals(record.*field.value, field.decimals);
}

// Each value label shows its own variable, and no tolerance is rounded: rounding them all
// before any caption is made gives the captions of rounding each just before its own.
std::vector<SheetLabel> fillSheet(GlandRecord& record, const GlandSide& side) {
  roundSheetValues(record, side);
  const std::vector<SheetField>& fields = sheetFields(side);
  std::vector<SheetLabel> labels;
  labels.reserve(fields.size());
  for (const SheetField& field : fields) {
    SheetLabel& label = labels.emplace_back(SheetLabel{field.objectName, {}});
    appendSheetCaption(label.caption, record, side, field);
  }
  return labels;
}

void appendSheetCaption(std::string& text, const GlandRecord& r, const GlandSide& side, const SheetField& label) {
  switch (label.kind) {
    case SheetField::Kind::GlandType:
      text += glandTypeLine(r, side);
      return;
    case SheetField::Kind::GrooveWidth:
      text.append(r.GW).append(kInch).append("  ").append(kBackUpNote);
      return;
    case SheetField::Kind::Toleranced:
    case SheetField::Kind::Value:
      break;
  }
  char caption[kMaxFigureCaptionLength];
  text.append(caption, writeFigureCaption(caption, r, label));
}

SheetCells sheetCells(const GlandRecord& r, const GlandSide& side, const SheetField& label) {
  const auto unit = [](std::string_view suffix) {
    return std::string(suffix.substr(std::min(suffix.find_first_not_of(' '), suffix.size())));
  };
  switch (label.kind) {
    case SheetField::Kind::GlandType:
      return {.value = std::string(glandTypeLine(r, side))};
    case SheetField::Kind::GrooveWidth:
      return {.value = r.GW, .unit = unit(kInch), .note = kBackUpNote};
    case SheetField::Kind::Toleranced:
      return {.value = NumberText(r.*label.value), .unit = unit(kInch), .tolerance = NumberText(r.*label.tolerance)};
    case SheetField::Kind::Value:
      break;
  }
  return {.value = NumberText(r.*label.value), .unit = unit(label.suffix)};
}

// Put together in place: a caption is made for every label of every sheet.
char* writeFigureCaption(char* cursor, const GlandRecord& r, const SheetField& label) {
  static_assert(kMaxFigureCaptionLength >= 2 * kMaxNumberTextLength + kMaxSuffixLength + sizeof " Inch");
  cursor = writeNumberText(cursor, r.*label.value);
  if (label.kind == SheetField::Kind::Toleranced) {
    cursor = std::copy_n(kInch, std::strlen(kInch), cursor);
    cursor = std::copy(label.suffix.begin(), label.suffix.end(), cursor);
    return writeNumberText(cursor, r.*label.tolerance);
  }
  return std::copy(label.suffix.begin(), label.suffix.end(), cursor);
}

}  // namespace glandwise
