#include "finder/find_window.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "finder/find_columns.h"
#include "finder/tolerance_dialog.h"
#include "results/review_window.h"
#include "widgets/controls.h"
#include "widgets/screen.h"

namespace glandwise {
namespace {

// Alt keys: the tabs H, N and L; on the first tab G, B (or D), E, W, A, U and M; on the
// second W, S and I; the buttons O, T, P and C.

// The boxes of the hardware and the constraints: objectName, caption, by FindBox.
struct BoxShown {
  const char* name;
  const char* caption;
};

constexpr std::array<BoxShown, kFindBoxCount> kBoxes{{
    {"txtHardware", "Housing &bore (inch)"},
    {"txtHardwareTol", "±"},
    {"txtPressure", "Pr&essure (psi)"},
    {"txtLargestGrooveWidth", "Largest groove &width (inch)"},
    {"txtLargestRadialSpace", "Largest radial &space (inch)"},
    {"txtSmallestSealId", "Seal &ID from (inch)"},
    {"txtLargestSealId", "to"},
}};

// The review's boxes, by ReviewBox, named as in the review window; the groove width is each
// candidate's own and has none.
constexpr std::array<BoxShown, kReviewBoxCount> kReviewBoxes{{
    {"txtSealIdTol", "Seal ID tolerance ± (inch)"},
    {"txtTempMin", "Lo&west (°F)"},
    {"txtTempMax", "Highest (°F)"},
    {"txtAlphaSeal", "Seal expansion (per °F)"},
    {"txtAlphaGroove", "Grooved part's expansion (per °F)"},
    {"txtSwell", "Swell (%)"},
    {"txtGrooveRadius", "Groove bottom radius (inch)"},
    {"txtSqueezeMin", "Squeeze limits (%)"},
    {"txtSqueezeMax", "to"},
    {nullptr, nullptr},
    {nullptr, nullptr},
    {"txtAlphaMating", "Mating part's expansion (per °F)"},
}};

constexpr std::array<int, 3> kHardnesses{70, 80, 90};

const QColor kProblemBox(0xff, 0xd6, 0xd6);

QComboBox* makeCombo(const char* name, const QStringList& items) {
  auto* combo = new QComboBox;
  combo->setObjectName(QString::fromLatin1(name));
  combo->addItems(items);
  return combo;
}

// Lists the materials of a kind in the rules, each with its id as its data, and "Custom";
// keeps the one chosen when the rules have it.
void listMaterials(QComboBox& combo, const RuleSet& rules, RuleKind kind) {
  const QVariant chosen = combo.currentData();
  const QSignalBlocker quiet(combo);
  combo.clear();
  for (const Rule* material : rules.materials(kind)) combo.addItem(toQString(material->name), toQString(material->material));
  combo.addItem(QStringLiteral("Custom"), toQString(std::string(kCustomMaterial)));
  combo.setCurrentIndex(std::max(0, combo.findData(chosen)));
}

std::string materialId(const QComboBox* combo) { return combo->currentData().toString().toStdString(); }

// A caption for `buddy`, whose & marks its Alt key.
QLabel* caption(const char* text, QWidget* buddy) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setBuddy(buddy);
  return label;
}

// Tab goes through the inputs of `grid` row by row, as they are read; of two inputs sharing
// a cell only the one shown takes the focus.
void tabInReadingOrder(const QGridLayout& grid) {
  std::vector<std::tuple<int, int, QWidget*>> inputs;
  for (int i = 0; i < grid.count(); ++i) {
    int row = 0, column = 0, rows = 0, columns = 0;
    grid.getItemPosition(i, &row, &column, &rows, &columns);
    if (QWidget* widget = grid.itemAt(i)->widget(); widget && !qobject_cast<QLabel*>(widget))
      inputs.emplace_back(row, column, widget);
  }
  std::ranges::stable_sort(inputs, {}, [](const auto& input) { return std::pair(std::get<0>(input), std::get<1>(input)); });
  for (std::size_t i = 1; i < inputs.size(); ++i) QWidget::setTabOrder(std::get<2>(inputs[i - 1]), std::get<2>(inputs[i]));
}

void markBox(QLineEdit* box, const std::string& problem) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, problem.empty() ? QPalette().color(QPalette::Base) : kProblemBox);
  box->setPalette(palette);
  box->setToolTip(toQString(problem));
}

