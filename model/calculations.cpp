#include "model/calculations.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "model/cross_sections.h"
#include "model/numbers.h"
#include "model/shrinkage.h"

namespace glandwise {
namespace {

using Member = float GlandRecord::*;

constexpr double kPi = 3.1415926;

// Texts of the stretch and squeeze questions; each editor keeps its own wording. A
// question is its statement (a start, the figure, a fixed end), two line feeds and the
// question proper.
struct CheckTexts {
  const char* q1Statement;  // interference in rod and bore
  const char* q1Question;
  const char* q2Start;      // stretch below 0 %
  const char* q2Question;
  const char* q3Start;      // compression above 25 % on the unstretched path
  const char* q3Question;
  const char* q4Start;      // stretch above 5 %
  const char* q4Question;
  const char* n5Start;      // the notice of stretch above 26 %
  const char* q6Start;      // compression above 30 % on the stretched path
  const char* q6Question;
};

constexpr const char* kQ1Statement = "     Caution ! Interference in rod and bore dimensions. Check values.";
constexpr const char* kQ1Question = "                           Do you want to edit dimensions ?";
constexpr const char* kHousingQuestion = "          Do  you  want  to  edit  dimensions ?";

constexpr CheckTexts kRodGrooveTexts{
    .q1Statement = kQ1Statement,
    .q1Question = kQ1Question,
    .q2Start = "             Caution !  Stretch  is  ",
    .q2Question = "              Do you want to edit dimensions ?",
    .q3Start = "percent  compression  is  ",
    .q3Question = "Do you want to edit dimensions ?",
    .q4Start = "      Caution ! Stretch  is  ",
    .q4Question = "          Do you want to edit dimensions ?",
    .n5Start = "Caution ! As percent stretch is  ",
    .q6Start = "      Percent  compression  is  ",
    .q6Question = "           Do you want to edit dimensions ?"};

constexpr CheckTexts kHousingGrooveTexts{
    .q1Statement = kQ1Statement,
    .q1Question = kQ1Question,
    .q2Start = "        Caution ! Stretch  is  ",
    .q2Question = kHousingQuestion,
    .q3Start = "        Percent  compression  is  ",
    .q3Question = kHousingQuestion,
    .q4Start = "        Caution ! Stretch is  ",
    .q4Question = kHousingQuestion,
    .n5Start = "Warning ! As percent stretch is  ",
    .q6Start = "        Percent  compression  is  ",
    .q6Question = kHousingQuestion};

const CheckTexts& checkTexts(const GlandSide& side) {
  return side.kind == GlandKind::RodGroove ? kRodGrooveTexts : kHousingGrooveTexts;
}

// The statement's parts, two line feeds and the question, put together in one string.
std::string question(std::initializer_list<std::string_view> statement, std::string_view questionText) {
  std::size_t size = 2 + questionText.size();
  for (const std::string_view part : statement) size += part.size();
  std::string text;
  text.reserve(size);
  for (const std::string_view part : statement) text += part;
  text.append("\n\n").append(questionText);
  return text;
}

std::string figureQuestion(const char* start, float figure, const char* end, const char* questionText) {
  char number[kMaxNumberTextLength];
  return question({start, std::string_view(number, writeNumberText(number, figure)), end}, questionText);
}

// Asks a question with a beep and records the answer; true when the user wants to edit.
bool wantsToEdit(GlandRecord& record, UserPrompts& prompts, const std::string& text) {
  const bool yes = prompts.askYesNo(text, true);
  record.Answer = yes ? kAnswerYes : kAnswerNo;
  return yes;
}

void interferenceCheck(float gap, const char* conditions, UserPrompts& prompts) {
  if (gap < 0.0f)
    prompts.notify(std::string("Caution ! Interference in rod and housing dimensions at ") + conditions +
                       " conditions.",
                   false);
}

// Nominal gland height, squeeze, squeeze percent and gap from the effective cross-section
// `effective` (W on the unstretched path, the stored EW on the stretched path).
void nominalFigures(GlandRecord& r, const GlandSide& s, Member effective) {
  r.*s.GH = static_cast<float>((double(r.*s.outer.nominal) - r.*s.inner.nominal) / 2);
  r.*s.C = static_cast<float>(double(r.*effective) - r.*s.GH);
  r.*s.PC = static_cast<float>(((double(r.*effective) - r.*s.GH) / r.*effective) * 100);
  r.*s.EG = static_cast<float>((double(r.*s.bore.nominal) - r.*s.rod.nominal) / 2);
}

// The stretch and squeeze checks, asking each question through `ask` and showing the
// notice through `notify`. Each takes a function that spells the text, so that a caller who
// answers without reading spares the spelling; `ask` tells whether the user wants to edit.
template <class Ask, class Notify>
CheckOutcome checkStretchAndSqueeze(GlandRecord& r, const GlandSide& s, Ask ask, Notify notify) {
  const CheckTexts& t = checkTexts(s);
  const double w = r.W;

  if (static_cast<float>(double(r.*s.bore.nominal) - r.*s.rod.nominal) < 0.0f &&
      ask([&] { return question({t.q1Statement}, t.q1Question); }))
    return CheckOutcome::Stay;

  float& stretch = r.*s.PS;
  stretch = static_cast<float>(((double(r.*s.stretchedOnto.nominal) - r.ID) / r.ID) * 100);
  stretch = RoundDecimals(stretch, 2);

  if (s.unstretched(stretch)) {
    if (ask([&] { return figureQuestion(t.q2Start, stretch, " %  <  0 %.", t.q2Question); }))
      return CheckOutcome::Stay;
    r.*s.EW = r.W;
    nominalFigures(r, s, &GlandRecord::W);
    if (r.*s.PC > 25.0f && ask([&] { return figureQuestion(t.q3Start, r.*s.PC, " %  >  25 %", t.q3Question); }))
      return CheckOutcome::Stay;
    return CheckOutcome::GoOn;
  }

  if (stretch <= 26.0f) r.*s.EW = static_cast<float>(stretchedCrossSection(w, stretch, true));
  if (stretch > 5.0f && ask([&] { return figureQuestion(t.q4Start, stretch, " %   >  5 %.", t.q4Question); }))
    return CheckOutcome::Stay;
  if (stretch > 26.0f) {
    notify([&] {
      return t.n5Start + NumberText(stretch) +
             " %  >  26 %. Calculations will be based on extrapolated test information.";
    });
    r.*s.RW = extrapolatedReduction(stretch);
    r.*s.EW = static_cast<float>(stretchedCrossSection(w, stretch, true));
  }
  nominalFigures(r, s, s.EW);
  if (r.*s.PC > 30.0f) {
    r.*s.PC = RoundDecimals(r.*s.PC, 2);
    if (ask([&] { return figureQuestion(t.q6Start, r.*s.PC, " %  >  30 %", t.q6Question); }))
      return CheckOutcome::Stay;
  }
  return CheckOutcome::GoOn;
}

}  // namespace

void CalcStandardDims(GlandRecord& r) {
  if (const CrossSection* row = standardCrossSection(r.W)) {
    r.WT = row->tolerance;
    r.ECC = row->eccentricity;
    r.GW = row->grooveWidth;
    r.BDTM = 0.001f;
    r.PDTM = 0.0005f;
    r.GDTM = row->grooveTolerance;
    r.PDTF = 0.001f;
    r.BDTF = 0.0005f;
    r.GDTF = row->grooveTolerance;
    r.PDM = static_cast<float>(double(r.BDM) - row->clearance);
    r.GDM = static_cast<float>(double(r.BDM) - row->grooveOffset);
    r.BDF = static_cast<float>(double(r.PDF) + row->clearance);
    r.GDF = static_cast<float>(double(r.PDF) + row->grooveOffset);
  }
}

void CalcLimits(GlandRecord& r) {
  for (const GlandSide* side : {&kRodGroove, &kHousingGroove}) {
    for (const Diameter& d : {side->bore, side->rod, side->groove}) {
      r.*d.max = static_cast<float>(double(r.*d.tolerance) + r.*d.nominal);
      r.*d.min = static_cast<float>(double(r.*d.nominal) - r.*d.tolerance);
    }
  }
}

double pressureFactor(float pressure) {
  const double p = pressure;
  return ((std::pow(10.0, -10) * -7) * std::pow(p, 3) - (std::pow(10.0, -7) * 5) * std::pow(p, 2)) + p * 0.0284 + 10;
}

void CalcGland(GlandRecord& r, const GlandSide& s, UserPrompts& prompts) {
  const auto store = [&r](Member m, double value) { r.*m = static_cast<float>(value); };
  const auto v = [&r](Member m) { return static_cast<double>(r.*m); };
  const double halfEcc = v(&GlandRecord::ECC) / 2;

  // Running friction: pressure term over the projected area, compression term over the
  // rubbing length.
  store(s.AP, (v(s.outer.nominal) * v(s.outer.nominal) - v(s.inner.nominal) * v(s.inner.nominal)) * (kPi / 4));
  store(s.FH, pressureFactor(r.PR) * v(s.AP));
  store(s.LP, v(s.slide.nominal) * kPi);
  store(s.FC70, (v(s.PC) * 0.068) * v(s.LP));
  store(s.FC80, (v(s.PC) * 0.122) * v(s.LP));
  store(s.FC90, (v(s.PC) * 0.16) * v(s.LP));
  store(s.F70, v(s.FC70) + v(s.FH));
  store(s.F80, v(s.FC80) + v(s.FH));
  store(s.F90, v(s.FC90) + v(s.FH));

  store(s.EWMax, v(&GlandRecord::WT) + v(s.EW));
  store(s.EWMin, v(s.EW) - v(&GlandRecord::WT));

  // MMC concentric.
  const double heightMmc = (v(s.outer.min) - v(s.inner.max)) / 2;
  store(s.CMax, v(s.EWMax) - heightMmc);
  store(s.PCMax, (v(s.CMax) / v(s.EWMax)) * 100);
  store(s.EGMin, (v(s.bore.min) - v(s.rod.max)) / 2);
  interferenceCheck(r.*s.EGMin, "MMC Concentric", prompts);
  store(s.GHMin, heightMmc);

  // LMC concentric.
  const double heightLmc = (v(s.outer.max) - v(s.inner.min)) / 2;
  store(s.CMin, v(s.EWMin) - heightLmc);
  store(s.PCMin, (v(s.CMin) / v(s.EWMin)) * 100);
  store(s.EGMax, (v(s.bore.max) - v(s.rod.min)) / 2);
  interferenceCheck(r.*s.EGMax, "LMC Concentric", prompts);
  store(s.EGMinE, 0);
  store(s.GHMax, heightLmc);

  // Worst-case eccentric: loaded side (MMC) and unloaded side (LMC).
  const double heightLoaded = (v(s.depthOuter.min) - v(s.depthInner.max)) / 2 - halfEcc;
  store(s.CMaxE, v(s.EWMax) - heightLoaded);
  store(s.PCMaxE, (v(s.CMaxE) / v(s.EWMax)) * 100);
  store(s.GHMinE, heightLoaded);
  const double heightUnloaded = ((v(s.bore.max) - v(s.rod.min)) / 2 + heightLmc) + halfEcc;
  store(s.CMinE, v(s.EWMin) - heightUnloaded);
  store(s.PCMinE, (v(s.CMinE) / v(s.EWMin)) * 100);
  store(s.EGMaxE, v(s.bore.max) - v(s.rod.min));
  interferenceCheck(r.*s.EGMaxE, "LMC Eccentric", prompts);
  store(s.GHMaxE, heightUnloaded);
}

CheckOutcome CheckStretchAndSqueeze(GlandRecord& r, const GlandSide& s, UserPrompts& prompts) {
  return checkStretchAndSqueeze(
      r, s, [&](const auto& text) { return wantsToEdit(r, prompts, text()); },
      [&](const auto& text) { prompts.notify(text(), true); });
}

void CheckStretchAndSqueezeAnsweringNo(GlandRecord& r, const GlandSide& s) {
  const auto answerNo = [&r](const auto&) {
    r.Answer = kAnswerNo;
    return false;
  };
  checkStretchAndSqueeze(r, s, answerNo, [](const auto&) {});
}

}  // namespace glandwise
