#include "finder/find_window.h"

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

// The materials of a kind in the rules, each with its id as its data, and "Custom".
QComboBox* materialCombo(const char* name, const RuleSet& rules, RuleKind kind) {
  auto* combo = makeCombo(name, {});
  for (const Rule* material : rules.materials(kind)) combo->addItem(toQString(material->name), toQString(material->material));
  combo->addItem(QStringLiteral("Custom"), toQString(std::string(kCustomMaterial)));
  return combo;
}

std::string materialId(const QComboBox* combo) { return combo->currentData().toString().toStdString(); }

// A caption for `buddy`, whose & marks its Alt key.
QLabel* caption(const char* text, QWidget* buddy) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setBuddy(buddy);
  return label;
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

// The request in one line, for the printed page.
QString questionText(const FindRequest& r) {
  QString text = QStringLiteral("%1, %2 %3 inch")
                     .arg(r.glandType == GlandKind::RodGroove ? QStringLiteral("Groove in Rod")
                                                                : QStringLiteral("Groove in Housing"),
                          hardwareName(r.glandType), toQString(r.hardwareDia));
  if (!r.hardwareTolerance.empty()) text += QStringLiteral(" ±%1").arg(toQString(r.hardwareTolerance));
  return text + QStringLiteral(", %1 psi").arg(toQString(r.pressure));
}

}  // namespace

FindWindow::FindWindow(const As568Table* table, const RuleSet& rules)
    : QWidget(nullptr, Qt::Window), rules_(rules), shown_(std::make_shared<const FindResult>()) {
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
  inputsChanged();
  boxes_[std::size_t(FindBox::Hardware)]->setFocus();
}

FindWindow::~FindWindow() = default;  // the worker finishes its ranking first

