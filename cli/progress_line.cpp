#include "cli/progress_line.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace glandwise::calc {
namespace {

using Clock = std::chrono::steady_clock;

// The line appears once the run has lasted this long, and is redrawn this often.
constexpr auto kQuietStart = std::chrono::seconds(1);
constexpr auto kRedraw = std::chrono::milliseconds(250);

// The lines of `file`, counted as the batch run numbers them; nothing when it cannot be
// read, is not a regular file (a pipe, say, whose lines only the run may read), or the run
// ends (`ended`) before they are counted.
std::optional<std::size_t> countLines(const std::string& file, const std::atomic<bool>& ended) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  char chunk[64 * 1024];
  std::size_t lines = 0;
  char last = '\n';
  while (!ended && (in.read(chunk, sizeof chunk) || in.gcount() > 0)) {
    const auto read = static_cast<std::size_t>(in.gcount());
    lines += static_cast<std::size_t>(std::count(chunk, chunk + read, '\n'));
    last = chunk[read - 1];
  }
  if (in.bad() || !in.eof()) return std::nullopt;
  return lines + (last == '\n' ? 0 : 1);
}

// "m:ss", or "h:mm:ss" from an hour on.
std::string duration(double seconds) {
  const auto whole = static_cast<long>(seconds + 0.5);
  char text[32];
  if (whole >= 3600) std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
  else std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  return text;
}

}  // namespace

ProgressLine::ProgressLine(int terminal, const std::atomic<std::size_t>& done, std::string inputFile)
    : terminal_(terminal), done_(done), thread_([this, file = std::move(inputFile)] { run(file); }) {}

ProgressLine::~ProgressLine() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

std::string ProgressLine::text(std::size_t done, double seconds, std::optional<std::size_t> total) {
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
  std::string line = "glandwise-calc: " + std::to_string(done);
  if (total) line += " of " + std::to_string(*total);
  line += " lines";
  if (total && *total > 0) line += " (" + std::to_string(std::min<std::size_t>(done, *total) * 100 / *total) + "%)";
  line += ", " + std::to_string(static_cast<long>(rate + 0.5)) + " lines/s";
  if (total && rate > 0) line += ", " + duration(static_cast<double>(*total - std::min(done, *total)) / rate) + " left";
  return line;
}

void ProgressLine::run(const std::string& inputFile) {
  const std::optional<std::size_t> total = inputFile.empty() ? std::nullopt : countLines(inputFile, stopping_);
  bool drawn = false;
  std::unique_lock lock(mutex_);
  while (!wake_.wait_for(lock, kRedraw, [this] { return stopping_.load(); })) {
    const auto elapsed = Clock::now() - start_;
    if (elapsed < kQuietStart) continue;
    draw("\r" + text(done_.load(std::memory_order_relaxed), std::chrono::duration<double>(elapsed).count(), total) +
         "\x1b[K");  // and erase what a longer line before left
    drawn = true;
  }
  if (drawn) draw("\r\x1b[K");
}

void ProgressLine::draw(std::string_view line) const {
  // A terminal that cannot be written to loses a progress line, nothing more.
  [[maybe_unused]] const ssize_t written = ::write(terminal_, line.data(), line.size());
}

}  // namespace glandwise::calc
