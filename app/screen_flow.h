#pragma once
// The screen flow of a Glandwise run.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <QObject>
#include <QString>

#include "app/dialogs.h"
#include "drawing/drawing.h"
#include "editors/gland_editor.h"
#include "face/face_data.h"
#include "facedesigner/face_designer.h"
#include "finder/find_window.h"
#include "model/gland_side.h"
#include "app/handbook.h"
#include "platform/platform.h"
#include "model/record.h"
#include "results/results_sheet.h"
#include "results/review_window.h"
#include "app/screen_slot.h"
#include "app/selection_screen.h"
#include "app/title_screen.h"

namespace glandwise {

// Owns the run's gland data record and every screen and dialog, each at most once, and
// moves between them as the navigation buttons ask: title, gland selection, the editor of
// the chosen gland type, its results sheet, and back. The selection screen is loaded once
// and only hidden; an editor is loaded anew from the selection screen, so it shows a
// fresh standard gland, and only hidden while its results sheet is up, so EDIT finds it
// as the user left it. Refusals go to the message dialog; Help buttons open the
// information dialogs and DESIGN REVIEW the review window, raising one that is already
// open; EDIT and BACK leave them open. Every EXIT and every main
// screen's window-frame close ends the program at once through the end-program hook.
class ScreenFlow : public QObject {
  Q_OBJECT
 public:
  // Ends the program: leaves the event loop without a question.
  using EndProgram = std::function<void()>;
  static void endApplication();

  explicit ScreenFlow(const Platform& platform, EndProgram endProgram = &ScreenFlow::endApplication);
  ~ScreenFlow() override;

  // Start of the program: loads and shows the title screen.
  void start();
  // A saved gland to open once the selection screen first shows (the command line's file).
  void openOnSelection(std::string path) { startFile_ = std::move(path); }

  GlandRecord& record() { return record_; }
  const Platform& platform() const { return platform_; }
  HandbookLauncher& handbook() { return handbook_; }

  // The loaded screens and dialogs; nullptr when not loaded.
  TitleScreen* titleScreen() const { return title_.get(); }
  SelectionScreen* selectionScreen() const { return selection_.get(); }
  GlandEditor* editor() const { return editor_.get(); }
  ResultsSheet* resultsSheet() const { return sheet_.get(); }
  MessageDialog* messageDialog() const { return message_.get(); }
  InfoDialog* eccentricityInfo() const { return eccentricityInfo_.get(); }
  InfoDialog* frictionInfo() const { return frictionInfo_.get(); }
  ReviewWindow* reviewWindow() const { return review_.get(); }
  FaceDesigner* faceDesigner() const { return face_.get(); }
  FindWindow* findWindow() const { return find_.get(); }

  // Where the AS568 table is read from, once, when first needed; by default the table
  // shipped beside the running program.
  void setAs568TablePath(std::filesystem::path path) { as568Path_ = std::move(path); }
  // The AS568 table, or why it could not be read.
  const As568Load& as568Table();
  // The face seal table, read once when first needed from beside the AS568 table, or why
  // it could not be read.
  const FaceGlandTableLoad& faceTable();
  // Where the design review's rules are read from, once, when first needed; by default the
  // rule file shipped beside the running program.
  void setRulesPath(std::filesystem::path path) { rulesPath_ = std::move(path); }
  // The rules, or why they could not be read.
  const RuleLoad& rules();

  // A refusal, whose message the core has left in ErrorText: beeps when asked and shows
  // frmError. An open frmError takes the newer message and comes to the front.
  void showMessage(bool beep);
  void openEccentricityInfo();
  void openFrictionInfo();
  // DESIGN REVIEW: opens the review window of the sheet's gland beside the sheet, clear of
  // its buttons, or raises the open one with that gland.
  void openReview();
  // FACE SEAL…: opens the face seal designer beside the selection screen, judging by the
  // rule file chosen last (the program's own stand in, with a notice, for one that cannot
  // serve face seals), or raises the open one. A table or rules that cannot serve are told
  // in a notice.
  void openFaceDesigner();
  void endProgram();
  // FIND A SEAL…: opens the Find a seal window, started from the selection screen's entries,
  // or raises the one already loaded as the user left it.
  void openFinder();
  // A gland chosen in the Find a seal window: entered on the selection screen as a person
  // would and OK'd, its editor boxes typed; the screens on view make way for it. A gland the
  // screens refuse is told in a notice.
  void openFoundGland(const GlandInput& gland);

