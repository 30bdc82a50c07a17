#include "cli/calc_batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <istream>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "face/face_input.h"
#include "model/find_input.h"
#include "model/gland_input.h"
#include "cli/calc_session.h"

namespace glandwise::calc {
namespace {

// Lines that a thread takes at a time; large enough that handing them over costs nothing,
// small enough that the chunks in flight hold little. A chunk also ends once its lines
// hold kChunkBytes, and whenever no further input is waiting.
constexpr std::size_t kChunkLines = 128;
constexpr std::size_t kChunkBytes = 256 << 10;
// Chunks in flight per worker thread: enough that the workers never wait for the reading
// thread to write, few enough to keep the memory low whatever the input's length; and at
// most kMaxChunksInFlight (2,048 lines) however many workers there are.
constexpr std::size_t kChunksPerWorker = 4;
constexpr std::size_t kMaxChunksInFlight = 16;
// No further chunk is read while the chunks in flight hold this many bytes of input: working
// a line takes many times its length in memory (a 1 MiB line of edits, about 15 MB), so long
// lines are worked a few at a time however many threads there are.
constexpr std::size_t kMaxBytesInFlight = 1 << 20;
// A chunk whose text grew beyond this (for a long line) gives its storage back before it is
// filled again, so that long lines do not hold memory for the rest of the run.
constexpr std::size_t kKeptChunkBytes = 2 * kChunkBytes;

// Working a long line takes many times its length in memory, in large blocks and in many
// small ones, and glibc keeps what each thread freed in that thread's heap (and, once a large
// block is freed, hands later large ones out of the heaps too): with many threads a run
// would hold many times what its lines in flight need. So large blocks are always mapped
// from the system (and given back when freed), and after a chunk with a long line the heaps
// give back what is free.
#ifdef __GLIBC__
void mapLargeBlocks() { ::mallopt(M_MMAP_THRESHOLD, 128 << 10); }
void giveBackFreeMemory() { ::malloc_trim(0); }
#else
void mapLargeBlocks() {}
void giveBackFreeMemory() {}
#endif

// Where one line of a chunk lies in its text.
struct LineSpan {
  std::size_t start = 0;   // offset in the chunk's text
  std::size_t length = 0;  // in bytes, without the line feed; over kMaxLineBytes: too long, and not kept
};

// A run of consecutive input lines and the output made of them: what the reading thread
// hands to a worker and takes back to write.
struct Chunk {
  std::string text;             // the lines kept, one after another
  std::vector<LineSpan> lines;  // each line of the chunk, in input order
  std::size_t firstLineNumber = 1;     // input line number of lines[0]
  std::unique_ptr<LineWriter> output;  // the output lines; made on first use, then reused
  BatchSummary counts;                 // how many lines were processed and how many were errors
};

// Works line `i` of the chunk into its output.
void calculateChunkLine(Chunk& chunk, std::size_t i, const BatchOptions& options) {
  const std::size_t lineNumber = chunk.firstLineNumber + i;
  const LineSpan span = chunk.lines[i];
  if (span.length > kMaxLineBytes) {
    chunk.output->writeError(lineNumber, "longer than " + std::to_string(kMaxLineBytes) + " bytes (" +
                                             std::to_string(span.length) + " bytes)");
    ++chunk.counts.errorLines;
    return;
  }
  const std::string_view line = std::string_view(chunk.text).substr(span.start, span.length);
  if (isBlankLine(line)) return;
  const bool usable = calculateLine(line, lineNumber, *chunk.output, options.reports, options.session,
                                    options.drawings);
  ++(usable ? chunk.counts.processedLines : chunk.counts.errorLines);
}

void calculateChunk(Chunk& chunk, const BatchOptions& options) {
  if (!chunk.output) chunk.output = makeLineWriter(options.format, options.fields);
  chunk.output->clear();
  chunk.counts = {};
  for (std::size_t i = 0; i < chunk.lines.size(); ++i) {
    calculateChunkLine(chunk, i, options);
    if (options.linesDone) options.linesDone->fetch_add(1, std::memory_order_relaxed);
  }
  if (chunk.text.size() > kChunkBytes) giveBackFreeMemory();
}

void write(std::ostream& out, std::string_view text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// Reads the next line onto the end of `text` and returns where it lies; a line longer than
// kMaxLineBytes is read to its end but not kept. Nothing at the end of the input.
std::optional<LineSpan> readLine(std::istream& in, std::string& text) {
  LineSpan line{text.size(), 0};
  char piece[64 * 1024];
  for (;;) {
    in.getline(piece, sizeof piece);
    const auto read = static_cast<std::size_t>(in.gcount());
    const bool pieceFull = in.fail() && !in.eof() && read == sizeof piece - 1;
    const bool lineEnded = !in.fail() && !in.eof();  // the line feed was read (and counted)
    const std::size_t stored = lineEnded ? read - 1 : read;
    line.length += stored;
    if (line.length <= kMaxLineBytes) text.append(piece, stored);
    else text.resize(line.start);
    if (!pieceFull) {
      if (lineEnded || line.length > 0 || (in.eof() && read > 0)) return line;
      return std::nullopt;
    }
    in.clear();
  }
}

// What reading a chunk came to.
enum class ReadEnd {
  Full,     // the chunk is full and more input may follow
  Waiting,  // no further input is waiting yet
  Ended,    // the input has ended
};

// Fills the chunk with the lines available now, reusing its storage.
ReadEnd readChunk(std::istream& in, Chunk& chunk) {
  if (chunk.text.capacity() > kKeptChunkBytes) std::string().swap(chunk.text);
  chunk.text.clear();
  chunk.lines.clear();
  while (chunk.lines.size() < kChunkLines && chunk.text.size() < kChunkBytes) {
    const std::optional<LineSpan> line = readLine(in, chunk.text);
    if (!line) return ReadEnd::Ended;
    chunk.lines.push_back(*line);
    if (in.eof() || in.rdbuf()->in_avail() <= 0) return ReadEnd::Waiting;
  }
  return ReadEnd::Full;
}

// The chunks between the reading thread and the worker threads, in input order, in a ring
// that bounds how many are in flight: the reading thread fills the next free chunk and
// submits it, a worker takes the oldest submitted one and works it, and the reading thread
// writes them in input order as they are done, which frees them. Without workers the
// reading thread works each chunk itself as it submits it.
class ChunkPipeline {
 public:
  ChunkPipeline(unsigned workers, const BatchOptions& options)
      : options_(options),
        ring_(workers == 0 ? 1 : std::min<std::size_t>(workers * kChunksPerWorker, kMaxChunksInFlight)),
        done_(ring_.size()) {
    for (unsigned t = 0; t < workers; ++t) workers_.emplace_back([this] { work(); });
  }
  ~ChunkPipeline() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    submitted_cv_.notify_all();
  }  // the workers join on leaving

  // The chunk to fill next, once the chunks ahead of it have been written (to `out`) and
  // it is free, and the chunks in flight hold less than kMaxBytesInFlight; nullptr when the
  // output failed.
  Chunk* nextFree(std::ostream& out, BatchSummary& summary) {
    while (submitted_ - written_ == ring_.size() || (written_ < submitted_ && bytesInFlight_ >= kMaxBytesInFlight))
      if (!writeOldest(out, summary)) return nullptr;
    Chunk& chunk = ring_[submitted_ % ring_.size()];
    chunk.firstLineNumber = nextLineNumber_;
    return &chunk;
  }
  // Hands over the chunk that nextFree() gave, filled.
  void submit() {
    Chunk& chunk = ring_[submitted_ % ring_.size()];
    nextLineNumber_ += chunk.lines.size();
    bytesInFlight_ += chunk.text.size();
    if (workers_.empty()) {
      calculateChunk(chunk, options_);
      done_[submitted_ % ring_.size()] = true;
      ++submitted_;
      return;
    }
    {
      const std::lock_guard lock(mutex_);
      ++submitted_;
    }
    submitted_cv_.notify_one();
  }
  // Writes every submitted chunk, waiting for the workers; false when the output failed.
  bool writeAll(std::ostream& out, BatchSummary& summary) {
    while (written_ < submitted_)
      if (!writeOldest(out, summary)) return false;
    return true;
  }

 private:
  // Waits for the oldest chunk not yet written to be done, writes it and frees it.
  bool writeOldest(std::ostream& out, BatchSummary& summary) {
    const std::size_t slot = written_ % ring_.size();
    {
      std::unique_lock lock(mutex_);
      done_cv_.wait(lock, [&] { return bool(done_[slot]); });
      done_[slot] = false;
    }
    const Chunk& chunk = ring_[slot];
    write(out, chunk.output->text());
    summary.processedLines += chunk.counts.processedLines;
    summary.errorLines += chunk.counts.errorLines;
    bytesInFlight_ -= chunk.text.size();
    ++written_;
    return bool(out);
  }
  // A worker's loop: takes the oldest submitted chunk nobody has taken and works it.
  void work() {
    for (;;) {
      std::size_t slot = 0;
      {
        std::unique_lock lock(mutex_);
        submitted_cv_.wait(lock, [&] { return stopping_ || taken_ < submitted_; });
        if (stopping_) return;
        slot = taken_++ % ring_.size();
      }
      calculateChunk(ring_[slot], options_);
      {
        const std::lock_guard lock(mutex_);
        done_[slot] = true;
      }
      done_cv_.notify_one();  // after unlocking, so that the reading thread need not wait for the lock
    }
  }

  const BatchOptions& options_;
  std::vector<Chunk> ring_;  // chunk n of the run is ring_[n % size]
  std::vector<char> done_;   // by ring place: worked and not yet written; guarded by mutex_
  std::size_t nextLineNumber_ = 1;  // input line number of the next chunk's first line
  std::size_t submitted_ = 0;       // chunks submitted; guarded by mutex_ (written by the reading thread)
  std::size_t taken_ = 0;           // chunks taken by a worker; guarded by mutex_
  std::size_t written_ = 0;         // chunks written (by the reading thread)
  std::size_t bytesInFlight_ = 0;   // input held by the chunks submitted and not yet written (reading thread)
  bool stopping_ = false;           // the run is over: the workers leave; guarded by mutex_
  std::mutex mutex_;
  std::condition_variable submitted_cv_;  // a chunk was submitted, or the run is over
  std::condition_variable done_cv_;       // a chunk was worked
  std::vector<std::jthread> workers_;     // declared last: they start once the rest is made
};

}  // namespace

bool calculateLine(std::string_view line, std::size_t lineNumber, LineWriter& out, ReportWriter* reports,
                   const SessionOptions& session, ReportWriter* drawings) {
  if (isFindLine(line)) return calculateFindLine(line, lineNumber, out, session);
  const std::optional<ParsedFaceInput> face = parseFaceLine(line);
  const ParsedInput parsed = face ? ParsedInput{} : parseInputLine(line);
  if (const std::string& problem = face ? face->problem : parsed.problem; !problem.empty()) {
    out.writeError(lineNumber, problem);
    return false;
  }
  const SessionResult result = face ? runFaceSession(face->input, session) : runSession(parsed.input, session);
  if (!result.reviewProblem.empty()) {
    out.writeError(lineNumber, result.reviewProblem);
    return false;
  }
  std::optional<ReportFile> report, drawing;
  if (reports && result.outcome == SessionOutcome::Results) report = reports->write(lineNumber, result);
  if (drawings && result.outcome == SessionOutcome::Results) drawing = drawings->write(lineNumber, result);
  out.writeResult(lineNumber, {result, report ? &*report : nullptr, drawing ? &*drawing : nullptr});
  return true;
}

BatchSummary runBatch(std::istream& in, std::ostream& out, const BatchOptions& options) {
  mapLargeBlocks();
  BatchSummary summary;
  const std::unique_ptr<LineWriter> header = makeLineWriter(options.format, options.fields);
  header->writeHeader();
  write(out, header->text());
  // Reports and drawings are written on this thread, one line after another.
  const unsigned workers = options.reports || options.drawings || options.threads <= 1 ? 0 : options.threads;
  ChunkPipeline pipeline(workers, options);
  // What has been written goes out before more input is awaited; once that fails nobody
  // reads what follows: the run stops at once.
  for (ReadEnd end = ReadEnd::Waiting; end != ReadEnd::Ended;) {
    if (end == ReadEnd::Waiting && !(pipeline.writeAll(out, summary) && out.flush())) break;
    Chunk* chunk = pipeline.nextFree(out, summary);
    if (!chunk) break;
    end = readChunk(in, *chunk);
    if (!chunk->lines.empty()) pipeline.submit();
  }
  if (out && pipeline.writeAll(out, summary)) out.flush();
  summary.writeFailed = !out;
  summary.readFailed = !summary.writeFailed && in.bad();
  return summary;
}

}  // namespace glandwise::calc
