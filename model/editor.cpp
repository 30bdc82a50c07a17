#include "model/editor.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "model/calculations.h"
#include "model/numbers.h"
#include "model/selection.h"

namespace glandwise {
namespace {

using Member = float GlandRecord::*;

// What differs between the two editors' OK actions, apart from the roles in GlandSide.
struct EditorTable {
  std::array<std::string_view, kEditorBoxCount> boxNames;
  const char* sealSizeStart;
  const char* sealSizeEnd;
  // Size checks after the seal-size check: pressure, inside diameter, rod, bore, groove
  // (each must be above 0), then the groove against the surface it is cut into.
  const char* pressure;
  const char* insideDiameter;
  const char* rodDiameter;
  const char* boreDiameter;
  const char* grooveDiameter;
  const char* grooveDepth;
};

constexpr EditorTable kRodGrooveEditor{
    .boxNames = {"txtID", "txtPDM", "txtPDTM", "txtBDM", "txtBDTM", "txtGDM", "txtGDTM", "txtPR", "txtECC"},
    .sealSizeStart = "Calculation shows seal nominal diameter  ",
    .sealSizeEnd = "  rod  diameter  ",
    .pressure = "Pressure  should  be  > 0 and < = 1500 PSI",
    .insideDiameter = "Seal  inside  diameter  should  be  >  0  Inch",
    .rodDiameter = "Rod  diamter  should  be  >  0  Inch",
    .boreDiameter = "Bore  diamaeter  should be  >  0  Inch",
    .grooveDiameter = "Groove  diamaeter  should be  >  0  Inch",
    .grooveDepth = "Groove  diamaeter  is >  Rod  diameter"};

constexpr EditorTable kHousingGrooveEditor{
    .boxNames = {"txtID", "txtPDF", "txtPDTF", "txtBDF", "txtBDTF", "txtGDF", "txtGDTF", "txtPR", "txtECC"},
    .sealSizeStart = "   Calculation shows seal inside diameter  ",
    .sealSizeEnd = "  rod  diameter ",
    .pressure = "Pressure should be  >  0 and < = 1500  PSI",
    .insideDiameter = "  Seal inside diameter should be >  0  Inch",
    .rodDiameter = "Rod diameter should be  >  0  Inch",
    .boreDiameter = "Bore diameter should be  >  0  Inch",
    .grooveDiameter = "Groove diameter should be  >  0  Inch",
    .grooveDepth = "Groove diameter should be > Bore diameter."};

const EditorTable& editorTable(const GlandSide& side) {
  return side.kind == GlandKind::RodGroove ? kRodGrooveEditor : kHousingGrooveEditor;
}

// The first size check that fails, or nullptr.
const char* failedSizeCheck(const GlandRecord& r, const GlandSide& s, const EditorTable& t) {
  if (!(r.PR > 0 && r.PR <= 1500)) return t.pressure;
  if (r.ID <= 0) return t.insideDiameter;
  if (r.*s.rod.nominal <= 0) return t.rodDiameter;
  if (r.*s.bore.nominal <= 0) return t.boreDiameter;
  if (r.*s.groove.nominal <= 0) return t.grooveDiameter;
  if (r.*s.depthOuter.nominal <= r.*s.depthInner.nominal) return t.grooveDepth;
  return nullptr;
}

// Spelled out variable by variable rather than walked through floatFields(), and on the
// bits: it runs twice on every OK, and the compiler checks neighbouring variables together.
// A float is infinite or NaN when its exponent bits are all ones, the one case in which
// adding one to them carries into the sign bit.
bool allFinite(const GlandRecord& record) {
  constexpr std::uint32_t kExponent = 0x7F800000, kExponentOne = 0x00800000, kSign = 0x80000000;
  std::uint32_t carries = 0;
#define GLANDWISE_CHECK_FINITE(name) carries |= (std::bit_cast<std::uint32_t>(record.name) & kExponent) + kExponentOne;
  GLANDWISE_FLOATS(GLANDWISE_CHECK_FINITE)
#undef GLANDWISE_CHECK_FINITE
  return (carries & kSign) == 0;
}

// Runs the checks and the analysis on a copy, answering every question No, and tells
// whether every stored figure stays finite.
bool analysisStaysFinite(const GlandRecord& record, const GlandSide& side) {
  GlandRecord trial = record;
  CheckStretchAndSqueezeAnsweringNo(trial, side);
  SilentPrompts silent;
  CalcGland(trial, side, silent);
  return allFinite(trial);
}

}  // namespace

std::string_view editorBoxName(const GlandSide& side, EditorBox box) {
  return editorTable(side).boxNames[static_cast<std::size_t>(box)];
}

float GlandRecord::*editorBoxVariable(const GlandSide& side, EditorBox box) {
  switch (box) {
    case EditorBox::ID: return &GlandRecord::ID;
    case EditorBox::PD: return side.rod.nominal;
    case EditorBox::PDT: return side.rod.tolerance;
    case EditorBox::BD: return side.bore.nominal;
    case EditorBox::BDT: return side.bore.tolerance;
    case EditorBox::GD: return side.groove.nominal;
    case EditorBox::GDT: return side.groove.tolerance;
    case EditorBox::PR: return &GlandRecord::PR;
    case EditorBox::ECC: return &GlandRecord::ECC;
  }
  return &GlandRecord::ID;
}

EditorTexts editorLoad(const GlandRecord& record, const GlandSide& side) {
  EditorTexts texts;
  for (std::size_t i = 0; i < kEditorBoxCount; ++i)
    texts[i] = NumberText(record.*editorBoxVariable(side, static_cast<EditorBox>(i)));
  return texts;
}

EditorNumbers editorLoadNumbers(const GlandRecord& record, const GlandSide& side) {
  EditorNumbers numbers;
  for (std::size_t i = 0; i < kEditorBoxCount; ++i)
    numbers[i] = parseNumberText(record.*editorBoxVariable(side, static_cast<EditorBox>(i)));
  return numbers;
}

OkResult editorOk(GlandRecord& r, const GlandSide& s, const EditorTexts& texts, UserPrompts& prompts) {
  EditorNumbers numbers;
  for (std::size_t i = 0; i < kEditorBoxCount; ++i) numbers[i] = parseNumber(texts[i]);
  return editorOk(r, s, numbers, prompts);
}

OkResult editorOk(GlandRecord& r, const GlandSide& s, const EditorNumbers& numbers, UserPrompts& prompts) {
  const EditorTable& t = editorTable(s);
  if (const char* message = numberRefusal(numbers)) return refuse(r, message, true);

  // Store and derive the limits on a copy first, so that a limit beyond the float range
  // never reaches the record.
  GlandRecord stored = r;
  for (std::size_t i = 0; i < kEditorBoxCount; ++i)
    stored.*editorBoxVariable(s, static_cast<EditorBox>(i)) = numbers[i].value;
  CalcLimits(stored);
  if (!allFinite(stored)) return refuse(r, kResultsOutOfRange, true);
  r = std::move(stored);

  if (r.GlandType == s.code && sealTooLarge(r, s))
    return refuse(r, sealFitMessage(r, s, t.sealSizeStart, t.sealSizeEnd), false);
  if (const char* message = failedSizeCheck(r, s, t)) return refuse(r, message, true);
  if (!analysisStaysFinite(r, s)) return refuse(r, kResultsOutOfRange, true);

  if (CheckStretchAndSqueeze(r, s, prompts) == CheckOutcome::Stay) return OkResult::stayed();
  CalcGland(r, s, prompts);
  return OkResult::goOn();
}

}  // namespace glandwise