QString hardwareName(GlandKind glandType) {
  return glandType == GlandKind::RodGroove ? QStringLiteral("housing bore") : QStringLiteral("rod");
}

constexpr int kFaceSealType = 2;  // the gland type combo's face seal entry

// The request in one line, for the printed page.
QString questionText(const FaceFindRequest& r) {
  const FaceSide& side = faceSide(r.from);
  return QStringLiteral("Face Seal, pressure from %1, %2, %3 %4 inch, %5 psi")
      .arg(toQString(side.key), toQString(mediumKey(r.medium)), toQString(side.datumName), toQString(NumberText(r.datum)),
           toQString(NumberText(r.pressure)));
}

QString questionText(const FindRequest& r) {
  QString text = QStringLiteral("%1, %2 %3 inch")
                     .arg(r.glandType == GlandKind::RodGroove ? QStringLiteral("Groove in Rod")
                                                                : QStringLiteral("Groove in Housing"),
                          hardwareName(r.glandType), toQString(r.hardwareDia));
  if (!r.hardwareTolerance.empty()) text += QStringLiteral(" ±%1").arg(toQString(r.hardwareTolerance));
  return text + QStringLiteral(", %1 psi").arg(toQString(r.pressure));
}

}  // namespace

FindWindow::FindWindow(const As568Table* table, RuleSet rules, std::string rulesFile, const FaceGlandTable* faceTable,
                       std::string faceTableProblem)
    : QWidget(nullptr, Qt::Window),
      rules_(std::make_shared<const RuleSet>(std::move(rules))),
      rulesFile_(std::move(rulesFile)),
      faceTable_(faceTable),
      faceTableProblem_(std::move(faceTableProblem)),
      shown_(std::make_shared<const Ranking>()) {
  if (table) table_ = *table;
  setObjectName(QStringLiteral("frmFind"));
  setWindowTitle(QStringLiteral("%1 - Find a Seal").arg(QString::fromUtf8(kWindowCaption)));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildInputs());
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setWordWrap(true);
  layout->addWidget(status_);
  layout->addWidget(buildTable(), 1);
  why_ = new QLabel;
  why_->setObjectName(QStringLiteral("lblWhy"));
  why_->setWordWrap(true);
  why_->setTextFormat(Qt::PlainText);
  layout->addWidget(why_);
  layout->addLayout(buildButtons());
  giveMnemonics(*this);
  glandTypeChosen();
  boxes_[std::size_t(FindBox::Hardware)]->setFocus();
}

FindWindow::~FindWindow() = default;  // the worker finishes its ranking first

QWidget* FindWindow::buildInputs() {
  tabs_ = new QTabWidget;
  tabs_->setObjectName(QStringLiteral("tabInputs"));
  tabs_->addTab(buildHardware(), QStringLiteral("&Hardware and service"));
  tabs_->addTab(buildConstraints(), QStringLiteral("Co&nstraints"));
  tabs_->addTab(buildReviewLimits(), QStringLiteral("Review &limits"));
  return tabs_;
}

QLineEdit* FindWindow::addBox(const char* name, const QString& text) {
  auto* box = new SelectAllLineEdit(text);
  box->setObjectName(QString::fromLatin1(name));
  connect(box, &QLineEdit::textChanged, this, &FindWindow::inputsChanged);
  // Return leaves the inputs for the ranking, where Return opens the chosen row.
  connect(box, &QLineEdit::returnPressed, this, [this] {
    rows_->setFocus();
    if (rows_->currentRow() < 0 && rows_->rowCount() > 0) rows_->selectRow(0);
  });
  return box;
}

