#include "results/review_page.h"

#include <algorithm>

#include <QDate>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include "model/gland_section.h"
#include "model/review_rows.h"
#include "results/page_text.h"
#include "results/review_plots.h"
#include "results/review_window.h"
#include "widgets/controls.h"

namespace glandwise {
namespace {

constexpr int kTextSize = 11;   // units
constexpr int kSmallSize = 9;   // units: the paragraphs under the pictures
constexpr double kPictureHeight = 230;  // units: the section drawing and the histogram side by side

// The checks as a table, each remedy under its reason; returns its height. A check not
// evaluated is printed in grey.
double drawChecks(QPainter& p, const QRectF& area, const Review& review, const QFont& text, const QFont& bold) {
  const double columns[] = {0, 110, 330, 440};  // name, figure, verdict, reason
  QFont italic = text;
  italic.setItalic(true);
  double y = area.top();
  for (const ReviewRow& row : reviewRows(review)) {
    const auto cell = [&](int c, double right) { return QRectF(area.left() + columns[c], y, right - columns[c] - 6, 1000); };
    p.setPen(row.verdict == Verdict::NotEvaluated ? kNotEvaluatedText : Qt::black);
    p.setFont(bold);
    const double name = drawParagraph(p, cell(0, columns[1]), toQString(row.name));
    const double verdict = drawParagraph(p, cell(2, columns[3]), QString::fromLatin1(verdictLook(row.verdict).words));
    p.setFont(text);
    const double figure = drawParagraph(p, cell(1, columns[2]), toQString(row.figure));
    double reason = drawParagraph(p, cell(3, area.width()), toQString(row.reason));
    if (!row.remedy.empty()) {
      p.setFont(italic);
      reason += drawParagraph(p, cell(3, area.width()).translated(0, reason + 1), "Remedy: " + toQString(row.remedy)) + 1;
    }
    y += std::max({name, figure, verdict, reason}) + 4;
    p.setPen(Qt::black);
    p.drawLine(QPointF(area.left(), y - 2), QPointF(area.right(), y - 2));
  }
  return y - area.top();
}

// A paragraph led by its heading: "Heading. text"; returns its height.
double drawSection(QPainter& p, const QRectF& area, const QString& heading, const QString& text, const QFont& font) {
  p.setFont(font);
  return drawParagraph(p, area, heading + QStringLiteral(". ") + text);
}

}  // namespace

QString todayText() { return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat); }

double drawReviewContent(QPainter& p, const QSizeF& size, const ReviewPage& page) {
  const QRectF area(QPointF(0, 0), size);
  const QFont text = pageFont(p.font(), kTextSize, false), bold = pageFont(p.font(), kTextSize, true);
  const QFont small = pageFont(p.font(), kSmallSize, false);
  const Review& review = page.review;

  p.setFont(pageFont(p.font(), 20, true));
  double y = drawParagraph(p, area, QStringLiteral("Glandwise - Design Review"), Qt::AlignHCenter) + 6;
  p.setFont(text);
  y += drawParagraph(p, area.adjusted(0, y, 0, 0),
                     glandIdentity(page.record, page.side, review) + QStringLiteral("    Date: ") + page.date) + 2;
  y += drawParagraph(p, area.adjusted(0, y, 0, 0), rulesIdentity(review.rulesName, review.rulesFile)) + 8;

  const VerdictLook look = verdictLook(review.overall);
  const QRectF badge(area.left(), y, area.width(), 30);
  p.fillRect(badge, look.background);
  p.setPen(look.text);
  p.setFont(pageFont(p.font(), 18, true));
  p.drawText(badge, Qt::AlignCenter, QStringLiteral("Overall: %1").arg(toQString(reviewHeadline(review))));
  p.setPen(Qt::black);
  y += badge.height() + 8;

  y += drawChecks(p, area.adjusted(0, y, 0, 0), review, text, bold) + 8;

  p.setFont(pageFont(p.font(), 9, false));
  const double half = area.width() / 2;
  const GlandSection section = glandSection(page.record, page.side, review.fill, page.inputs.grooveRadius);
  paintGlandSection(p, QRectF(area.left(), y, half - 5, kPictureHeight), section);
  paintSqueezeHistogram(p, QRectF(area.left() + half + 5, y, half - 5, kPictureHeight),
                        {review.statistics, squeezeMarks(review)});
  y += kPictureHeight + 6;

  const auto paragraph = [&](const char* heading, const std::string& body) {
    y += drawSection(p, area.adjusted(0, y, 0, 0), QString::fromUtf8(heading), toQString(body), small) + 4;
  };
  paragraph("Statistics", statisticsAssumptions(review));
  paragraph("Gland", glandDimensionsText(page.record, page.side, review));
  paragraph("Inputs", reviewInputsText(page.inputs, review));
  std::string sources;
  for (const std::string& source : review.sources) sources += (sources.empty() ? "" : "; ") + source;
  paragraph("Sources of the rules used", sources + ".");
  return y;
}

void drawReviewPage(QPainter& p, QPagedPaintDevice& device, int resolution, const ReviewPage& page) {
  drawReviewContent(p, scaleToPageUnits(p, device, resolution).size(), page);
  p.restore();
}

}  // namespace glandwise
