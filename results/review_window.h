#pragma once
// The design review window of a results sheet.

#include <array>
#include <optional>

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

inline constexpr int kReviewComboCount = 3;  // the review inputs chosen from lists: hardness, compound, metal

// The live design review of the analysed gland: its identity, PRINT and EXPORT DRAWING…, the overall verdict
// as a badge in words and colour, then, scrolling where the screen is too small, the review
// inputs, one row per check with its figure, verdict and rule, and the gland's section to
// scale beside the histogram of its squeeze (inputs and pictures in two columns on a wide
// window, one under the other on a narrow one). Every change of an input reads the form
// through the core and, when every box is usable, reviews the gland again at once. A box
// that cannot be used is marked and says why beside it; until every box is usable the last
// complete review stays shown, greyed, under the badge "INPUTS INCOMPLETE", and PRINT, EXPORT DRAWING… and
// Copy are disabled. The inputs but the seal's ID tolerance are kept in the settings between runs.
// The window works on its own copy of the gland, so that editing the gland meanwhile changes
// nothing here until showGland. Ctrl+C copies the review as spreadsheet cells, Ctrl+S saves
// the gland as the editor and the sheet do; Escape closes nothing.
class ReviewWindow : public QWidget {
  Q_OBJECT
 public:
  ReviewWindow(const GlandRecord& record, const GlandSide& side, const As568Table* table, const RuleSet& rules,
               SettingsStore& settings);

  // Reviews another analysed gland (or the same one edited) with the inputs as they are.
  void showGland(const GlandRecord& record, const GlandSide& side);
  // Shows `inputs` in the controls (a saved gland's), keeps them in the settings and reviews
  // the gland with them.
  void setInputs(const ReviewInputs& inputs);

  // The review shown: the last one whose inputs were all usable.
  const Review& review() const { return review_; }
  const GlandRecord& gland() const { return record_; }
  // The inputs of the review shown.
  const ReviewInputs& inputs() const { return inputs_; }
  // Whether every box is usable, so that the review shown is that of the inputs shown.
  bool complete() const { return complete_; }
  const GlandSide& side() const { return *side_; }
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

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // A box with nothing selected leaves Ctrl+C to the window, which copies the review.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLayout* buildHeading();  // the gland's identity, PRINT and EXPORT DRAWING…
  QWidget* buildBadge();
  // The inputs, checks and pictures in the scroll area.
  QScrollArea* buildScroller();
  QWidget* buildInputs();
  QWidget* buildChecks();
  QWidget* buildPictures();
  void connectInputs();
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
  void copyReview() const;

  GlandRecord record_;           // the analysed gland under review (a copy)
  const GlandSide* side_;        // its gland kind
  const As568Table* table_;      // the AS568 sizes, or nullptr when they could not be read
  const RuleSet& rules_;         // the rules the review judges by
  SettingsStore& settings_;
  ReviewInputs inputs_;          // the inputs of the review shown
  Review review_;                // the review shown
  bool complete_ = false;        // every box usable
  bool filling_ = false;         // the controls are being set together: review once, after
  QComboBox* hardness_;          // Shore A
  QComboBox* compound_;
  QComboBox* metal_;             // both parts' metal
  std::array<QLineEdit*, kReviewBoxCount> boxes_{};      // by ReviewBox
  std::array<QLabel*, kReviewBoxCount> problems_{};      // why each box cannot be used
  std::array<std::string, kReviewBoxCount> customTexts_;  // of the expansion boxes: typed for a custom material
  QLabel* gland_ = nullptr;      // the gland's identity
  QWidget* print_ = nullptr;     // PRINT
  QWidget* exportDrawing_ = nullptr;  // EXPORT DRAWING…
  QLabel* badge_ = nullptr;      // the overall verdict
  QScrollArea* scroller_ = nullptr;  // the inputs, checks and pictures
  QWidget* checks_ = nullptr;
  QWidget* pictures_ = nullptr;
  // Per input (the three lists, then the boxes): its caption, control, unit and problem.
  std::array<std::array<QWidget*, 4>, kReviewComboCount + kReviewBoxCount> inputCells_{};
  QGridLayout* inputGrid_ = nullptr;  // the inputs in two columns of six, or in one
  QBoxLayout* pictureRow_ = nullptr;  // the pictures side by side, or one under the other
  bool twoColumns_ = false;
  int twoColumnWidth_ = 0;       // the least window width that holds two columns, px
  std::array<std::array<QLabel*, 4>, kReviewRowCount> rows_{};  // per check: name, figure, verdict, reason
  GlandDrawing* drawing_ = nullptr;
  SqueezeHistogram* histogram_ = nullptr;
};

// How a verdict is shown: in words, so that it reads in grey print and without colour
// vision, on its colour.
struct VerdictLook {
  const char* words;  // "PASS", "CAUTION", "FAIL", "NOT EVALUATED"
  QColor background;
  QColor text;        // of the words on the background
};
VerdictLook verdictLook(Verdict verdict);

// The gland's identity in one line: gland type, cross-section, seal ID and AS568 size.
QString glandIdentity(const GlandRecord& record, const GlandSide& side, const Review& review);

}  // namespace glandwise
