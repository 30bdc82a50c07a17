#include "sheet.h"

#include <array>
#include <string_view>

#include "numbers.h"

namespace glandwise {
namespace {

using Member = float GlandRecord::*;

constexpr const char* kInch = " Inch";
constexpr const char* kTolerance = "   Tolerance =  +/-  ";
constexpr const char* kGrooveTolerance = "   Tolerance = +/-  ";

// How one value label of the sheet is filled.
struct LabelSpec {
  enum class Kind {
    Value,       // NumberText of `value` (rounded and stored back first when decimals >= 0) + suffix
    Toleranced,  // NumberText of `value`, " Inch", `suffix`, NumberText of `tolerance`
    GlandType,   // "Groove in Rod." or "Groove in Housing."
    GrooveWidth, // the GW text, " Inch", "  (With No Back up Rings)"
  };
  std::string objectName;
  Kind kind = Kind::Value;
  Member value = nullptr;
  Member tolerance = nullptr;
  const char* suffix = "";
  int decimals = -1;  // -1: shown unrounded
};

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
std::vector<LabelSpec> layoutOf(const GlandSide& s) {
  using Kind = LabelSpec::Kind;
  std::vector<LabelSpec> specs{
      {"lblWV", Kind::Toleranced, &GlandRecord::W, &GlandRecord::WT, kTolerance},
      {labelName(s.EW, true), Kind::Value, s.EW, nullptr, kInch, 5},
      {"lblGCV", Kind::GlandType},
      {"lblIDV", Kind::Value, &GlandRecord::ID, nullptr, kInch},
      {labelName(s.rod.nominal, true), Kind::Toleranced, s.rod.nominal, s.rod.tolerance, kTolerance},
      {labelName(s.bore.nominal, true), Kind::Toleranced, s.bore.nominal, s.bore.tolerance, kTolerance},
      {labelName(s.groove.nominal, true), Kind::Toleranced, s.groove.nominal, s.groove.tolerance, kGrooveTolerance},
      {"lblGWV", Kind::GrooveWidth},
      {"lblECCV", Kind::Value, &GlandRecord::ECC, nullptr, kInch},
      {"lblPRV", Kind::Value, &GlandRecord::PR, nullptr, " PSI"},
      {labelName(s.PS, true), Kind::Value, s.PS, nullptr, " %", 2},
  };
  for (Member friction : {s.F70, s.F80, s.F90})
    specs.push_back({labelName(friction, true), Kind::Value, friction, nullptr, " Lbs", 1});
  const auto cells = [&](std::initializer_list<Member> members, int decimals) {
    for (Member m : members) specs.push_back({labelName(m, false), Kind::Value, m, nullptr, "", decimals});
  };
  cells({s.CMaxE, s.CMax, s.C, s.CMin, s.CMinE}, 5);
  cells({s.PCMaxE, s.PCMax, s.PC, s.PCMin, s.PCMinE}, 2);
  cells({s.EGMaxE, s.EGMax, s.EG, s.EGMin, s.EGMinE}, 5);
  cells({s.GHMaxE, s.GHMax, s.GH, s.GHMin, s.GHMinE}, 5);
  return specs;
}

const std::vector<LabelSpec>& layout(const GlandSide& side) {
  static const std::array<std::vector<LabelSpec>, 2> layouts{layoutOf(kRodGroove), layoutOf(kHousingGroove)};
  return layouts[side.kind == GlandKind::RodGroove ? 0 : 1];
}

std::string glandTypeLine(const GlandRecord& record, const GlandSide& side) {
  if (side.kind == GlandKind::RodGroove && record.GlandType == kRodGroove.code) return "Groove in Rod.";
  return "Groove in Housing.";
}

std::string caption(GlandRecord& r, const GlandSide& side, const LabelSpec& spec) {
  switch (spec.kind) {
    case LabelSpec::Kind::GlandType:
      return glandTypeLine(r, side);
    case LabelSpec::Kind::GrooveWidth:
      return r.GW + kInch + "  (With No Back up Rings)";
    case LabelSpec::Kind::Toleranced:
      return NumberText(r.*spec.value) + kInch + spec.suffix + NumberText(r.*spec.tolerance);
    case LabelSpec::Kind::Value:
      break;
  }
  if (spec.decimals >= 0) r.*spec.value = RoundDecimals(r.*spec.value, spec.decimals);
  return NumberText(r.*spec.value) + spec.suffix;
}

}  // namespace

std::vector<SheetLabel> fillSheet(GlandRecord& record, const GlandSide& side) {
  const std::vector<LabelSpec>& specs = layout(side);
  std::vector<SheetLabel> labels;
  labels.reserve(specs.size());
  for (const LabelSpec& spec : specs) labels.push_back({spec.objectName, caption(record, side, spec)});
  return labels;
}

}  // namespace glandwise
