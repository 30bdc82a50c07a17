#include "cli/report_channel.h"

#include <cerrno>
#include <cstdint>
#include <string>
#include <sys/socket.h>
#include <type_traits>
#include <unistd.h>

namespace glandwise::calc {
namespace {

// The record's texts, in the order they travel.
constexpr std::string GlandRecord::*kRecordTexts[] = {&GlandRecord::GW, &GlandRecord::GlandType,
                                                      &GlandRecord::ErrorText, &GlandRecord::SelectedFile};

// A message being put together: values as their bytes, texts as a length and their bytes.
class Packer {
 public:
  template <class T>
  void put(T value) {
    static_assert(std::is_trivially_copyable_v<T>);
    bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  void text(std::string_view text) {
    put(static_cast<std::uint32_t>(text.size()));
    bytes_ += text;
  }
  // One part of a message that Unpacker::part reads back: a text, or a value's bytes.
  template <class T>
  bool part(const T& value) {
    if constexpr (std::is_same_v<T, std::string>) text(value);
    else put(value);
    return true;
  }
  // Sends the message whole; false when the other end has gone away.
  bool send(int socket) const {
    for (std::size_t sent = 0; sent < bytes_.size();) {
      const ssize_t n = ::send(socket, bytes_.data() + sent, bytes_.size() - sent, MSG_NOSIGNAL);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      sent += static_cast<std::size_t>(n);
    }
    return true;
  }

 private:
  std::string bytes_;  // the message so far
};

// Reads the parts of one message in the order Packer put them; fails for good once the
// conversation ends early or a text is longer than its limit.
class Unpacker {
 public:
  explicit Unpacker(int socket) : socket_(socket) {}
  template <class T>
  bool get(T& value) {
    return read(reinterpret_cast<char*>(&value), sizeof value);
  }
  bool text(std::string& text, std::size_t maxBytes = kMaxMessageText) {
    std::uint32_t length = 0;
    if (!get(length)) return false;
    tooLong_ = length > maxBytes;
    ok_ = !tooLong_;
    text.resize(ok_ ? length : 0);
    return read(text.data(), text.size());
  }
  // Whether a text was longer than the reader takes.
  bool tooLong() const { return tooLong_; }
  template <class T>
  bool part(T& value) {
    if constexpr (std::is_same_v<T, std::string>) return text(value);
    else return get(value);
  }

 private:
  bool read(char* into, std::size_t count) {
    while (ok_ && count > 0) {
      const ssize_t n = ::read(socket_, into, count);
      if (n < 0 && errno == EINTR) continue;
      ok_ = n > 0;
      into += ok_ ? n : 0;
      count -= ok_ ? static_cast<std::size_t>(n) : 0;
    }
    return ok_;
  }

