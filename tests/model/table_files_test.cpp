// The readers under every data table: a table file's text (from a file, a pipe or nothing
// usable), its CSV lines and cells, and UTF-8 checked and cut between characters. Hostile
// input: empty, binary, at and one byte over the size limit, folders, FIFOs, line ends of
// every system.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pthread.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "model/csv_lines.h"
#include "model/review_rules.h"
#include "model/table_file.h"
#include "model/utf8.h"

using namespace glandwise;
using namespace std::literals;
namespace fs = std::filesystem;

namespace {

// A fresh folder under the system's temporary folder, removed with all it holds.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "glandwise_tables_XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  // A file of the folder holding exactly `bytes`.
  fs::path file(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return path_ / name;
  }
  const fs::path& path() const { return path_; }
  fs::path fifo(const std::string& name) const {
    EXPECT_EQ(::mkfifo((path_ / name).c_str(), 0600), 0);
    return path_ / name;
  }

 private:
  fs::path path_;
};

// Writes `bytes` into a FIFO from another thread, as a program piping its output would. Its
// end never waits on a reader: a writer still waiting for one, or stuck with a full pipe
// after the reader left, is let go by readers that open and close at once until it is done
// (EPIPE, with the signal blocked in the writer's thread).
class PipeWriter {
 public:
  PipeWriter(fs::path fifo, std::string bytes) : fifo_(std::move(fifo)), thread_([this, bytes = std::move(bytes)] {
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    const int fd = ::open(fifo_.c_str(), O_WRONLY);
    for (std::size_t done = 0; fd >= 0 && done < bytes.size();) {
      const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (written <= 0) break;
      done += static_cast<std::size_t>(written);
    }
    if (fd >= 0) ::close(fd);
    finished_ = true;
  }) {}
  ~PipeWriter() {
    while (!finished_) {
      if (const int fd = ::open(fifo_.c_str(), O_RDONLY | O_NONBLOCK); fd >= 0) ::close(fd);
      std::this_thread::yield();
    }
    thread_.join();
  }

 private:
  fs::path fifo_;
  std::atomic<bool> finished_ = false;
  std::thread thread_;
};

// The text readTableFile gives ("N bytes" when longer than 64), or "error: " and its error.
std::string readOrError(const fs::path& file) {
  std::string error;
  const std::optional<std::string> text = readTableFile(file, "the table", error);
  if (!text) return "error: " + error;
  return text->size() > 64 ? std::to_string(text->size()) + " bytes" : *text;
}

// Catches a file read as text (cut at a NUL, CR LF changed), a table one byte over the limit
// taken or one exactly at it refused, a folder or a missing file without the system's
// reason, and a pipe refused, read short or read on past the limit.
TEST(TableFile, ReadsFilesAndPipesWholeUpToTheLimitAndNamesWhatItCannot) {
  const TempFolder folder;
  const std::string atLimit(kMaxTableFileBytes, 'x'), binary("a\0b\xff\r\n", 6);
  EXPECT_EQ(readOrError(folder.file("empty.csv", "")), "");
  EXPECT_EQ(readOrError(folder.file("binary.csv", binary)), binary);
  EXPECT_EQ(readOrError(folder.file("at.csv", atLimit)), "1048576 bytes");
  const fs::path over = folder.file("over.csv", atLimit + "x"), missing = folder.path() / "missing.csv";
  const std::string cannot = "error: cannot read the table ";
  EXPECT_EQ(readOrError(over), cannot + over.string() + ": it is longer than 1048576 bytes, which no such table is");
  EXPECT_EQ(readOrError(missing), cannot + missing.string() + ": No such file or directory");
  EXPECT_EQ(readOrError(folder.path()), cannot + folder.path().string() + ": Is a directory");

  const fs::path fifo = folder.fifo("pipe.csv");
  {
    const PipeWriter writer(fifo, binary);
    EXPECT_EQ(readOrError(fifo), binary);
  }
  {
    const PipeWriter writer(fifo, atLimit + "x");
    EXPECT_EQ(readOrError(fifo), cannot + fifo.string() + ": it is longer than 1048576 bytes, which no such table is");
  }
}

// Catches a rule file one byte over 1 MiB read, one exactly at it refused (blank lines pad
// the shipped file to it), and a FIFO opened: with no writer the load would wait for ever,
// and with this one it would read an empty file instead of saying what the path is.
TEST(RuleFileLoad, ReadsRegularFilesUpTo1MiBAndNeverOpensAFifo) {
  const TempFolder folder;
  std::ostringstream shipped;
  shipped << std::ifstream(GLANDWISE_REVIEW_RULES, std::ios::binary).rdbuf();
  const std::string atLimit = shipped.str() + std::string((1 << 20) - shipped.str().size(), '\n');
  const RuleLoad at = RuleSet::load(folder.file("at.csv", atLimit));
  ASSERT_TRUE(at.rules) << at.error;
  EXPECT_EQ(at.rules->name(), "Glandwise defaults (public tables)");
  const fs::path over = folder.file("over.csv", atLimit + "\n");
  EXPECT_EQ(RuleSet::load(over).error, "the rule file " + over.string() + " is larger than 1 MiB");
  const fs::path fifo = folder.fifo("rules.csv");
  const PipeWriter writer(fifo, "");
  EXPECT_EQ(RuleSet::load(fifo).error, "cannot read the rule file " + fifo.string() + ": not a regular file");
}

