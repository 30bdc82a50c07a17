// glandwise-calc: the batch calculator. Reads gland inputs as JSON Lines and writes what the
// screens of Glandwise make of each one.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/calc_batch.h"
#include "cli/descriptor_output.h"
#include "cli/drawing_files.h"
#include "cli/find_help.h"
#include "cli/progress_line.h"
#include "cli/standard_descriptors.h"
#include "drawing/dxf.h"
#include "face/face_data.h"
#include "model/as568.h"
#include "model/review_rules.h"
#include "model/table_file.h"
#include "model/utf8.h"

#ifdef GLANDWISE_WITH_REPORTS
#include "cli/report_process.h"
#endif

namespace {

constexpr int kExitAllProcessed = 0;
constexpr int kExitSomeLinesUnusable = 1;
constexpr int kExitUnusableArguments = 2;
constexpr int kExitOutputFailed = 3;

constexpr const char* kDescription =
    "glandwise-calc: analyses static o-ring glands in bulk, as a person would on the Glandwise screens.";

constexpr const char* kFooter = R"help(INPUT
  JSON Lines: one JSON object per line. Every field is optional:
    "cross_section"  "0.070", "0.103", "0.139", "0.210" or "0.275"  (omitted: no option selected)
    "gland"          "rod" (groove in the rod) or "housing" (groove in the housing)  (omitted: none)
    "seal_id", "rod", "housing", "pressure"
                     the texts typed into the selection screen's boxes; an omitted box keeps its
                     initial text ("0", "0", "0", "1"). Only the box that the gland type enables
                     takes typing: "rod" is ignored for a rod groove, "housing" for a housing
                     groove (that box holds "0").
    "edits"          editor boxes to retype, objectName -> text, e.g. {"txtGDM": "1.1"}; the
                     names are those of the chosen gland type's editor; without "gland" the
                     selection screen refuses ("Select gland type.") and nothing is typed
    "answers"        ["yes", "no", ...]: answers to the editor's questions in the order they
                     are asked; No once the list is used up. Notices are acknowledged.
    "as568"          an AS568 size ("214", "-214" or "2-214") standing in for "cross_section"
                     and "seal_id": its cross-section option is chosen and its inside diameter
                     typed; a size whose cross-section is not one of the five is refused
    "review"         the design review's inputs (all optional; JSON numbers unless noted):
                       "hardness" Shore A with extrusion limits in the rules (default 70)
                       "seal_id_tolerance" inch (default: the AS568 size's, else unknown)
                       "temp_min_f", "temp_max_f" both or neither (default: none, and
                       the temperature check is not evaluated)
                       "compound" a compound id of the rules: "nbr" (default), "fkm",
                       "epdm", "silicone", "fluorosilicone", "neoprene", or "custom" with
                       "alpha_seal_per_f"
                       "metal" sets both parts' metal: a metal id of the rules,
                       "carbon_steel" (default), "alloy_steel", "stainless_steel",
                       "stainless_steel_316", "aluminium", "aluminium_7075", "brass",
                       "titanium", or "custom" with "alpha_metal_per_f"; or each part's:
                       "metal_groove" (the grooved part) and "metal_mating" (the part
                       across the gap), "custom" with "alpha_groove_per_f" and
                       "alpha_mating_per_f"
                       "swell_percent" (default: none, and the swell check is not evaluated)
                       "groove_radius" inch (default 0.010), at most half the groove width
                       and the groove depth; "groove_width" [narrowest, widest] inch
                       (default the standard range), not narrower than the seal
                       "squeeze_limits_percent" [low, high] (default: the rules' for the
                       cross-section)
                       "rules" the rule file the inputs go with, as a saved gland keeps
                       it: a line naming another file than the run's is refused
                     A line with "review" gets the review, as every line does with --review.
  A face seal (an o-ring in a groove cut in a flange face) is a line with "gland": "face":
    "cross_section", "seal_id", "as568"  the ring, as above
    "pressure_from"  "inside" (pushing the ring outward; the groove OD is the datum) or
                     "outside" (external pressure or vacuum; the groove ID is the datum)
    "medium"         "liquid" or "gas" (gas grooves are narrower)
    "groove_od" or "groove_id"
                     the datum diameter of "pressure_from" (omitted: the ring's OD less 1.5 %,
                     or its ID plus 2.5 %, the standard fit)
    "pressure"       psi, above 0 and at most 1500 (omitted: "1")
    "edits"          the standard groove's boxes to retype: "datum_tol", "depth", "depth_tol",
                     "width", "width_tol" (inch; tolerances ±)
    "review"         "hardness", "compound" and "metal" (the grooved flange's) as above but
                     not "custom", "temp_min_f" with "temp_max_f", "swell_percent" (each
                     omitted: not judged), "flange_gap", inch the flanges open under
                     pressure (default 0), and "rules" as above; judged by the face seal
                     rows of the rules
  Each line starts from a fresh record: select, type, OK; load the editor, retype, OK; fill
  the results sheet. Blank lines are skipped without output but counted in line numbers.
  A line may hold at most 1 MiB (1048576 bytes); a longer one gives an "error" object naming
  its length, and the run goes on.

OUTPUT
  One JSON object per non-blank input line, in input order, keys in this order:
    "outcome"   "results", "refused" or "stayed" (a question answered Yes)
    "line"      the input line number, from 1
    "screen"    where it ended: "selection", "editor" or "results"
    "messages"  every refusal, question and notice in order:
                {"kind": "refusal"|"question"|"notice", "text": exact text, "beep": true|false}
    "record"    every variable of the record by name: the floats in declaration order as
                the shortest decimal that reads back to the same 32-bit float, then "Answer"
                (integer), "GW", "GlandType", "ErrorText", "SelectedFile" (strings)
    "sheet"     only for "results": each value label's objectName -> its caption (no date)
    "review"    only for "results" with --review or a "review" field: "overall" verdict,
                its "headline" in words, the "rules" judged by ("name", "file"), the
                "as568" size the seal matches (or null), and "fill", "squeeze",
                "extrusion", "stretch", "temperature", "swell", "statistics", each with
                its figures, a "verdict" ("pass", "caution", "fail" or "not evaluated":
                not asked for, its figures null), the "reason" that decided it (figure,
                condition, limit and the rule's source) and the "remedy" (null on a pass)
    "face"      a face seal's line instead of "record" and "sheet" ("screen" is "face"):
                "pressure_from", "medium", "pressure", "as568", "ring", "groove" (the datum
                and every dimension as used), "fit" (interference or stretch, nominal and
                over the tolerances), "squeeze" and "fill" (nominal, MMC, LMC), "friction"
                (not applicable), and with the review "review": "overall", "rules" and
                "squeeze", "fill", "fit", "flange_gap", "heat_and_swell", "statistics",
                each with its "figure", "verdict" ("pass", "caution", "fail" or "not
                evaluated"), "reason" and "remedy" (null when there is none)
    "report"    only with --report-dir and "results": the PDF written, or null together
                with "report_error" saying why it could not be written
    "drawing"   only with --drawing-dir and "results": the drawing written, or null
                together with "drawing_error" saying why it could not be written
  An unusable line (not JSON, anything but blanks after the object, not an object, an unknown
  field, a field given twice, a field of the wrong kind, an unknown option value, edits
  naming a box that the chosen editor lacks, an answer other than "yes" or "no", a review
  input out of its range or not in the rules or not fitting the groove, a line over 1 MiB)
  gives
    {"outcome": "error", "line": N, "message": "line N: <the problem>"}
  and the run goes on.
  --format csv writes CSV (RFC 4180) instead, for a spreadsheet: a header row of column
  names, then one row per non-blank input line: "line", "outcome", "message" (a refused
  line's refusal, an unusable line's "line N: <the problem>", else empty), then one column
  per field. A cell holds the text of the field's JSON value: a string without its quotes,
  a number spelled the same, "messages" and the histogram as their JSON text; it is empty
  for null and for a field the line lacks (the sheet of a refused line). A cell holding a
  comma, a quote or a line break is quoted, its quotes doubled. Rows end with a line feed.

FIELDS
  --fields LIST chooses the fields after "outcome" and "line" (comma-separated); they come
  in the order above whatever the order of LIST, and in JSON in their objects. Names:
    screen, messages, report, report_error   as above ("report" chooses both)
    drawing, drawing_error                   as above ("drawing" chooses both)
    a record variable                        PDM, PCMMaxE, GW, Answer, ...
    a sheet label                            lblPDMV, lblPCM, ... (both gland types' labels)
    a review figure, by its place            review.overall, review.fill.mmc.fill_percent,
                                             review.statistics.monte_carlo.p0_1, ...
    a face seal's figure, by its place       face.squeeze.mmc_percent, face.review.fit.verdict, ...
    a group                                  record, sheet, review, face, any object of the review
                                             or of face (review.fill, face.groove, face.review)
  "line" and "outcome" are accepted and always written. An unknown name is an argument
  error that lists every name. Without --fields every field is written (in CSV the report's
  columns only with --report-dir, the drawing's only with --drawing-dir).
  e.g. --format csv --fields ID,PSM,PCM,PCMMax,PCMMin,lblGWV,review.overall

DESIGN RULES
  The review judges by a rule file: every limit, coefficient and service range with its
  public source. By default the one installed with the program, share/glandwise/
  review-rules.csv, "Glandwise defaults (public tables)": extrusion clearance by hardness
  and pressure band (a band holds its upper pressure; halved for silicone), fill at MMC
  (pass to 85 %, caution to 95 %), fill with heat and swell (pass to 95 %, caution to 100 %),
  squeeze 10 to 30 % (36 % for 0.070), stretch to 5 %, the compounds' and metals'
  coefficients and service ranges, and the face seal's own rows (gland "face"). --rules
  FILE judges by a company's own file of the same columns:
    gland,rule,cross_section_in,hardness_shore_a,pressure_above_psi,pressure_up_to_psi,
    material,name,value,unit,source
  A file that cannot be used is refused (exit 2) with its line, column and the reason.

PROGRESS
  When standard error is a terminal and the run lasts more than a second, one line there
  keeps telling the input lines done, the rate and, for an input file, the total and the
  time left; it is erased at the end. Nothing is written when standard error is a file or
  a pipe.

EXIT STATUS
  0  every line was processed      1  some line was unusable, or some report or drawing
                                      not written
  2  unusable arguments (unknown option, an input that cannot be read: a folder, a closed
     standard input, the output file itself; an AS568 table or rule file that cannot be read
     or is over 1 MiB, a report or drawing folder that cannot be made, a report writer
     glandwise-report that cannot be started)
  3  the output could not be written (a full disk, a closed standard output, a reader that
     went away): the run stops at once with one line on standard error saying why

EXAMPLE
  echo '{"cross_section": "0.139", "gland": "rod", "seal_id": "1.75", "housing": "2", "pressure": "1000"}' | glandwise-calc
  {"outcome":"results","line":1,"screen":"results","messages":[],"record":{"W":0.139,...,
   "PDM":1.9955,...,"GDM":1.776,...},"sheet":{"lblWV":"0.139 Inch   Tolerance =  +/-  0.004",...}}
)help";

// The fields named in `list`; nothing, and the names there are on standard error, when
// one is unknown.
std::optional<glandwise::calc::FieldSelection> chooseFields(const std::string& list) {
  std::string unknown;
  std::optional<glandwise::calc::FieldSelection> chosen = glandwise::calc::FieldSelection::named(list, unknown);
  if (chosen) return chosen;
  std::cerr << "glandwise-calc: --fields: unknown field \"" << unknown << "\"; the fields are:";
  std::size_t column = 80;
  for (const std::string& name : glandwise::calc::fieldNames()) {
    if (column + name.size() > 96) {
      std::cerr << "\n ";
      column = 1;
    }
    std::cerr << ' ' << name;
    column += name.size() + 1;
  }
  std::cerr << '\n';
  return std::nullopt;
}

unsigned defaultThreads() { return std::clamp(std::thread::hardware_concurrency(), 1u, 8u); }

// This program's own file, which the files installed with it are found beside.
std::filesystem::path programFile(const char* programName) {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) program = std::filesystem::absolute(programName, error);
  return program;
}

// The AS568 table's file: the one given, or the one shipped beside the program.
std::filesystem::path as568File(const std::string& given, const char* programName) {
  return given.empty() ? glandwise::shippedAs568Path(programFile(programName)) : std::filesystem::path(given);
}

// The table file `file` ("the AS568 table", "the rule file") read by `parse` into its load
// (As568Load, RuleLoad), and its text into `text`. When it cannot be used the load says
// why, and so does standard error, naming the `option` that gives another file.
template <class Parse>
auto loadTable(const std::filesystem::path& file, const char* what, const char* option, bool given,
               std::string& text, Parse parse) {
  std::string error;
  std::optional<std::string> read = glandwise::readTableFile(file, what, error);
  decltype(parse(std::string_view())) load{};
  if (read) load = parse(*read);
  else load.error = std::move(error);
  if (!load.error.empty())
    std::cerr << "glandwise-calc: " << load.error << (given ? "" : std::string(" (or give one with ") + option + ")")
              << '\n';
  if (read) text = std::move(*read);
  return load;
}

// Whether standard output is the file that the run reads, which it would read its own
// output back from without end (`glandwise-calc f >> f`).
bool outputIsInput(const std::string& inputPath) {
  struct stat output, input;
  if (::fstat(STDOUT_FILENO, &output) != 0 || !S_ISREG(output.st_mode)) return false;
  const int read = inputPath == "-" ? ::fstat(STDIN_FILENO, &input) : ::stat(inputPath.c_str(), &input);
  return read == 0 && input.st_dev == output.st_dev && input.st_ino == output.st_ino;
}

// The input file opened into `file`; false (and a message on standard error) when it cannot be.
bool openInput(const std::string& inputPath, std::ifstream& file) {
  std::error_code error;
  const bool folder = std::filesystem::is_directory(inputPath, error);
  if (!folder) file.open(inputPath, std::ios::binary);
  if (!folder && file) return true;
  std::cerr << "glandwise-calc: cannot read " << inputPath << ": " << std::strerror(folder ? EISDIR : errno) << '\n';
  return false;
}

// The rule file: the one given, or the one shipped beside the program.
std::filesystem::path rulesFile(const std::string& given, const char* programName) {
  return given.empty() ? glandwise::shippedRulesPath(programFile(programName)) : std::filesystem::path(given);
}

// The batch run, with a progress line on standard error when that is a terminal.
glandwise::calc::BatchSummary runWithProgress(std::istream& in, std::ostream& out,
                                              glandwise::calc::BatchOptions& options, const std::string& inputPath) {
  if (!::isatty(STDERR_FILENO)) return glandwise::calc::runBatch(in, out, options);
  std::atomic<std::size_t> linesDone = 0;
  options.linesDone = &linesDone;
  const glandwise::calc::ProgressLine progress(STDERR_FILENO, linesDone, inputPath == "-" ? "" : inputPath);
  return glandwise::calc::runBatch(in, out, options);
}

// Makes the folder `directory` of the run's `what` ("report", "drawing"); false, and says
// why, when it has no name, cannot be made, or its name could not be written in the output.
bool makeFolder(const std::string& directory, const char* what) {
  if (directory.empty()) {
    std::cerr << "glandwise-calc: the " << what << " folder's name is empty\n";
    return false;
  }
  if (!glandwise::isValidUtf8(directory)) {
    std::cerr << "glandwise-calc: the " << what << " folder's name is not valid UTF-8 text, which the output "
                 "could not name: choose another folder\n";
    return false;
  }
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error || !std::filesystem::is_directory(directory)) {
    std::cerr << "glandwise-calc: cannot make the " << what << " folder " << directory << ": "
              << (error ? error.message() : "a file of that name is in the way") << '\n';
    return false;
  }
  return true;
}

#ifdef GLANDWISE_WITH_REPORTS
// glandwise-report, installed beside this program.
std::string reportProgram(const char* programName) {
  return (programFile(programName).parent_path() / "glandwise-report").string();
}
#endif

// What --drawing-dir needs while the batch runs: the folder made and the drawings' writer,
// DXF here and SVG (which Qt draws) by glandwise-report started from beside this program,
// so that glandwise-calc itself never loads Qt.
class DrawingSetup {
 public:
  // Returns false (and says why) when the folder cannot be made or the writer not started.
  bool start(const std::string& directory, const std::string& format, const char* programName) {
    if (!makeFolder(directory, "drawing")) return false;
    if (format == "dxf") {
      writer_ = std::make_unique<glandwise::calc::DrawingFileWriter>(directory, ".dxf", glandwise::drawing::dxfText);
      return true;
    }
#ifdef GLANDWISE_WITH_REPORTS
    const std::string program = reportProgram(programName);
    std::string startError;
    writer_ = glandwise::calc::ReportProcess::startSvgDrawings(program, directory, startError);
    if (!writer_) std::cerr << "glandwise-calc: cannot start the drawing writer " << program << ": " << startError << '\n';
    return writer_ != nullptr;
#else
    (void)programName;
    std::cerr << "glandwise-calc: SVG drawings are drawn by glandwise-report, which this build lacks: "
                 "use --drawing-format dxf\n";
    return false;
#endif
  }
  glandwise::calc::ReportWriter* writer() { return writer_.get(); }
  std::size_t failures() const { return writer_ ? writer_->failures() : 0; }

 private:
  std::unique_ptr<glandwise::calc::ReportWriter> writer_;  // while the run writes drawings
};

#ifdef GLANDWISE_WITH_REPORTS
// What --report-dir needs while the batch runs: the folder made and the report writer
// glandwise-report started from beside this program (with the texts of the AS568 table and
// the rule file the run reads, the reports of reviewed glands get the review page too).
class ReportSetup {
 public:
  // Returns false (and says why) when the folder cannot be made or the writer not started.
  bool start(const std::string& directory, const glandwise::calc::ReviewSources& review, const char* programName) {
    if (!makeFolder(directory, "report")) return false;
    const std::string program = reportProgram(programName);
    std::string startError;
    writer_ = glandwise::calc::ReportProcess::start(program, directory, review, startError);
    if (!writer_)
      std::cerr << "glandwise-calc: cannot start the report writer " << program << ": " << startError << '\n';
    return writer_ != nullptr;
  }
  glandwise::calc::ReportWriter* writer() { return writer_.get(); }
  std::size_t failures() const { return writer_ ? writer_->failures() : 0; }

 private:
  std::unique_ptr<glandwise::calc::ReportProcess> writer_;  // while the run writes reports
};
#endif

}  // namespace

int main(int argc, char** argv) {
  const glandwise::calc::ClosedDescriptors closed = glandwise::calc::reopenClosedStandardDescriptors();
  // A reader that goes away makes a write fail, which is said and ends the run with its status.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  glandwise::calc::DescriptorBuffer standardOutput(STDOUT_FILENO);
  std::ostream out(&standardOutput);
  const auto outputFailed = [&] {
    std::cerr << "glandwise-calc: cannot write the output: "
              << std::strerror(closed.output ? EBADF : standardOutput.error()) << '\n';
    return kExitOutputFailed;
  };
  CLI::App app{kDescription, "glandwise-calc"};
  std::string inputPath = "-";
  std::string fieldList;
  glandwise::calc::BatchOptions options;
  options.threads = defaultThreads();
  app.add_option("input", inputPath, "JSON Lines file to read; standard input when omitted or \"-\"");
  app.add_option("-j,--threads", options.threads, "worker threads (output order is kept)")
      ->check(CLI::Range(1u, 256u))
      ->capture_default_str();
#ifdef GLANDWISE_WITH_REPORTS
  std::string reportDirectory;
  const CLI::Option* reportOption = app.add_option("--report-dir", reportDirectory,
                 "write a one-page PDF report of every results line into this folder (made if missing; "
                 "with --review the review page is its second page), "
                 "named line-N.pdf, and add its path to the line's object as \"report\"; an existing "
                 "report of the same name (a file or a link) is replaced, never written through, and a "
                 "report that cannot be written whole leaves no file behind");
#endif
  std::string drawingDirectory;
  const CLI::Option* drawingOption = app.add_option("--drawing-dir", drawingDirectory,
                 "write the to-scale, dimensioned section drawing of every results line into this folder "
                 "(made if missing), named line-N.dxf or line-N.svg, and add its path to the line's object as "
                 "\"drawing\"; an existing drawing of the same name (a file or a link) is replaced, never "
                 "written through, and a drawing that cannot be written whole leaves no file behind");
  std::string drawingFormat = "dxf";
  app.add_option("--drawing-format", drawingFormat,
                 "dxf: AutoCAD R12 DXF in inch, for every CAD program; svg: SVG at true size in inch, for "
                 "documents (drawn by glandwise-report)")
      ->check(CLI::IsMember({"dxf", "svg"}))
      ->capture_default_str();
  app.add_flag("--review", options.session.review,
               "add the design review to every line that reaches the results sheet (with the default "
               "review inputs where the line gives none)");
  std::string as568Path;
  app.add_option("--as568-table", as568Path,
                 "AS568 size table to use (CSV: dash,id_in,id_tol_in,cs_in,cs_tol_in); by default the one "
                 "installed with the program");
  std::string rulesPath;
  app.add_option("--rules", rulesPath,
                 "design rule file to review by (CSV, see DESIGN RULES); by default the one installed with the "
                 "program");
  std::string format = "json";
  app.add_option("--format", format, "json: one JSON object per line (JSON Lines); csv: a header row, then one "
                                     "row per line (see OUTPUT)")
      ->check(CLI::IsMember({"json", "csv"}))
      ->capture_default_str();
  const CLI::Option* fieldsOption =
      app.add_option("--fields", fieldList, "the output fields, separated by commas, by name or group (see FIELDS); "
                                            "every field when omitted");
  app.footer(std::string(kFooter) + glandwise::calc::kFindHelp);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (app.exit(error, out, std::cerr) != 0) return kExitUnusableArguments;
    return closed.output || !out.flush() ? outputFailed() : kExitAllProcessed;  // --help written
  }
  options.format = format == "csv" ? glandwise::calc::OutputFormat::Csv : glandwise::calc::OutputFormat::JsonLines;
  bool writesReports = false;
#ifdef GLANDWISE_WITH_REPORTS
  writesReports = reportOption->count() > 0;
#endif
  if (fieldsOption->count() == 0) {
    // JSON has the report's and the drawing's fields only where one was written; CSV has
    // their columns only when they are written at all.
    const bool json = options.format == glandwise::calc::OutputFormat::JsonLines;
    options.fields = glandwise::calc::FieldSelection::all(writesReports || json, drawingOption->count() > 0 || json);
  } else if (std::optional<glandwise::calc::FieldSelection> chosen = chooseFields(fieldList)) {
    options.fields = std::move(*chosen);
  } else {
    return kExitUnusableArguments;
  }

  if (closed.output) return outputFailed();
  if (closed.input && inputPath == "-") {
    std::cerr << "glandwise-calc: cannot read standard input: " << std::strerror(EBADF) << '\n';
    return kExitUnusableArguments;
  }
  if (outputIsInput(inputPath)) {
    std::cerr << "glandwise-calc: " << (inputPath == "-" ? "standard input" : inputPath)
              << " is also the output file: the run would read back its own output\n";
    return kExitUnusableArguments;
  }
  std::ifstream file;
  if (inputPath != "-" && !openInput(inputPath, file)) return kExitUnusableArguments;
  std::istream& in = inputPath == "-" ? std::cin : file;
  const std::filesystem::path as568Table = as568File(as568Path, argv[0]);
  std::string as568Text;
  const glandwise::As568Load as568 =
      loadTable(as568Table, "the AS568 table", "--as568-table", !as568Path.empty(), as568Text,
                [&](std::string_view text) { return glandwise::As568Table::parse(text, as568Table.filename().string()); });
  if (!as568.table) return kExitUnusableArguments;
  options.session.as568 = &*as568.table;
  const std::filesystem::path rules = rulesFile(rulesPath, argv[0]);
  std::string rulesText;
  const glandwise::RuleLoad ruleSet = loadTable(rules, "the rule file", "--rules", !rulesPath.empty(), rulesText,
                                                [&](std::string_view text) { return glandwise::RuleSet::parse(text, rules.string()); });
  if (!ruleSet.rules) return kExitUnusableArguments;
  options.session.rules = &*ruleSet.rules;
  // The face seal's table: a run without face seals needs none, so a missing one refuses
  // only the face seal lines, each saying why.
  const glandwise::FaceGlandTableLoad faceTable =
      glandwise::FaceGlandTable::load(glandwise::shippedFaceTablePath(programFile(argv[0])));
  options.session.faceTable = &faceTable;
#ifdef GLANDWISE_WITH_REPORTS
  ReportSetup reports;
  if (writesReports) {
    const glandwise::calc::ReviewSources review{options.session.review ? as568Text : std::string_view(), rulesText,
                                                rules.string()};
    if (!reports.start(reportDirectory, review, argv[0]))
      return kExitUnusableArguments;
    options.reports = reports.writer();
  }
#endif
  DrawingSetup drawings;
  if (drawingOption->count() > 0) {
    if (!drawings.start(drawingDirectory, drawingFormat, argv[0])) return kExitUnusableArguments;
    options.drawings = drawings.writer();
  }
  const glandwise::calc::BatchSummary summary = runWithProgress(in, out, options, inputPath);
  if (summary.writeFailed) return outputFailed();
  if (summary.readFailed) {
    std::cerr << "glandwise-calc: cannot read " << (inputPath == "-" ? "standard input" : inputPath) << '\n';
    return kExitUnusableArguments;
  }
  std::size_t failedReports = drawings.failures();
#ifdef GLANDWISE_WITH_REPORTS
  failedReports += reports.failures();
#endif
  return summary.errorLines == 0 && failedReports == 0 ? kExitAllProcessed : kExitSomeLinesUnusable;
}
