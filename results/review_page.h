#pragma once
// The printed design review: one page that stands on its own in a design file, with the
// gland's identity, the rule set, the headline, the checks with their remedies, the section
// drawing, the squeeze histogram and its assumptions, the gland's dimensions with their
// tolerances, the inputs and the sources of the rules used.

#include <QString>

#include "model/gland_side.h"
#include "model/record.h"
#include "model/review.h"
#include "results/page_text.h"

class QPainter;
class QPagedPaintDevice;
class QSizeF;

namespace glandwise {

// What the review page shows.
struct ReviewPage {
  const GlandRecord& record;  // the analysed gland
  const GlandSide& side;
  const Review& review;
  const ReviewInputs& inputs;  // the inputs of `review`
  QString date;                // the day it is printed, as the user writes dates
};

// Today's date in the user's short form, as the results sheet shows it.
QString todayText();

// Draws what the page shows, from its heading to its sources, from the origin of `painter`
// (in units of kPageUnitsPerInch to the inch) into an area of `size`; returns the height it
// took.
double drawReviewContent(QPainter& painter, const QSizeF& size, const ReviewPage& page);

// Draws the page onto the current page of `device` (of `resolution` dots per inch) with an
// active `painter`, within the page margins.
void drawReviewPage(QPainter& painter, QPagedPaintDevice& device, int resolution, const ReviewPage& page);

}  // namespace glandwise
