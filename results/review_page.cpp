#include "results/review_page.h"

#include <QDate>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include "model/gland_section.h"
#include "model/review_rows.h"
#include "results/review_plots.h"
#include "results/review_window.h"
#include "widgets/controls.h"

namespace glandwise {
namespace {

// The page is laid out in units of 1/96 inch, as the screen's pixels.
constexpr double kUnitsPerInch = 96;
constexpr int kTextSize = 11;   // units
constexpr double kSectionHeight = 250;    // units: the section drawing across the page
constexpr double kHistogramHeight = 250;  // units

QFont pageFont(const QFont& base, int size, bool bold) {
  QFont font = base;
  font.setPixelSize(size);
  font.setBold(bold);
  return font;
}

// Draws word-wrapped `text` at the top of `box`; returns the height it took.
double drawParagraph(QPainter& p, const QRectF& box, const QString& text, int flags = Qt::AlignLeft) {
  const QRectF used = p.boundingRect(box, flags | Qt::AlignTop | Qt::TextWordWrap, text);
  p.drawText(box, flags | Qt::AlignTop | Qt::TextWordWrap, text);
  return used.height();
}

// The checks as a table; returns its height.
double drawChecks(QPainter& p, const QRectF& area, const Review& review, const QFont& text, const QFont& bold) {
  const double columns[] = {0, 115, 360, 435};  // name, figure, verdict, reason
  double y = area.top();
  for (const ReviewRow& row : reviewRows(review)) {
    const auto cell = [&](int c, double right) { return QRectF(area.left() + columns[c], y, right - columns[c] - 6, 1000); };
    p.setFont(bold);
    drawParagraph(p, cell(0, columns[1]), toQString(row.name));
    drawParagraph(p, cell(2, columns[3]), QString::fromLatin1(verdictLook(row.verdict).words));
    p.setFont(text);
    const double figure = drawParagraph(p, cell(1, columns[2]), toQString(row.figure));
    const double reason = drawParagraph(p, cell(3, area.width()), toQString(row.reason));
    y += std::max(figure, reason) + 4;
    p.drawLine(QPointF(area.left(), y - 2), QPointF(area.right(), y - 2));
  }
  return y - area.top();
}

}  // namespace

QString todayText() { return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat); }

void drawReviewPage(QPainter& p, QPagedPaintDevice& device, int resolution, const ReviewPage& page) {
  p.save();
  const QRect printable = device.pageLayout().paintRectPixels(resolution);
  const double scale = resolution / kUnitsPerInch;
  p.scale(scale, scale);
  const QRectF area(0, 0, printable.width() / scale, printable.height() / scale);
  const QFont text = pageFont(p.font(), kTextSize, false), bold = pageFont(p.font(), kTextSize, true);

  p.setFont(pageFont(p.font(), 20, true));
  double y = drawParagraph(p, area, QStringLiteral("Glandwise - Design Review"), Qt::AlignHCenter) + 6;
  p.setFont(text);
  y += drawParagraph(p, area.adjusted(0, y, 0, 0),
                     glandIdentity(page.record, page.side, page.review) + QStringLiteral("    Date: ") + page.date) + 10;

  const VerdictLook look = verdictLook(page.review.overall);
  const QRectF badge(area.left(), y, area.width(), 34);
  p.fillRect(badge, look.background);
  p.setPen(look.text);
  p.setFont(pageFont(p.font(), 22, true));
  p.drawText(badge, Qt::AlignCenter, QStringLiteral("Overall: %1").arg(QString::fromLatin1(look.words)));
  p.setPen(Qt::black);
  y += badge.height() + 10;

  y += drawChecks(p, area.adjusted(0, y, 0, 0), page.review, text, bold) + 10;

  p.setFont(pageFont(p.font(), 10, false));
  const GlandSection section = glandSection(page.record, page.side, page.review.fill, page.inputs.grooveRadius);
  paintGlandSection(p, QRectF(area.left(), y, area.width(), kSectionHeight), section);
  y += kSectionHeight + 10;
  paintSqueezeHistogram(p, QRectF(area.left(), y, area.width(), kHistogramHeight),
                        {page.review.statistics, page.review.squeeze.lowerLimit, page.review.squeeze.upperLimit,
                         section.worstMmcSqueeze, section.worstLmcSqueeze});
  y += kHistogramHeight + 10;

  p.setFont(bold);
  y += drawParagraph(p, area.adjusted(0, y, 0, 0), QStringLiteral("Inputs")) + 2;
  p.setFont(text);
  drawParagraph(p, area.adjusted(0, y, 0, 0), toQString(reviewInputsText(page.inputs, page.review)));
  p.restore();
}

}  // namespace glandwise
