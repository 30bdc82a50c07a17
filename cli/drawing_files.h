#pragma once
// The batch calculator's drawings: the section of every gland that reaches the sheet as a
// file of its own.

#include <cstddef>
#include <functional>
#include <string>

#include "cli/calc_reports.h"
#include "drawing/drawing.h"

namespace glandwise::calc {

// The drawing of a session that reached the results sheet: its gland's section with the
// groove bottom radius of its review inputs (the default one without a review); a face
// seal's section with the flange gap of its review inputs.
drawing::Drawing sessionDrawing(const SessionResult& result);

// Writes each drawing into one folder as a file named after its input line ("line-12.dxf"),
// in the format that `encode` writes. Each file is put in place whole (an existing one of
// the same name, a file or a link, is replaced, never written through) or not at all.
class DrawingFileWriter final : public ReportWriter {
 public:
  // The file's bytes; empty when the drawing could not be encoded.
  using Encoder = std::function<std::string(const drawing::Drawing&)>;

  DrawingFileWriter(std::string directory, std::string suffix, Encoder encode)
      : directory_(std::move(directory)), suffix_(std::move(suffix)), encode_(std::move(encode)) {}
  ReportFile write(std::size_t lineNumber, const SessionResult& result) override;
  std::size_t failures() const override { return failures_; }

 private:
  std::string directory_;  // folder the files go into; it exists
  std::string suffix_;     // of the file names: ".svg" or ".dxf"
  Encoder encode_;
  std::size_t failures_ = 0;
};

}  // namespace glandwise::calc