QWidget* FindWindow::buildInputs() {
  auto* tabs = new QTabWidget;
  tabs->setObjectName(QStringLiteral("tabInputs"));
  tabs->addTab(buildHardware(), QStringLiteral("&Hardware and service"));
  tabs->addTab(buildConstraints(), QStringLiteral("Co&nstraints"));
  tabs->addTab(buildReviewLimits(), QStringLiteral("Review &limits"));
  return tabs;
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
  int placed = 0;
  const auto place = [&](QLabel* label, QWidget* input) {
    grid->addWidget(label, placed / 3, placed % 3 * 2);
    grid->addWidget(input, placed / 3, placed % 3 * 2 + 1);
    ++placed;
  };
  glandType_ = makeCombo("cboGlandType", {QStringLiteral("Groove in Rod"), QStringLiteral("Groove in Housing")});
  for (std::size_t i = 0; i <= std::size_t(FindBox::Pressure); ++i)
    boxes_[i] = addBox(kBoxes[i].name, toQString(defaults.texts[i]));
  boxes_[std::size_t(FindBox::HardwareTolerance)]->setPlaceholderText(QStringLiteral("standard"));
  hardwareCaption_ = caption(kBoxes[0].caption, boxes_[0]);
  place(caption("&Gland type", glandType_), glandType_);
  place(hardwareCaption_, boxes_[0]);
  place(caption(kBoxes[1].caption, boxes_[1]), boxes_[1]);
  place(caption(kBoxes[2].caption, boxes_[2]), boxes_[2]);
  connect(glandType_, &QComboBox::currentIndexChanged, this, [this](int index) {
    hardwareCaption_->setText(index == 0 ? QStringLiteral("Housing &bore (inch)") : QStringLiteral("Rod &diameter (inch)"));
    inputsChanged();
  });
  for (const ReviewBox box : {ReviewBox::TempMin, ReviewBox::TempMax, ReviewBox::Swell}) {
    const std::size_t i = std::size_t(box);
    reviewBoxes_[i] = addBox(kReviewBoxes[i].name, toQString(defaults.review.texts[i]));
    reviewBoxes_[i]->setPlaceholderText(QStringLiteral("not evaluated"));
    place(caption(kReviewBoxes[i].caption, reviewBoxes_[i]), reviewBoxes_[i]);
  }

  QStringList hardnesses;
  for (int hardness : kHardnesses) hardnesses << QString::number(hardness);
  hardness_ = makeCombo("cboHardness", hardnesses);
  compound_ = materialCombo("cboCompound", rules_, RuleKind::Compound);
  metalGroove_ = materialCombo("cboMetalGroove", rules_, RuleKind::Metal);
  metalMating_ = materialCombo("cboMetalMating", rules_, RuleKind::Metal);
  const std::pair<const char*, QComboBox*> combos[] = {{"Hardness (Shore &A)", hardness_},
                                                       {"Compo&und", compound_},
                                                       {"&Metal, grooved part", metalGroove_},
                                                       {"mating part", metalMating_}};
  for (const auto& [text, combo] : combos) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    place(caption(text, combo), combo);
    connect(combo, &QComboBox::currentIndexChanged, this, &FindWindow::inputsChanged);
  }
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
    grid->addWidget(caption(kBoxes[i].caption, boxes_[i]), 1 + place / 2, (place % 2) * 2);
    grid->addWidget(boxes_[i], 1 + place / 2, (place % 2) * 2 + 1);
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
  rows_ = new QTableWidget(0, int(findColumns().size()));
  rows_->setObjectName(QStringLiteral("tblCandidates"));
  QStringList headings;
  for (const FindColumn& column : findColumns()) headings << QString::fromLatin1(column.heading);
  rows_->setHorizontalHeaderLabels(headings);
  rows_->verticalHeader()->hide();
  rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
  rows_->setSelectionMode(QAbstractItemView::SingleSelection);
  rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows_->setTabKeyNavigation(false);
  rows_->setWordWrap(false);  // one line a row: a long figure is elided, whole in the line below
  rows_->verticalHeader()->setDefaultSectionSize(rows_->fontMetrics().height() + 6);
  rows_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  rows_->horizontalHeader()->setSectionResizeMode(kVerdictColumn - 1, QHeaderView::Stretch);
  connect(rows_, &QTableWidget::activated, this, &FindWindow::openChosen);
  auto* copy = new QAction(QStringLiteral("Copy table"), rows_);
  copy->setObjectName(QStringLiteral("actCopy"));
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  rows_->addAction(copy);
  rows_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copy, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(copiedTable(*shown_)); });
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
  connect(add("cmdTolerances", QStringLiteral("&TOLERANCES…")), &QPushButton::clicked, this,
          &FindWindow::allocateChosen);
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
  if (!rows_) return;  // still being built
  // A coefficient box counts only for a custom material.
  for (const auto& [box, combo] : {std::pair{ReviewBox::AlphaSeal, compound_}, {ReviewBox::AlphaGroove, metalGroove_},
                                   {ReviewBox::AlphaMating, metalMating_}})
    reviewBoxes_[std::size_t(box)]->setEnabled(materialId(combo) == kCustomMaterial);
  const FindFormRead read = readFindForm(form());
  showProblems(read);
  if (!read.request || !table_) {
    waiting_.reset();
    ++generation_;  // a ranking still being made is of inputs no longer on view
    showRanking(std::make_shared<const FindResult>(), {});
    return;
  }
  waiting_ = *read.request;
  ++generation_;
  status_->setText(QStringLiteral("Ranking…"));
  if (!busy_) rankNext();
}

void FindWindow::showProblems(const FindFormRead& read) {
  QString first;
  const auto mark = [&](QLineEdit* box, const std::string& problem) {
    markBox(box, problem);
    if (first.isEmpty() && !problem.empty())
      first = QStringLiteral("%1: %2").arg(box->objectName().mid(3), toQString(problem));
  };
  for (std::size_t i = 0; i < kFindBoxCount; ++i) mark(boxes_[i], read.problems[i]);
  for (std::size_t i = 0; i < kReviewBoxCount; ++i)
    if (reviewBoxes_[i]) mark(reviewBoxes_[i], read.review.problems[i]);
  if (!table_) first = QStringLiteral("The AS568 size table is not available.");
  if (!first.isEmpty()) status_->setText(first);
}

