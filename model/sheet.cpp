#include "sheet.h"

#include <string_view>

#include "numbers.h"

namespace glandwise {
namespace {

using Member = float GlandRecord::*;

constexpr const char* kInch = " Inch";
constexpr const char* kTolerance = "   Tolerance =  +/-  ";
constexpr const char* kGrooveTolerance = "   Tolerance = +/-  ";

std::string_view fieldName(Member member) {
  for (const FloatField& field : floatFields())
    if (field.member == member) return field.name;
  return {};
}

// "lbl" + the variable's name (+ "V" for the header block's value labels).
std::string labelName(Member member, bool headerValue) {
  return "lbl" + std::string(fieldName(member)) + (headerValue ? "V" : "");
}

class SheetFiller {
 public:
  SheetFiller(GlandRecord& record, std::vector<SheetLabel>& labels) : r_(record), labels_(labels) {}

  void add(std::string name, std::string caption) { labels_.push_back({std::move(name), std::move(caption)}); }

  // A header line: the value rounded (when decimals >= 0) and stored back, then its text
  // followed by `suffix`.
  void header(Member member, const std::string& suffix, int decimals = -1) {
    add(labelName(member, true), text(member, decimals) + suffix);
  }

  void toleranced(const Diameter& d, const char* toleranceText) {
    add(labelName(d.nominal, true), NumberText(r_.*d.nominal) + kInch + toleranceText + NumberText(r_.*d.tolerance));
  }

  // Table cells: each value rounded, stored back and shown alone.
  void cells(std::initializer_list<Member> members, int decimals) {
    for (Member m : members) add(labelName(m, false), text(m, decimals));
  }

 private:
  std::string text(Member member, int decimals) {
    if (decimals >= 0) r_.*member = RoundDecimals(r_.*member, decimals);
    return NumberText(r_.*member);
  }

  GlandRecord& r_;
  std::vector<SheetLabel>& labels_;
};

std::string glandTypeLine(const GlandRecord& record, const GlandSide& side) {
  if (side.kind == GlandKind::RodGroove && record.GlandType == kRodGroove.code) return "Groove in Rod.";
  return "Groove in Housing.";
}

}  // namespace

std::vector<SheetLabel> fillSheet(GlandRecord& r, const GlandSide& s) {
  std::vector<SheetLabel> labels;
  labels.reserve(34);
  SheetFiller fill(r, labels);
  fill.add("lblWV", NumberText(r.W) + kInch + kTolerance + NumberText(r.WT));
  fill.header(s.EW, kInch, 5);
  fill.add("lblGCV", glandTypeLine(r, s));
  fill.add("lblIDV", NumberText(r.ID) + kInch);
  fill.toleranced(s.rod, kTolerance);
  fill.toleranced(s.bore, kTolerance);
  fill.toleranced(s.groove, kGrooveTolerance);
  fill.add("lblGWV", r.GW + kInch + "  (With No Back up Rings)");
  fill.add("lblECCV", NumberText(r.ECC) + kInch);
  fill.add("lblPRV", NumberText(r.PR) + " PSI");
  fill.header(s.PS, " %", 2);
  for (Member friction : {s.F70, s.F80, s.F90}) fill.header(friction, " Lbs", 1);
  fill.cells({s.CMaxE, s.CMax, s.C, s.CMin, s.CMinE}, 5);
  fill.cells({s.PCMaxE, s.PCMax, s.PC, s.PCMin, s.PCMinE}, 2);
  fill.cells({s.EGMaxE, s.EGMax, s.EG, s.EGMin, s.EGMinE}, 5);
  fill.cells({s.GHMaxE, s.GHMax, s.GH, s.GHMin, s.GHMinE}, 5);
  return labels;
}

}  // namespace glandwise
