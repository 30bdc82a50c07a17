#include "app/screen_flow.h"

#include <QCoreApplication>
#include <QDir>

#include <filesystem>
#include <utility>

#include "drawing/dxf.h"
#include "model/numbers.h"
#include "model/selection.h"
#include "platform/gland_file.h"
#include "platform/replace_file.h"
#include "platform/window_placement.h"
#include "face/face_input.h"
#include "facedesigner/face_page.h"
#include "results/drawing_paint.h"
#include "results/report.h"
#include "widgets/controls.h"

namespace glandwise {
namespace {

// Makes a window visible and puts it in front of the others.
void bringToFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

// Where the gland file dialogs and the drawing export keep their folders.
constexpr const char* kGlandFilesSection = "GlandFiles";
constexpr const char* kDrawingsSection = "Drawings";
constexpr const char* kFolderKey = "Folder";
constexpr const char* kGlandFileFilter = "Gland files (*.gland.json);;All files (*)";
constexpr const char* kDrawingFilter = "SVG drawing (*.svg);;DXF drawing for CAD (*.dxf)";
constexpr const char* kRulesSection = "DesignRules";
constexpr const char* kRulesFileFilter = "Design rules (*.csv);;All files (*)";

// The file name proposed for a gland, without its ending: its kind and seal ID, e.g.
// "rod-groove-1.75".
std::string suggestedStem(std::optional<GlandKind> kind, const std::string& sealInsideDia) {
  std::string name = kind == GlandKind::HousingGroove ? "housing-groove" : "rod-groove";
  if (!sealInsideDia.empty() && sealInsideDia.find_first_of("/\\") == std::string::npos) name += "-" + sealInsideDia;
  return name;
}

// The column of a results sheet's main buttons, on the screen: what a window opened beside
// the sheet leaves in view.
QRect buttonColumn(const ResultsSheet& sheet) {
  QRect column;
  for (const char* name : {"cmdHandbook", "cmdPrint", "cmdEdit", "cmdExit", "cmdReview"})
    if (const auto* button = sheet.findChild<QWidget*>(QLatin1String(name)))
      column |= QRect(button->mapToGlobal(QPoint()), button->size());
  return column;
}

std::string suggestedName(const GlandInput& input) {
  return suggestedStem(input.glandType, input.sealInsideDia.value_or("")) + kGlandFileSuffix;
}

// The bytes of `drawing` as the file `path` holds it: DXF for a name ending in ".dxf", else
// SVG, the name ending in ".svg" (which is added when it ends otherwise). Empty when there
// is nothing to draw.
std::string drawingFileBytes(std::string& path, const drawing::Drawing& drawing) {
  if (QString::fromStdString(path).endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive)) return drawing::dxfText(drawing);
  if (!QString::fromStdString(path).endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) path += ".svg";
  const QByteArray svg = drawingSvg(drawing);
  return {svg.constData(), std::size_t(svg.size())};
}

// The rules of `file` when they can serve face seals; else why not, naming the file (with the
// line and column of one that cannot be read).
RuleLoad faceRuleLoad(const std::string& file) {
  RuleLoad load = RuleSet::load(file);
  if (load.rules)
    if (std::string problem = faceRulesProblem(*load.rules); !problem.empty())
      return {std::nullopt, file + ": " + problem};
  return load;
}

// `failure`, which names `path` or its folder, with that name shortened as notices show paths.
std::string withShortenedPath(std::string failure, const std::string& path) {
  for (const std::string& named : {path, std::filesystem::path(path).parent_path().string()})
    if (const std::size_t at = failure.find(named); !named.empty() && at != std::string::npos)
      return failure.replace(at, named.size(), shortenedPath(named));
  return failure;
}

}  // namespace

void ScreenFlow::endApplication() { QCoreApplication::exit(0); }

ScreenFlow::ScreenFlow(const Platform& platform, EndProgram endProgram)
    : platform_(platform),
      handbook_(record_, platform_),
      endProgram_(std::move(endProgram)),
      as568Path_(shippedAs568Path(QCoreApplication::applicationFilePath().toStdString())),
      rulesPath_(shippedRulesPath(QCoreApplication::applicationFilePath().toStdString())) {}

