#include "finder/find_columns.h"

#include <QStringList>

#include "model/numbers.h"
#include "results/review_window.h"
#include "widgets/controls.h"

namespace glandwise {
namespace {

const GlandSide& sideOf(const Candidate& c) { return glandSide(*c.input.glandType); }
const FaceGland& glandOf(const FaceCandidate& c) { return *c.result.design.gland; }
const FaceAnalysis& analysisOf(const FaceCandidate& c) { return *c.result.analysis; }

QString number(float value) { return toQString(NumberText(value)); }
QString figure(double value, int decimals) { return toQString(FigureText(value, decimals)); }
QString range(QString low, QString high) { return low + QStringLiteral(" – ") + high; }
QString withTolerance(float value, float tolerance) { return number(value) + QStringLiteral(" ±") + number(tolerance); }

// The groove-width range with its blanks closed up: "0.093 to 0.098".
QString grooveWidth(const Candidate& c) { return toQString(c.record.GW).simplified(); }

// What both kinds show of the judgement: yield, the limiting figure and the verdict.
template <class C>
QString yield(const C& c) { return figure(c.judgement.yieldPercent, 2); }
template <class C>
QString limiting(const C& c) { return toQString(c.judgement.limiting); }
template <class C>
QString verdict(const C& c) { return QString::fromLatin1(verdictLook(c.judgement.verdict).words); }
template <class C>
QString size(const C& c) { return QStringLiteral("-%1").arg(toQString(c.size->dash)); }
template <class C>
QString section(const C& c) { return toQString(standardCrossSection(c.size->crossSection)->text); }

// The cells a spreadsheet takes besides the shown ones.
template <class C>
QString yieldExact(const C& c) { return figure(c.judgement.yieldPercent, 3); }
template <class C>
QString margin(const C& c) { return figure(c.judgement.margin * 100, 1); }
template <class C>
QString why(const C& c) { return toQString(c.judgement.why); }

// The cells copied of a candidate kind.
template <class C>
const std::vector<Column<C>>& copiedColumns();

template <>
const std::vector<Column<Candidate>>& copiedColumns<Candidate>() {
  static const std::vector<Column<Candidate>> columns{
      {"Size", 0, size},
      {"Section", 0, section},
      {"Seal ID", 0, [](const Candidate& c) { return number(c.record.ID); }},
      {"Groove dia.", 0, [](const Candidate& c) { return number(c.record.*sideOf(c).groove.nominal); }},
      {"Groove tol. ±", 0, [](const Candidate& c) { return number(c.record.*sideOf(c).groove.tolerance); }},
      {"Groove width", 0, grooveWidth},
      {"Squeeze min %", 0, [](const Candidate& c) { return number(c.record.*sideOf(c).PCMinE); }},
      {"Squeeze max %", 0, [](const Candidate& c) { return number(c.record.*sideOf(c).PCMaxE); }},
      {"Fill %", 0, [](const Candidate& c) { return figure(c.review.fill.mmc.fillPercent, 1); }},
      {"Clearance", 0, [](const Candidate& c) { return figure(c.review.extrusion.diametralClearance, 4); }},
      {"Yield %", 0, yieldExact},
      {"Margin %", 0, margin},
      {"Limited by", 0, limiting},
      {"Verdict", 0, verdict},
      {"Why", 0, why},
  };
  return columns;
}

template <>
const std::vector<Column<FaceCandidate>>& copiedColumns<FaceCandidate>() {
  static const std::vector<Column<FaceCandidate>> columns{
      {"Size", 0, size},
      {"Section", 0, section},
      {"Seal ID", 0, [](const FaceCandidate& c) { return number(glandOf(c).ring.insideDiameter); }},
      {"Groove dia.", 0, [](const FaceCandidate& c) { return number(glandOf(c).groove.datum); }},
      {"Groove dia. tol. ±", 0, [](const FaceCandidate& c) { return number(glandOf(c).groove.datumTolerance); }},
      {"Groove width", 0, [](const FaceCandidate& c) { return number(glandOf(c).groove.width); }},
      {"Width tol. ±", 0, [](const FaceCandidate& c) { return number(glandOf(c).groove.widthTolerance); }},
      {"Groove depth", 0, [](const FaceCandidate& c) { return number(glandOf(c).groove.depth); }},
      {"Depth tol. ±", 0, [](const FaceCandidate& c) { return number(glandOf(c).groove.depthTolerance); }},
      {"Squeeze min %", 0, [](const FaceCandidate& c) { return figure(analysisOf(c).lmc.squeezePercent, 1); }},
      {"Squeeze max %", 0, [](const FaceCandidate& c) { return figure(analysisOf(c).mmc.squeezePercent, 1); }},
      {"Fill %", 0, [](const FaceCandidate& c) { return figure(analysisOf(c).mmc.fillPercent, 1); }},
      {"Fit %", 0, [](const FaceCandidate& c) { return figure(analysisOf(c).fit.nominalPercent, 2); }},
      {"Yield %", 0, yieldExact},
      {"Margin %", 0, margin},
      {"Limited by", 0, limiting},
      {"Verdict", 0, verdict},
      {"Why", 0, why},
  };
  return columns;
}

template <class C>
QString copied(const std::vector<C>& candidates) {
  QStringList headings;
  for (const Column<C>& column : copiedColumns<C>()) headings << QString::fromLatin1(column.heading);
  QString text = headings.join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (const C& c : candidates) {
    QStringList cells;
    for (const Column<C>& column : copiedColumns<C>()) cells << column.text(c);
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

}  // namespace

template <>
const std::vector<Column<Candidate>>& columnsOf<Candidate>() {
  static const std::vector<Column<Candidate>> columns{
      {"Size", 5, size},
      {"Section", 6, section},
      {"Seal ID", 6, [](const Candidate& c) { return number(c.record.ID); }},
      {"Groove dia.", 10,
       [](const Candidate& c) {
         const Diameter& groove = sideOf(c).groove;
         return withTolerance(c.record.*groove.nominal, c.record.*groove.tolerance);
       }},
      {"Groove width", 11, grooveWidth},
      {"Squeeze %", 10,
       [](const Candidate& c) { return range(number(c.record.*sideOf(c).PCMinE), number(c.record.*sideOf(c).PCMaxE)); }},
      {"Fill %", 5, [](const Candidate& c) { return figure(c.review.fill.mmc.fillPercent, 1); }},
      {"Clearance", 7, [](const Candidate& c) { return figure(c.review.extrusion.diametralClearance, 4); }},
      {"Yield %", 6, yield},
      {"Limited by", 26, limiting},
      {"Verdict", 8, verdict},
  };
  return columns;
}

template <>
const std::vector<Column<FaceCandidate>>& columnsOf<FaceCandidate>() {
  static const std::vector<Column<FaceCandidate>> columns{
      {"Size", 5, size},
      {"Section", 6, section},
      {"Seal ID", 6, [](const FaceCandidate& c) { return number(glandOf(c).ring.insideDiameter); }},
      {"Groove dia.", 10,
       [](const FaceCandidate& c) { return withTolerance(glandOf(c).groove.datum, glandOf(c).groove.datumTolerance); }},
      {"Width", 10,
       [](const FaceCandidate& c) { return withTolerance(glandOf(c).groove.width, glandOf(c).groove.widthTolerance); }},
      {"Depth", 10,
       [](const FaceCandidate& c) { return withTolerance(glandOf(c).groove.depth, glandOf(c).groove.depthTolerance); }},
      {"Squeeze %", 8,
       [](const FaceCandidate& c) {
         return range(figure(analysisOf(c).lmc.squeezePercent, 1), figure(analysisOf(c).mmc.squeezePercent, 1));
       }},
      {"Fill %", 5, [](const FaceCandidate& c) { return figure(analysisOf(c).mmc.fillPercent, 1); }},
      {"Fit %", 5, [](const FaceCandidate& c) { return figure(analysisOf(c).fit.nominalPercent, 2); }},
      {"Yield %", 6, yield},
      {"Limited by", 20, limiting},
      {"Verdict", 8, verdict},
  };
  return columns;
}

QString copiedTable(const FindResult& result) { return copied(result.candidates); }
QString copiedTable(const FaceFindResult& result) { return copied(result.candidates); }

}  // namespace glandwise