QWidget* FindWindow::buildHardware() {
  const FindForm defaults;
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  // Three captioned inputs a row, so that the window fits a small screen.
  const auto putAt = [&](int slot, QLabel* label, QWidget* input) {
    grid->addWidget(label, slot / 3, slot % 3 * 2);
    grid->addWidget(input, slot / 3, slot % 3 * 2 + 1);
  };
  int placed = 0;
  const auto place = [&](QLabel* label, QWidget* input) { putAt(placed++, label, input); };
  // A face seal's own questions share the cells of the radial ones it does not ask.
  const auto share = [&](int slot, QLabel* label, QWidget* input) {
    putAt(slot, label, input);
    faceOnly_.insert(faceOnly_.end(), {label, input});
  };
  glandType_ = makeCombo("cboGlandType", {QStringLiteral("Groove in Rod"), QStringLiteral("Groove in Housing"),
                                          QStringLiteral("Face Seal")});
  for (std::size_t i = 0; i <= std::size_t(FindBox::Pressure); ++i)
    boxes_[i] = addBox(kBoxes[i].name, toQString(defaults.texts[i]));
  boxes_[std::size_t(FindBox::HardwareTolerance)]->setPlaceholderText(QStringLiteral("standard"));
  hardwareCaption_ = caption(kBoxes[0].caption, boxes_[0]);
  place(caption("&Gland type", glandType_), glandType_);
  place(hardwareCaption_, boxes_[0]);
  QLabel* toleranceCaption = caption(kBoxes[1].caption, boxes_[1]);
  place(toleranceCaption, boxes_[1]);
  radialOnly_.insert(radialOnly_.end(), {toleranceCaption, boxes_[1]});
  place(caption(kBoxes[2].caption, boxes_[2]), boxes_[2]);
  connect(glandType_, &QComboBox::currentIndexChanged, this, &FindWindow::glandTypeChosen);
  QStringList directions;
  for (const PressureFrom from : {PressureFrom::Inside, PressureFrom::Outside}) directions << toQString(faceSide(from).caption);
  pressureFrom_ = makeCombo("cboPressureFrom", directions);
  medium_ = makeCombo("cboMedium", {QStringLiteral("Liquid"), QStringLiteral("Gas or vacuum")});  // by FaceMedium
  for (QComboBox* combo : {pressureFrom_, medium_}) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
  }
  share(2, caption("Pressure &from", pressureFrom_), pressureFrom_);
  connect(pressureFrom_, &QComboBox::currentIndexChanged, this, &FindWindow::glandTypeChosen);  // the datum's caption
  connect(medium_, &QComboBox::currentIndexChanged, this, &FindWindow::inputsChanged);
  for (const ReviewBox box : {ReviewBox::TempMin, ReviewBox::TempMax, ReviewBox::Swell}) {
    const std::size_t i = std::size_t(box);
    reviewBoxes_[i] = addBox(kReviewBoxes[i].name, toQString(defaults.review.texts[i]));
    reviewBoxes_[i]->setPlaceholderText(QStringLiteral("not evaluated"));
    place(caption(kReviewBoxes[i].caption, reviewBoxes_[i]), reviewBoxes_[i]);
  }

  QStringList hardnesses;
  for (int hardness : kHardnesses) hardnesses << QString::number(hardness);
  hardness_ = makeCombo("cboHardness", hardnesses);
  compound_ = makeCombo("cboCompound", {});
  metalGroove_ = makeCombo("cboMetalGroove", {});
  metalMating_ = makeCombo("cboMetalMating", {});
  fillMaterials();
  const std::pair<const char*, QComboBox*> combos[] = {{"Hardness (Shore &A)", hardness_},
                                                       {"Compo&und", compound_},
                                                       {"&Metal, grooved part", metalGroove_},
                                                       {"mating part", metalMating_}};
  for (const auto& [text, combo] : combos) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    QLabel* label = caption(text, combo);
    place(label, combo);
    connect(combo, &QComboBox::currentIndexChanged, this, &FindWindow::inputsChanged);
    if (combo == metalMating_) radialOnly_.insert(radialOnly_.end(), {label, combo});
  }
  flangeGap_ = addBox("txtFlangeGap", toQString(FaceReviewForm().texts[std::size_t(FaceReviewBox::FlangeGap)]));
  share(10, caption("Flange gap (inch)", flangeGap_), flangeGap_);
  share(11, caption("Med&ium", medium_), medium_);
  tabInReadingOrder(*grid);
  return page;
}

