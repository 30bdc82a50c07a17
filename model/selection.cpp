#include "model/selection.h"

#include <array>

#include "model/calculations.h"
#include "model/cross_sections.h"
#include "model/numbers.h"
#include "model/utf8.h"

namespace glandwise {
namespace {

// The seal figure compared by the seal fit check, as a 32-bit float.
float sealFigure(const GlandRecord& record, const GlandSide& side) {
  return side.sealFitAddsCrossSection ? static_cast<float>(double(record.ID) + record.W) : record.ID;
}

}  // namespace

void selectCrossSection(GlandRecord& record, SelectionEntries& entries, int index) {
  entries.crossSection = index;
  record.W = kCrossSections[index].value;
}

void selectGlandType(GlandRecord& record, SelectionEntries& entries, GlandKind kind) {
  entries.glandType = kind;
  record.GlandType = glandSide(kind).code;
  (kind == GlandKind::RodGroove ? entries.rodDia : entries.housingDia) = "0";
}

bool sealTooLarge(const GlandRecord& record, const GlandSide& side) {
  return sealFigure(record, side) > record.*side.rod.nominal;
}

std::string sealFitMessage(GlandRecord& record, const GlandSide& side, const char* start, const char* end) {
  float& rod = record.*side.rod.nominal;
  rod = RoundDecimals(rod, 3);
  return start + NumberText(sealFigure(record, side)) + "  > " + NumberText(rod) + end;
}

OkResult chooseAs568Size(GlandRecord& record, SelectionEntries& entries, const As568Table* table,
                         std::string_view dash) {
  if (!table) return refuse(record, "The AS568 size table is not available.", true);
  const As568Size* size = table->find(dash);
  if (!size) {
    const std::string shown(utf8Prefix(dash, 20));
    return refuse(record, "\"" + shown + "\" is not an AS568 size of the table.", true);
  }
  const std::optional<int> option = standardCrossSectionIndex(size->crossSection);
  if (!option)
    return refuse(record,
                  "AS568 size -" + size->dash + " has a cross-section of " + NumberText(size->crossSection) +
                      " inch, not one of the five standard cross-sections.",
                  true);
  selectCrossSection(record, entries, *option);
  entries.sealInsideDia = NumberText(size->insideDiameter);
  return OkResult::goOn();
}

OkResult enterSelection(GlandRecord& record, SelectionEntries& entries, const GlandInput& input,
                        const As568Table* table) {
  if (input.crossSection) selectCrossSection(record, entries, *input.crossSection);
  if (input.glandType) selectGlandType(record, entries, *input.glandType);
  if (input.sealInsideDia) entries.sealInsideDia = *input.sealInsideDia;
  if (input.pressure) entries.pressure = *input.pressure;
  if (input.glandType == GlandKind::HousingGroove && input.rodDia) entries.rodDia = *input.rodDia;
  if (input.glandType == GlandKind::RodGroove && input.housingDia) entries.housingDia = *input.housingDia;
  if (input.as568) return chooseAs568Size(record, entries, table, *input.as568);
  return OkResult::goOn();
}

GlandInput enteredGland(const SelectionEntries& entries, const EditorTexts& editorTexts) {
  GlandInput input;
  input.crossSection = entries.crossSection;
  input.glandType = entries.glandType;
  input.sealInsideDia = entries.sealInsideDia;
  if (entries.glandType == GlandKind::HousingGroove) input.rodDia = entries.rodDia;
  if (entries.glandType == GlandKind::RodGroove) input.housingDia = entries.housingDia;
  input.pressure = entries.pressure;
  for (std::size_t box = 0; box < editorTexts.size(); ++box)
    input.edits.push_back({static_cast<EditorBox>(box), editorTexts[box]});
  return input;
}

OkResult selectionOk(GlandRecord& r, const SelectionEntries& e) {
  if (e.glandType) r.GlandType = glandSide(*e.glandType).code;
  if (!e.crossSection) return refuse(r, "Select cross-section diameter.", true);
  if (!e.glandType) return refuse(r, "Select gland type.", true);

  const std::array<ParsedNumber, 4> numbers{parseNumber(e.sealInsideDia), parseNumber(e.rodDia),
                                            parseNumber(e.housingDia), parseNumber(e.pressure)};
  if (const char* message = numberRefusal(numbers)) return refuse(r, message, true);
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

  const GlandSide& side = glandSide(*e.glandType);
  if (sealTooLarge(r, side)) {
    const char* start = side.sealFitAddsCrossSection ? "Calculation shows seal nominal diameter  "
                                                     : "Calculation shows seal inside diameter  ";
    return refuse(r, sealFitMessage(r, side, start, "  rod  diameter."), false);
  }
  return OkResult::goOn();
}

}  // namespace glandwise
