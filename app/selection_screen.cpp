#include "app/selection_screen.h"

#include <algorithm>
#include <array>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/cross_sections.h"
#include "widgets/controls.h"

namespace glandwise {
namespace {

// Client area and columns, twips.
constexpr int kWidth = 10080;
constexpr int kHeight = 4380;
constexpr int kLeftColumn = 240;
constexpr int kMiddleColumn = 3060;
constexpr int kRightColumn = 7560;
constexpr int kRightWidth = 2280;
constexpr int kHeadingTop = 240;
constexpr int kGroupTop = 600;
constexpr int kRowHeight = 360;

struct GlandTypeOption {
  GlandKind kind;
  const char* name;
  const char* caption;
};
constexpr std::array<GlandTypeOption, 2> kGlandTypeOptions{{
    {.kind = GlandKind::RodGroove, .name = "optRod", .caption = "Groove in Rod"},
    {.kind = GlandKind::HousingGroove, .name = "optHousing", .caption = "Groove in Housing"},
}};

const GlandTypeOption& glandTypeOption(GlandKind kind) {
  return *std::ranges::find(kGlandTypeOptions, kind, &GlandTypeOption::kind);
}

QRadioButton* makeOption(QWidget* group, std::string_view name, std::string_view caption, TwipRect place) {
  auto* option = new QRadioButton(toQString(caption), group);
  option->setObjectName(toQString(name));
  option->setFont(controlFont());
  placeTwips(option, place.left, place.top, place.width, place.height);
  return option;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, TwipRect place) {
  auto* group = new QGroupBox(parent);
  group->setObjectName(QString::fromLatin1(name));
  placeTwips(group, place.left, place.top, place.width, place.height);
  return group;
}

QString text(const std::string& value) { return QString::fromStdString(value); }

// Sets a box's text only when it changes, so that the user's cursor and undo history stay.
void showText(QLineEdit* box, const std::string& value) {
  if (box->text() != text(value)) box->setText(text(value));
}

bool isEnterKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

// Boxes and options leave Return to their window; buttons take it themselves.
void SelectionScreen::keyPressEvent(QKeyEvent* event) {
  if (isEnterKey(event)) pressOk();
  else MainScreen::keyPressEvent(event);
}

// The AS568 box keeps its Return, which enters the size, from the window.
bool SelectionScreen::eventFilter(QObject* watched, QEvent* event) {
  if (watched != as568Box_ || !isEnterKey(event)) return MainScreen::eventFilter(watched, event);
  chooseAs568();
  return true;
}

void SelectionScreen::EntryRow::setEnabled(bool enabled) const {
  caption->setEnabled(enabled);
  box->setEnabled(enabled);
  unit->setEnabled(enabled);
}

SelectionScreen::SelectionScreen(GlandRecord& record, HandbookLauncher& handbook, const As568Load& as568,
                                 QWidget* parent)
    : MainScreen(parent), record_(record), handbook_(handbook), as568_(as568) {
  setObjectName(QStringLiteral("frmFirst"));
  setFixedSize(twips(kWidth), twips(kHeight));

  buildCrossSectionGroup();
  buildGlandTypeGroup();
  constexpr int kFirstRow = 1920;
  constexpr int kRowStep = 540;
  sealInsideDia_ = addEntryRow("lblID", "txtID", "lblIDUnit", QStringLiteral("Enter Seal Inside Dia."),
                               QStringLiteral("Inch"), kFirstRow);
  rodDia_ = addEntryRow("lblPDF", "txtPDF", "lblPDFUnit", QStringLiteral("Enter Rod Dia. "), QStringLiteral("Inch"),
                        kFirstRow + kRowStep);
  housingDia_ = addEntryRow("lblBDM", "txtBDM", "lblBDMUnit", QStringLiteral("Enter Housing Dia."),
                            QStringLiteral("Inch"), kFirstRow + 2 * kRowStep);
  pressure_ = addEntryRow("lblPR", "txtPR", "lblPRUnit", QStringLiteral("Enter Operating Pressure"),
                          QStringLiteral("PSI"), kFirstRow + 3 * kRowStep);
  buildRightColumn();
  buildAs568Box();
  setFocusOrder();
  showEntries();

  handbookPath_->setText(text(handbook.loadStoredPath()));
  sealInsideDia_.box->setFocus();
  giveMnemonics(*this);
  connect(addWindowAction(*this, QStringLiteral("Open gland\u2026"), QKeySequence::Open), &QAction::triggered, this,
          &SelectionScreen::openRequested);
  setAcceptDrops(true);
}

OkResult SelectionScreen::replay(const GlandInput& input) {
  GlandRecord trial = record_;
  SelectionEntries entries;
  OkResult result = enterSelection(trial, entries, input, as568Table());
  if (result.outcome == OkOutcome::GoOn) result = selectionOk(trial, entries);
  if (result.outcome == OkOutcome::Refused) return result;
  entries_ = {};
  enterSelection(record_, entries_, input, as568Table());
  showEntries();
  pressOk();
  return result;
}

namespace {

// The local file that a drag carries, if it carries exactly one.
QString draggedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
  return data->urls().front().toLocalFile();
}

}  // namespace

void SelectionScreen::dragEnterEvent(QDragEnterEvent* event) {
  if (!draggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void SelectionScreen::dropEvent(QDropEvent* event) {
  const QString path = draggedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  emit fileDropped(path);
}

SelectionScreen::EntryRow SelectionScreen::addEntryRow(const char* captionName, const char* boxName,
                                                       const char* unitName, const QString& caption,
                                                       const QString& unit, int top) {
  auto* box = new SelectAllLineEdit(this);
  box->setObjectName(QString::fromLatin1(boxName));
  box->setFont(controlFont());
  placeTwips(box, kMiddleColumn + 2520, top, 1200, kRowHeight);
  return {makeLabel(this, captionName, caption, controlFont(), {kMiddleColumn, top, 2460, kRowHeight}), box,
          makeLabel(this, unitName, unit, controlFont(), {kMiddleColumn + 3810, top, 600, kRowHeight})};
}

void SelectionScreen::buildCrossSectionGroup() {
  makeLabel(this, "lblSelectDia", QStringLiteral("Select Cross-Section Diameter"), timesFont(10, true),
            {kLeftColumn, kHeadingTop, 2580, kRowHeight});
  QGroupBox* group = makeGroup(this, "Frame1", {kLeftColumn, kGroupTop, 2460, 2400});
  for (int index = 0; index < int(kCrossSections.size()); ++index) {
    const CrossSection& option = kCrossSections[index];
    QRadioButton* button =
        makeOption(group, option.optionName, option.caption, {300, 150 + index * 450, 1920, kRowHeight});
    connect(button, &QRadioButton::clicked, this, [this, index] { chooseCrossSection(index); });
  }
  // Under the cross-sections, level with FACE SEAL…: the way from the hardware to a size.
  QPushButton* find = makeButton(this, "cmdFind", QStringLiteral("FIND A SEAL\u2026"),
                                 {kLeftColumn, 3720, 2460, 480}, shellButtonFont());
  connect(find, &QPushButton::clicked, this, [this] {
    readBoxes();
    emit findRequested();
  });
}

void SelectionScreen::buildGlandTypeGroup() {
  makeLabel(this, "lblGlandType", QStringLiteral("Select Gland Type"), timesFont(10, true),
            {kMiddleColumn, kHeadingTop, 3000, kRowHeight});
  QGroupBox* group = makeGroup(this, "Frame2", {kMiddleColumn, kGroupTop, 4200, 1080});
  for (int index = 0; index < int(kGlandTypeOptions.size()); ++index) {
    const GlandTypeOption& option = kGlandTypeOptions[index];
    QRadioButton* button = makeOption(group, option.name, option.caption, {300, 150 + index * 450, 2400, kRowHeight});
    connect(button, &QRadioButton::clicked, this, [this, kind = option.kind] { chooseGlandType(kind); });
  }
}

void SelectionScreen::buildRightColumn() {
  QPushButton* handbook = makeButton(this, "cmdHandbook", QStringLiteral("O-RING HANDBOOK"),
                                     {kRightColumn, kGroupTop, kRightWidth, 480}, shellButtonFont());
  handbookPath_ = new QLineEdit(this);
  handbookPath_->setObjectName(QStringLiteral("Text1"));
  handbookPath_->setFont(timesFont(8, false));
  placeTwips(handbookPath_, kRightColumn, kGroupTop + 540, kRightWidth, 330);
  QPushButton* ok = makeButton(this, "cmdOk", QStringLiteral("OK"), {kRightColumn, 2460, kRightWidth, 480}, shellButtonFont());
  QPushButton* exit = makeButton(this, "cmdExit", QStringLiteral("EXIT"), {kRightColumn, 3090, kRightWidth, 480}, shellButtonFont());

  // Beside the specified screen's controls, under EXIT: the face seal designer.
  QPushButton* face = makeButton(this, "cmdFaceSeal", QStringLiteral("FACE SEAL\u2026"),
                                 {kRightColumn, 3720, kRightWidth, 480}, shellButtonFont());
  connect(face, &QPushButton::clicked, this, &SelectionScreen::faceSealRequested);

  connect(handbook, &QPushButton::clicked, this, &SelectionScreen::pressHandbook);
  connect(ok, &QPushButton::clicked, this, &SelectionScreen::pressOk);
  connect(exit, &QPushButton::clicked, this, &MainScreen::exitRequested);
}

// Under the handbook path box, with the chosen size's dimensions under it, clear of OK.
void SelectionScreen::buildAs568Box() {
  constexpr int kTop = 1590;
  as568Size_ = makeLabel(this, "lblAS568Size", {}, timesFont(8, false), {kRightColumn, kTop + 360, kRightWidth, 330});
  makeLabel(this, "lblAS568", QStringLiteral("AS568 size"), controlFont(), {kRightColumn, kTop, 1080, 330});
  as568Box_ = new SelectAllLineEdit(this);
  as568Box_->setObjectName(QStringLiteral("txtAS568"));
  as568Box_->setFont(controlFont());
  placeTwips(as568Box_, kRightColumn + 1140, kTop, kRightWidth - 1140, 330);
  QStringList dashes;
  if (as568_.table)
    for (const As568Size& size : as568_.table->sizes()) dashes << text(size.dash);
  auto* completer = new QCompleter(dashes, as568Box_);
  as568Box_->setCompleter(completer);
  as568Box_->installEventFilter(this);
  connect(as568Box_, &QLineEdit::editingFinished, this, &SelectionScreen::chooseAs568);
  // A changed text is a size not yet chosen, whatever was chosen before.
  connect(as568Box_, &QLineEdit::textEdited, this, [this] {
    as568Chosen_.clear();
    as568Size_->clear();
  });
  connect(completer, qOverload<const QString&>(&QCompleter::activated), this, &SelectionScreen::chooseAs568);
}

void SelectionScreen::setFocusOrder() {
  QList<QWidget*> order{sealInsideDia_.box, as568Box_, rodDia_.box, housingDia_.box, pressure_.box};
  for (const char* name : {"cmdHandbook", "cmdOk", "cmdExit", "cmdFaceSeal"})
    order.append(findChild<QWidget*>(QString::fromLatin1(name)));
  for (const CrossSection& option : kCrossSections)
    order.append(findChild<QWidget*>(toQString(option.optionName)));
  for (const GlandTypeOption& option : kGlandTypeOptions)
    order.append(findChild<QWidget*>(QString::fromLatin1(option.name)));
  order.append(handbookPath_);
  order.append(findChild<QWidget*>(QStringLiteral("cmdFind")));
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void SelectionScreen::chooseCrossSection(int index) { selectCrossSection(record_, entries_, index); }

void SelectionScreen::chooseGlandType(GlandKind kind) {
  readBoxes();
  selectGlandType(record_, entries_, kind);
  showEntries();
}

void SelectionScreen::pressHandbook() {
  const std::string shown = handbook_.pressOnSelectionScreen(handbookPath_->text().toStdString(), handbookDialog_);
  handbookPath_->setText(text(shown));
}

void SelectionScreen::chooseAs568() {
  const QString typed = as568Box_->text().trimmed();
  if (typed.isEmpty() || typed == as568Chosen_) return;
  as568Chosen_ = typed;
  readBoxes();
  const std::string dash = typed.toStdString();
  const OkResult result = chooseAs568Size(record_, entries_, as568Table(), dash);
  if (result.outcome == OkOutcome::Refused) {
    as568Size_->clear();
    emit refused(result.beep);
    return;
  }
  as568Size_->setText(toQString(as568SizeText(*as568Table()->find(dash))));
  showEntries();
}

void SelectionScreen::pressOk() {
  readBoxes();
  const OkResult result = selectionOk(record_, entries_);
  if (result.outcome == OkOutcome::Refused)
    emit refused(result.beep);
  else
    emit accepted(*entries_.glandType);
}

void SelectionScreen::readBoxes() {
  entries_.sealInsideDia = sealInsideDia_.box->text().toStdString();
  entries_.rodDia = rodDia_.box->text().toStdString();
  entries_.housingDia = housingDia_.box->text().toStdString();
  entries_.pressure = pressure_.box->text().toStdString();
}

// Shows the entries in the options and boxes; each gland type enables the one diameter it needs.
void SelectionScreen::showEntries() {
  if (entries_.crossSection)
    findChild<QRadioButton*>(toQString(kCrossSections[std::size_t(*entries_.crossSection)].optionName))->setChecked(true);
  if (entries_.glandType)
    findChild<QRadioButton*>(QString::fromLatin1(glandTypeOption(*entries_.glandType).name))->setChecked(true);
  showText(sealInsideDia_.box, entries_.sealInsideDia);
  showText(rodDia_.box, entries_.rodDia);
  showText(housingDia_.box, entries_.housingDia);
  showText(pressure_.box, entries_.pressure);
  rodDia_.setEnabled(entries_.glandType == GlandKind::HousingGroove);
  housingDia_.setEnabled(entries_.glandType == GlandKind::RodGroove);
}

}  // namespace glandwise