QWidget* FindWindow::buildConstraints() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  auto* sections = new QHBoxLayout;
  sections->addWidget(new QLabel(QStringLiteral("Cross-sections:")));
  for (std::size_t i = 0; i < kCrossSections.size(); ++i) {
    crossSections_[i] = new QCheckBox(toQString(kCrossSections[i].text));
    crossSections_[i]->setObjectName(QStringLiteral("chk") + toQString(kCrossSections[i].optionName).mid(3));
    crossSections_[i]->setChecked(true);
    connect(crossSections_[i], &QCheckBox::toggled, this, &FindWindow::inputsChanged);
    sections->addWidget(crossSections_[i]);
  }
  sections->addStretch(1);
  grid->addLayout(sections, 0, 0, 1, 4);
  for (std::size_t i = std::size_t(FindBox::LargestGrooveWidth); i < kFindBoxCount; ++i) {
    boxes_[i] = addBox(kBoxes[i].name, {});
    boxes_[i]->setPlaceholderText(QStringLiteral("any"));
    const int place = int(i - std::size_t(FindBox::LargestGrooveWidth));
    QLabel* label = caption(kBoxes[i].caption, boxes_[i]);
    grid->addWidget(label, 1 + place / 2, (place % 2) * 2);
    grid->addWidget(boxes_[i], 1 + place / 2, (place % 2) * 2 + 1);
    if (FindBox(i) != FindBox::LargestGrooveWidth) radialEnabled_.insert(radialEnabled_.end(), {label, boxes_[i]});
  }
  return page;
}

QWidget* FindWindow::buildReviewLimits() {
  const ReviewForm defaults;
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  int place = 0;
  for (const ReviewBox box : {ReviewBox::SealIdTolerance, ReviewBox::GrooveRadius, ReviewBox::AlphaSeal,
                              ReviewBox::AlphaGroove, ReviewBox::AlphaMating, ReviewBox::SqueezeMin,
                              ReviewBox::SqueezeMax}) {
    const std::size_t i = std::size_t(box);
    reviewBoxes_[i] = addBox(kReviewBoxes[i].name, toQString(defaults.texts[i]));
    grid->addWidget(caption(kReviewBoxes[i].caption, reviewBoxes_[i]), place / 2, (place % 2) * 2);
    grid->addWidget(reviewBoxes_[i], place / 2, (place % 2) * 2 + 1);
    ++place;
  }
  reviewBoxes_[std::size_t(ReviewBox::SealIdTolerance)]->setPlaceholderText(QStringLiteral("the AS568 size's"));
  reviewBoxes_[std::size_t(ReviewBox::SqueezeMin)]->setPlaceholderText(QStringLiteral("the rules'"));
  reviewBoxes_[std::size_t(ReviewBox::SqueezeMax)]->setPlaceholderText(QStringLiteral("the rules'"));
  return page;
}

