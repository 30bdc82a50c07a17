#pragma once
// Reports written by the separate program glandwise-report, so that glandwise-calc itself
// never loads the GUI libraries that draw them.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>
#include <sys/types.h>

#include "cli/calc_reports.h"

namespace glandwise::calc {

// Hands every report (or drawing) to a glandwise-report process started for the run, one
// request at a time, and returns its reply: the file written, or why not. A writer that stopped (it
// crashed, say) answers every later report with an error, so the run still ends with all
// its output lines.
class ReportProcess final : public ReportWriter {
 public:
  // Starts `program` writing reports into `directory` (which exists); with `reviewTable`
  // (the AS568 table's file) the reports of reviewed glands get the review page second.
  // Nothing, with the reason in `error`, when it cannot be started.
  static std::unique_ptr<ReportProcess> start(const std::string& program, const std::string& directory,
                                              const std::string& reviewTable, std::string& error);
  // Starts `program` writing SVG drawings into `directory` (which exists), each with the
  // groove bottom radius of its gland's review inputs.
  static std::unique_ptr<ReportProcess> startSvgDrawings(const std::string& program, const std::string& directory,
                                                         std::string& error);
  // Ends the conversation and waits for the process to finish.
  ~ReportProcess() override;
  ReportProcess(const ReportProcess&) = delete;
  ReportProcess& operator=(const ReportProcess&) = delete;

  ReportFile write(std::size_t lineNumber, const SessionResult& result) override;
  std::size_t failures() const override { return failures_; }

 private:
  ReportProcess(int socket, pid_t pid, bool sendsReviews) : socket_(socket), pid_(pid), sendsReviews_(sendsReviews) {}
  // Starts `program` with `arguments` after its name.
  static std::unique_ptr<ReportProcess> spawn(const std::string& program, std::vector<std::string> arguments,
                                              bool sendsReviews, std::string& error);

  int socket_;               // this end of the conversation
  pid_t pid_;                // the glandwise-report process
  bool sendsReviews_;        // requests carry the review inputs of reviewed glands
  std::size_t failures_ = 0;
};

}  // namespace glandwise::calc
