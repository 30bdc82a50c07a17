#include "cli/drawing_files.h"

#include "drawing/gland_drawing.h"
#include "face/face_drawing.h"
#include "model/gland_section.h"

namespace glandwise::calc {

drawing::Drawing sessionDrawing(const SessionResult& result) {
  if (const std::optional<FaceResult>& face = result.face) {
    if (!face->analysis) return {};
    const double gap = face->reviewInputs ? face->reviewInputs->flangeGap : 0;
    return faceDrawing(faceSection(*face->design.gland, *face->analysis, gap), face->design.gland->groove);
  }
  const GlandSide& side = glandSide(*result.glandType);
  const ReviewInputs inputs = result.reviewInputs.value_or(ReviewInputs{});
  return drawing::glandDrawing(glandSection(result.record, side, reviewFill(result.record, side, inputs), inputs.grooveRadius));
}

ReportFile DrawingFileWriter::write(std::size_t lineNumber, const SessionResult& result) {
  const std::string name = "line-" + std::to_string(lineNumber) + suffix_;
  const drawing::Drawing drawing = sessionDrawing(result);
  const std::string bytes = drawing.empty() ? std::string() : encode_(drawing);
  std::string error = drawing.empty() ? "the gland has no groove width, gland height or seal to draw"
                      : bytes.empty() ? "the drawing could not be encoded"
                                      : putFileInPlace(directory_, name, bytes);
  if (!error.empty()) {
    ++failures_;
    return {{}, std::move(error)};
  }
  return {directory_ + "/" + name, {}};
}

}  // namespace glandwise::calc