QWidget* FindWindow::buildTable() {
  rows_ = new QTableWidget;
  rows_->setObjectName(QStringLiteral("tblCandidates"));
  rows_->verticalHeader()->hide();
  rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
  rows_->setSelectionMode(QAbstractItemView::SingleSelection);
  rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows_->setTabKeyNavigation(false);
  rows_->setWordWrap(false);  // one line a row: a long figure is elided, whole in the line below
  rows_->verticalHeader()->setDefaultSectionSize(rows_->fontMetrics().height() + 6);
  connect(rows_, &QTableWidget::activated, this, &FindWindow::openChosen);
  auto* copy = new QAction(QStringLiteral("Copy table"), rows_);
  copy->setObjectName(QStringLiteral("actCopy"));
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  rows_->addAction(copy);
  rows_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copy, &QAction::triggered, this,
          [this] {
            QGuiApplication::clipboard()->setText(shown_->face.candidates.empty() ? copiedTable(shown_->radial)
                                                                                  : copiedTable(shown_->face));
          });
  connect(rows_, &QTableWidget::itemSelectionChanged, this, &FindWindow::showChosen);
  return rows_;
}

QLayout* FindWindow::buildButtons() {
  auto* buttons = new QHBoxLayout;
  const auto add = [&](const char* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);  // Return presses the focused button
    buttons->addWidget(button);
    return button;
  };
  connect(add("cmdOpen", QStringLiteral("&OPEN")), &QPushButton::clicked, this, &FindWindow::openChosen);
  QPushButton* tolerances = add("cmdTolerances", QStringLiteral("&TOLERANCES…"));
  connect(tolerances, &QPushButton::clicked, this, &FindWindow::allocateChosen);
  radialEnabled_.push_back(tolerances);
  buttons->addStretch(1);
  connect(add("cmdPrint", QStringLiteral("PRINT")), &QPushButton::clicked, this, &FindWindow::printRequested);
  connect(add("cmdClose", QStringLiteral("CLOSE")), &QPushButton::clicked, this, &QWidget::close);
  return buttons;
}

void FindWindow::startFrom(const SelectionEntries& entries) {
  const bool housing = entries.glandType == GlandKind::HousingGroove;
  glandType_->setCurrentIndex(housing ? 1 : 0);
  const std::string& diameter = housing ? entries.rodDia : entries.housingDia;
  if (entries.glandType && parseNumber(diameter).value > 0) boxes_[std::size_t(FindBox::Hardware)]->setText(toQString(diameter));
  if (entries.pressure != SelectionEntries().pressure)
    boxes_[std::size_t(FindBox::Pressure)]->setText(toQString(entries.pressure));
}

bool FindWindow::lookingForFace() const { return glandType_->currentIndex() == kFaceSealType; }

std::string FindWindow::faceProblem() const { return faceTable_ ? faceRulesProblem(*rules_) : faceTableProblem_; }

void FindWindow::fillMaterials() {
  listMaterials(*compound_, *rules_, RuleKind::Compound);
  listMaterials(*metalGroove_, *rules_, RuleKind::Metal);
  listMaterials(*metalMating_, *rules_, RuleKind::Metal);
}

void FindWindow::setRules(RuleSet rules, std::string rulesFile) {
  rules_ = std::make_shared<const RuleSet>(std::move(rules));
  rulesFile_ = std::move(rulesFile);
  fillMaterials();
  inputsChanged();
}

void FindWindow::glandTypeChosen() {
  const bool face = lookingForFace();
  for (QWidget* widget : radialOnly_) widget->setVisible(!face);
  for (QWidget* widget : faceOnly_) widget->setVisible(face);
  for (QWidget* widget : radialEnabled_) widget->setEnabled(!face);
  tabs_->setTabEnabled(2, !face);  // the radial review's limits
  const PressureFrom from = PressureFrom(pressureFrom_->currentIndex());
  const QString captions[] = {QStringLiteral("Housing &bore (inch)"), QStringLiteral("Rod &diameter (inch)"),
                              from == PressureFrom::Inside ? QStringLiteral("Groove O&D (inch)")
                                                           : QStringLiteral("Groove I&D (inch)")};
  hardwareCaption_->setText(captions[std::max(0, glandType_->currentIndex())]);
  inputsChanged();
}

