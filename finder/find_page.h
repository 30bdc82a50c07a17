#pragma once
// The printed Find a seal page: the question, the ranked table and the chosen candidate's
// design review, on one page.

#include <QString>

#include "face/face_find.h"
#include "facedesigner/face_page.h"
#include "model/find_seal.h"
#include "results/review_page.h"

class QPainter;
class QPagedPaintDevice;

namespace glandwise {

// A ranking of radial glands with the chosen candidate's full review.
struct FindPage {
  QString question;          // the hardware and service in one line
  const FindResult& result;  // the ranking
  std::size_t chosen;        // the candidate whose review is printed
  ReviewPage review;         // its full review
};

// A ranking of face seals with the chosen candidate's face seal page.
struct FaceFindPage {
  QString question;              // the datum and service in one line
  const FaceFindResult& result;  // the ranking
  std::size_t chosen;            // the candidate whose page is printed
  FacePage face;                 // its gland, analysis and review
};

// Draws the page onto the current page of `device` (of `resolution` dots per inch) with an
// active `painter`: as many rows of the table as leave the review room, then the review,
// shrunk when it must to fit.
void drawFindPage(QPainter& painter, QPagedPaintDevice& device, int resolution, const FindPage& page);
void drawFindPage(QPainter& painter, QPagedPaintDevice& device, int resolution, const FaceFindPage& page);

}  // namespace glandwise