ScreenFlow::~ScreenFlow() = default;

void ScreenFlow::start() {
  TitleScreen& title = title_.load();
  connect(&title, &TitleScreen::okRequested, this, &ScreenFlow::leaveTitle);
  connect(&title, &MainScreen::exitRequested, this, &ScreenFlow::endProgram);
  bringToFront(title);
}

void ScreenFlow::leaveTitle() {
  SelectionScreen& selection = selection_.load(record_, handbook_, as568Table());
  connect(&selection, &SelectionScreen::accepted, this, &ScreenFlow::openEditor);
  connect(&selection, &SelectionScreen::refused, this, &ScreenFlow::showMessage);
  connect(&selection, &SelectionScreen::openRequested, this, &ScreenFlow::chooseGlandFile);
  connect(&selection, &SelectionScreen::findRequested, this, &ScreenFlow::openFinder);
  connect(&selection, &SelectionScreen::fileDropped, this,
          [this](const QString& path) { openGlandFile(path.toStdString()); });
  connect(&selection, &SelectionScreen::faceSealRequested, this, &ScreenFlow::openFaceDesigner);
  connect(&selection, &MainScreen::exitRequested, this, &ScreenFlow::endProgram);
  present(selection, title_.get());
  title_.unload();
  if (!startFile_.empty()) openGlandFile(std::exchange(startFile_, {}));
}

void ScreenFlow::openEditor(GlandKind kind) {
  selection_.get()->hide();
  GlandEditor& editor = editor_.load(record_, glandSide(kind), platform_);
  editorHandbookDialog_ = {};
  connect(&editor, &GlandEditor::analysed, this, &ScreenFlow::openResultsSheet);
  connect(&editor, &GlandEditor::refused, this, &ScreenFlow::showMessage);
  connect(&editor, &GlandEditor::backRequested, this, &ScreenFlow::backToSelection);
  connect(&editor, &GlandEditor::handbookRequested, this,
          [this] { handbook_.pressOnOtherScreen(editorHandbookDialog_); });
  connect(&editor, &GlandEditor::saveRequested, this, &ScreenFlow::saveGland);
  connect(&editor, &MainScreen::exitRequested, this, &ScreenFlow::endProgram);
  glandReview_.reset();  // a new gland: the review window keeps the inputs it shows
  allowSave();
  present(editor, selection_.get());
}

void ScreenFlow::backToSelection() {
  present(*selection_.get(), editor_.get());
  editor_.unload();
}

void ScreenFlow::openResultsSheet() {
  GlandEditor& editor = *editor_.get();
  editor.hide();
  ResultsSheet& sheet = sheet_.load(record_, editor.side());
  sheetHandbookDialog_ = {};
  connect(&sheet, &ResultsSheet::editRequested, this, &ScreenFlow::backToEditor);
  connect(&sheet, &ResultsSheet::eccentricityHelpRequested, this, &ScreenFlow::openEccentricityInfo);
  connect(&sheet, &ResultsSheet::frictionHelpRequested, this, &ScreenFlow::openFrictionInfo);
  connect(&sheet, &ResultsSheet::printRequested, this, &ScreenFlow::printSheet);
  connect(&sheet, &ResultsSheet::reviewRequested, this, &ScreenFlow::openReview);
  connect(&sheet, &ResultsSheet::handbookRequested, this,
          [this] { handbook_.pressOnOtherScreen(sheetHandbookDialog_); });
  connect(&sheet, &ResultsSheet::saveRequested, this, &ScreenFlow::saveGland);
  connect(&sheet, &MainScreen::exitRequested, this, &ScreenFlow::endProgram);
  allowSave();
  // A review window left open, as the help dialogs are, follows the gland on the new sheet.
  if (ReviewWindow* review = review_.get()) review->showGland(record_, editor.side());
  present(sheet, &editor);
}

void ScreenFlow::backToEditor() {
  present(*editor_.get(), sheet_.get());
  sheet_.unload();
}

void ScreenFlow::present(QWidget& next, const QWidget* previous) {
  if (previous) {
    if (auto* screen = qobject_cast<MainScreen*>(&next)) screen->fitTo(availableClientSize(*previous));
    placeLike(next, *previous);
  }
  bringToFront(next);
}