std::array<QLineEdit*, kFaceReviewBoxCount> FindWindow::faceReviewBoxes() const {
  return {reviewBoxes_[std::size_t(ReviewBox::TempMin)], reviewBoxes_[std::size_t(ReviewBox::TempMax)],
          reviewBoxes_[std::size_t(ReviewBox::Swell)], flangeGap_};
}

FaceFindChoices FindWindow::faceChoices() const {
  FaceFindChoices choices;
  choices.from = PressureFrom(std::max(0, pressureFrom_->currentIndex()));
  choices.medium = FaceMedium(std::max(0, medium_->currentIndex()));
  choices.review.hardness = kHardnesses[std::size_t(std::max(0, hardness_->currentIndex()))];
  choices.review.compound = materialId(compound_);
  choices.review.metal = materialId(metalGroove_);
  for (std::size_t i = 0; i < kFaceReviewBoxCount; ++i) choices.review.texts[i] = faceReviewBoxes()[i]->text().toStdString();
  return choices;
}

FindForm FindWindow::form() const {
  FindForm form;
  form.glandType = glandType_->currentIndex() == 1 ? GlandKind::HousingGroove : GlandKind::RodGroove;
  for (std::size_t i = 0; i < kFindBoxCount; ++i) form.texts[i] = boxes_[i]->text().toStdString();
  for (std::size_t i = 0; i < kCrossSections.size(); ++i) form.crossSections[i] = crossSections_[i]->isChecked();
  form.review.hardness = kHardnesses[std::size_t(std::max(0, hardness_->currentIndex()))];
  form.review.compound = materialId(compound_);
  form.review.metalGroove = materialId(metalGroove_);
  form.review.metalMating = materialId(metalMating_);
  for (std::size_t i = 0; i < kReviewBoxCount; ++i)
    if (reviewBoxes_[i]) form.review.texts[i] = reviewBoxes_[i]->text().toStdString();
  return form;
}

void FindWindow::inputsChanged() {
  if (!rows_ || !flangeGap_) return;  // still being built
  // A coefficient box counts only for a custom material.
  for (const auto& [box, combo] : {std::pair{ReviewBox::AlphaSeal, compound_}, {ReviewBox::AlphaGroove, metalGroove_},
                                   {ReviewBox::AlphaMating, metalMating_}})
    reviewBoxes_[std::size_t(box)]->setEnabled(materialId(combo) == kCustomMaterial);
  ++generation_;  // a ranking still being made is of inputs no longer on view
  waiting_ = readInputs();
  if (!waiting_ || !table_) {
    waiting_.reset();
    showRanking(std::make_shared<const Ranking>());
    return;
  }
  status_->setText(QStringLiteral("Ranking…"));
  if (!busy_) rankNext();
}

std::optional<FindWindow::Request> FindWindow::readInputs() {
  QString first;
  const auto mark = [&](QLineEdit* box, const std::string& problem) {
    const QString said = markProblem(box, problem);
    if (first.isEmpty()) first = said;
  };
  std::optional<Request> request;
  if (lookingForFace()) {
    const FaceFindFormRead read = readFaceFindForm(form(), faceChoices(), *rules_);
    for (std::size_t i = 0; i < kFindBoxCount; ++i) mark(boxes_[i], read.problems[i]);
    for (QLineEdit* box : reviewBoxes_)
      if (box) markProblem(box, {});
    for (std::size_t i = 0; i < kFaceReviewBoxCount; ++i) mark(faceReviewBoxes()[i], read.review.problems[i]);
    if (first.isEmpty() && !read.inputsProblem.empty()) first = toQString(read.inputsProblem);
    const std::string unavailable = faceProblem();
    if (!unavailable.empty()) first = QStringLiteral("Face seals cannot be found: %1").arg(toQString(unavailable));
    else if (read.request) request = *read.request;
  } else {
    const FindFormRead read = readFindForm(form());
    for (std::size_t i = 0; i < kFindBoxCount; ++i) mark(boxes_[i], read.problems[i]);
    for (std::size_t i = 0; i < kReviewBoxCount; ++i)
      if (reviewBoxes_[i]) mark(reviewBoxes_[i], read.review.problems[i]);
    markProblem(flangeGap_, {});
    if (read.request) request = *read.request;
  }
  if (!table_) first = QStringLiteral("The AS568 size table is not available.");
  if (!first.isEmpty()) status_->setText(first);
  return request;
}

