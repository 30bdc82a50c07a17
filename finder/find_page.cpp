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

// One row of the table at `y`: `cell` draws each column's cell, each as wide as its share.
template <class C, class Cell>
void drawRow(double left, double width, double y, const Cell& cell) {
  double x = left, total = 0;
  for (const Column<C>& column : columnsOf<C>()) total += column.share;
  for (std::size_t c = 0; c < columnsOf<C>().size(); ++c) {
    const double w = width * columnsOf<C>()[c].share / total;
    cell(c, QRectF(x + 1, y, w - 2, kRowHeight));
    x += w;
  }
}

// The ranked table of `candidates` from the top of `area`, `chosen` in bold; returns its height.
template <class C>
double drawTable(QPainter& p, const QRectF& area, const std::vector<C>& candidates, std::size_t chosen) {
  const QFont text = pageFont(p.font(), kTextSize, false), bold = pageFont(p.font(), kTextSize, true);
  const std::vector<Column<C>>& columns = columnsOf<C>();
  double y = area.top();
  p.setFont(bold);
  drawRow<C>(area.left(), area.width(), y, [&](std::size_t c, const QRectF& cell) {
    p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(columns[c].heading));
  });
  y += kRowHeight;
  p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  // The first rows, and the chosen one after them when it ranks lower.
  std::vector<std::size_t> rows;
  for (std::size_t r = 0; r < std::min(kMostRows, candidates.size()); ++r) rows.push_back(r);
  if (chosen >= rows.size() && chosen < candidates.size()) rows.push_back(chosen);
  for (const std::size_t r : rows) {
    const C& candidate = candidates[r];
    p.setFont(r == chosen ? bold : text);
    drawRow<C>(area.left(), area.width(), y, [&](std::size_t c, const QRectF& cell) {
      if (isVerdictColumn<C>(c)) {
        const VerdictLook look = verdictLook(candidate.judgement.verdict);
        p.fillRect(cell, look.background);
        p.setPen(look.text);
      }
      p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                 p.fontMetrics().elidedText(columns[c].text(candidate), Qt::ElideRight, int(cell.width())));
      p.setPen(Qt::black);
    });
    y += kRowHeight;
  }
  return y - area.top();
}

// The page: its heading, the question, the table, then the chosen candidate's content
// below, drawn by `content(painter, size)` (which returns the height it takes), measured
// first and shrunk to the room left when it needs more.
template <class C, class Content>
void drawPage(QPainter& p, QPagedPaintDevice& device, int resolution, const QString& question,
              const std::vector<C>& candidates, std::size_t chosen, const Content& content) {
  const QRectF area = scaleToPageUnits(p, device, resolution);

  p.setFont(pageFont(p.font(), 20, true));
  double y = p.boundingRect(area, Qt::AlignHCenter, QStringLiteral("Glandwise - Find a Seal")).height();
  p.drawText(area, Qt::AlignHCenter, QStringLiteral("Glandwise - Find a Seal"));
  p.setFont(pageFont(p.font(), 11, false));
  const QRectF asked(area.left(), y + 4, area.width(), 100);
  y = asked.top() + p.boundingRect(asked, Qt::TextWordWrap, question).height() + 8;
  p.drawText(asked, Qt::TextWordWrap, question);
  y += drawTable(p, QRectF(area.left(), y, area.width(), area.bottom() - y), candidates, chosen) + 16;

  const QRectF room(area.left(), y, area.width(), area.bottom() - y);
  QPicture measured;
  QPainter measuring(&measured);
  measuring.setFont(p.font());
  const double needed = content(measuring, QSizeF(room.width(), 10000));
  measuring.end();
  const double fit = std::min(1.0, room.height() / needed);
  p.translate(room.left() + room.width() * (1 - fit) / 2, room.top());
  p.scale(fit, fit);
  content(p, QSizeF(room.width(), needed));
  p.restore();
}

}  // namespace

void drawFindPage(QPainter& p, QPagedPaintDevice& device, int resolution, const FindPage& page) {
  drawPage(p, device, resolution, page.question, page.result.candidates, page.chosen,
           [&](QPainter& painter, const QSizeF& size) { return drawReviewContent(painter, size, page.review); });
}

void drawFindPage(QPainter& p, QPagedPaintDevice& device, int resolution, const FaceFindPage& page) {
  drawPage(p, device, resolution, page.question, page.result.candidates, page.chosen,
           [&](QPainter& painter, const QSizeF& size) { return drawFaceContent(painter, size, page.face); });
}

}  // namespace glandwise