  int socket_;           // where the message comes from
  bool ok_ = true;       // every part so far was read whole
  bool tooLong_ = false;  // a text's length was beyond its limit
};

// Puts or reads the review inputs' parts, every bit of them, in one order for both ends.
template <class Message, class Inputs>
bool reviewParts(Message& message, Inputs& in) {
  return message.part(in.hardness) && message.part(in.sealIdTolerance) && message.part(in.tempMinF) &&
         message.part(in.tempMaxF) && message.part(in.compound) && message.part(in.alphaSealPerF) &&
         message.part(in.metalGroove) && message.part(in.metalMating) && message.part(in.alphaGroovePerF) &&
         message.part(in.alphaMatingPerF) && message.part(in.swellPercent) && message.part(in.grooveRadius) &&
         message.part(in.grooveWidth) && message.part(in.squeezeLimits);
}

// Puts or reads a face seal's gland, in one order for both ends.
template <class Message, class Gland>
bool faceGlandParts(Message& m, Gland& g) {
  std::string dash = g.ring.as568Dash.value_or("");
  const bool whole = m.part(g.ring.crossSection) && m.part(g.ring.crossSectionTolerance) &&
                     m.part(g.ring.insideDiameter) && m.part(g.ring.insideDiameterTolerance) && m.part(dash) &&
                     m.part(g.pressureFrom) && m.part(g.medium) && m.part(g.pressure) && m.part(g.groove);
  if constexpr (!std::is_const_v<Gland>)
    if (!dash.empty()) g.ring.as568Dash = std::move(dash);
  return whole;
}

// Puts or reads a face seal's review and its inputs, in one order for both ends.
template <class Message, class Inputs, class Review>
bool faceReviewParts(Message& m, Inputs& in, Review& r) {
  bool whole = m.part(in.hardness) && m.part(in.compound) && m.part(in.metal) && m.part(in.temperaturesF) &&
               m.part(in.swellPercent) && m.part(in.flangeGap) && m.part(in.rulesFile) && m.part(r.overall);
  for (auto& row : r.rows)
    whole = whole && m.part(row.figure) && m.part(row.finding.verdict) && m.part(row.finding.reason) &&
            m.part(row.finding.remedy);
  return whole && m.part(r.statistics) && m.part(r.heat) && m.part(r.rulesName) && m.part(r.rulesFile) &&
         m.part(r.compoundName) && m.part(r.metalName) && m.part(r.extrusionLimit) && m.part(r.squeezeLimits);
}

// Whether the face seal's choices and verdicts read are ones this program has.
bool faceValuesKnown(const ReportRequest& request) {
  const auto known = [](Verdict v) { return int(v) >= int(Verdict::NotEvaluated) && int(v) <= int(Verdict::Fail); };
  const FaceGland& g = *request.face;
  bool ok = int(g.pressureFrom) >= 0 && int(g.pressureFrom) <= int(PressureFrom::Outside) && int(g.medium) >= 0 &&
            int(g.medium) <= int(FaceMedium::Gas);
  if (const std::optional<FaceReview>& review = request.faceReview) {
    ok = ok && known(review->overall);
    for (const FaceRow& row : review->rows) ok = ok && known(row.finding.verdict);
  }
  return ok;
}

}  // namespace

bool sendText(int socket, std::string_view text) {
  Packer message;
  message.text(text);
  return message.send(socket);
}

std::optional<std::string> receiveText(int socket, std::size_t maxBytes) {
  Unpacker message(socket);
  std::string text;
  if (!message.text(text, maxBytes)) return std::nullopt;
  return text;
}

bool sendRequest(int socket, const ReportRequest& request) {
  Packer message;
  message.put(static_cast<std::uint64_t>(request.lineNumber));
  message.put(static_cast<std::uint8_t>(request.glandType));
  for (const FloatField& field : floatFields()) message.put(request.record.*field.member);
  message.put(request.record.Answer);
  for (const auto text : kRecordTexts) message.text(request.record.*text);
  message.put(request.review.has_value());
  if (request.review) reviewParts(message, *request.review);
  message.put(request.face.has_value());
  if (request.face) {
    faceGlandParts(message, *request.face);
    message.put(request.faceReview.has_value());
    if (request.faceReview) faceReviewParts(message, request.faceReviewInputs, *request.faceReview);
  }
  return message.send(socket);
}

std::optional<ReportRequest> receiveRequest(int socket) {
  Unpacker message(socket);
  ReportRequest request;
  std::uint64_t lineNumber = 0;
  std::uint8_t glandType = 0;
  bool whole = message.get(lineNumber) && message.get(glandType);
  for (const FloatField& field : floatFields()) whole = whole && message.get(request.record.*field.member);
  whole = whole && message.get(request.record.Answer);
  for (const auto text : kRecordTexts) whole = whole && message.text(request.record.*text);
  bool reviewed = false;
  whole = whole && message.get(reviewed);
  if (whole && reviewed) whole = reviewParts(message, request.review.emplace());
  bool face = false, faceReviewed = false;
  whole = whole && message.get(face);
  if (whole && face) {
    whole = faceGlandParts(message, request.face.emplace()) && message.get(faceReviewed);
    if (whole && faceReviewed) whole = faceReviewParts(message, request.faceReviewInputs, request.faceReview.emplace());
    whole = whole && faceValuesKnown(request);
  }
  if (!whole || glandType > static_cast<std::uint8_t>(GlandKind::HousingGroove)) return std::nullopt;
  request.lineNumber = lineNumber;
  request.glandType = static_cast<GlandKind>(glandType);
  return request;
}

bool sendReply(int socket, const ReportFile& reply) {
  Packer message;
  message.text(reply.path);
  message.text(reply.error);
  return message.send(socket);
}

std::optional<ReportFile> receiveReply(int socket, bool& malformed) {
  Unpacker message(socket);
  ReportFile reply;
  const bool whole = message.text(reply.path) && message.text(reply.error);
  malformed = message.tooLong();
  if (!whole) return std::nullopt;
  return reply;
}

}  // namespace glandwise::calc
