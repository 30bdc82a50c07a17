#include "cli/report_process.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/report_channel.h"

extern char** environ;

namespace glandwise::calc {

std::unique_ptr<ReportProcess> ReportProcess::start(const std::string& program, const std::string& directory,
                                                    const std::string& reviewTable, std::string& error) {
  if (reviewTable.empty()) return spawn(program, {directory}, false, error);
  return spawn(program, {directory, "--review", reviewTable}, true, error);
}

std::unique_ptr<ReportProcess> ReportProcess::startSvgDrawings(const std::string& program,
                                                               const std::string& directory, std::string& error) {
  return spawn(program, {directory, "--svg-drawings"}, true, error);
}

std::unique_ptr<ReportProcess> ReportProcess::spawn(const std::string& program, std::vector<std::string> arguments,
                                                    bool sendsReviews, std::string& error) {
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
  return std::unique_ptr<ReportProcess>(new ReportProcess(ends[0], pid, sendsReviews));
}

ReportProcess::~ReportProcess() {
  ::close(socket_);
  while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
  }
}

ReportFile ReportProcess::write(std::size_t lineNumber, const SessionResult& result) {
  std::optional<ReportFile> reply;
  const std::optional<ReviewInputs> review = sendsReviews_ && result.review ? result.reviewInputs : std::nullopt;
  ReportRequest request{lineNumber, result.glandType.value_or(GlandKind::RodGroove), result.record, review, {}, {}};
  if (result.face) {  // its page holds its review, asked for or not
    request.face = result.face->design.gland;
    request.faceReview = result.face->reviewInputs.value_or(FaceReviewInputs{});
  }
  if (sendRequest(socket_, request)) reply = receiveReply(socket_);
  if (!reply) reply = ReportFile{{}, "the report writer glandwise-report stopped before writing it"};
  if (!reply->error.empty()) ++failures_;
  return std::move(*reply);
}

}  // namespace glandwise::calc
