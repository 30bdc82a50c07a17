#pragma once
// The conversation between glandwise-calc and its report writer glandwise-report: one
// request per report, one reply per request, over a stream socket.

#include <cstddef>
#include <optional>

#include "cli/calc_reports.h"
#include "face/face_gland.h"
#include "face/face_review.h"
#include "model/gland_side.h"
#include "model/record.h"
#include "model/review.h"

namespace glandwise::calc {

// One report asked of the writer: the gland that one input line left on the results sheet.
struct ReportRequest {
  std::size_t lineNumber = 0;  // the input line, from 1; names the file
  GlandKind glandType = GlandKind::RodGroove;
  GlandRecord record;  // as the session left it, every float bit for bit
  std::optional<ReviewInputs> review;  // the review's inputs when the report has the review page
  std::optional<FaceGland> face;        // a face seal: its report is the face seal's page instead
  FaceReviewInputs faceReview;          // the face seal's review inputs
};

// Each sends one message whole and returns false when the other end cannot take it (it
// has gone away): never raises SIGPIPE.
bool sendRequest(int socket, const ReportRequest& request);
bool sendReply(int socket, const ReportFile& reply);

// Each reads one message whole; nothing at the end of the conversation or when the other
// end went away in the middle of a message.
std::optional<ReportRequest> receiveRequest(int socket);
std::optional<ReportFile> receiveReply(int socket);

}  // namespace glandwise::calc