QString FindWindow::markProblem(QLineEdit* box, const std::string& problem) {
  const QLabel* label = nullptr;
  for (const QLabel* candidate : findChildren<QLabel*>())
    if (candidate->buddy() == box) label = candidate;
  QString name = label ? label->text().remove(QLatin1Char('&')) : box->objectName().mid(3);
  // An empty box that must be filled is a question still to answer, not a mistake.
  if (!problem.empty() && box->text().isEmpty()) {
    markBox(box, {});
    return QStringLiteral("Type the %1 to rank the sizes.").arg(name.replace(0, 1, name.at(0).toLower()));
  }
  markBox(box, problem);
  return problem.empty() ? QString() : QStringLiteral("%1: %2").arg(name, toQString(problem));
}

void FindWindow::rankNext() {
  busy_ = true;
  const Request request = *std::exchange(waiting_, std::nullopt);
  const std::uint64_t generation = generation_;
  if (worker_.joinable()) worker_.join();
  worker_ = std::jthread([this, request, generation, rules = rules_] {
    auto ranking = std::make_shared<Ranking>();
    ranking->rulesName = rules->name();
    if (const auto* radial = std::get_if<FindRequest>(&request)) {
      ranking->radial = findSeals(*radial, *table_, *rules, {.threads = 2});
      ranking->question = questionText(*radial);
    } else {
      const auto& face = std::get<FaceFindRequest>(request);
      ranking->face = findFaceSeals(face, FaceData{*faceTable_, *rules}, *table_);
      ranking->question = questionText(face);
    }
    QMetaObject::invokeMethod(
        this, [this, ranking, generation] { rankingMade(ranking, generation); }, Qt::QueuedConnection);
  });
}

void FindWindow::rankingMade(std::shared_ptr<const Ranking> ranking, std::uint64_t generation) {
  busy_ = false;
  if (waiting_) return rankNext();  // the inputs changed meanwhile: their ranking replaces this one
  if (generation == generation_) showRanking(std::move(ranking));
}

template <class C>
void FindWindow::showRows(const std::vector<C>& candidates) {
  const std::vector<Column<C>>& columns = columnsOf<C>();
  QStringList headings;
  for (const Column<C>& column : columns) headings << QString::fromLatin1(column.heading);
  rows_->setColumnCount(int(columns.size()));
  rows_->setHorizontalHeaderLabels(headings);
  for (int c = 0; c < int(columns.size()); ++c)
    rows_->horizontalHeader()->setSectionResizeMode(
        c, c + 2 == int(columns.size()) ? QHeaderView::Stretch : QHeaderView::ResizeToContents);  // "Limited by"
  rows_->setRowCount(int(candidates.size()));
  QFont bold = rows_->font();
  bold.setBold(true);
  for (std::size_t r = 0; r < candidates.size(); ++r) {
    const C& candidate = candidates[r];
    for (std::size_t c = 0; c < columns.size(); ++c) {
      auto* item = new QTableWidgetItem(columns[c].text(candidate));
      item->setToolTip(toQString(candidate.judgement.why));
      if (isVerdictColumn<C>(c)) {
        const VerdictLook look = verdictLook(candidate.judgement.verdict);
        item->setBackground(look.background);
        item->setForeground(look.text);
        item->setFont(bold);
        item->setTextAlignment(Qt::AlignCenter);
      }
      rows_->setItem(int(r), int(c), item);
    }
  }
}

