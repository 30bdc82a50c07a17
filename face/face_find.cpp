#include "face/face_find.h"

#include <algorithm>
#include <cmath>

#include "model/cross_sections.h"
#include "model/find_seal.h"
#include "model/numbers.h"

namespace glandwise {
namespace {

std::string percent(double value) { return FigureText(value, 1) + " %"; }

// The first row's reason to its first clause, of the rows that gave `verdict`.
std::string rowOf(const FaceReview& review, Verdict verdict) {
  for (const FaceRow& row : review.rows)
    if (row.finding.verdict == verdict) return firstClause(row.finding);
  return {};
}

// Every figure the face review judges against a limit, with its margin.
std::vector<Margin> faceMargins(const FaceResult& result, const RuleSet& rules) {
  const FaceGland& g = *result.design.gland;
  const FaceAnalysis& a = *result.analysis;
  const FaceReview& review = *result.review;
  const auto rule = [&](RuleKind kind) { return faceRule(rules, kind, g.ring.crossSection).value; };
  const auto [low, high] = review.squeezeLimits;
  const bool liquid = g.medium == FaceMedium::Liquid;
  std::vector<Margin> all{
      aboveLower(a.lmc.squeezePercent, low, high, "squeeze " + percent(a.lmc.squeezePercent) + " at LMC"),
      underUpper(a.mmc.squeezePercent, low, high, "squeeze " + percent(a.mmc.squeezePercent) + " at MMC"),
      liquid ? belowLimit(a.mmc.fillPercent, rule(RuleKind::FillPass), "fill " + percent(a.mmc.fillPercent) + " at MMC")
             : belowLimit(review.statistics.overfilledPercent, rule(RuleKind::OverfillCaution),
                          FigureText(review.statistics.overfilledPercent, 2) + " % overfilled"),
  };
  const FaceSide& side = g.side();
  const double fitLimit = rule(side.sign > 0 ? RuleKind::InterferenceMax : RuleKind::StretchMax);
  const std::string fit = std::string(side.fitName) + " " + percent(a.fit.nominalPercent);
  all.push_back(aboveLower(a.fit.nominalPercent, 0, fitLimit, fit));
  all.push_back(underUpper(a.fit.nominalPercent, 0, fitLimit, fit));
  all.push_back(belowLimit(result.reviewInputs->flangeGap,
                           review.extrusionLimit,
                           "flange gap " + FigureText(result.reviewInputs->flangeGap, 4) + " inch of " +
                               FigureText(review.extrusionLimit, 4) + " inch"));
  if (const std::optional<FaceHeat>& heat = review.heat) {
    all.push_back(aboveLower(heat->coldSqueezePercent, low, high, "squeeze " + percent(heat->coldSqueezePercent) + " cold"));
    all.push_back(underUpper(heat->hotSqueezePercent, low, high, "squeeze " + percent(heat->hotSqueezePercent) + " hot"));
    all.push_back(liquid ? belowLimit(heat->hotFillPercent, rule(RuleKind::ServiceFillPass),
                                      "fill " + percent(heat->hotFillPercent) + " hot")
                         : belowLimit(heat->hotOverfilledPercent, rule(RuleKind::OverfillCaution),
                                      FigureText(heat->hotOverfilledPercent, 2) + " % overfilled hot"));
  }
  return all;
}

// The nominal ring's fit on the datum, %, and the rules' limit of it.
struct FitOnDatum {
  double percent, limit;
  double step;  // inch between the ring's edge and the datum
  // Whether the fit is within 0 to the limit, as the review compares them: to 0.1 %.
  bool within() const {
    const double shown = std::nearbyint(percent * 10) / 10;
    return shown >= 0 && shown <= std::nearbyint(limit * 10) / 10;
  }
};

FitOnDatum fitOnDatum(const As568Size& size, const FaceFindRequest& request, const RuleSet& rules) {
  const FaceSide& side = faceSide(request.from);
  const double edge = size.insideDiameter + side.crossSectionsInRingEdge * double(size.crossSection);
  return {faceFitPercent(side, edge, request.datum),
          faceRule(rules, side.sign > 0 ? RuleKind::InterferenceMax : RuleKind::StretchMax, size.crossSection).value,
          std::abs(edge - request.datum)};
}

// What became of the sizes whose ring fits the datum but that are no candidates.
struct LeftOut {
  bool tooWide = false;       // a groove wider than the space given
  std::string refusal;        // the first standard gland the designer refused, and why
  std::string reviewProblem;  // why the review's inputs do not fit a gland
};

std::string noCandidateReason(const FaceFindRequest& request, const LeftOut& left) {
  const FaceSide& side = faceSide(request.from);
  const std::string datum = "a " + NumberText(request.datum) + " inch " + std::string(side.datumName);
  if (!left.reviewProblem.empty()) return "the review's inputs fit no size's face gland: " + left.reviewProblem;
  if (left.tooWide) return "no AS568 size fits " + datum + " within the groove width given";
  if (!left.refusal.empty())
    return "the standard face gland of every size that fits " + datum + " is refused: " + left.refusal;
  return "no AS568 size of the cross-sections allowed has its " + std::string(side.ringEdge) + " within the " +
         std::string(side.fitName) + " limit of " + datum;
}

}  // namespace

Judgement judgeFace(const FaceResult& result, const RuleSet& rules) {
  const FaceReview& review = *result.review;
  const FaceStatistics& statistics = review.statistics;
  // The normal shares counted in whole assemblies of a production run, as the radial glands'
  // yield counts its samples: a share smaller than one assembly in kFaceRun does not rank.
  const double outside = std::nearbyint((statistics.belowPercent + statistics.abovePercent) / 100 * kFaceRun);
  return judgeReview({review.overall, 100 - outside * 100 / kFaceRun,
                      faceMargins(result, rules), rowOf(review, Verdict::Fail), rowOf(review, Verdict::Caution),
                      review.row(FaceCheck::Statistics).finding});
}

FaceFindResult findFaceSeals(const FaceFindRequest& request, const FaceData& data, const As568Table& table) {
  FaceFindResult found;
  LeftOut left;
  for (const As568Size& size : table.sizes()) {
    const std::optional<int> section = standardCrossSectionIndex(size.crossSection);
    if (!section || !request.crossSections[std::size_t(*section)]) continue;
    const FitOnDatum fit = fitOnDatum(size, request, data.rules);
    if (!fit.within()) continue;
    FaceResult result =
        standardFaceSeal(size, request.from, request.medium, request.datum, request.pressure, request.review, data, table);
    if (!result.review) {
      std::string& why = result.reviewProblem.empty() ? left.refusal : left.reviewProblem;
      if (why.empty()) why = result.reviewProblem.empty() ? result.design.refusal : result.reviewProblem;
      continue;
    }
    const FaceGroove& groove = result.design.gland->groove;
    if (request.largestGrooveWidth && double(groove.width) + groove.widthTolerance > *request.largestGrooveWidth) {
      left.tooWide = true;
      continue;
    }
    FaceCandidate& c = found.candidates.emplace_back();
    c.size = &size;
    c.judgement = judgeFace(result, data.rules);
    c.idStep = fit.step;
    c.result = std::move(result);
  }
  std::ranges::stable_sort(found.candidates, [](const FaceCandidate& a, const FaceCandidate& b) {
    return ranksBefore(RankKey{a.judgement, a.size->crossSection, a.idStep},
                       RankKey{b.judgement, b.size->crossSection, b.idStep});
  });
  if (found.candidates.empty()) found.reason = noCandidateReason(request, left);
  return found;
}

}  // namespace glandwise
