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

class QComboBox;
class QGridLayout;
class QLayout;
class QLabel;
class QLineEdit;

namespace glandwise {

// The live design review of the analysed gland: its identity and PRINT, the review inputs, the overall
// verdict as a badge in words and colour, one row per check with its figure, verdict and
// rule, and below them the gland's section to scale and the histogram of its squeeze. Every change of an input reads the form through the core and, when it is
// usable, reviews the gland again at once; a box that cannot be used is marked and says
// why beside it, and the last good review stays shown. The inputs but the seal's ID
// tolerance are kept in the settings between runs. The window works on its own copy of the
// gland, so that editing the gland meanwhile changes nothing here until showGland.
class ReviewWindow : public QWidget {
  Q_OBJECT
 public:
  ReviewWindow(const GlandRecord& record, const GlandSide& side, const As568Table* table, const RuleSet& rules,
               SettingsStore& settings);

  // Reviews another analysed gland (or the same one edited) with the inputs as they are.
  void showGland(const GlandRecord& record, const GlandSide& side);

  // The review shown: the last one whose inputs were all usable.
  const Review& review() const { return review_; }
  const GlandRecord& gland() const { return record_; }
  // The inputs of the review shown.
  const ReviewInputs& inputs() const { return inputs_; }
  const GlandSide& side() const { return *side_; }
  // The review shown as its printed page, dated today.
  ReviewPage page() const { return {record_, *side_, review_, inputs_, todayText()}; }

 signals:
  // The window frame's close or Escape: the window asks to be unloaded.
  void dismissed();
  void printRequested();  // PRINT

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLayout* buildHeading();  // the gland's identity and PRINT
  QWidget* buildInputs();
  void addCombos(QWidget* inputs, QGridLayout* grid);
  void addBoxes(QWidget* inputs, QGridLayout* grid);
  QWidget* buildBadge();
  QWidget* buildChecks();
  QLayout* buildPictures();
  void loadSettings();
  // Keeps one input in the settings; not while the window is being built.
  void save(const char* key, const QString& value);
  ReviewForm form() const;
  // Reads the form; reviews and shows the gland again when every box is usable.
  void reviewAgain();
  void showProblems(const ReviewFormRead& read);
  void showReview();

  GlandRecord record_;           // the analysed gland under review (a copy)
  const GlandSide* side_;        // its gland kind
  const As568Table* table_;      // the AS568 sizes, or nullptr when they could not be read
  const RuleSet& rules_;         // the rules the review judges by
  SettingsStore& settings_;
  ReviewInputs inputs_;          // the inputs of the review shown
  Review review_;                // the review shown
  QComboBox* hardness_;          // Shore A
  QComboBox* compound_;
  QComboBox* metal_;             // both parts' metal
  std::array<QLineEdit*, kReviewBoxCount> boxes_{};      // by ReviewBox
  std::array<QLabel*, kReviewBoxCount> problems_{};      // why each box cannot be used
  QLabel* gland_ = nullptr;      // the gland's identity
  QLabel* badge_ = nullptr;      // the overall verdict
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
