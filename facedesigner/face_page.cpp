#include "facedesigner/face_page.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "face/face_drawing.h"
#include "face/face_section.h"
#include "face/face_text.h"
#include "results/drawing_paint.h"
#include "results/page_text.h"
#include "results/review_window.h"
#include "widgets/controls.h"

namespace glandwise {
namespace {

constexpr int kTextSize = 11;
constexpr double kPictureHeight = 260;

// Rows of cells at the given column edges (units from `area`'s left), the first column in
// bold and with `heading` the first row too; returns the height.
template <std::size_t N>
double table(QPainter& p, const QRectF& area, const std::vector<std::array<std::string, N>>& rows,
             const std::array<double, N>& columns, const QFont& bold, bool heading) {
  const QFont text = p.font();
  double y = area.top();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    double height = 0;
    for (std::size_t c = 0; c < N; ++c) {
      p.setFont(c == 0 || (heading && r == 0) ? bold : text);
      const double right = c + 1 < N ? columns[c + 1] : area.width();
      height = std::max(height, drawParagraph(p, QRectF(area.left() + columns[c], y, right - columns[c] - 6, 1000),
                                          toQString(rows[r][c])));
    }
    y += height + 2;
  }
  p.setFont(text);
  return y - area.top();
}

}  // namespace

SqueezePlot faceSqueezePlot(const FaceReview& review, const FaceAnalysis& analysis) {
  const FaceStatistics& f = review.statistics;
  StatisticsReview st{};
  st.mean = f.mean, st.sigma = f.sigma, st.belowPercent = f.belowPercent, st.abovePercent = f.abovePercent;
  st.histogramStart = f.histogramStart, st.binWidth = f.binWidth, st.histogram = f.histogram;
  st.toleranceSigmas = f.toleranceSigmas;
  return {st,
          {{SqueezeMarkKind::Limit, "lower limit", review.squeezeLimits[0]},
           {SqueezeMarkKind::Limit, "upper limit", review.squeezeLimits[1]},
           {SqueezeMarkKind::ConcentricLmc, "LMC", analysis.lmc.squeezePercent},
           {SqueezeMarkKind::ConcentricMmc, "MMC", analysis.mmc.squeezePercent}}};
}

double drawFaceContent(QPainter& p, const QSizeF& size, const FacePage& page) {
  const QRectF area(QPointF(0, 0), size);
  const QFont text = pageFont(p.font(), kTextSize, false), bold = pageFont(p.font(), kTextSize, true);

  p.setFont(pageFont(p.font(), 20, true));
  double y = drawParagraph(p, area, QStringLiteral("Glandwise - Face Seal"), Qt::AlignHCenter) + 6;
  p.setFont(text);
  y += drawParagraph(p, area.adjusted(0, y, 0, 0),
                 toQString(faceIdentity(page.gland)) + QStringLiteral("    Date: ") + page.date) +
       8;

  if (page.review) {
    const VerdictLook look = verdictLook(page.review->overall);
    const QRectF badge(area.left(), y, area.width(), 30);
    p.fillRect(badge, look.background);
    p.setPen(look.text);
    p.setFont(pageFont(p.font(), 20, true));
    p.drawText(badge, Qt::AlignCenter, QStringLiteral("Overall: %1").arg(QString::fromLatin1(look.words)));
    p.setPen(Qt::black);
    p.setFont(text);
    y += badge.height() + 8;
  }

  const double half = area.width() / 2;
  const double dimensions =
      table<2>(p, QRectF(0, y, half - 10, 1000), faceDimensions(page.gland), {0, 100}, bold, false);
  const double results = table<4>(p, QRectF(half, y, half, 1000), faceResultTable(page.gland, page.analysis),
                                  {0, 110, 200, 290}, bold, true);
  y += std::max(dimensions, results) + 4;
  y += drawParagraph(p, QRectF(half, y, half, 100), QString::fromLatin1(kFaceFriction)) + 8;

  if (page.review) {
    std::vector<std::array<std::string, 4>> checks;
    for (std::size_t c = 0; c < kFaceCheckCount; ++c) {
      const FaceRow& row = page.review->rows[c];
      checks.push_back({std::string(faceCheckName(FaceCheck(c))), row.figure, verdictLook(row.finding.verdict).words,
                        row.finding.reason});
    }
    y += table<4>(p, QRectF(0, y, area.width(), 1000), checks, {0, 105, 300, 395}, bold, false) + 8;
  }

  p.setFont(pageFont(p.font(), 10, false));
  const double gap = page.inputs ? page.inputs->flangeGap : 0;
  const drawing::Drawing section = faceDrawing(faceSection(page.gland, page.analysis, gap), page.gland.groove);
  paintDrawing(p, section, drawingPlacement(QRectF(0, y, half, kPictureHeight), section.extent));
  if (page.review)
    paintSqueezeHistogram(p, QRectF(half, y, half, kPictureHeight), faceSqueezePlot(*page.review, page.analysis));
  y += kPictureHeight + 8;
  if (!page.review || !page.inputs) return y;

  p.setFont(bold);
  y += drawParagraph(p, area.adjusted(0, y, 0, 0), QStringLiteral("Review inputs")) + 2;
  p.setFont(text);
  y += drawParagraph(p, area.adjusted(0, y, 0, 0),
                     toQString(faceReviewInputsText(*page.inputs, *page.review)) +
                         QStringLiteral(" Each reason names its rule's source. Statistics: root-sum-square of the "
                                        "tolerances, each tolerance ±%1 σ, as a normal distribution.")
                             .arg(page.review->statistics.toleranceSigmas));
  return y;
}

void drawFacePage(QPainter& p, QPagedPaintDevice& device, int resolution, const FacePage& page) {
  drawFaceContent(p, scaleToPageUnits(p, device, resolution).size(), page);
  p.restore();
}

}  // namespace glandwise
