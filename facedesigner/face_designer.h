#pragma once
// The face seal designer: a window of its own beside the selection screen.

#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "face/face_data.h"
#include "face/face_result.h"
#include "face/face_review_form.h"
#include "facedesigner/face_page.h"
#include "model/as568.h"
#include "platform/platform.h"

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace glandwise {

class GlandDrawing;
class SqueezeHistogram;

// Designs a face seal live: the ring (a cross-section and inside diameter, or an AS568
// size), the pressure's direction, the medium and the pressure; the groove's datum
// diameter, depth and width with their tolerances, which start as the standard groove and
// go back to it when the ring, direction or medium change (a typed datum stays while the
// direction does) or STANDARD GROOVE is pressed; the review's inputs. Every keystroke works
// the entries through the core again: a box that cannot be used is marked and says why,
// and no figure is shown from entries that cannot be used. Shows the squeeze, fill and fit
// at nominal, MMC and LMC, the review with its verdict badge, the section to scale and the
// squeeze histogram. The review (and the standard groove's fit and datum tolerance) follow
// the rule set shown, which DESIGN RULES… asks to replace. The entries are kept in the
// settings as they change, so that closing the window (Escape, the frame, CLOSE) loses nothing.
class FaceDesigner : public QWidget {
  Q_OBJECT
 public:
  // Judges by `rules`, which faceRulesProblem finds nothing missing in; `rulesFile` names
  // their file as a saved face seal keeps it: empty for the rules shipped with the program.
  FaceDesigner(const FaceGlandTable& table, RuleSet rules, std::string rulesFile, const As568Table* as568,
               SettingsStore& settings);

  // Judges by `rules` from now on (as for the constructor): lists their hardnesses,
  // compounds and metals, keeping the choices they have, and keeps `rulesFile` in the
  // settings as the rule file chosen last.
  void setRules(RuleSet rules, std::string rulesFile);
  const RuleSet& rules() const { return rules_; }
  const std::string& rulesFile() const { return rulesFile_; }

  // Shows a saved face seal's entries in place of the window's.
  void showInput(const FaceInput& input);
  // The entries, with the review's inputs when they are usable, as a batch line gives them.
  FaceInput input() const;
  // The entries worked through, as shown.
  const FaceResult& result() const { return result_; }
  // The printed page of what is shown (with the review when its inputs are usable), when
  // the entries are.
  std::optional<FacePage> page() const;
  // The section drawing shown; empty when the entries cannot be used.
  const drawing::Drawing& drawing() const;

 signals:
  void dismissed();               // CLOSE, Escape or the frame: the window asks to be unloaded
  void printRequested();          // PRINT
  void saveRequested();           // SAVE… or Ctrl+S
  void exportDrawingRequested();  // EXPORT DRAWING… or Ctrl+Shift+S
  void rulesRequested();          // DESIGN RULES…: choose a rule file

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* buildSeal();
  QWidget* buildService();
  QWidget* buildGroove();
  QWidget* buildResults();
  QWidget* buildReviewInputs();
  QWidget* buildChecks();
  QLayout* buildButtons();
  QLineEdit* addBox(QGridLayout* grid, int row, int column, const char* name, const QString& caption,
                    const QString& unit, QLabel** problem);
  void setFocusOrder();
  // Fills the hardness, compound and metal lists from the rules, and names the rules.
  void listRules();

  void chooseCrossSection(int index);
  void chooseAs568();
  // Takes the ring of AS568 size `dash` into the entries: its section and inside diameter;
  // the refusal in words when the table has no such size (nothing taken).
  std::string takeAs568Ring(const std::string& dash);
  // Shows a ring given by its AS568 size (a saved or batch line's "as568") as its
  // cross-section and inside diameter, as typing the size does; a size the table refuses
  // stays for the entries' refusal to name.
  void showAs568Ring();
  void choosePressureFrom(PressureFrom from);
  void chooseMedium(FaceMedium medium);
  void typeGroove(FaceBox box, const QString& text);
  void standardGroove();
  // Works the entries through and shows them; keeps them in the settings.
  void workAgain();
  void showEntries();
  void showGroove();
  void showResults();
  void showReview();
  FaceReviewForm reviewForm() const;
  // Shows the review's choices and boxes; while `showing_`.
  void showReviewForm(const FaceReviewForm& review);
  FaceData data() const { return {table_, rules_}; }

  const FaceGlandTable& table_;  // the published face seal table
  RuleSet rules_;                // the review's rules
  std::string rulesFile_;        // their file as a saved face seal keeps it: empty for the shipped rules
  std::vector<int> hardnesses_;                  // the hardness combo's choices: those with extrusion limits
  std::vector<std::string> compounds_, metals_;  // the compound and metal combos' ids
  const As568Table* as568_;
  SettingsStore& settings_;
  FaceForm form_;                                 // the entries of the ring, service and groove
  FaceResult result_;                             // the entries worked through
  std::optional<FaceReviewInputs> reviewInputs_;  // the review's inputs, when usable
  bool showing_ = true;                           // the widgets are being set from the entries: no reaction

  QButtonGroup* crossSections_ = nullptr;
  QButtonGroup* directions_ = nullptr;
  QButtonGroup* media_ = nullptr;
  QLineEdit* as568Box_ = nullptr;
  std::array<QLineEdit*, kFaceBoxCount> boxes_{};  // by FaceBox
  std::array<QLabel*, kFaceBoxCount> problems_{};
  QLabel* datumCaption_ = nullptr;
  QLabel* radius_ = nullptr;
  QLabel* status_ = nullptr;                         // why the entries cannot be used
  std::array<std::array<QLabel*, 4>, 5> results_{};  // the results table's cells
  QComboBox* hardness_ = nullptr;
  QComboBox* compound_ = nullptr;
  QComboBox* metal_ = nullptr;
  std::array<QLineEdit*, kFaceReviewBoxCount> reviewBoxes_{};
  std::array<QLabel*, kFaceReviewBoxCount> reviewProblems_{};
  QLabel* identity_ = nullptr;
  QLabel* rulesShown_ = nullptr;  // the rule set's name and file
  QLabel* badge_ = nullptr;
  std::array<std::array<QLabel*, 4>, kFaceCheckCount> checks_{};
  GlandDrawing* drawing_ = nullptr;
  SqueezeHistogram* histogram_ = nullptr;
};

}  // namespace glandwise
