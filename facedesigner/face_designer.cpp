#include "facedesigner/face_designer.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "face/face_drawing.h"
#include "face/face_input.h"
#include "face/face_section.h"
#include "face/face_text.h"
#include "model/cross_sections.h"
#include "model/review_rows.h"
#include "model/selection.h"
#include "results/review_plots.h"
#include "results/review_window.h"
#include "widgets/controls.h"
#include "widgets/screen.h"

namespace glandwise {
namespace {

constexpr const char* kSettingsSection = "FaceSeal";
constexpr const char* kEntriesKey = "Entries";  // the entries as a face seal line

// The groove boxes: control name and caption (the datum's caption follows the direction).
struct BoxShown {
  const char* name;
  const char* caption;
  const char* unit;
};
constexpr std::array<BoxShown, kFaceBoxCount> kBoxes{{
    {"txtFaceID", "Seal inside dia.", "inch"},
    {"txtFacePR", "Pressure", "psi"},
    {"txtFaceDatum", "", "inch"},
    {"txtFaceDatumTol", "±", "inch"},
    {"txtFaceDepth", "Groove depth", "inch"},
    {"txtFaceDepthTol", "±", "inch"},
    {"txtFaceWidth", "Groove width", "inch"},
    {"txtFaceWidthTol", "±", "inch"},
}};

constexpr std::array<const char*, kFaceReviewBoxCount> kReviewBoxNames{"txtFaceTempMin", "txtFaceTempMax",
                                                                       "txtFaceSwell", "txtFaceGap"};
constexpr std::array<const char*, kFaceReviewBoxCount> kReviewCaptions{
    "Lowest temperature (°F)", "Highest temperature (°F)", "Fluid swell (%)", "Flange gap (inch)"};
// The index of `value` in `list`, or 0 (the first) when it is not there.
template <class T>
int indexIn(const std::vector<T>& list, const T& value) {
  const auto found = std::ranges::find(list, value);
  return found == list.end() ? 0 : int(found - list.begin());
}

const QColor kProblemText(0xc6, 0x28, 0x28);
const QColor kProblemBox(0xff, 0xd6, 0xd6);
const QColor kNotEvaluated(0x9e, 0x9e, 0x9e);

std::size_t at(FaceBox box) { return static_cast<std::size_t>(box); }

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

QLabel* label(const QString& name, const QString& text = {}) {
  auto* l = new QLabel(text);
  l->setObjectName(name);
  l->setTextFormat(Qt::PlainText);
  return l;
}

QRadioButton* option(QButtonGroup* group, int id, const char* name, const QString& caption) {
  auto* button = new QRadioButton(caption);
  button->setObjectName(QString::fromLatin1(name));
  group->addButton(button, id);
  return button;
}

QPushButton* button(const char* name, const QString& caption, const QKeySequence& keys) {
  auto* b = new QPushButton(caption);
  b->setObjectName(QString::fromLatin1(name));
  b->setShortcut(keys);
  b->setToolTip(keys.toString(QKeySequence::NativeText));
  b->setAutoDefault(true);  // Return presses the button that has the focus
  return b;
}

// Sets a box's text only when it changes, so that the cursor and undo history stay.
void showText(QLineEdit* box, const std::string& text) {
  if (box->text() != toQString(text)) box->setText(toQString(text));
}

}  // namespace

FaceDesigner::FaceDesigner(const FaceGlandTable& table, RuleSet rules, std::string rulesFile, const As568Table* as568,
                           SettingsStore& settings)
    : QWidget(nullptr, Qt::Window),
      table_(table),
      rules_(std::move(rules)),
      rulesFile_(std::move(rulesFile)),
      as568_(as568),
      settings_(settings) {
  setObjectName(QStringLiteral("frmFaceSeal"));
  setWindowTitle(QStringLiteral("%1 - Face Seal").arg(QString::fromUtf8(kWindowCaption)));
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  identity_ = label(QStringLiteral("lblFaceIdentity"));
  layout->addLayout(buildButtons());
  identity_->setWordWrap(true);
  layout->addWidget(identity_);
  auto* entries = new QHBoxLayout;
  entries->addWidget(buildSeal());
  entries->addWidget(buildService());
  entries->addWidget(buildGroove(), 1);
  layout->addLayout(entries);
  status_ = label(QStringLiteral("lblFaceStatus"));
  setColour(status_, QPalette::WindowText, kProblemText);
  layout->addWidget(status_);
  auto* figures = new QHBoxLayout;
  figures->addWidget(buildResults());
  drawing_ = new GlandDrawing;
  drawing_->setMinimumSize(320, 230);
  figures->addWidget(drawing_, 1);
  layout->addLayout(figures, 1);
  auto* review = new QHBoxLayout;
  review->addWidget(buildReviewInputs());
  histogram_ = new SqueezeHistogram;
  review->addWidget(histogram_, 1);
  layout->addLayout(review, 1);
  badge_ = label(QStringLiteral("lblFaceOverall"));
  badge_->setAlignment(Qt::AlignCenter);
  QFont large = badge_->font();
  large.setPointSizeF(large.pointSizeF() * 1.6);
  large.setBold(true);
  badge_->setFont(large);
  badge_->setAutoFillBackground(true);
  badge_->setMargin(4);
  layout->addWidget(badge_);
  rulesShown_ = label(QStringLiteral("lblFaceRules"));
  rulesShown_->setWordWrap(true);  // a long path takes more lines rather than a wider window
  layout->addWidget(rulesShown_);
  layout->addWidget(buildChecks());
  listRules();

  // The window scrolls where the screen is smaller than its content.
  auto* scroll = new QScrollArea;
  scroll->setWidget(content);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
  connect(addWindowAction(*this, QStringLiteral("Save face seal\u2026"), QKeySequence::Save), &QAction::triggered, this,
          &FaceDesigner::saveRequested);
  setFocusOrder();

  if (const std::optional<ParsedFaceInput> saved =
          parseFaceLine(settings_.get(kSettingsApplication, kSettingsSection, kEntriesKey, {}));
      saved && saved->problem.empty())
    showInput(saved->input);
  else showInput({});
  const QSize wanted = content->sizeHint() + QSize(scroll->verticalScrollBar()->sizeHint().width(), 0);
  const QSize room = screen() ? screen()->availableGeometry().size() - QSize(16, 48) : wanted;
  resize(wanted.boundedTo(room));
  as568Box_->setFocus();  // the quickest start: a size, then Tab to the options
}

QLayout* FaceDesigner::buildButtons() {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  QPushButton* standard =
      button("cmdFaceStandard", QStringLiteral("STANDARD GROOVE"), QKeySequence(Qt::ALT | Qt::Key_G));
  QPushButton* rules =
      button("cmdFaceRules", QStringLiteral("DESIGN RULES\u2026"), QKeySequence(Qt::ALT | Qt::Key_R));
  QPushButton* save = button("cmdFaceSave", QStringLiteral("SAVE\u2026"), QKeySequence(Qt::ALT | Qt::Key_S));
  QPushButton* exportDrawing =
      button("cmdFaceExport", QStringLiteral("EXPORT DRAWING\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  QPushButton* print = button("cmdFacePrint", QStringLiteral("PRINT"), QKeySequence(Qt::ALT | Qt::Key_P));
  QPushButton* close = button("cmdFaceClose", QStringLiteral("CLOSE"), QKeySequence(Qt::ALT | Qt::Key_C));
  for (QPushButton* b : {standard, rules, save, exportDrawing, print, close}) row->addWidget(b);
  connect(rules, &QPushButton::clicked, this, &FaceDesigner::rulesRequested);
  connect(exportDrawing, &QPushButton::clicked, this, &FaceDesigner::exportDrawingRequested);
  connect(standard, &QPushButton::clicked, this, &FaceDesigner::standardGroove);
  connect(save, &QPushButton::clicked, this, &FaceDesigner::saveRequested);
  connect(print, &QPushButton::clicked, this, &FaceDesigner::printRequested);
  connect(close, &QPushButton::clicked, this, &FaceDesigner::dismissed);
  return row;
}

QLineEdit* FaceDesigner::addBox(QGridLayout* grid, int row, int column, const char* name, const QString& caption,
                                const QString& unit, QLabel** problem) {
  if (!caption.isEmpty()) grid->addWidget(label({}, caption), row, column);
  auto* box = new SelectAllLineEdit;
  box->setObjectName(QString::fromLatin1(name));
  box->setMaximumWidth(90);
  grid->addWidget(box, row, column + 1);
  grid->addWidget(label({}, unit), row, column + 2);
  *problem = label(QStringLiteral("lblProblem_%1").arg(QString::fromLatin1(name)));
  setColour(*problem, QPalette::WindowText, kProblemText);
  (*problem)->setWordWrap(true);
  grid->addWidget(*problem, row + 1, column, 1, 3);
  return box;
}

QWidget* FaceDesigner::buildSeal() {
  auto* group = new QGroupBox(QStringLiteral("O-ring"));
  auto* grid = new QGridLayout(group);
  crossSections_ = new QButtonGroup(group);
  for (int i = 0; i < int(kCrossSections.size()); ++i) {
    const std::string name = "optFace" + std::string(kCrossSections[i].text.substr(2));
    grid->addWidget(option(crossSections_, i, name.c_str(), toQString(kCrossSections[i].caption)), i / 2, i % 2);
  }
  connect(crossSections_, &QButtonGroup::idClicked, this, &FaceDesigner::chooseCrossSection);
  auto* boxes = new QGridLayout;
  boxes_[at(FaceBox::SealId)] = addBox(boxes, 0, 0, kBoxes[0].name, QString::fromUtf8(kBoxes[0].caption),
                                       QString::fromUtf8(kBoxes[0].unit), &problems_[at(FaceBox::SealId)]);
  boxes->addWidget(label({}, QStringLiteral("AS568 size")), 2, 0);
  as568Box_ = new SelectAllLineEdit;
  as568Box_->setObjectName(QStringLiteral("txtFaceAS568"));
  as568Box_->setMaximumWidth(90);
  QStringList dashes;
  if (as568_)
    for (const As568Size& size : as568_->sizes())
      if (standardCrossSectionIndex(size.crossSection)) dashes << toQString(size.dash);
  auto* completer = new QCompleter(dashes, as568Box_);
  as568Box_->setCompleter(completer);
  boxes->addWidget(as568Box_, 2, 1);
  connect(as568Box_, &QLineEdit::returnPressed, this, &FaceDesigner::chooseAs568);
  connect(completer, qOverload<const QString&>(&QCompleter::activated), this, &FaceDesigner::chooseAs568);
  grid->addLayout(boxes, 3, 0, 1, 2);
  connect(boxes_[at(FaceBox::SealId)], &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.sealId = text.toStdString();
    form_.edits = {};  // the standard groove of the new ring
    workAgain();
  });
  return group;
}

QWidget* FaceDesigner::buildService() {
  auto* group = new QGroupBox(QStringLiteral("Service"));
  auto* grid = new QGridLayout(group);
  grid->addWidget(label({}, QStringLiteral("Pressure from")), 0, 0, 1, 3);
  directions_ = new QButtonGroup(group);
  grid->addWidget(option(directions_, 0, "optFaceInside", toQString(kFaceSides[0].caption)), 1, 0, 1, 3);
  grid->addWidget(option(directions_, 1, "optFaceOutside", toQString(kFaceSides[1].caption)), 2, 0, 1, 3);
  connect(directions_, &QButtonGroup::idClicked, this, [this](int id) { choosePressureFrom(PressureFrom(id)); });
  grid->addWidget(label({}, QStringLiteral("Medium")), 3, 0, 1, 3);
  media_ = new QButtonGroup(group);
  grid->addWidget(option(media_, 0, "optFaceLiquid", QStringLiteral("Liquid")), 4, 0);
  grid->addWidget(option(media_, 1, "optFaceGas", QStringLiteral("Gas or vacuum")), 4, 1, 1, 2);
  connect(media_, &QButtonGroup::idClicked, this, [this](int id) { chooseMedium(FaceMedium(id)); });
  boxes_[at(FaceBox::Pressure)] = addBox(grid, 5, 0, kBoxes[1].name, QString::fromUtf8(kBoxes[1].caption),
                                         QString::fromUtf8(kBoxes[1].unit), &problems_[at(FaceBox::Pressure)]);
  connect(boxes_[at(FaceBox::Pressure)], &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.pressure = text.toStdString();
    workAgain();
  });
  return group;
}

QWidget* FaceDesigner::buildGroove() {
  auto* group = new QGroupBox(QStringLiteral("Groove"));
  auto* grid = new QGridLayout(group);
  for (std::size_t b = at(FaceBox::Datum); b < kFaceBoxCount; b += 2) {
    const int row = int(b - at(FaceBox::Datum));
    boxes_[b] = addBox(grid, row, 0, kBoxes[b].name, QString::fromUtf8(kBoxes[b].caption),
                       QString::fromUtf8(kBoxes[b].unit), &problems_[b]);
    boxes_[b + 1] = addBox(grid, row, 3, kBoxes[b + 1].name, QString::fromUtf8(kBoxes[b + 1].caption),
                           QString::fromUtf8(kBoxes[b + 1].unit), &problems_[b + 1]);
  }
  datumCaption_ = label(QStringLiteral("lblFaceDatum"));
  grid->addWidget(datumCaption_, 0, 0);
  grid->addWidget(label({}, QStringLiteral("Bottom radius")), 6, 0);
  radius_ = label(QStringLiteral("lblFaceRadius"));
  grid->addWidget(radius_, 6, 1, 1, 5);
  for (std::size_t b = at(FaceBox::Datum); b < kFaceBoxCount; ++b)
    connect(boxes_[b], &QLineEdit::textEdited, this,
            [this, box = FaceBox(b)](const QString& text) { typeGroove(box, text); });
  grid->setColumnStretch(5, 1);
  return group;
}

QWidget* FaceDesigner::buildResults() {
  auto* group = new QGroupBox(QStringLiteral("Results"));
  auto* grid = new QGridLayout(group);
  for (int r = 0; r < int(results_.size()); ++r)
    for (int c = 0; c < 4; ++c) {
      results_[r][c] = label(QStringLiteral("lblFaceResult%1%2").arg(r).arg(c));
      grid->addWidget(results_[r][c], r, c);
    }
  grid->addWidget(label(QStringLiteral("lblFaceFriction"), QString::fromLatin1(kFaceFriction)), 5, 0, 1, 4);
  grid->setRowStretch(6, 1);
  return group;
}

QWidget* FaceDesigner::buildReviewInputs() {
  auto* group = new QGroupBox(QStringLiteral("Review"));
  auto* grid = new QGridLayout(group);
  // Two columns: the choices, then the boxes, each box with its problem in the row below.
  const auto combo = [&](const char* name, int row, const QString& caption) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(name));
    grid->addWidget(label({}, caption), row, 0);
    grid->addWidget(c, row, 1, 1, 2);
    connect(c, &QComboBox::currentIndexChanged, this, &FaceDesigner::workAgain);
    return c;
  };
  hardness_ = combo("cboFaceHardness", 0, QStringLiteral("Shore A"));
  compound_ = combo("cboFaceCompound", 2, QStringLiteral("Compound"));
  metal_ = combo("cboFaceMetal", 4, QStringLiteral("Flanges"));
  for (std::size_t i = 0; i < kFaceReviewBoxCount; ++i) {
    reviewBoxes_[i] =
        addBox(grid, 2 * int(i), 3, kReviewBoxNames[i], QString::fromUtf8(kReviewCaptions[i]), {}, &reviewProblems_[i]);
    reviewBoxes_[i]->setPlaceholderText(i == 3 ? QString() : QStringLiteral("not judged"));
    connect(reviewBoxes_[i], &QLineEdit::textEdited, this, &FaceDesigner::workAgain);
  }
  return group;
}