QWidget* ScreenFlow::currentScreen() const {
  for (QWidget* screen : std::initializer_list<QWidget*>{title_.get(), selection_.get(), editor_.get(), sheet_.get()})
    if (screen && screen->isVisible()) return screen;
  return nullptr;
}

void ScreenFlow::showMessage(bool beep) {
  if (beep) platform_.beeper.beep();
  if (MessageDialog* open = message_.get()) {
    open->showErrorText();
    bringToFront(*open);
    return;
  }
  MessageDialog& dialog = message_.load(record_);
  connect(&dialog, &SystemDialog::dismissed, this, [this] { message_.unload(); });
  placeDialog(dialog, currentScreen(), DialogPlace::ClearOfWindow);
  bringToFront(dialog);
}

void ScreenFlow::openEccentricityInfo() { openInfo(eccentricityInfo_, kEccentricityInfo); }

void ScreenFlow::openFrictionInfo() { openInfo(frictionInfo_, kFrictionInfo); }

void ScreenFlow::openInfo(ScreenSlot<InfoDialog>& slot, const InfoTexts& texts) {
  if (!slot.get()) {
    InfoDialog& dialog = slot.load(texts);
    connect(&dialog, &SystemDialog::dismissed, this, [&slot] { slot.unload(); });
    placeDialog(dialog, currentScreen(), DialogPlace::Centred);
  }
  bringToFront(*slot.get());
}

void ScreenFlow::openReview() {
  const ResultsSheet& sheet = *sheet_.get();
  const As568Load& table = as568Table();
  if (ReviewWindow* open = review_.get()) {
    open->showGland(record_, sheet.side());
  } else {
    // The rules the gland was saved with, else those chosen last, else the program's own.
    const std::string file = glandReview_ && !glandReview_->rulesFile.empty()
                                 ? glandReview_->rulesFile
                                 : ReviewWindow::keptRulesFile(platform_.settings);
    std::optional<ChosenRules> chosen = reviewRules(file);
    if (!chosen) return;
    ReviewWindow& window = review_.load(record_, sheet.side(), table.table ? &*table.table : nullptr,
                                        std::move(chosen->rules), std::move(chosen->file), platform_.settings);
    if (glandReview_) window.setInputs(*glandReview_);
    connect(&window, &ReviewWindow::dismissed, this, [this, &window] {
      if (window.complete()) glandReview_ = window.inputs();
      review_.unload();
      allowSave();
    });
    connect(&window, &ReviewWindow::printRequested, this, [this, &window] {
      printReviewPage(window.page(), window, platform_.printDialog, platform_.messageBoxes);
    });
    connect(&window, &ReviewWindow::completeChanged, this, &ScreenFlow::allowSave);
    connect(&window, &ReviewWindow::saveRequested, this, &ScreenFlow::saveGland);
    connect(&window, &ReviewWindow::exportDrawingRequested, this, &ScreenFlow::exportDrawing);
    connect(&window, &ReviewWindow::rulesRequested, this, &ScreenFlow::chooseRules);
    allowSave();
    placeBeside(window, sheet, buttonColumn(sheet));
  }
  bringToFront(*review_.get());
}

void ScreenFlow::allowSave() {
  const bool allowed = !review_.get() || review_.get()->complete();
  for (QWidget* screen : std::initializer_list<QWidget*>{editor_.get(), sheet_.get(), review_.get()})
    if (screen) enableWindowActions(*screen, QKeySequence::Save, allowed);
}

const As568Load& ScreenFlow::as568Table() {
  if (!as568_) as568_ = As568Table::load(as568Path_);
  return *as568_;
}

const FaceGlandTableLoad& ScreenFlow::faceTable() {
  if (!faceTable_) faceTable_ = FaceGlandTable::load(as568Path_.parent_path() / kFaceTableFile);
  return *faceTable_;
}

void ScreenFlow::openFaceDesigner() { showFaceDesigner(std::nullopt); }

