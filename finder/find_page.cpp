#include "finder/find_page.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPicture>

#include <algorithm>
#include <vector>

#include "finder/find_columns.h"
#include "results/page_text.h"
#include "results/review_window.h"

namespace glandwise {
namespace {

constexpr double kTextSize = 9;        // units of 1/96 inch
constexpr double kRowHeight = 13;
constexpr std::size_t kMostRows = 12;  // rows of the table, at most
// The share of each column in the table's width, by findColumns().
constexpr double kColumnShares[] = {5, 6, 6, 10, 11, 10, 5, 7, 6, 26, 8};

// One row of the table at `y`: `cell` draws each column's cell.
template <class Cell>
void drawRow(double left, double width, double y, const Cell& cell) {
  double x = left, total = 0;
  for (double share : kColumnShares) total += share;
  for (std::size_t c = 0; c < std::size(kColumnShares); ++c) {
    const double w = width * kColumnShares[c] / total;
    cell(c, QRectF(x + 1, y, w - 2, kRowHeight));
    x += w;
  }
}

// The ranked table from the top of `area`; returns its height.
double drawTable(QPainter& p, const QRectF& area, const FindPage& page) {
  const QFont text = pageFont(p.font(), kTextSize, false), bold = pageFont(p.font(), kTextSize, true);
  double y = area.top();
  p.setFont(bold);
  drawRow(area.left(), area.width(), y, [&](std::size_t c, const QRectF& cell) {
    p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(findColumns()[c].heading));
  });
  y += kRowHeight;
  p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  // The first rows, and the chosen one after them when it ranks lower.
  std::vector<std::size_t> rows;
  for (std::size_t r = 0; r < std::min(kMostRows, page.result.candidates.size()); ++r) rows.push_back(r);
  if (page.chosen >= rows.size() && page.chosen < page.result.candidates.size()) rows.push_back(page.chosen);
  for (const std::size_t r : rows) {
    const Candidate& candidate = page.result.candidates[r];
    p.setFont(r == page.chosen ? bold : text);
    drawRow(area.left(), area.width(), y, [&](std::size_t c, const QRectF& cell) {
      if (int(c) == kVerdictColumn) {
        const VerdictLook look = verdictLook(candidate.judgement.verdict);
        p.fillRect(cell, look.background);
        p.setPen(look.text);
      }
      p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, p.fontMetrics().elidedText(findColumns()[c].text(candidate),
                                                                                    Qt::ElideRight, int(cell.width())));
      p.setPen(Qt::black);
    });
    y += kRowHeight;
  }
  return y - area.top();
}

}  // namespace

void drawFindPage(QPainter& p, QPagedPaintDevice& device, int resolution, const FindPage& page) {
  const QRectF area = scaleToPageUnits(p, device, resolution);

  p.setFont(pageFont(p.font(), 20, true));
  double y = p.boundingRect(area, Qt::AlignHCenter, QStringLiteral("Glandwise - Find a Seal")).height();
  p.drawText(area, Qt::AlignHCenter, QStringLiteral("Glandwise - Find a Seal"));
  p.setFont(pageFont(p.font(), 11, false));
  const QRectF question(area.left(), y + 4, area.width(), 100);
  y = question.top() + p.boundingRect(question, Qt::TextWordWrap, page.question).height() + 8;
  p.drawText(question, Qt::TextWordWrap, page.question);
  y += drawTable(p, QRectF(area.left(), y, area.width(), area.bottom() - y), page) + 16;

  // The review below, measured first and shrunk to the room left when it needs more.
  const QRectF room(area.left(), y, area.width(), area.bottom() - y);
  QPicture measured;
  QPainter measuring(&measured);
  measuring.setFont(p.font());
  const double needed = drawReviewContent(measuring, QSizeF(room.width(), 10000), page.review);
  measuring.end();
  const double fit = std::min(1.0, room.height() / needed);
  p.translate(room.left() + room.width() * (1 - fit) / 2, room.top());
  p.scale(fit, fit);
  drawReviewContent(p, QSizeF(room.width(), needed), page.review);
  p.restore();
}

}  // namespace glandwise
