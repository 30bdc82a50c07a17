#pragma once
// The face seal's section to scale: a paint function (for the screen and the printed page
// alike) and a widget that scales it with its window.

#include <QRectF>
#include <QWidget>

#include "face/face_section.h"

class QPainter;

namespace glandwise {

// Draws the gland cut through its axis on one side within `area`: the grooved flange with
// its bottom radii, the mating flange across the gap (each named), the ring at nominal
// (filled) against the datum wall with its MMC and LMC outlines (dashed), the pressure's
// side, the axis when the groove is a round pocket, and the depth, width, gap and datum.
void paintFaceSection(QPainter& painter, const QRectF& area, const FaceSection& section);

class FaceDrawing : public QWidget {
 public:
  explicit FaceDrawing(QWidget* parent = nullptr);
  // The section to draw; none draws nothing (the entries cannot be used).
  void setSection(const std::optional<FaceSection>& section);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<FaceSection> section_;
};

}  // namespace glandwise