  // Ctrl+S on an editor, a results sheet or the review window: asks where, then saves the gland as entered,
  // with its review inputs: the review window's when it is open, else those it was opened
  // with or last reviewed with. Not while a review box cannot be used (Save is disabled
  // then). A failure is told in a notice.
  void saveGland();
  // "Design rules…" on the review window: asks which rule file, then reviews by it. A file
  // that cannot be used is told in a notice with its line and column, and nothing changes.
  void chooseRules();
  // DESIGN RULES… on the face seal designer: the same for face seals. A file that lacks a
  // face seal rule is told in a notice too.
  void chooseFaceRules();
  // EXPORT DRAWING… on the review window: asks where, then writes the section drawing shown
  // there as SVG, or as DXF when the file's name ends in ".dxf". A failure is told in a notice.
  void exportDrawing();
  // EXPORT DRAWING… on the face seal designer: the same with the face seal's section.
  void exportFaceDrawing();
  // Ctrl+O on the selection screen: asks which file, then opens it.
  void chooseGlandFile();
  // Replays the saved gland `path` on the selection screen and stops on its editor with
  // the texts typed, ready for OK; its review inputs go to the review window, now or when
  // it opens. A face seal opens in the face seal designer, judged by the rule file it was
  // saved with. A file that cannot be read, or that the screens refuse, is told in a notice
  // naming it, and the program stays where it was.
  void openGlandFile(const std::string& path);

 private:
  void leaveTitle();
  void openEditor(GlandKind kind);
  void backToSelection();
  void openResultsSheet();
  void backToEditor();
  void openInfo(ScreenSlot<InfoDialog>& slot, const InfoTexts& texts);
  void printSheet();
  // Asks where (a file dialog titled `title`, proposing `name` in the folder used last),
  // then writes `line` as a gland file; a failure is told in a notice about `what`.
  void saveLine(const std::string& title, const std::string& name, const std::string& line, const std::string& what);
  // Asks where (proposing `name` in the drawings' folder used last), then writes `drawing`
  // as SVG, or as DXF when the file's name ends in ".dxf". A failure is told in a notice.
  void exportDrawingAs(const std::string& name, const drawing::Drawing& drawing);
  // The face seal designer's SAVE… and PRINT.
  void saveFaceSeal();
  void printFaceSeal();
  // Opens the face seal designer as openFaceDesigner does, or raises the open one; judging
  // from now on by the rules of `rulesFile` when given (empty: the program's own). Nullptr
  // when it cannot open.
  FaceDesigner* showFaceDesigner(const std::optional<std::string>& rulesFile);
  // Asks which rule file (in the folder used last); nothing when cancelled.
  std::optional<std::string> askRulesFile();
  // A rule set for the review window and its file as a gland keeps it (empty for the
  // program's own).
  struct ChosenRules {
    RuleSet rules;
    std::string file;
  };
  // The rules of `file` (empty: the program's own). A file that cannot be read (or, for
  // face seals, lacks a face seal rule) is told in a notice and the program's own stand in;
  // nothing when even those cannot serve.
  std::optional<ChosenRules> chosenRules(const std::string& file, bool forFaceSeals);
  std::optional<ChosenRules> reviewRules(const std::string& file) { return chosenRules(file, false); }
  std::optional<ChosenRules> faceRules(const std::string& file) { return chosenRules(file, true); }
  // `file` as a gland keeps it: empty when it is the program's own rule file.
  std::string keptRulesName(const std::string& file) const;
  // Enables Save on the editor, the sheet and the review window unless the review window's
  // inputs are incomplete.
  void allowSave();
  // Shows `next` where `previous` stood, sized for that screen, in front of the others.
  void present(QWidget& next, const QWidget* previous);
  // The main screen on view, or nullptr.
  QWidget* currentScreen() const;
  // The folder of the file dialogs of the settings' `section`: the one used last.
  std::string lastFolder(const char* section);
  // Keeps the folder of `path` as the one used last in the settings' `section`.
  void rememberFolder(const char* section, const std::string& path);

  GlandRecord record_;
  Platform platform_;
  HandbookLauncher handbook_;
  EndProgram endProgram_;

  ScreenSlot<TitleScreen> title_;          // frmTitle
  ScreenSlot<SelectionScreen> selection_;  // frmFirst
  ScreenSlot<GlandEditor> editor_;         // frmGrooveInMale or frmGrooveInFemale
  ScreenSlot<ResultsSheet> sheet_;         // frmResultsMale or frmResultsFemale
  ScreenSlot<MessageDialog> message_;      // frmError
  ScreenSlot<InfoDialog> eccentricityInfo_;  // frmEccInfo
  ScreenSlot<InfoDialog> frictionInfo_;      // frmFrictionInfo
  ScreenSlot<ReviewWindow> review_;          // frmReview
  ScreenSlot<FaceDesigner> face_;            // frmFaceSeal
  ScreenSlot<FindWindow> find_;              // frmFind: loaded once, then only hidden
  std::filesystem::path as568Path_;           // the AS568 table's file
  std::optional<As568Load> as568_;            // the table, once read
  std::optional<FaceGlandTableLoad> faceTable_;  // the face seal table, once read
  std::filesystem::path rulesPath_;           // the design review's rule file
  std::optional<RuleLoad> rules_;             // the rules, once read
  std::string startFile_;                     // a saved gland to open on the selection screen
  // The gland's review inputs while no review window shows them: a saved gland's, or those
  // the window was closed with; none for a new gland.
  std::optional<ReviewInputs> glandReview_;
  // The file-open dialogs of the loaded editor and results sheet: each remembers the file
  // chosen last in it while its screen stays loaded.
  HandbookDialogMemory editorHandbookDialog_;
  HandbookDialogMemory sheetHandbookDialog_;
};

}  // namespace glandwise