void FindWindow::rankNext() {
  busy_ = true;
  const FindRequest request = *std::exchange(waiting_, std::nullopt);
  const std::uint64_t generation = generation_;
  if (worker_.joinable()) worker_.join();
  worker_ = std::jthread([this, request, generation] {
    auto result = std::make_shared<const FindResult>(findSeals(request, *table_, rules_, {.threads = 2}));
    const QString question = questionText(request);
    QMetaObject::invokeMethod(
        this, [this, result, question, generation] { rankingMade(result, question, generation); }, Qt::QueuedConnection);
  });
}

void FindWindow::rankingMade(std::shared_ptr<const FindResult> result, const QString& question,
                             std::uint64_t generation) {
  busy_ = false;
  if (waiting_) return rankNext();  // the inputs changed meanwhile: their ranking replaces this one
  if (generation == generation_) showRanking(std::move(result), question);
}

void FindWindow::showRanking(std::shared_ptr<const FindResult> result, const QString& question) {
  shown_ = std::move(result);
  question_ = question;
  rows_->setRowCount(int(shown_->candidates.size()));
  QFont bold = rows_->font();
  bold.setBold(true);
  for (std::size_t r = 0; r < shown_->candidates.size(); ++r) {
    const Candidate& candidate = shown_->candidates[r];
    for (std::size_t c = 0; c < findColumns().size(); ++c) {
      auto* item = new QTableWidgetItem(findColumns()[c].text(candidate));
      item->setToolTip(toQString(candidate.judgement.why));
      if (int(c) == kVerdictColumn) {
        const VerdictLook look = verdictLook(candidate.judgement.verdict);
        item->setBackground(look.background);
        item->setForeground(look.text);
        item->setFont(bold);
        item->setTextAlignment(Qt::AlignCenter);
      }
      rows_->setItem(int(r), int(c), item);
    }
  }
  if (!shown_->candidates.empty()) {
    rows_->selectRow(0);
    status_->setText(QStringLiteral("%1 sizes ranked, best first.").arg(shown_->candidates.size()));
  } else if (!shown_->reason.empty()) {
    status_->setText(toQString(shown_->reason));
  }
  showChosen();
  emit rankingShown();
}

std::optional<std::size_t> FindWindow::chosenRow() const {
  const int row = rows_->currentRow();
  if (row < 0 || std::size_t(row) >= shown_->candidates.size()) return std::nullopt;
  return std::size_t(row);
}

void FindWindow::showChosen() {
  const std::optional<std::size_t> row = chosenRow();
  if (!row) return why_->clear();
  const Candidate& candidate = shown_->candidates[*row];
  QString text = QStringLiteral("-%1: %2").arg(toQString(candidate.size->dash), toQString(candidate.judgement.why));
  if (!candidate.cautions.empty())
    text += QStringLiteral(". The editor will ask: %1").arg(toQString(candidate.cautions.front()));
  why_->setText(text);
}

void FindWindow::openChosen() {
  if (const std::optional<std::size_t> row = chosenRow()) emit openRequested(shown_->candidates[*row].input);
}

void FindWindow::allocateChosen() {
  const std::optional<std::size_t> row = chosenRow();
  if (!row) return;
  const Candidate& candidate = shown_->candidates[*row];
  auto* dialog = new ToleranceDialog(candidate.input,
                                     glandIdentity(candidate.record, glandSide(*candidate.input.glandType), candidate.review),
                                     &*table_, rules_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, [this, dialog] {
    if (const std::optional<GlandInput> gland = dialog->chosenGland()) emit openRequested(*gland);
  });
  dialog->show();
}

std::optional<FindPage> FindWindow::page() {
  if (shown_->candidates.empty()) return std::nullopt;
  const std::size_t chosen = chosenRow().value_or(0);
  const Candidate& candidate = shown_->candidates[chosen];
  const GlandSide& side = glandSide(*candidate.input.glandType);
  const ReviewInputs& inputs = *candidate.input.review;
  printedReview_ = reviewForFinding(candidate.record, side, inputs, rules_, &*table_, false);
  return FindPage{question_, *shown_, chosen, {candidate.record, side, printedReview_, inputs, todayText()}};
}

void FindWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(event);
}

}  // namespace glandwise