FaceDesigner* ScreenFlow::showFaceDesigner(const std::optional<std::string>& rulesFile) {
  FaceDesigner* designer = face_.get();
  if (!designer) {
    const FaceGlandTableLoad& table = faceTable();
    if (!table.table) {
      platform_.messageBoxes.notify("The face seal designer cannot open.\n\n" + table.error);
      return nullptr;
    }
    std::optional<ChosenRules> chosen = faceRules(rulesFile.value_or(ReviewWindow::keptRulesFile(platform_.settings)));
    if (!chosen) return nullptr;
    const As568Load& as568 = as568Table();
    designer = &face_.load(*table.table, std::move(chosen->rules), std::move(chosen->file),
                           as568.table ? &*as568.table : nullptr, platform_.settings);
    connect(designer, &FaceDesigner::dismissed, this, [this] { face_.unload(); });
    connect(designer, &FaceDesigner::printRequested, this, &ScreenFlow::printFaceSeal);
    connect(designer, &FaceDesigner::saveRequested, this, &ScreenFlow::saveFaceSeal);
    connect(designer, &FaceDesigner::exportDrawingRequested, this, &ScreenFlow::exportFaceDrawing);
    connect(designer, &FaceDesigner::rulesRequested, this, &ScreenFlow::chooseFaceRules);
    if (const QWidget* from = currentScreen()) placeLike(*designer, *from);
  } else if (rulesFile && *rulesFile != designer->rulesFile()) {
    if (std::optional<ChosenRules> chosen = faceRules(*rulesFile))
      designer->setRules(std::move(chosen->rules), std::move(chosen->file));
  }
  bringToFront(*designer);
  return designer;
}

void ScreenFlow::printFaceSeal() {
  FaceDesigner& designer = *face_.get();
  const std::optional<FacePage> page = designer.page();
  if (!page)
    return platform_.messageBoxes.notify("There is no face seal to print yet.\n\n" + designer.result().design.refusal);
  printPage([&page](QPainter& painter, QPagedPaintDevice& device, int resolution) {
    drawFacePage(painter, device, resolution, *page);
  }, designer, platform_.printDialog, platform_.messageBoxes);
}

void ScreenFlow::saveFaceSeal() {
  const FaceInput input = face_.get()->input();
  std::string name = "face-seal";
  if (input.form.sealId.find_first_of("/\\") == std::string::npos) name += "-" + input.form.sealId;
  saveLine("Save face seal", name + kGlandFileSuffix, faceLine(input), "The face seal");
}

const RuleLoad& ScreenFlow::rules() {
  if (!rules_) rules_ = RuleSet::load(rulesPath_);
  return *rules_;
}

std::optional<ScreenFlow::ChosenRules> ScreenFlow::chosenRules(const std::string& file, bool forFaceSeals) {
  const std::string cannot =
      forFaceSeals ? "The design rules cannot serve face seals" : "The design rules could not be read";
  if (!file.empty()) {
    RuleLoad load = forFaceSeals ? faceRuleLoad(file) : RuleSet::load(file);
    if (load.rules) return ChosenRules{std::move(*load.rules), keptRulesName(file)};
    platform_.messageBoxes.notify(cannot + "; the program's own stand in.\n\n" + load.error);
  }
  const RuleLoad& shipped = rules();
  const std::string problem = !shipped.rules ? shipped.error : forFaceSeals ? faceRulesProblem(*shipped.rules) : "";
  if (!problem.empty()) {
    platform_.messageBoxes.notify(cannot + ".\n\n" + problem);
    return std::nullopt;
  }
  return ChosenRules{*shipped.rules, {}};
}

std::string ScreenFlow::keptRulesName(const std::string& file) const {
  std::error_code error;
  return std::filesystem::equivalent(file, rulesPath_, error) ? std::string() : file;
}

void ScreenFlow::chooseRules() {
  ReviewWindow* review = review_.get();
  if (!review) return;
  const std::optional<std::string> chosen = askRulesFile();
  if (!chosen) return;
  RuleLoad load = RuleSet::load(*chosen);
  if (!load.rules)
    return platform_.messageBoxes.notify("The design rules could not be read; the review goes on with " +
                                         review->rules().name() + ".\n\n" + load.error);
  if (FindWindow* find = find_.get()) find->setRules(*load.rules, keptRulesName(*chosen));
  review->setRules(std::move(*load.rules), keptRulesName(*chosen));
}

