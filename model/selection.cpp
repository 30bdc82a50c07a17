#include "selection.h"

#include <array>

#include "calculations.h"
#include "numbers.h"

namespace glandwise {
namespace {

OkResult refuse(GlandRecord& record, std::string message, bool beep) {
  record.ErrorText = message;
  return {OkOutcome::Refused, std::move(message), beep};
}

}  // namespace

void selectCrossSection(GlandRecord& record, SelectionEntries& entries, int index) {
  entries.crossSection = index;
  record.W = kCrossSections[index];
}

void selectGlandType(GlandRecord& record, SelectionEntries& entries, GlandKind kind) {
  entries.glandType = kind;
  record.GlandType = glandSide(kind).code;
  (kind == GlandKind::RodGroove ? entries.rodDia : entries.housingDia) = "0";
}

float sealFigure(const GlandRecord& record, const GlandSide& side) {
  return side.sealFitAddsCrossSection ? static_cast<float>(double(record.ID) + record.W) : record.ID;
}

bool sealTooLarge(const GlandRecord& record, const GlandSide& side) {
  return sealFigure(record, side) > record.*side.rod.nominal;
}

OkResult selectionOk(GlandRecord& r, const SelectionEntries& e) {
  if (e.glandType) r.GlandType = glandSide(*e.glandType).code;
  if (!e.crossSection) return refuse(r, "Select cross-section diameter.", true);
  if (!e.glandType) return refuse(r, "Select gland type.", true);

  const std::array<ParsedNumber, 4> numbers{parseNumber(e.sealInsideDia), parseNumber(e.rodDia),
                                            parseNumber(e.housingDia), parseNumber(e.pressure)};
  for (const ParsedNumber& n : numbers)
    if (n.status == NumberStatus::NotNumber) return refuse(r, kNumericValuesOnly, true);
  for (const ParsedNumber& n : numbers)
    if (n.status == NumberStatus::TooLarge) return refuse(r, kValueTooLarge, true);
  r.ID = numbers[0].value;
  r.PDF = numbers[1].value;
  r.BDM = numbers[2].value;
  r.PR = numbers[3].value;

  const bool housing = *e.glandType == GlandKind::HousingGroove;
  if (housing && r.PDF <= 0) return refuse(r, "Enter rod  diameter.", true);
  if (!housing && r.BDM <= 0) return refuse(r, "Enter housing diameter.", true);
  if (r.ID <= 0) return refuse(r, "Seal inside diameter should be > 0 inch", true);
  if (!(r.PR > 0 && r.PR <= 1500)) return refuse(r, "Pressure should be > 0 psi and < = 1500 psi", true);

  CalcStandardDims(r);

  const GlandSide& side = r.GlandType == kRodGroove.code ? kRodGroove : kHousingGroove;
  if (sealTooLarge(r, side)) {
    float& rod = r.*side.rod.nominal;
    rod = RoundDecimals(rod, 3);
    const char* start = side.sealFitAddsCrossSection ? "Calculation shows seal nominal diameter  "
                                                     : "Calculation shows seal inside diameter  ";
    return refuse(r, start + NumberText(sealFigure(r, side)) + "  > " + NumberText(rod) + "  rod  diameter.", false);
  }
  return OkResult::goOn();
}

}  // namespace glandwise