void FindWindow::showRanking(std::shared_ptr<const Ranking> ranking) {
  shown_ = std::move(ranking);
  const bool face = !shown_->face.candidates.empty() || (shown_->radial.candidates.empty() && lookingForFace());
  if (face) showRows(shown_->face.candidates);
  else showRows(shown_->radial.candidates);
  const std::size_t count = shown_->radial.candidates.size() + shown_->face.candidates.size();
  const std::string& reason = face ? shown_->face.reason : shown_->radial.reason;
  if (count > 0) {
    rows_->selectRow(0);
    status_->setText(QStringLiteral("%1 sizes ranked, best first, by the design rules %2.")
                         .arg(count)
                         .arg(toQString(shown_->rulesName)));
  } else if (!reason.empty()) {
    status_->setText(toQString(reason));
  }
  showChosen();
  emit rankingShown();
}

std::optional<std::size_t> FindWindow::chosenRow() const {
  const int row = rows_->currentRow();
  if (row < 0 || std::size_t(row) >= shown_->radial.candidates.size() + shown_->face.candidates.size())
    return std::nullopt;
  return std::size_t(row);
}

void FindWindow::showChosen() {
  const std::optional<std::size_t> row = chosenRow();
  if (!row) return why_->clear();
  if (!shown_->face.candidates.empty()) {
    const FaceCandidate& candidate = shown_->face.candidates[*row];
    return why_->setText(
        QStringLiteral("-%1: %2").arg(toQString(candidate.size->dash), toQString(candidate.judgement.why)));
  }
  const Candidate& candidate = shown_->radial.candidates[*row];
  QString text = QStringLiteral("-%1: %2").arg(toQString(candidate.size->dash), toQString(candidate.judgement.why));
  if (!candidate.cautions.empty())
    text += QStringLiteral(". The editor will ask: %1").arg(toQString(candidate.cautions.front()));
  why_->setText(text);
}

void FindWindow::openChosen() {
  const std::optional<std::size_t> row = chosenRow();
  if (!row) return;
  if (!shown_->face.candidates.empty()) emit openFaceRequested(shown_->face.candidates[*row].result.input);
  else emit openRequested(shown_->radial.candidates[*row].input);
}

void FindWindow::allocateChosen() {
  const std::optional<std::size_t> row = chosenRow();
  if (!row || shown_->radial.candidates.empty()) return;
  const Candidate& candidate = shown_->radial.candidates[*row];
  auto* dialog = new ToleranceDialog(candidate.input,
                                     glandIdentity(candidate.record, glandSide(*candidate.input.glandType), candidate.review),
                                     &*table_, *rules_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QObject::destroyed, this, [rules = rules_] {});  // the rules it allocates by live as long
  connect(dialog, &QDialog::accepted, this, [this, dialog] {
    if (const std::optional<GlandInput> gland = dialog->chosenGland()) emit openRequested(*gland);
  });
  dialog->show();
}

std::optional<FindPrint> FindWindow::page() {
  const std::size_t chosen = chosenRow().value_or(0);
  if (!shown_->face.candidates.empty()) {
    const FaceResult& face = shown_->face.candidates[chosen].result;
    return FindPrint{shown_, FaceFindPage{shown_->question, shown_->face, chosen,
                                          {*face.design.gland, *face.analysis, &*face.review, &*face.reviewInputs,
                                           todayText()}}};
  }
  if (shown_->radial.candidates.empty()) return std::nullopt;
  const Candidate& candidate = shown_->radial.candidates[chosen];
  const GlandSide& side = glandSide(*candidate.input.glandType);
  const ReviewInputs& inputs = *candidate.input.review;
  printedReview_ = reviewForFinding(candidate.record, side, inputs, *rules_, &*table_, false);
  return FindPrint{shown_, FindPage{shown_->question, shown_->radial, chosen,
                                    {candidate.record, side, printedReview_, inputs, todayText()}}};
}

void FindWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(event);
}

}  // namespace glandwise
