#pragma once
// The face seal's printed page: the gland's identity and dimensions, its figures, the
// review with its verdict, the section to scale and the squeeze of a production run.

#include <QString>

#include "face/face_gland.h"
#include "face/face_review.h"
#include "results/review_plots.h"

class QPainter;
class QPagedPaintDevice;
class QSizeF;

namespace glandwise {

struct FacePage {
  const FaceGland& gland;
  const FaceAnalysis& analysis;
  const FaceReview* review;        // none: the review was not asked for
  const FaceReviewInputs* inputs;  // the review's inputs, with it
  QString date;                    // the day it is printed, as the user writes dates
};

// The squeeze histogram of a face seal's review, for the review pictures' painter.
SqueezePlot faceSqueezePlot(const FaceReview& review, const FaceAnalysis& analysis);

// Draws what the page shows, from its heading to the review's inputs, from the origin of
// `painter` (in units of kPageUnitsPerInch to the inch) into an area of `size`; returns the
// height it took.
double drawFaceContent(QPainter& painter, const QSizeF& size, const FacePage& page);

// Draws the page onto the current page of `device` (of `resolution` dots per inch) with an
// active `painter`, within the page margins.
void drawFacePage(QPainter& painter, QPagedPaintDevice& device, int resolution, const FacePage& page);

}  // namespace glandwise
