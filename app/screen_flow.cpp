#include "app/screen_flow.h"

#include <QCoreApplication>

#include "results/report.h"

namespace glandwise {
namespace {

// Makes a window visible and puts it in front of the others.
void bringToFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
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
  title_.unload();
  SelectionScreen& selection = selection_.load(record_, handbook_, as568Table());
  connect(&selection, &SelectionScreen::accepted, this, &ScreenFlow::openEditor);
  connect(&selection, &SelectionScreen::refused, this, &ScreenFlow::showMessage);
  connect(&selection, &MainScreen::exitRequested, this, &ScreenFlow::endProgram);
  bringToFront(selection);
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
  connect(&editor, &MainScreen::exitRequested, this, &ScreenFlow::endProgram);
  bringToFront(editor);
}

void ScreenFlow::backToSelection() {
  editor_.unload();
  bringToFront(*selection_.get());
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
  connect(&sheet, &MainScreen::exitRequested, this, &ScreenFlow::endProgram);
  // A review window left open, as the help dialogs are, follows the gland on the new sheet.
  if (ReviewWindow* review = review_.get()) review->showGland(record_, editor.side());
  bringToFront(sheet);
}

void ScreenFlow::backToEditor() {
  sheet_.unload();
  bringToFront(*editor_.get());
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
  bringToFront(dialog);
}

void ScreenFlow::openEccentricityInfo() { openInfo(eccentricityInfo_, kEccentricityInfo); }

void ScreenFlow::openFrictionInfo() { openInfo(frictionInfo_, kFrictionInfo); }

void ScreenFlow::openInfo(ScreenSlot<InfoDialog>& slot, const InfoTexts& texts) {
  if (!slot.get()) {
    InfoDialog& dialog = slot.load(texts);
    connect(&dialog, &SystemDialog::dismissed, this, [&slot] { slot.unload(); });
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

void ScreenFlow::printSheet() { printReport(*sheet_.get(), platform_.printDialog, platform_.messageBoxes); }

void ScreenFlow::endProgram() { endProgram_(); }

}  // namespace glandwise
