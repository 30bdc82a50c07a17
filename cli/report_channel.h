#pragma once
// The conversation between glandwise-calc and its report writer glandwise-report: one
// request per report, one reply per request, over a stream socket.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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
  FaceReviewInputs faceReviewInputs;    // with its review, when it was asked for
  std::optional<FaceReview> faceReview;
};

// The conversation: glandwise-calc sends the AS568 table's text (empty: no review pages);
// the writer answers with its greeting, an empty text when it is ready, else why it cannot
// write reports (and stops); then a reply follows each request.

// The longest text of a request, reply or greeting read; a longer one ends the conversation
// (so that no length read from the other end makes the reader hold gigabytes).
inline constexpr std::size_t kMaxMessageText = 64 << 10;

// What the report writer reviews glands by: the texts of the AS568 table and the rule file
// that the run read, and the rule file's name. Without the AS568 table's text, no review
// pages are drawn and nothing more is sent.
struct ReviewSources {
  std::string_view as568Text;
  std::string_view rulesText;
  std::string rulesFile;
};

// Each sends one message whole and returns false when the other end cannot take it (it
// has gone away): never raises SIGPIPE.
bool sendText(int socket, std::string_view text);
bool sendRequest(int socket, const ReportRequest& request);
bool sendReply(int socket, const ReportFile& reply);

// Each reads one message whole; nothing at the end of the conversation, when the other end
// went away in the middle of a message, or when the message is not one (a text longer than
// `maxBytes` or kMaxMessageText, a gland type that is none).
std::optional<std::string> receiveText(int socket, std::size_t maxBytes);
std::optional<ReportRequest> receiveRequest(int socket);
// `malformed` tells a reply that is not one (a text too long) from the end of the conversation.
std::optional<ReportFile> receiveReply(int socket, bool& malformed);

}  // namespace glandwise::calc
