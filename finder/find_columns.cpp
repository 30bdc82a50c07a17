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

// The groove-width range with its blanks closed up: "0.093 to 0.098".
QString grooveWidth(const Candidate& c) { return toQString(c.record.GW).simplified(); }

// Each figure of a candidate, as one cell; the shown columns join some of them.
QString sealId(const Candidate& c) { return number(c.record.ID); }
QString sealId(const FaceCandidate& c) { return number(glandOf(c).ring.insideDiameter); }
QString grooveDia(const Candidate& c) { return number(c.record.*sideOf(c).groove.nominal); }
QString grooveDia(const FaceCandidate& c) { return number(glandOf(c).groove.datum); }
QString grooveDiaTolerance(const Candidate& c) { return number(c.record.*sideOf(c).groove.tolerance); }
QString grooveDiaTolerance(const FaceCandidate& c) { return number(glandOf(c).groove.datumTolerance); }
QString squeezeMin(const Candidate& c) { return number(c.record.*sideOf(c).PCMinE); }
QString squeezeMin(const FaceCandidate& c) { return figure(analysisOf(c).lmc.squeezePercent, 1); }
QString squeezeMax(const Candidate& c) { return number(c.record.*sideOf(c).PCMaxE); }
QString squeezeMax(const FaceCandidate& c) { return figure(analysisOf(c).mmc.squeezePercent, 1); }
QString fill(const Candidate& c) { return figure(c.review.fill.mmc.fillPercent, 1); }
QString fill(const FaceCandidate& c) { return figure(analysisOf(c).mmc.fillPercent, 1); }
QString clearance(const Candidate& c) { return figure(c.review.extrusion.diametralClearance, 4); }
QString fit(const FaceCandidate& c) { return figure(analysisOf(c).fit.nominalPercent, 2); }
QString width(const FaceCandidate& c) { return number(glandOf(c).groove.width); }
QString widthTolerance(const FaceCandidate& c) { return number(glandOf(c).groove.widthTolerance); }
QString depth(const FaceCandidate& c) { return number(glandOf(c).groove.depth); }
QString depthTolerance(const FaceCandidate& c) { return number(glandOf(c).groove.depthTolerance); }

// The groove diameter with its tolerance, and the squeeze range, as shown.
template <class C>
QString grooveDiaShown(const C& c) { return grooveDia(c) + QStringLiteral(" ±") + grooveDiaTolerance(c); }
template <class C>
QString squeezeShown(const C& c) { return squeezeMin(c) + QStringLiteral(" – ") + squeezeMax(c); }
QString widthShown(const FaceCandidate& c) { return width(c) + QStringLiteral(" ±") + widthTolerance(c); }
QString depthShown(const FaceCandidate& c) { return depth(c) + QStringLiteral(" ±") + depthTolerance(c); }

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
      {"Seal ID", 0, sealId},
      {"Groove dia.", 0, grooveDia},
      {"Groove tol. ±", 0, grooveDiaTolerance},
      {"Groove width", 0, grooveWidth},
      {"Squeeze min %", 0, squeezeMin},
      {"Squeeze max %", 0, squeezeMax},
      {"Fill %", 0, fill},
      {"Clearance", 0, clearance},
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
      {"Seal ID", 0, sealId},
      {"Groove dia.", 0, grooveDia},
      {"Groove dia. tol. ±", 0, grooveDiaTolerance},
      {"Groove width", 0, width},
      {"Width tol. ±", 0, widthTolerance},
      {"Groove depth", 0, depth},
      {"Depth tol. ±", 0, depthTolerance},
      {"Squeeze min %", 0, squeezeMin},
      {"Squeeze max %", 0, squeezeMax},
      {"Fill %", 0, fill},
      {"Fit %", 0, fit},
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
      {"Seal ID", 6, sealId},
      {"Groove dia.", 10, grooveDiaShown},
      {"Groove width", 11, grooveWidth},
      {"Squeeze %", 10, squeezeShown},
      {"Fill %", 5, fill},
      {"Clearance", 7, clearance},
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
      {"Seal ID", 6, sealId},
      {"Groove dia.", 10, grooveDiaShown},
      {"Width", 10, widthShown},
      {"Depth", 10, depthShown},
      {"Squeeze %", 8, squeezeShown},
      {"Fill %", 5, fill},
      {"Fit %", 5, fit},
      {"Yield %", 6, yield},
      {"Limited by", 20, limiting},
      {"Verdict", 8, verdict},
  };
  return columns;
}

QString copiedTable(const FindResult& result) { return copied(result.candidates); }
QString copiedTable(const FaceFindResult& result) { return copied(result.candidates); }

}  // namespace glandwise
