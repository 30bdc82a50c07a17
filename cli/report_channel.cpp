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
  if (request.review) message.put(*request.review);  // the same program build reads it back
  message.put(request.face.has_value());
  if (const std::optional<FaceGland>& face = request.face) {
    message.put(face->ring.crossSection);
    message.put(face->ring.crossSectionTolerance);
    message.put(face->ring.insideDiameter);
    message.put(face->ring.insideDiameterTolerance);
    message.text(face->ring.as568Dash.value_or(""));
    message.put(face->pressureFrom);
    message.put(face->medium);
    message.put(face->pressure);
    message.put(face->groove);
    message.put(request.faceReview);
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
  if (whole && reviewed) whole = message.get(request.review.emplace());
  bool face = false;
  whole = whole && message.get(face);
  if (whole && face) {
    FaceGland& gland = request.face.emplace();
    std::string dash;
    whole = message.get(gland.ring.crossSection) && message.get(gland.ring.crossSectionTolerance) &&
            message.get(gland.ring.insideDiameter) && message.get(gland.ring.insideDiameterTolerance) &&
            message.text(dash) && message.get(gland.pressureFrom) && message.get(gland.medium) &&
            message.get(gland.pressure) && message.get(gland.groove) && message.get(request.faceReview);
    whole = whole && int(gland.pressureFrom) <= int(PressureFrom::Outside) && int(gland.medium) <= int(FaceMedium::Gas);
    if (!dash.empty()) gland.ring.as568Dash = std::move(dash);
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
