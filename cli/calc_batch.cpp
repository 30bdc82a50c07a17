#include "cli/calc_batch.h"

#include <algorithm>
#include <atomic>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "model/gland_input.h"
#include "cli/calc_session.h"

namespace glandwise::calc {
namespace {

// Lines gathered before they are worked on; small enough to keep the memory low, large
// enough to make starting the helper threads once per block negligible. A block also ends
// once its lines hold kBlockBytes.
constexpr std::size_t kBlockLines = 2048;
constexpr std::size_t kBlockBytes = 4 << 20;
// Lines that a thread takes at a time; small enough that the threads finish a block
// together, large enough that taking them costs nothing.
constexpr std::size_t kChunkLines = 32;

// A run of consecutive input lines.
struct Block {
  std::vector<std::string> lines;    // the lines, without their line feeds; empty when too long
  std::vector<std::size_t> lengths;  // each line's length in bytes
  std::size_t firstLineNumber = 1;   // input line number of lines[0]
};

// The output of a chunk of a block. Each chunk sits on cache lines of its own, since the
// thread that works it writes to it all the time.
struct alignas(64) ChunkOutput {
  std::unique_ptr<LineWriter> lines;  // the output lines; made for the first block
  BatchSummary counts;                // how many lines were processed and how many were errors
};

// Works line `i` of the block into the chunk's output.
void calculateBlockLine(const Block& block, std::size_t i, ChunkOutput& output, const BatchOptions& options) {
  if (block.lengths[i] > kMaxLineBytes) {
    output.lines->writeError(block.firstLineNumber + i, "longer than " + std::to_string(kMaxLineBytes) + " bytes (" +
                                                            std::to_string(block.lengths[i]) + " bytes)");
    ++output.counts.errorLines;
    return;
  }
  if (isBlankLine(block.lines[i])) return;
  const bool usable = calculateLine(block.lines[i], block.firstLineNumber + i, *output.lines, options.reports,
                                    options.session);
  ++(usable ? output.counts.processedLines : output.counts.errorLines);
}

void calculateChunk(const Block& block, std::size_t chunk, ChunkOutput& output, const BatchOptions& options) {
  if (!output.lines) output.lines = makeLineWriter(options.format, options.fields);
  output.lines->clear();
  output.counts = {};
  const std::size_t end = std::min((chunk + 1) * kChunkLines, block.lines.size());
  for (std::size_t i = chunk * kChunkLines; i < end; ++i) {
    calculateBlockLine(block, i, output, options);
    if (options.linesDone) options.linesDone->fetch_add(1, std::memory_order_relaxed);
  }
}

void write(std::ostream& out, std::string_view text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// Reads the next line into `line` and its length into `length`; a line longer than
// kMaxLineBytes is read to its end but not kept. Returns false at the end of the input.
bool readLine(std::istream& in, std::string& line, std::size_t& length) {
  line.clear();
  length = 0;
  char chunk[64 * 1024];
  for (;;) {
    in.getline(chunk, sizeof chunk);
    const auto read = static_cast<std::size_t>(in.gcount());
    const bool chunkFull = in.fail() && !in.eof() && read == sizeof chunk - 1;
    const bool lineEnded = !in.fail() && !in.eof();  // the line feed was read (and counted)
    const std::size_t stored = lineEnded ? read - 1 : read;
    if (length + stored <= kMaxLineBytes) line.append(chunk, stored);
    else std::string().swap(line);
    length += stored;
    if (!chunkFull) return lineEnded || length > 0 || (in.eof() && read > 0);
    in.clear();
  }
}

// Fills the block with the lines available now, at most kBlockLines or kBlockBytes; returns
// false when the input has ended and nothing was read.
bool readBlock(std::istream& in, Block& block) {
  block.lines.clear();
  block.lengths.clear();
  std::size_t bytes = 0;
  std::string line;
  std::size_t length = 0;
  while (block.lines.size() < kBlockLines && bytes < kBlockBytes && readLine(in, line, length)) {
    bytes += line.size();
    block.lines.push_back(std::move(line));
    block.lengths.push_back(length);
    if (in.eof() || in.rdbuf()->in_avail() <= 0) break;
  }
  return !block.lines.empty();
}

// Works the block's chunks on `threads` threads, this one included, each taking the next
// chunk as soon as it is free. Returns the chunk count; the outputs are reused from block
// to block.
std::size_t calculateBlock(const Block& block, const BatchOptions& options, std::vector<ChunkOutput>& outputs) {
  const std::size_t chunkCount = (block.lines.size() + kChunkLines - 1) / kChunkLines;
  if (outputs.size() < chunkCount) outputs.resize(chunkCount);
  std::atomic<std::size_t> nextChunk = 0;
  const auto work = [&] {
    for (std::size_t chunk; (chunk = nextChunk++) < chunkCount;)
      calculateChunk(block, chunk, outputs[chunk], options);
  };
  // Reports are drawn with widgets, which live on this thread only.
  const unsigned threads = options.reports ? 1 : options.threads;
  std::vector<std::jthread> helpers;
  for (std::size_t t = 1; t < std::min<std::size_t>(threads, chunkCount); ++t) helpers.emplace_back(work);
  work();
  return chunkCount;
}  // the helpers join on leaving

}  // namespace

bool calculateLine(std::string_view line, std::size_t lineNumber, LineWriter& out, ReportWriter* reports,
                   const SessionOptions& session) {
  const ParsedInput parsed = parseInputLine(line);
  if (!parsed.problem.empty()) {
    out.writeError(lineNumber, parsed.problem);
    return false;
  }
  const SessionResult result = runSession(parsed.input, session);
  std::optional<ReportFile> report;
  if (reports && result.outcome == SessionOutcome::Results) report = reports->write(lineNumber, result);
  out.writeResult(lineNumber, result, report ? &*report : nullptr);
  return true;
}

BatchSummary runBatch(std::istream& in, std::ostream& out, const BatchOptions& options) {
  BatchSummary summary;
  const std::unique_ptr<LineWriter> header = makeLineWriter(options.format, options.fields);
  header->writeHeader();
  write(out, header->text());
  Block block;
  std::vector<ChunkOutput> outputs;
  // What has been written goes out before more input is awaited; once that fails nobody
  // reads what follows: the run stops at once.
  while (out.flush() && readBlock(in, block)) {
    const std::size_t chunkCount = calculateBlock(block, options, outputs);
    for (std::size_t chunk = 0; chunk < chunkCount; ++chunk) {
      write(out, outputs[chunk].lines->text());
      summary.processedLines += outputs[chunk].counts.processedLines;
      summary.errorLines += outputs[chunk].counts.errorLines;
    }
    block.firstLineNumber += block.lines.size();
  }
  summary.writeFailed = !out;
  summary.readFailed = !summary.writeFailed && in.bad();
  return summary;
}

}  // namespace glandwise::calc
