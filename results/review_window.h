#pragma once
// The design review window of a results sheet.

#include <array>
#include <optional>
#include <string>

#include <QColor>
#include <QWidget>

#include "model/as568.h"
#include "model/gland_side.h"
#include "model/record.h"
#include "model/review.h"
#include "model/review_form.h"
#include "model/review_rows.h"
#include "model/review_rules.h"
#include "platform/platform.h"
#include "results/review_page.h"
#include "results/review_plots.h"

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QScrollArea;
class QLayout;
class QLabel;
class QLineEdit;

namespace glandwise {

// The review inputs chosen from lists, in the order they are made.
enum class ReviewList { Hardness, Compound, MetalGroove, MetalMating, Count };
inline constexpr std::size_t kReviewListCount = static_cast<std::size_t>(ReviewList::Count);

// The live design review of the analysed gland: its identity, EXPORT DRAWING… and PRINT,
// the headline as a badge in words and colour, then, scrolling where the screen is too
// small, the review inputs (the materials of the rule set, with the coefficients in use),
// the rule set judged by with "Design rules…" to choose another, one row per check with its
// figure, verdict, reason and remedy (a check not evaluated in grey), and the gland's
// section to scale beside the histogram of its squeeze with its marks named and the
// statistics' assumptions under it (inputs and pictures in two columns on a wide window, one
// under the other on a narrow one). Every change of an input reads the form through the
// core and, when every box is usable, reviews the gland again at once. A box that cannot be
// used is marked and says why beside it; until every box is usable the last complete review
// stays shown, greyed, under the badge "INPUTS INCOMPLETE", and PRINT, EXPORT DRAWING… and
// Copy are disabled. The inputs but the seal's ID tolerance and the groove widths are kept
// in the settings between runs. The window works on its own copy of the gland, so that
// editing the gland meanwhile changes nothing here until showGland. Ctrl+C copies the
// review as spreadsheet cells, Ctrl+S saves the gland as the editor and the sheet do;
// Escape closes nothing.
class ReviewWindow : public QWidget {
  Q_OBJECT
 public:
  // `rulesFile` names the file of `rules` as a saved gland keeps it: empty for the rules
  // shipped with the program.
  ReviewWindow(const GlandRecord& record, const GlandSide& side, const As568Table* table, RuleSet rules,
               std::string rulesFile, SettingsStore& settings);

  // Reviews another analysed gland (or the same one edited) with the inputs as they are.
  void showGland(const GlandRecord& record, const GlandSide& side);
  // Shows `inputs` in the controls (a saved gland's), keeps them in the settings and reviews
  // the gland with them. A material the rule set lacks leaves its list as it is.
  void setInputs(const ReviewInputs& inputs);
  // Judges by `rules` from now on (`rulesFile` as for the constructor): lists its hardnesses
  // and materials, keeping the ones chosen where it has them, and reviews again.
  void setRules(RuleSet rules, std::string rulesFile);

  // The review shown: the last one whose inputs were all usable.
  const Review& review() const { return review_; }
  const GlandRecord& gland() const { return record_; }
  // The inputs of the review shown.
  const ReviewInputs& inputs() const { return inputs_; }
  // Whether every box is usable, so that the review shown is that of the inputs shown.
  bool complete() const { return complete_; }
  const GlandSide& side() const { return *side_; }
  const RuleSet& rules() const { return rules_; }
  // The rules' file as a saved gland keeps it: empty for the shipped rules.
  const std::string& rulesFile() const { return rulesFile_; }
  // The rule file chosen last (as rulesFile has it), kept in `settings` between runs: the
  // review window's and the face seal designer's.
  static std::string keptRulesFile(SettingsStore& settings);
  static void keepRulesFile(SettingsStore& settings, const std::string& rulesFile);
  // The review shown as its printed page, dated today.
  ReviewPage page() const { return {record_, *side_, review_, inputs_, todayText()}; }
  // The section drawing shown.
  const drawing::Drawing& drawing() const { return drawing_->drawing(); }

  // The size that shows everything in two columns, without scrolling.
  QSize sizeHint() const override;