void ScreenFlow::chooseFaceRules() {
  FaceDesigner* designer = face_.get();
  if (!designer) return;
  const std::optional<std::string> chosen = askRulesFile();
  if (!chosen) return;
  RuleLoad load = faceRuleLoad(*chosen);
  if (!load.rules)
    return platform_.messageBoxes.notify("The design rules cannot serve face seals; the designer goes on with " +
                                         designer->rules().name() + ".\n\n" + load.error);
  if (FindWindow* find = find_.get()) find->setRules(*load.rules, keptRulesName(*chosen));
  designer->setRules(std::move(*load.rules), keptRulesName(*chosen));
}

std::optional<std::string> ScreenFlow::askRulesFile() {
  std::optional<std::string> chosen =
      platform_.fileDialog.openFile("Design rules", kRulesFileFilter, lastFolder(kRulesSection));
  if (chosen) rememberFolder(kRulesSection, *chosen);
  return chosen;
}

void ScreenFlow::printSheet() {
  printReport(sheet_.get()->sheetArea(), platform_.printDialog, platform_.messageBoxes);
}

void ScreenFlow::endProgram() { endProgram_(); }

void ScreenFlow::openFinder() {
  if (!find_.get()) {
    const As568Load& table = as568Table();
    // The rules chosen last, as the review window and the face seal designer open with.
    std::optional<ChosenRules> chosen = reviewRules(ReviewWindow::keptRulesFile(platform_.settings));
    if (!chosen) return;
    const FaceGlandTableLoad& face = faceTable();
    FindWindow& window = find_.load(table.table ? &*table.table : nullptr, std::move(chosen->rules),
                                    std::move(chosen->file), face.table ? &*face.table : nullptr, face.error);
    connect(&window, &FindWindow::openRequested, this, &ScreenFlow::openFoundGland);
    // A face seal opens judged by the rules it was ranked by.
    connect(&window, &FindWindow::openFaceRequested, this, [this, &window](const FaceInput& input) {
      if (FaceDesigner* designer = showFaceDesigner(window.rulesFile())) designer->showInput(input);
    });
    connect(&window, &FindWindow::printRequested, this, [this, &window] {
      if (const std::optional<FindPrint> print = window.page())
        printPage([&](QPainter& painter, QPagedPaintDevice& device, int resolution) {
          std::visit([&](const auto& page) { drawFindPage(painter, device, resolution, page); }, print->page);
        }, window, platform_.printDialog, platform_.messageBoxes);
    });
    window.startFrom(selection_.get()->entries());
    // Tall enough for a dozen rows where the screen allows.
    window.resize(window.sizeHint().expandedTo({0, 560}).boundedTo(availableClientSize(*selection_.get())));
    placeDialog(window, selection_.get(), DialogPlace::ClearOfWindow);
  }
  bringToFront(*find_.get());
}

void ScreenFlow::openFoundGland(const GlandInput& gland) {
  SelectionScreen* selection = selection_.get();
  if (!selection) return;
  if (QWidget* current = currentScreen(); current && current != selection) {
    present(*selection, current);
    sheet_.unload();
    editor_.unload();
  }
  const OkResult entered = selection->replay(gland);
  if (entered.outcome == OkOutcome::Refused) {
    platform_.messageBoxes.notify("The gland could not be opened.\n\nThe selection screen refuses it: " + entered.message);
    return;
  }
  editor_.get()->typeEdits(gland.edits);
}

std::string ScreenFlow::lastFolder(const char* section) {
  return platform_.settings.get(kSettingsApplication, section, kFolderKey, QDir::homePath().toStdString());
}

void ScreenFlow::rememberFolder(const char* section, const std::string& path) {
  platform_.settings.save(kSettingsApplication, section, kFolderKey, std::filesystem::path(path).parent_path().string());
}

void ScreenFlow::saveGland() {
  const GlandEditor* editor = editor_.get();
  if (!editor) return;
  const ReviewWindow* review = review_.get();
  GlandInput input = enteredGland(selection_.get()->entries(), editor->texts());
  input.review = review ? std::optional(review->inputs()) : glandReview_;
  saveLine("Save gland", suggestedName(input), inputLine(input), "The gland");
}

