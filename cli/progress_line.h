#pragma once
// A long batch run's progress, on the terminal that standard error is.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace glandwise::calc {

// One line on a terminal that keeps telling how far a run has come: the input lines done,
// the rate and, once the input file's lines are counted, the total and the time left. It
// appears only when the run has lasted a second, is redrawn a few times a second by a
// thread of its own (reports take the run's thread for many milliseconds each) and is
// erased when it ends, so that what follows on the terminal starts on a clean line.
class ProgressLine {
 public:
  // Watches `done` (input lines worked so far) and draws on `terminal` (a descriptor);
  // counts the lines of `inputFile` for the total unless it is empty.
  ProgressLine(int terminal, const std::atomic<std::size_t>& done, std::string inputFile);
  // Stops and erases the line.
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // The line's text after `seconds` with `done` lines worked of `total`, when known:
  // "glandwise-calc: 52000 of 100000 lines (52%), 26000 lines/s, 0:02 left".
  static std::string text(std::size_t done, double seconds, std::optional<std::size_t> total);

 private:
  // The thread's work: counts the input's lines (unless the run ends first), then redraws
  // until the run ends, and erases the line.
  void run(const std::string& inputFile);
  void draw(std::string_view line) const;

  int terminal_;                          // where the line is drawn
  const std::atomic<std::size_t>& done_;  // input lines worked so far
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::atomic<bool> stopping_ = false;  // the run has ended; set under mutex_
  std::mutex mutex_;
  std::condition_variable wake_;  // tells the thread that the run has ended
  std::thread thread_;            // draws the line; joined by the destructor
};

}  // namespace glandwise::calc