 signals:
  // The window frame's close: the window asks to be unloaded.
  void dismissed();
  void printRequested();  // PRINT
  void saveRequested();   // Ctrl+S or "Save gland…": the gland with these inputs
  // The inputs became complete or incomplete.
  void completeChanged(bool complete);
  void exportDrawingRequested();  // EXPORT DRAWING… or Ctrl+Shift+S
  void rulesRequested();          // "Design rules…": choose a rule file

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // A box with nothing selected leaves Ctrl+C to the window, which copies the review.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLayout* buildHeading();  // the gland's identity, EXPORT DRAWING… and PRINT
  QWidget* buildBadge();
  // The inputs, the rule set, the checks and the pictures in the scroll area.
  QScrollArea* buildScroller();
  QWidget* buildInputs();
  QLayout* buildRules();
  QWidget* buildChecks();
  QWidget* buildPictures();
  void connectInputs();
  // Names the rule set and lists its hardnesses and materials, each with its value as its data.
  void listRules();
  // The inputs kept in the settings, or the defaults.
  ReviewForm loadedForm() const;
  // Sets every control as `form` has it; an expansion box keeps its text for a custom material.
  void fill(const ReviewForm& form);
  // Each expansion box: the text typed for a custom material, or greyed with the material's own value.
  void showExpansions();
  // Inputs and pictures in two columns when a window `width` wide holds them, else in one.
  void arrange(int width);
  // Keeps one input in the settings.
  void save(const char* key, const QString& value);
  ReviewForm form() const;
  // Reads the form; reviews and shows the gland again when every box is usable.
  void reviewAgain();
  void showProblems(const ReviewFormRead& read);
  void showBadge();
  void showReview();
  void showChecks();
  void copyReview() const;

  GlandRecord record_;           // the analysed gland under review (a copy)
  const GlandSide* side_;        // its gland kind
  const As568Table* table_;      // the AS568 sizes, or nullptr when they could not be read
  RuleSet rules_;                // the rules the review judges by
  std::string rulesFile_;        // their file as a saved gland keeps it: empty for the shipped rules
  SettingsStore& settings_;
  ReviewInputs inputs_;          // the inputs of the review shown
  Review review_;                // the review shown
  bool complete_ = false;        // every box usable
  bool filling_ = false;         // the controls are being set together: review once, after
  std::array<QComboBox*, kReviewListCount> lists_{};      // by ReviewList
  std::array<QLineEdit*, kReviewBoxCount> boxes_{};      // by ReviewBox
  std::array<QLabel*, kReviewBoxCount> problems_{};      // why each box cannot be used
  std::array<std::string, kReviewBoxCount> customTexts_;  // of the expansion boxes: typed for a custom material
  QLabel* gland_ = nullptr;      // the gland's identity
  QWidget* print_ = nullptr;     // PRINT
  QWidget* exportDrawing_ = nullptr;  // EXPORT DRAWING…
  QLabel* badge_ = nullptr;      // the headline
  QLabel* rulesShown_ = nullptr;  // the rule set's name and file
  QScrollArea* scroller_ = nullptr;  // the inputs, checks and pictures
  QWidget* checks_ = nullptr;
  QWidget* pictures_ = nullptr;
  // Per input in the order shown: its caption, control, unit and problem.
  std::array<std::array<QWidget*, 4>, kReviewListCount + kReviewBoxCount> inputCells_{};
  QGridLayout* inputGrid_ = nullptr;  // the inputs in two columns, or in one
  QBoxLayout* pictureRow_ = nullptr;  // the pictures side by side, or one under the other
  bool twoColumns_ = false;
  int twoColumnWidth_ = 0;       // the least window width that holds two columns, px
  // Per check: name, figure, verdict, reason and remedy.
  std::array<std::array<QLabel*, 5>, kReviewRowCount> rows_{};
  GlandDrawing* drawing_ = nullptr;
  SqueezeHistogram* histogram_ = nullptr;
  QLabel* assumptions_ = nullptr;  // the statistics' assumptions, under the pictures
};

// How a verdict is shown: in words, so that it reads in grey print and without colour
// vision, on its colour.
struct VerdictLook {
  const char* words;  // "PASS", "CAUTION", "FAIL", "NOT EVALUATED"
  QColor background;
  QColor text;        // of the words on the background
};
VerdictLook verdictLook(Verdict verdict);

// The grey of a check not evaluated: its row's text.
inline const QColor kNotEvaluatedText(0x75, 0x75, 0x75);

// The gland's identity in one line: gland type, cross-section, seal ID and AS568 size.
QString glandIdentity(const GlandRecord& record, const GlandSide& side, const Review& review);

// A rule set in one line: "Design rules: NAME (FILE)".
QString rulesIdentity(const std::string& name, const std::string& file);

}  // namespace glandwise