void ScreenFlow::saveLine(const std::string& title, const std::string& name, const std::string& line,
                          const std::string& what) {
  const std::optional<std::string> chosen = platform_.fileDialog.saveFile(
      title, kGlandFileFilter, (std::filesystem::path(lastFolder(kGlandFilesSection)) / name).string());
  if (!chosen) return;
  const std::string path = withGlandFileSuffix(*chosen);
  rememberFolder(kGlandFilesSection, path);
  if (const std::string failure = writeGlandLine(path, line); !failure.empty())
    platform_.messageBoxes.notify(what + " could not be saved.\n\n" + withShortenedPath(failure, path));
}

void ScreenFlow::chooseGlandFile() {
  const std::optional<std::string> chosen =
      platform_.fileDialog.openFile("Open gland", kGlandFileFilter, lastFolder(kGlandFilesSection));
  if (!chosen) return;
  rememberFolder(kGlandFilesSection, *chosen);
  openGlandFile(*chosen);
}

void ScreenFlow::exportDrawing() {
  const ReviewWindow* review = review_.get();
  if (!review) return;
  exportDrawingAs(suggestedStem(review->side().kind, NumberText(review->gland().ID)) + ".svg", review->drawing());
}

void ScreenFlow::exportFaceDrawing() {
  const FaceDesigner* designer = face_.get();
  if (!designer) return;
  const FaceForm& form = designer->input().form;
  std::string name = "face-seal";
  if (form.sealId.find_first_of("/\\") == std::string::npos) name += "-" + form.sealId;
  exportDrawingAs(name + ".svg", designer->drawing());
}

void ScreenFlow::exportDrawingAs(const std::string& name, const drawing::Drawing& drawing) {
  std::optional<std::string> path = platform_.fileDialog.saveFile(
      "Export drawing", kDrawingFilter, (std::filesystem::path(lastFolder(kDrawingsSection)) / name).string());
  if (!path) return;
  const std::string bytes = drawingFileBytes(*path, drawing);
  rememberFolder(kDrawingsSection, *path);
  const std::string failure = bytes.empty() ? "The gland has no section to draw." : replaceFileAt(*path, bytes);
  if (!failure.empty()) platform_.messageBoxes.notify("The drawing could not be exported.\n\n" + failure);
}

void ScreenFlow::openGlandFile(const std::string& path) {
  SelectionScreen* selection = selection_.get();
  if (!selection || !selection->isVisible()) return;
  const auto unopened = [&](const std::string& problem) {
    platform_.messageBoxes.notify("The gland file " + shortenedPath(path) + " could not be opened.\n\n" + problem);
  };
  const GlandFileLine file = readGlandFileLine(path);
  if (!file.problem.empty()) return unopened(file.problem);
  if (const std::optional<ParsedFaceInput> face = parseFaceLine(file.line)) {
    if (!face->problem.empty()) return unopened(unusableGlandLine(face->problem));
    // Judged by the rules it was saved with; one saved without a review by those shown.
    const std::optional<FaceReviewInputs>& review = face->input.review;
    if (FaceDesigner* designer = showFaceDesigner(review ? std::optional(review->rulesFile) : std::nullopt))
      designer->showInput(face->input);
    return;
  }
  ParsedInput read = parseInputLine(file.line);
  if (!read.problem.empty()) return unopened(unusableGlandLine(read.problem));
  const OkResult entered = selection->replay(read.input);
  if (entered.outcome == OkOutcome::Refused) return unopened("The selection screen refuses it: " + entered.message);
  editor_.get()->typeEdits(read.input.edits);
  glandReview_ = read.input.review;
  ReviewWindow* review = review_.get();
  if (!review || !glandReview_) return;
  if (glandReview_->rulesFile != review->rulesFile())
    if (std::optional<ChosenRules> chosen = reviewRules(glandReview_->rulesFile))
      review->setRules(std::move(chosen->rules), std::move(chosen->file));
  review->setInputs(*glandReview_);
}

}  // namespace glandwise
