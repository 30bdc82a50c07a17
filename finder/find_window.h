#pragma once
// The Find a seal window: the hardware and the service in, the AS568 sizes whose standard
// gland fits it out, ranked, with the chosen one's gland opened on the screens.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <thread>
#include <variant>
#include <vector>

#include <QWidget>

#include "face/face_find_form.h"
#include "face/face_input.h"
#include "finder/find_page.h"
#include "model/as568.h"
#include "model/find_form.h"
#include "model/find_seal.h"
#include "model/gland_input.h"
#include "model/review.h"
#include "model/review_rules.h"
#include "model/selection.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

namespace glandwise {

// A ranking: of radial glands or of face seals (the other empty), with its question in words.
struct Ranking {
  FindResult radial;
  FaceFindResult face;
  QString question;
  std::string rulesName;  // the design rules ranked by
};

// What PRINT prints: the page, and the ranking it shows, kept while it prints.
struct FindPrint {
  std::shared_ptr<const Ranking> ranking;
  std::variant<FindPage, FaceFindPage> page;
};

// A thin view over findSeals and findFaceSeals: every change of an input reads the form through the core and,
// when it is usable, ranks the sizes again on a thread of its own, so that typing never
// waits; the newest inputs' ranking replaces the table when it is ready (a box that cannot
// be used is marked, says why in its tool tip and the status line, and empties the table).
// Return or a double-click on a row, or OPEN, asks for that gland on the screens as if typed
// and OK'd on the selection screen, or for a face seal in the face seal designer;
// TOLERANCES… allocates a radial row's tolerances first. Choosing a face seal for the gland
// type shows its own questions (the pressure's direction, the medium, the flange gap) in
// place of the radial ones it does not ask. Escape and the window frame's close only hide
// it, so that its inputs stay.
class FindWindow : public QWidget {
  Q_OBJECT
 public:
  // `table` is copied; nullptr: no table could be read, and nothing is ranked. The glands
  // are reviewed by `rules`, read from `rulesFile` (empty: the program's own); the face
  // seals' standard grooves come from `faceTable`, which outlives the window. No face table:
  // face seals are not offered, for `faceTableProblem`.
  FindWindow(const As568Table* table, RuleSet rules, std::string rulesFile, const FaceGlandTable* faceTable,
             std::string faceTableProblem);

  // Ranks by other rules from now on: the material lists follow them, keeping the chosen
  // materials they also have.
  void setRules(RuleSet rules, std::string rulesFile);
  const std::string& rulesFile() const { return rulesFile_; }
  ~FindWindow() override;

  // Takes the gland type, the diameter and the pressure that the selection screen holds.
  void startFrom(const SelectionEntries& entries);

  // The ranking on view (empty before the first): of radial glands, or of face seals.
  const FindResult& result() const { return shown_->radial; }
  const FaceFindResult& faceResult() const { return shown_->face; }
  // The row chosen in the table, or nothing.
  std::optional<std::size_t> chosenRow() const;
  // The page PRINT prints: the ranking and the chosen row's full review (the first row's
  // when none is chosen); nothing when the ranking is empty.
  std::optional<FindPrint> page();

 signals:
  // A row was opened: enter this gland on the screens.
  void openRequested(const GlandInput& gland);
  // A face seal row was opened: show this face seal in the designer.
  void openFaceRequested(const FaceInput& face);
  void printRequested();
  // A new ranking is on view.
  void rankingShown();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* buildInputs();
  QWidget* buildHardware();
  QWidget* buildConstraints();
  QWidget* buildReviewLimits();
  QWidget* buildTable();
  QLayout* buildButtons();
  QLineEdit* addBox(const char* name, const QString& text);
  bool lookingForFace() const;
  // Why face seals cannot be found with the table and rules at hand; empty when they can.
  std::string faceProblem() const;
  void fillMaterials();
  // Shows the questions of the gland type chosen.
  void glandTypeChosen();
  FindForm form() const;
  FaceFindChoices faceChoices() const;
  // The boxes a face seal's review reads, by FaceReviewBox: the radial ones it shares and the flange gap.
  std::array<QLineEdit*, kFaceReviewBoxCount> faceReviewBoxes() const;
  // Reads the form; ranks again when every box is usable.
  void inputsChanged();
  // The form read through the core; the request when it is usable.
  using Request = std::variant<FindRequest, FaceFindRequest>;
  std::optional<Request> readInputs();
  // Marks `box` with `problem`; returns what the status line says of it.
  QString markProblem(QLineEdit* box, const std::string& problem);
  void rankNext();
  // A ranking made on the worker for the inputs of `generation`: shown unless newer inputs
  // came meanwhile.
  void rankingMade(std::shared_ptr<const Ranking> ranking, std::uint64_t generation);
  void showRanking(std::shared_ptr<const Ranking> ranking);
  template <class C>
  void showRows(const std::vector<C>& candidates);
  void showChosen();
  void openChosen();
  void allocateChosen();

  // The AS568 sizes, the window's own copy: the candidates point into it, and a ranking
  // still being made when the window closes reads it to the end.
  std::optional<As568Table> table_;
  // The rules ranked by, shared with a ranking being made and an open tolerance dialog, so
  // that new rules never pull them away from under either.
  std::shared_ptr<const RuleSet> rules_;
  std::string rulesFile_;                 // the file they were read from; empty: the program's own
  const FaceGlandTable* faceTable_;       // nullptr: face seals are not offered
  std::string faceTableProblem_;          // why there is no face table
  std::shared_ptr<const Ranking> shown_;  // the ranking on view
  std::optional<Request> waiting_;        // inputs newer than the ranking being made
  bool busy_ = false;                        // a ranking is being made on worker_
  std::uint64_t generation_ = 0;             // counts the changes of the inputs
  std::jthread worker_;                      // makes one ranking at a time
  Review printedReview_;                     // the full review of the page's candidate

  QComboBox* glandType_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLabel* hardwareCaption_ = nullptr;
  QComboBox* pressureFrom_ = nullptr;  // a face seal's: by PressureFrom
  QComboBox* medium_ = nullptr;        // by FaceMedium
  QLineEdit* flangeGap_ = nullptr;     // inch the flanges open under pressure
  std::vector<QWidget*> radialOnly_;   // shown only for a radial gland
  std::vector<QWidget*> radialEnabled_;  // enabled only for a radial gland
  std::vector<QWidget*> faceOnly_;     // shown only for a face seal
  std::array<QLineEdit*, kFindBoxCount> boxes_{};
  std::array<QCheckBox*, kCrossSections.size()> crossSections_{};
  QComboBox* hardness_ = nullptr;
  QComboBox* compound_ = nullptr;
  QComboBox* metalGroove_ = nullptr;  // the grooved part's metal
  QComboBox* metalMating_ = nullptr;  // the mating part's
  std::array<QLineEdit*, kReviewBoxCount> reviewBoxes_{};
  QLabel* status_ = nullptr;      // what the ranking came to, or why there is none
  QTableWidget* rows_ = nullptr;  // the ranking, one candidate a row
  QLabel* why_ = nullptr;         // the chosen row's reason and the editor's questions
};

}  // namespace glandwise