// Every data line with its number, "2:a 4:b", or the reader's problem.
std::string rowsOf(std::string_view text) {
  std::string seen;
  const std::string problem = readCsvRows(text, "t.csv", "h", [&](std::string_view line, std::size_t number) {
    seen += std::to_string(number) + ":" + std::string(line) + " ";
    return line == "bad" ? std::string("bad row") : std::string();
  });
  return problem.empty() ? seen : seen + "| " + problem;
}

// Catches blank lines not counted (every later problem on the wrong line), a last line
// without its line end lost, CR LF or a byte-order mark breaking the header, old Mac line
// ends taken as lines, and the walk going on past a problem.
TEST(CsvLines, WalksDataLinesWithTheirNumbers) {
  const std::pair<std::string_view, std::string> texts[] = {
      {"h\na\n\n  b \t", "2:a 4:b "},
      {"\xEF\xBB\xBFh\r\na\r\n\r\n", "2:a "},
      {"h", ""},
      {"h\nbad\nc\n", "2:bad | t.csv line 2: bad row"},
      {"h\ra\rb\r", "| t.csv line 1: expected the header \"h\""},
      {"", "| t.csv line 1: expected the header \"h\""},
      {"a\nh\n", "| t.csv line 1: expected the header \"h\""},
  };
  for (const auto& [text, rows] : texts) EXPECT_EQ(rowsOf(text), rows) << text;
}

// Catches cells not trimmed, a source in words split at its commas, a line with too few
// commas padded, and a number that is not a finite one of the sign asked for taken: 1e-50
// is 0 as a float and so not positive; 1e39 is beyond a float.
TEST(CsvLines, CellsAndNumbers) {
  using Cells = std::vector<std::string_view>;
  EXPECT_EQ(csvCells(" a, b ,c, d,e \r", 3), (Cells{"a", "b", "c, d,e"}));
  EXPECT_EQ(csvCells("a,b", 3), (Cells{"a", "b"}));
  EXPECT_EQ(csvCells("a,,", 3), (Cells{"a", "", ""}));
  EXPECT_EQ(csvCells("", 3), (Cells{""}));
  const struct {
    std::string_view cell;
    bool positive;
    std::optional<float> number;
  } cells[] = {{" 0.139 ", true, 0.139f}, {"0", false, 0.0f}, {"0", true, {}},       {"-0", true, {}},
               {"-1", false, {}},         {"1e-50", true, {}}, {"1e39", false, {}},  {"inf", false, {}},
               {"nan", false, {}},        {"", false, {}},     {"1,5", false, {}},   {"2.5e2", true, 250.0f}};
  for (const auto& [cell, positive, number] : cells) EXPECT_EQ(csvNumber(cell, positive), number) << cell;
}

// Catches a stray, missing or overlong byte taken as UTF-8 (an overlong "/" is how a path
// check is slipped past), a surrogate or a code point past U+10FFFF taken, and a cut that
// splits a character. The table's bytes are the published UTF-8 encodings.
TEST(Utf8, ChecksEveryByteAndCutsOnlyBetweenCharacters) {
  const std::pair<std::string_view, bool> texts[] = {
      {"plain \0 ASCII"sv, true},  {"\xC3\xA9", true},          {"\xC3", false},            {"\x80", false},
      {"\xC0\xAF", false},      {"\xC1\xBF", false},          {"\xE0\x80\xAF", false},    {"\xE0\xA0\x80", true},
      {"\xED\x9F\xBF", true},   {"\xED\xA0\x80", false},      {"\xE2\x82", false},        {"\xE2\x82\xAC", true},
      {"\xF0\x8F\xBF\xBF", false}, {"\xF0\x90\x80\x80", true}, {"\xF4\x8F\xBF\xBF", true}, {"\xF4\x90\x80\x80", false},
      {"\xF5\x80\x80\x80", false}, {"\xFF", false},           {"a\xC3\xA9\xE2\x82\xACz", true}, {"\xC3\xA9\xA9", false},
  };
  for (const auto& [text, valid] : texts) EXPECT_EQ(isValidUtf8(text), valid) << testing::PrintToString(text);
  const std::string_view text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x94\xA7";  // a, é, €, 🔧: 1, 2, 3 and 4 bytes
  const std::size_t prefixes[] = {0, 1, 1, 3, 3, 3, 6, 6, 6, 6, 10, 10};  // the longest start within 0 to 11 bytes
  for (std::size_t bytes = 0; bytes < std::size(prefixes); ++bytes)
    EXPECT_EQ(utf8Prefix(text, bytes), text.substr(0, prefixes[bytes])) << bytes;
}

}  // namespace
