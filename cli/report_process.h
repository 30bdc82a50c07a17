#pragma once
// Reports written by the separate program glandwise-report, so that glandwise-calc itself
// never loads the GUI libraries that draw them.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <sys/types.h>

#include "cli/calc_reports.h"
#include "cli/report_channel.h"

namespace glandwise::calc {

// Hands every report (or drawing) to a glandwise-report process started for the run, one
// request at a time, and returns its reply: the file written, or why not. A writer that
// stopped (it crashed or was killed, say) or answered with something that is not a reply is
// stopped for good; that report and every later one then fail with the reason (its exit
// status or signal), so the run still ends with all its output lines.
class ReportProcess final : public ReportWriter {
 public:
  // Starts `program` writing reports into `directory` (which exists) and waits until it is
  // ready; with `review` holding an AS568 table's text, the reports of reviewed glands get
  // the review page second. Nothing, with the reason in `error`, when it cannot be started
  // or says that it cannot write reports.
  static std::unique_ptr<ReportProcess> start(const std::string& program, const std::string& directory,
                                              const ReviewSources& review, std::string& error);
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
  ReportProcess(int socket, pid_t pid, std::string directory, std::string suffix, bool sendsReviews)
      : socket_(socket), pid_(pid), directory_(std::move(directory)), suffix_(std::move(suffix)),
        sendsReviews_(sendsReviews) {}
  // Starts `program` with `arguments` after its name, hands it what it reviews by and waits
  // for its greeting.
  static std::unique_ptr<ReportProcess> spawn(const std::string& program, std::vector<std::string> arguments,
                                              const ReviewSources& review, std::string suffix, bool sendsReviews,
                                              std::string& error);
  // The name of line `lineNumber`'s file in the folder: "line-12.pdf".
  std::string fileName(std::size_t lineNumber) const { return "line-" + std::to_string(lineNumber) + suffix_; }
  // Whether `reply` can be the answer for line `lineNumber`: its file, or why not.
  bool isReply(const ReportFile& reply, std::size_t lineNumber) const;
  // Ends the conversation for good, waits for the process to end and returns what became
  // of it: "exited with status 1", "was killed by signal 9 (Killed)".
  std::string stop();
  // Removes the temporary files that a writer stopped while writing line `lineNumber`'s
  // file may have left: ".line-N.pdf.XXXXXX", as platform/replace_file.h makes them.
  void removeTemporaries(std::size_t lineNumber) const;

  int socket_;               // this end of the conversation; -1 once stopped
  pid_t pid_;                // the glandwise-report process; -1 once it has ended
  std::string directory_;    // where the files go
  std::string suffix_;       // of the files' names: ".pdf" or ".svg"
  bool sendsReviews_;        // requests carry the review inputs of reviewed glands
  std::string stopped_;      // why every file fails from now on; empty while the writer works
  std::size_t failures_ = 0;
};

}  // namespace glandwise::calc
