#include "cli/report_process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/report_channel.h"
#include "model/utf8.h"

extern char** environ;

namespace glandwise::calc {
namespace {

// What a status from waitpid() says of how the process ended.
std::string endOf(int status) {
  if (WIFSIGNALED(status))
    return "was killed by signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
  return "exited with status " + std::to_string(WEXITSTATUS(status));
}

}  // namespace

std::unique_ptr<ReportProcess> ReportProcess::start(const std::string& program, const std::string& directory,
                                                    const ReviewSources& review, std::string& error) {
  return spawn(program, {directory}, review, ".pdf", !review.as568Text.empty(), error);
}

std::unique_ptr<ReportProcess> ReportProcess::startSvgDrawings(const std::string& program,
                                                               const std::string& directory, std::string& error) {
  return spawn(program, {directory, "--svg-drawings"}, {}, ".svg", true, error);
}

std::unique_ptr<ReportProcess> ReportProcess::spawn(const std::string& program, std::vector<std::string> arguments,
                                                    const ReviewSources& review, std::string suffix, bool sendsReviews,
                                                    std::string& error) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  // The writer converses over its standard input and output; its errors go where ours do.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
  const std::string directory = arguments.front();
  arguments.insert(arguments.begin(), program);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawnError = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(ends[1]);
  if (spawnError != 0) {
    ::close(ends[0]);
    error = std::strerror(spawnError);
    return nullptr;
  }
  std::unique_ptr<ReportProcess> writer(new ReportProcess(ends[0], pid, directory, std::move(suffix), sendsReviews));
  std::optional<std::string> greeting;
  bool sent = sendText(ends[0], review.as568Text);
  if (sent && !review.as568Text.empty()) sent = sendText(ends[0], review.rulesText) && sendText(ends[0], review.rulesFile);
  if (sent) greeting = receiveText(ends[0], kMaxMessageText);
  if (greeting && greeting->empty()) return writer;
  error = greeting && isValidUtf8(*greeting) ? *greeting : "it " + writer->stop();
  return nullptr;
}

ReportProcess::~ReportProcess() {
  if (socket_ >= 0) ::close(socket_);
  while (pid_ > 0 && ::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
  }
}

bool ReportProcess::isReply(const ReportFile& reply, std::size_t lineNumber) const {
  if (reply.error.empty()) return reply.path == directory_ + "/" + fileName(lineNumber);
  return reply.path.empty() && isValidUtf8(reply.error);
}

std::string ReportProcess::stop() {
  ::close(socket_);
  socket_ = -1;
  ::kill(pid_, SIGKILL);  // if it has not ended already
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  return endOf(status);
}

void ReportProcess::removeTemporaries(std::size_t lineNumber) const {
  const std::string prefix = "." + fileName(lineNumber) + ".";
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(directory_, error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == prefix.size() + 6 && name.starts_with(prefix)) std::filesystem::remove(entry.path(), error);
  }
}

ReportFile ReportProcess::write(std::size_t lineNumber, const SessionResult& result) {
  if (stopped_.empty()) {
    const std::optional<ReviewInputs> review = sendsReviews_ && result.review ? result.reviewInputs : std::nullopt;
    std::optional<ReportFile> reply;
    bool malformed = false;
    ReportRequest request;
    request.lineNumber = lineNumber;
    request.glandType = result.glandType.value_or(GlandKind::RodGroove);
    request.record = result.record;
    request.review = review;
    if (result.face) {  // its page holds its review when it was asked for
      request.face = result.face->design.gland;
      request.faceReviewInputs = result.face->reviewInputs.value_or(FaceReviewInputs{});
      request.faceReview = result.face->review;
    }
    if (sendRequest(socket_, request)) reply = receiveReply(socket_, malformed);
    if (reply && isReply(*reply, lineNumber)) {
      if (!reply->error.empty()) ++failures_;
      return std::move(*reply);
    }
    const std::string end = stop();
    removeTemporaries(lineNumber);
    stopped_ = std::string(suffix_ == ".pdf" ? "the report writer" : "the drawing writer") + " glandwise-report " +
               (reply || malformed ? "gave an answer that is no reply at line " + std::to_string(lineNumber) +
                                         ", and was stopped"
                                   : "stopped at line " + std::to_string(lineNumber) + ": it " + end);
  }
  ++failures_;
  return {{}, stopped_};
}

}  // namespace glandwise::calc
