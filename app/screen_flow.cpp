#include "app/screen_flow.h"

#include <QCoreApplication>
#include <QDir>

#include <filesystem>
#include <utility>

#include "model/selection.h"
#include "platform/gland_file.h"
#include "platform/window_placement.h"
#include "face/face_input.h"
#include "facedesigner/face_page.h"
#include "results/report.h"

namespace glandwise {
namespace {

// Makes a window visible and puts it in front of the others.
void bringToFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

// Where the gland file dialogs keep their folder.
constexpr const char* kGlandFilesSection = "GlandFiles";
constexpr const char* kFolderKey = "Folder";
constexpr const char* kGlandFileFilter = "Gland files (*.gland.json);;All files (*)";

// The file name proposed for a gland: its kind and seal ID, e.g. "rod-groove-1.75.gland.json".
std::string suggestedName(const GlandInput& input) {
  std::string name = input.glandType == GlandKind::HousingGroove ? "housing-groove" : "rod-groove";
  if (input.sealInsideDia && !input.sealInsideDia->empty() &&
      input.sealInsideDia->find_first_of("/\\") == std::string::npos)
    name += "-" + *input.sealInsideDia;
  return name + kGlandFileSuffix;
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
      as568Path_(shippedAs568Path(QCoreApplication::applicationFilePath().toStdString())) {}

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
    ReviewWindow& window = review_.load(record_, sheet.side(), table.table ? &*table.table : nullptr,
                                        platform_.settings);
    connect(&window, &ReviewWindow::dismissed, this, [this] { review_.unload(); });
    connect(&window, &ReviewWindow::printRequested, this, [this, &window] {
      printReviewPage(window.page(), window, platform_.printDialog, platform_.messageBoxes);
    });
  }
  bringToFront(*review_.get());
}

const As568Load& ScreenFlow::as568Table() {
  if (!as568_) as568_ = As568Table::load(as568Path_);
  return *as568_;
}

const FaceDataLoad& ScreenFlow::faceData() {
  if (!faceData_) faceData_ = loadFaceData(as568Path_.parent_path());
  return *faceData_;
}

void ScreenFlow::openFaceDesigner() {
  if (!face_.get()) {
    const FaceDataLoad& data = faceData();
    if (!data.data) return platform_.messageBoxes.notify("The face seal designer cannot open.\n\n" + data.error);
    const As568Load& table = as568Table();
    FaceDesigner& designer = face_.load(*data.data, table.table ? &*table.table : nullptr, platform_.settings);
    connect(&designer, &FaceDesigner::dismissed, this, [this] { face_.unload(); });
    connect(&designer, &FaceDesigner::printRequested, this, &ScreenFlow::printFaceSeal);
    connect(&designer, &FaceDesigner::saveRequested, this, &ScreenFlow::saveFaceSeal);
    if (const QWidget* from = currentScreen()) placeLike(designer, *from);
  }
  bringToFront(*face_.get());
}

void ScreenFlow::printFaceSeal() {
  FaceDesigner& designer = *face_.get();
  const std::optional<FacePage> page = designer.page();
  if (!page) {
    const std::string& why = designer.result().design.refusal;
    return platform_.messageBoxes.notify("There is no face seal to print yet.\n\n" +
                                         (why.empty() ? std::string("Correct the review's inputs.") : why));
  }
  printPage([&page](QPainter& painter, QPagedPaintDevice& device, int resolution) {
    drawFacePage(painter, device, resolution, *page);
  }, designer, platform_.printDialog, platform_.messageBoxes);
}

void ScreenFlow::saveFaceSeal() {
  const FaceInput input = face_.get()->input();
  std::string name = "face-seal";
  if (input.form.crossSection && input.form.sealId.find_first_of("/\\") == std::string::npos)
    name += "-" + input.form.sealId;
  saveLine("Save face seal", name + kGlandFileSuffix, faceLine(input), "The face seal");
}

void ScreenFlow::printSheet() {
  printReport(sheet_.get()->sheetArea(), platform_.printDialog, platform_.messageBoxes);
}

void ScreenFlow::endProgram() { endProgram_(); }

std::string ScreenFlow::glandFolder() {
  return platform_.settings.get(kSettingsApplication, kGlandFilesSection, kFolderKey, QDir::homePath().toStdString());
}

void ScreenFlow::saveGland() {
  const GlandEditor* editor = editor_.get();
  if (!editor) return;
  GlandInput input = enteredGland(selection_.get()->entries(), editor->texts());
  if (const ReviewWindow* review = review_.get()) input.review = review->inputs();
  saveLine("Save gland", suggestedName(input), inputLine(input), "The gland");
}

void ScreenFlow::saveLine(const std::string& title, const std::string& name, const std::string& line,
                          const std::string& what) {
  const std::optional<std::string> chosen =
      platform_.fileDialog.saveFile(title, kGlandFileFilter, (std::filesystem::path(glandFolder()) / name).string());
  if (!chosen) return;
  const std::string path = withGlandFileSuffix(*chosen);
  platform_.settings.save(kSettingsApplication, kGlandFilesSection, kFolderKey,
                          std::filesystem::path(path).parent_path().string());
  if (const std::string failure = writeGlandLine(path, line); !failure.empty())
    platform_.messageBoxes.notify(what + " could not be saved.\n\n" + withShortenedPath(failure, path));
}

void ScreenFlow::chooseGlandFile() {
  const std::optional<std::string> chosen = platform_.fileDialog.openFile("Open gland", kGlandFileFilter, glandFolder());
  if (!chosen) return;
  platform_.settings.save(kSettingsApplication, kGlandFilesSection, kFolderKey,
                          std::filesystem::path(*chosen).parent_path().string());
  openGlandFile(*chosen);
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
    openFaceDesigner();
    if (FaceDesigner* designer = face_.get()) designer->showInput(face->input);
    return;
  }
  ParsedInput read = parseInputLine(file.line);
  if (!read.problem.empty()) return unopened(unusableGlandLine(read.problem));
  const OkResult entered = selection->replay(read.input);
  if (entered.outcome == OkOutcome::Refused) return unopened("The selection screen refuses it: " + entered.message);
  editor_.get()->typeEdits(read.input.edits);
}

}  // namespace glandwise