QWidget* FaceDesigner::buildChecks() {
  auto* checks = new QWidget;
  auto* grid = new QGridLayout(checks);
  constexpr const char* kParts[] = {"Name", "Figure", "Verdict", "Reason"};
  for (std::size_t r = 0; r < kFaceCheckCount; ++r) {
    const QString check = toQString(faceCheckKey(FaceCheck(r)));
    for (int c = 0; c < 4; ++c) {
      checks_[r][c] = label(QStringLiteral("lblFace_%1_%2").arg(check, QString::fromLatin1(kParts[c])));
      grid->addWidget(checks_[r][c], int(r), c);
    }
    checks_[r][0]->setText(toQString(faceCheckName(FaceCheck(r))));
    QFont bold = checks_[r][2]->font();
    bold.setBold(true);
    checks_[r][2]->setFont(bold);
    checks_[r][3]->setWordWrap(true);
  }
  grid->setColumnStretch(3, 1);
  return checks;
}

void FaceDesigner::setFocusOrder() {
  QList<QWidget*> order;
  for (QAbstractButton* b : crossSections_->buttons()) order << b;
  order << boxes_[at(FaceBox::SealId)] << as568Box_;
  for (QButtonGroup* group : {directions_, media_})
    for (QAbstractButton* b : group->buttons()) order << b;
  for (std::size_t b = at(FaceBox::Pressure); b < kFaceBoxCount; ++b) order << boxes_[b];
  order << hardness_ << compound_ << metal_;
  for (QLineEdit* box : reviewBoxes_) order << box;
  for (const char* name :
       {"cmdFaceStandard", "cmdFaceRules", "cmdFaceSave", "cmdFaceExport", "cmdFacePrint", "cmdFaceClose"})
    order << findChild<QWidget*>(QString::fromLatin1(name));
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void FaceDesigner::listRules() {
  rulesShown_->setText(rulesIdentity(rules_.name(), rules_.file()));
  QStringList hardnesses, compounds, metals;
  hardnesses_ = rules_.hardnesses(GlandKind::RodGroove);
  for (int h : hardnesses_) hardnesses << QString::number(h);
  compounds_.clear();
  for (const Rule* c : rules_.materials(RuleKind::Compound)) {
    compounds_.push_back(c->material);
    compounds << toQString(c->name);
  }
  metals_.clear();
  for (const Rule* m : rules_.materials(RuleKind::Metal)) {
    metals_.push_back(m->material);
    metals << toQString(m->name);
  }
  for (auto [combo, items] : {std::pair{hardness_, &hardnesses}, {compound_, &compounds}, {metal_, &metals}}) {
    combo->clear();
    combo->addItems(*items);
  }
}

void FaceDesigner::setRules(RuleSet rules, std::string rulesFile) {
  const FaceReviewForm chosen = reviewForm();
  rules_ = std::move(rules);
  rulesFile_ = std::move(rulesFile);
  ReviewWindow::keepRulesFile(settings_, rulesFile_);
  showing_ = true;
  listRules();
  showReviewForm(chosen);
  showing_ = false;
  workAgain();
}

// ---- entries --------------------------------------------------------------------------

void FaceDesigner::chooseCrossSection(int index) {
  if (showing_) return;
  form_.crossSection = index;
  form_.edits = {};
  workAgain();
}

void FaceDesigner::chooseAs568() {
  const QString typed = as568Box_->text().trimmed();
  if (typed.isEmpty()) return;
  if (const std::string refusal = takeAs568Ring(typed.toStdString()); !refusal.empty())
    return status_->setText(toQString(refusal));
  form_.edits = {};
  workAgain();
}

std::string FaceDesigner::takeAs568Ring(const std::string& dash) {
  GlandRecord scratch;
  SelectionEntries entries;
  const OkResult chosen = chooseAs568Size(scratch, entries, as568_, dash);
  if (chosen.outcome == OkOutcome::Refused) return chosen.message;
  form_.crossSection = entries.crossSection;
  form_.sealId = entries.sealInsideDia;
  return {};
}

void FaceDesigner::showAs568Ring() {
  if (!form_.as568 || !takeAs568Ring(*form_.as568).empty()) return;
  as568Box_->setText(toQString(*form_.as568));
  form_.as568.reset();
}

void FaceDesigner::choosePressureFrom(PressureFrom from) {
  if (showing_ || form_.pressureFrom == from) return;
  form_.pressureFrom = from;
  form_.edits = {};
  form_.datum.reset();  // the datum is now the other wall
  workAgain();
}

void FaceDesigner::chooseMedium(FaceMedium medium) {
  if (showing_ || form_.medium == medium) return;
  form_.medium = medium;
  form_.edits = {};
  workAgain();
}

void FaceDesigner::typeGroove(FaceBox box, const QString& text) {
  (box == FaceBox::Datum ? form_.datum : form_.edit(box)) = text.toStdString();
  workAgain();
}

void FaceDesigner::standardGroove() {
  form_.datum.reset();
  form_.edits = {};
  workAgain();
}

FaceReviewForm FaceDesigner::reviewForm() const {
  FaceReviewForm form;
  const auto chosen = [](const auto& list, const QComboBox* combo) {
    return list.at(std::size_t(std::max(0, combo->currentIndex())));
  };
  form.hardness = chosen(hardnesses_, hardness_);
  form.compound = chosen(compounds_, compound_);
  form.metal = chosen(metals_, metal_);
  for (std::size_t i = 0; i < kFaceReviewBoxCount; ++i) form.texts[i] = reviewBoxes_[i]->text().toStdString();
  return form;
}

FaceInput FaceDesigner::input() const { return {form_, reviewInputs_}; }

void FaceDesigner::showInput(const FaceInput& input) {
  form_ = input.form;
  showAs568Ring();
  showing_ = true;
  showReviewForm(faceReviewForm(input.review.value_or(FaceReviewInputs{})));
  showing_ = false;
  workAgain();
}

void FaceDesigner::showReviewForm(const FaceReviewForm& review) {
  hardness_->setCurrentIndex(indexIn(hardnesses_, review.hardness));
  compound_->setCurrentIndex(indexIn(compounds_, review.compound));
  metal_->setCurrentIndex(indexIn(metals_, review.metal));
  for (std::size_t i = 0; i < kFaceReviewBoxCount; ++i) reviewBoxes_[i]->setText(toQString(review.texts[i]));
}

void FaceDesigner::workAgain() {
  if (showing_ || !badge_) return;
  const FaceReviewFormRead review = readFaceReviewForm(reviewForm());
  reviewInputs_ = review.inputs;
  if (reviewInputs_) reviewInputs_->rulesFile = rulesFile_;
  for (std::size_t i = 0; i < kFaceReviewBoxCount; ++i) {
    reviewProblems_[i]->setText(toQString(review.problems[i]));
    reviewProblems_[i]->setVisible(!review.problems[i].empty());
    setColour(reviewBoxes_[i], QPalette::Base,
              review.problems[i].empty() ? palette().color(QPalette::Base) : kProblemBox);
  }
  result_ = workFaceSeal({form_, reviewInputs_}, data(), as568_, reviewInputs_.has_value());
  showing_ = true;
  showEntries();
  showGroove();
  showing_ = false;
  showResults();
  showReview();
  settings_.save(kSettingsApplication, kSettingsSection, kEntriesKey, faceLine(input()));
}

namespace {

// Checks the option `id` of `group`, or none.
void check(QButtonGroup* group, std::optional<int> id) {
  if (id) return group->button(*id)->setChecked(true);
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

}  // namespace

void FaceDesigner::showEntries() {
  check(crossSections_, form_.crossSection);
  check(directions_, form_.pressureFrom ? std::optional(int(*form_.pressureFrom)) : std::nullopt);
  check(media_, form_.medium ? std::optional(int(*form_.medium)) : std::nullopt);
  showText(boxes_[at(FaceBox::SealId)], form_.sealId);
  showText(boxes_[at(FaceBox::Pressure)], form_.pressure);
  const FaceDesign& design = result_.design;
  for (std::size_t b = 0; b < kFaceBoxCount; ++b) {
    problems_[b]->setText(toQString(design.problems[b]));
    problems_[b]->setVisible(!design.problems[b].empty());
    setColour(boxes_[b], QPalette::Base, design.problems[b].empty() ? palette().color(QPalette::Base) : kProblemBox);
  }
  const bool boxProblem = std::ranges::any_of(design.problems, [](const std::string& p) { return !p.empty(); });
  status_->setText(boxProblem ? QString() : toQString(design.refusal));
}

void FaceDesigner::showGroove() {
  const FaceSide& side = faceSide(form_.pressureFrom.value_or(PressureFrom::Inside));
  std::string caption(side.datumName);
  caption[0] = 'G';
  datumCaption_->setText(toQString(caption));
  const std::optional<FaceGroove>& standard = result_.design.standard;
  const std::array<std::string, kFaceBoxCount> texts = standard ? faceGrooveTexts(*standard) : decltype(texts){};
  for (std::size_t b = at(FaceBox::Datum); b < kFaceBoxCount; ++b) {
    const std::optional<std::string>& typed = b == at(FaceBox::Datum) ? form_.datum : form_.edit(FaceBox(b));
    showText(boxes_[b], typed ? *typed : texts[b]);
    boxes_[b]->setEnabled(standard.has_value());
  }
  radius_->setText(standard ? QStringLiteral("%1 to %2 inch (published)")
                                  .arg(toQString(NumberText(standard->bottomRadius.min)),
                                       toQString(NumberText(standard->bottomRadius.max)))
                            : QString());
}

void FaceDesigner::showResults() {
  const FaceResult& r = result_;
  const std::vector<std::array<std::string, 4>> table =
      r.analysis ? faceResultTable(*r.design.gland, *r.analysis) : std::vector<std::array<std::string, 4>>{};
  for (std::size_t row = 0; row < results_.size(); ++row)
    for (std::size_t c = 0; c < 4; ++c)
      results_[row][c]->setText(row < table.size()   ? toQString(table[row][c])
                                : row == 0 && c == 0 ? QStringLiteral("\u2014")
                                                     : QString());
  identity_->setText(r.design.gland ? toQString(faceIdentity(*r.design.gland)) : QStringLiteral("Face seal"));
  drawing_->setDrawing(
      r.analysis ? faceDrawing(faceSection(*r.design.gland, *r.analysis, reviewInputs_ ? reviewInputs_->flangeGap : 0),
                               r.design.gland->groove)
                 : drawing::Drawing{});
}

void FaceDesigner::showReview() {
  const FaceResult& r = result_;
  histogram_->setVisible(r.review.has_value());
  if (!r.review) {
    badge_->setText(QStringLiteral("\u2014"));
    setColour(badge_, QPalette::Window, palette().color(QPalette::Window));
    setColour(badge_, QPalette::WindowText, palette().color(QPalette::WindowText));
    for (auto& row : checks_)
      for (int c = 1; c < 4; ++c) row[c]->clear();
    return;
  }
  const VerdictLook look = verdictLook(r.review->overall);
  badge_->setText(QString::fromLatin1(look.words));
  setColour(badge_, QPalette::Window, look.background);
  setColour(badge_, QPalette::WindowText, look.text);
  for (std::size_t c = 0; c < kFaceCheckCount; ++c) {
    const FaceRow& row = r.review->rows[c];
    checks_[c][1]->setText(toQString(row.figure));
    const bool evaluated = row.finding.verdict != Verdict::NotEvaluated;
    checks_[c][2]->setText(QString::fromLatin1(verdictLook(row.finding.verdict).words));
    setColour(checks_[c][2], QPalette::WindowText, evaluated ? palette().color(QPalette::WindowText) : kNotEvaluated);
    checks_[c][3]->setText(toQString(row.finding.reason));
  }
  histogram_->setPlot(faceSqueezePlot(*r.review, *r.analysis));
}

std::optional<FacePage> FaceDesigner::page() const {
  const FaceResult& r = result_;
  if (!r.analysis) return std::nullopt;
  return FacePage{*r.design.gland, *r.analysis, r.review ? &*r.review : nullptr,
                  r.reviewInputs ? &*r.reviewInputs : nullptr, todayText()};
}

const drawing::Drawing& FaceDesigner::drawing() const { return drawing_->drawing(); }

void FaceDesigner::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit dismissed();
}

void FaceDesigner::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) emit dismissed();
  else QWidget::keyPressEvent(event);
}

}  // namespace glandwise
