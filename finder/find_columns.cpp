#include "finder/find_columns.h"

#include "model/numbers.h"
#include "results/review_window.h"
#include "widgets/controls.h"

namespace glandwise {
namespace {

const GlandSide& sideOf(const Candidate& c) { return glandSide(*c.input.glandType); }

QString number(float value) { return toQString(NumberText(value)); }
QString figure(double value, int decimals) { return toQString(FigureText(value, decimals)); }

// The groove-width range with its blanks closed up: "0.093 to 0.098".
QString grooveWidth(const Candidate& c) { return toQString(c.record.GW).simplified(); }

}  // namespace

const std::vector<FindColumn>& findColumns() {
  static const std::vector<FindColumn> columns{
      {"Size", [](const Candidate& c) { return QStringLiteral("-%1").arg(toQString(c.size->dash)); }},
      {"Section", [](const Candidate& c) { return toQString(standardCrossSection(c.record.W)->text); }},
      {"Seal ID", [](const Candidate& c) { return number(c.record.ID); }},
      {"Groove dia.",
       [](const Candidate& c) {
         const Diameter& groove = sideOf(c).groove;
         return number(c.record.*groove.nominal) + QStringLiteral(" ±") + number(c.record.*groove.tolerance);
       }},
      {"Groove width", grooveWidth},
      {"Squeeze %",
       [](const Candidate& c) {
         return number(c.record.*sideOf(c).PCMinE) + QStringLiteral(" – ") + number(c.record.*sideOf(c).PCMaxE);
       }},
      {"Fill %", [](const Candidate& c) { return figure(c.review.fill.mmc.fillPercent, 1); }},
      {"Clearance", [](const Candidate& c) { return figure(c.review.extrusion.diametralClearance, 4); }},
      {"Yield %", [](const Candidate& c) { return figure(c.judgement.yieldPercent, 2); }},
      {"Limited by", [](const Candidate& c) { return toQString(c.judgement.limiting); }},
      {"Verdict", [](const Candidate& c) { return QString::fromLatin1(verdictLook(c.judgement.verdict).words); }},
  };
  return columns;
}

QString copiedTable(const FindResult& result) {
  QString text = QStringLiteral("Size\tSection\tSeal ID\tGroove dia.\tGroove tol. ±\tGroove width\tSqueeze min %\t"
                                "Squeeze max %\tFill %\tClearance\tYield %\tMargin %\tLimited by\tVerdict\tWhy\n");
  for (const Candidate& c : result.candidates) {
    const GlandSide& side = sideOf(c);
    const QStringList cells{QStringLiteral("-%1").arg(toQString(c.size->dash)),
                            toQString(standardCrossSection(c.record.W)->text),
                            number(c.record.ID),
                            number(c.record.*side.groove.nominal),
                            number(c.record.*side.groove.tolerance),
                            grooveWidth(c),
                            number(c.record.*side.PCMinE),
                            number(c.record.*side.PCMaxE),
                            figure(c.review.fill.mmc.fillPercent, 1),
                            figure(c.review.extrusion.diametralClearance, 4),
                            figure(c.judgement.yieldPercent, 3),
                            figure(c.judgement.margin * 100, 1),
                            toQString(c.judgement.limiting),
                            QString::fromLatin1(verdictLook(c.judgement.verdict).words),
                            toQString(c.judgement.why)};
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

}  // namespace glandwise
