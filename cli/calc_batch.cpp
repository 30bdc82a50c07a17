#include "calc_batch.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <thread>
#include <vector>

#include "calc_input.h"
#include "calc_output.h"
#include "calc_session.h"
#include "json_writer.h"

namespace glandwise::calc {
namespace {

// Lines gathered before they are worked on; small enough to keep the memory low, large
// enough to make starting a thread per block negligible.
constexpr std::size_t kBlockLines = 1024;

// A run of consecutive input lines.
struct Block {
  std::vector<std::string> lines;   // the lines, without their line feeds
  std::size_t firstLineNumber = 1;  // input line number of lines[0]
};

// The output of a contiguous part of a block. Each part sits on cache lines of its own,
// since the thread that works it writes to it all the time.
struct alignas(64) PartOutput {
  JsonWriter json;      // the output objects, one per line
  BatchSummary counts;  // how many lines were processed and how many were errors
};

void calculatePart(const Block& block, std::size_t begin, std::size_t end, PartOutput& part) {
  for (std::size_t i = begin; i < end; ++i) {
    if (isBlankLine(block.lines[i])) continue;
    const bool usable = calculateLine(block.lines[i], block.firstLineNumber + i, part.json);
    ++(usable ? part.counts.processedLines : part.counts.errorLines);
  }
}

// Fills the block with the lines available now, at most kBlockLines; returns false when
// the input has ended and nothing was read.
bool readBlock(std::istream& in, Block& block) {
  block.lines.clear();
  std::string line;
  while (block.lines.size() < kBlockLines && std::getline(in, line)) {
    block.lines.push_back(std::move(line));
    if (in.rdbuf()->in_avail() <= 0) break;
  }
  return !block.lines.empty();
}

// Works the block's lines split into contiguous parts, one per element of `parts`, the
// first on this thread. The parts' buffers are reused from block to block.
void calculateBlock(const Block& block, std::vector<PartOutput>& parts) {
  const std::size_t partSize = (block.lines.size() + parts.size() - 1) / parts.size();
  const auto partBegin = [&](std::size_t p) { return std::min(p * partSize, block.lines.size()); };
  for (PartOutput& part : parts) {
    part.json.clear();
    part.counts = {};
  }
  std::vector<std::jthread> helpers;
  for (std::size_t p = 1; p < parts.size() && partBegin(p) < block.lines.size(); ++p)
    helpers.emplace_back(calculatePart, std::cref(block), partBegin(p), partBegin(p + 1), std::ref(parts[p]));
  calculatePart(block, 0, partBegin(1), parts[0]);
}  // the helpers join on leaving

}  // namespace

bool calculateLine(std::string_view line, std::size_t lineNumber, JsonWriter& out) {
  const ParsedInput parsed = parseInputLine(line);
  const bool usable = parsed.problem.empty();
  if (usable) {
    writeSessionResult(out, lineNumber, runSession(parsed.input));
  } else {
    writeLineError(out, lineNumber, parsed.problem);
  }
  out.endLine();
  return usable;
}

BatchSummary runBatch(std::istream& in, std::ostream& out, const BatchOptions& options) {
  BatchSummary summary;
  Block block;
  std::vector<PartOutput> parts(std::max(options.threads, 1u));
  while (readBlock(in, block)) {
    calculateBlock(block, parts);
    for (const PartOutput& part : parts) {
      out.write(part.json.text().data(), static_cast<std::streamsize>(part.json.text().size()));
      summary.processedLines += part.counts.processedLines;
      summary.errorLines += part.counts.errorLines;
    }
    out.flush();
    block.firstLineNumber += block.lines.size();
  }
  summary.readFailed = in.bad();
  return summary;
}

}  // namespace glandwise::calc
