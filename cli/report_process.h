#pragma once
// Reports written by the separate program glandwise-report, so that glandwise-calc itself
// never loads the GUI libraries that draw them.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "cli/calc_reports.h"

namespace glandwise::calc {

// Hands every report to a glandwise-report process started for the run, one request at a
// time, and returns its reply: the PDF written, or why not. A writer that stopped (it
// crashed or was killed, say) or answered with something that is not a reply is stopped for
// good; that report and every later one then fail with the reason (its exit status or
// signal), so the run still ends with all its output lines.
class ReportProcess final : public ReportWriter {
 public:
  // Starts `program` writing into `directory` (which exists) and waits until it is ready;
  // with `reviewTable` (the AS568 table's text) the reports of reviewed glands get the
  // review page second. Nothing, with the reason in `error`, when it cannot be started or
  // says that it cannot write reports.
  static std::unique_ptr<ReportProcess> start(const std::string& program, const std::string& directory,
                                              std::string_view reviewTable, std::string& error);
  // Ends the conversation and waits for the process to finish.
  ~ReportProcess() override;
  ReportProcess(const ReportProcess&) = delete;
  ReportProcess& operator=(const ReportProcess&) = delete;

  ReportFile write(std::size_t lineNumber, const SessionResult& result) override;
  // How many reports could not be written.
  std::size_t failures() const { return failures_; }

 private:
  ReportProcess(int socket, pid_t pid, std::string directory, bool reviewPages)
      : socket_(socket), pid_(pid), directory_(std::move(directory)), reviewPages_(reviewPages) {}
  // Whether `reply` can be the answer to the report of line `lineNumber`: its file, or why not.
  bool isReply(const ReportFile& reply, std::size_t lineNumber) const;
  // Ends the conversation for good, waits for the process to end and returns what became
  // of it: "exited with status 1", "was killed by signal 9 (Killed)".
  std::string stop();

  int socket_;               // this end of the conversation; -1 once stopped
  pid_t pid_;                // the glandwise-report process
  std::string directory_;    // where the reports go
  bool reviewPages_;         // reviewed glands' reports get the review page
  std::string stopped_;      // why every report fails from now on; empty while the writer works
  std::size_t failures_ = 0;
};

}  // namespace glandwise::calc
