#include "results/review_window.h"

#include <algorithm>
#include <variant>

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "model/numbers.h"
#include "model/review_cells.h"
#include "model/review_rows.h"
#include "widgets/controls.h"
#include "widgets/screen.h"

namespace glandwise {
namespace {

constexpr const char* kSettingsSection = "Review";
constexpr const char* kRulesFileKey = "RulesFile";
// The window's least size, px: small enough for any screen; its contents scroll.
constexpr QSize kMinimumSize(420, 320);

// One input of the form as shown: its control name, caption, unit and settings key (none
// for the seal's tolerance and the groove widths, which belong to the gland and are not kept).
struct InputShown {
  const char* name;
  const char* caption;
  const char* unit;
  const char* settingsKey;
};

constexpr std::array<InputShown, kReviewListCount> kLists{{
    {"cboHardness", "Hardness", "Shore A", "Hardness"},
    {"cboCompound", "Compound", "", "Compound"},
    {"cboMetalGroove", "Grooved part metal", "", "MetalGroove"},
    {"cboMetalMating", "Mating part metal", "", "MetalMating"},
}};

constexpr std::array<InputShown, kReviewBoxCount> kBoxes{{
    {"txtSealIdTol", "Seal ID tolerance ±", "inch", nullptr},
    {"txtTempMin", "Lowest temperature", "°F", "TempMin"},
    {"txtTempMax", "Highest temperature", "°F", "TempMax"},
    {"txtAlphaSeal", "Seal expansion", "per °F", "AlphaSeal"},
    {"txtAlphaGroove", "Grooved part expansion", "per °F", "AlphaGroove"},
    {"txtSwell", "Fluid swell", "%", "Swell"},
    {"txtGrooveRadius", "Groove bottom radius", "inch", "GrooveRadius"},
    {"txtSqueezeMin", "Lower squeeze limit", "%", "SqueezeMin"},
    {"txtSqueezeMax", "Upper squeeze limit", "%", "SqueezeMax"},
    {"txtGrooveWidthMin", "Narrowest groove", "inch", nullptr},
    {"txtGrooveWidthMax", "Widest groove", "inch", nullptr},
    {"txtAlphaMating", "Mating part expansion", "per °F", "AlphaMating"},
}};

// The inputs in the order shown (and tabbed through): each material beside its
// coefficient, then the service, the groove and the limits.
using Input = std::variant<ReviewList, ReviewBox>;
constexpr std::array<Input, kReviewListCount + kReviewBoxCount> kInputOrder{
    ReviewList::Hardness,    ReviewList::Compound,    ReviewBox::AlphaSeal,         ReviewList::MetalGroove,
    ReviewBox::AlphaGroove,  ReviewList::MetalMating, ReviewBox::AlphaMating,       ReviewBox::SealIdTolerance,
    ReviewBox::TempMin,      ReviewBox::TempMax,      ReviewBox::Swell,             ReviewBox::GrooveRadius,
    ReviewBox::GrooveWidthMin, ReviewBox::GrooveWidthMax, ReviewBox::SqueezeMin,    ReviewBox::SqueezeMax,
};
constexpr int kInputsPerColumn = 8;
constexpr int kBoxChars = 12;       // a box is this many digits wide
constexpr int kProblemChars = 18;   // a problem takes at least this width, and wraps
constexpr int kPictureHeight = 240;  // the pictures' least height, px: room for the axis, its labels and the key

constexpr const char* kCheckNames[] = {"Fill", "Squeeze", "Extrusion", "Stretch", "Temperature", "Swell", "Statistics"};
static_assert(std::size(kCheckNames) == kReviewRowCount);

// The expansion coefficient boxes: typed for a custom material, else showing the material's own.
constexpr std::array<ReviewBox, 3> kExpansionBoxes{ReviewBox::AlphaSeal, ReviewBox::AlphaGroove, ReviewBox::AlphaMating};
bool isExpansion(std::size_t box) { return std::ranges::find(kExpansionBoxes, ReviewBox(box)) != kExpansionBoxes.end(); }

// The badge while a box cannot be used.
constexpr const char* kIncomplete = "INPUTS INCOMPLETE";
const QColor kIncompleteBadge(0x75, 0x75, 0x75);

// The colour of problems and of the box they are about.
const QColor kProblemText(0xc6, 0x28, 0x28);
const QColor kProblemBox(0xff, 0xd6, 0xd6);

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

// Colours `role` of an enabled widget, leaving it the style's grey while it is disabled.
void setEnabledColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) palette.setColor(group, role, colour);
  widget->setPalette(palette);
}

// Lists `items` (text and data) in `combo`, keeping the one chosen when it is among them,
// else the first; says nothing of the change.
void relist(QComboBox* combo, const std::vector<std::pair<QString, QVariant>>& items) {
  const QVariant chosen = combo->currentData();
  const QSignalBlocker quiet(combo);
  combo->clear();
  for (const auto& [text, data] : items) combo->addItem(text, data);
  combo->setCurrentIndex(std::max(0, combo->findData(chosen)));
}

// The materials of a kind in the rules, each with its id as its data, and "Custom".
std::vector<std::pair<QString, QVariant>> materialItems(const RuleSet& rules, RuleKind kind) {
  std::vector<std::pair<QString, QVariant>> items;
  for (const Rule* material : rules.materials(kind)) items.emplace_back(toQString(material->name), toQString(material->material));
  items.emplace_back(QStringLiteral("Custom"), toQString(std::string(kCustomMaterial)));
  return items;
}

std::string materialId(const QComboBox* combo) { return combo->currentData().toString().toStdString(); }

// Shows the item whose data is `value` in its combo; a value not listed leaves the combo as it is.
void choose(QComboBox* combo, const QVariant& value) {
  if (const int index = combo->findData(value); index >= 0) combo->setCurrentIndex(index);
}

QLabel* addLabel(QGridLayout* grid, const QString& name, const QString& text, int row, int column) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  grid->addWidget(label, row, column);
  return label;
}

// A label whose text breaks into lines rather than widen its column.
QLabel* addWrappedLabel(QGridLayout* grid, const QString& name, int row, int column) {
  QLabel* label = addLabel(grid, name, {}, row, column);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// The material id of expansion box `box` in `form`.
const std::string& expansionMaterial(ReviewBox box, const ReviewForm& form) {
  return box == ReviewBox::AlphaSeal ? form.compound : box == ReviewBox::AlphaGroove ? form.metalGroove : form.metalMating;
}

// The coefficient of the named material of expansion box `box`, as the box shows it.
QString expansionText(ReviewBox box, const ReviewForm& form, const RuleSet& rules) {
  const Rule* rule = rules.material(box == ReviewBox::AlphaSeal ? RuleKind::Compound : RuleKind::Metal,
                                    expansionMaterial(box, form));
  return rule ? toQString(reviewBoxText(float(rule->value))) : QString();
}

}  // namespace

VerdictLook verdictLook(Verdict verdict) {
  switch (verdict) {
    case Verdict::Pass: return {"PASS", QColor(0x2e, 0x7d, 0x32), Qt::white};
    case Verdict::Caution: return {"CAUTION", QColor(0xf9, 0xa8, 0x25), Qt::black};
    case Verdict::NotEvaluated: return {"NOT EVALUATED", QColor(0xbd, 0xbd, 0xbd), Qt::black};
    case Verdict::Fail: break;
  }
  return {"FAIL", QColor(0xc6, 0x28, 0x28), Qt::white};
}

QString glandIdentity(const GlandRecord& record, const GlandSide& side, const Review& review) {
  QString identity = side.kind == GlandKind::RodGroove ? QStringLiteral("Groove in Rod") : QStringLiteral("Groove in Housing");
  identity += QStringLiteral(", cross-section %1 inch, seal ID %2 inch")
                  .arg(toQString(NumberText(record.W)), toQString(NumberText(record.ID)));
  if (review.as568Dash) identity += QStringLiteral(", AS568 -%1").arg(toQString(*review.as568Dash));
  return identity;
}

QString rulesIdentity(const std::string& name, const std::string& file) {
  return QStringLiteral("Design rules: %1 (%2)").arg(toQString(name), toQString(file));
}

ReviewWindow::ReviewWindow(const GlandRecord& record, const GlandSide& side, const As568Table* table, RuleSet rules,
                           std::string rulesFile, SettingsStore& settings)
    : QWidget(nullptr, Qt::Window),
      record_(record),
      side_(&side),
      table_(table),
      rules_(std::move(rules)),
      rulesFile_(std::move(rulesFile)),
      settings_(settings) {
  setObjectName(QStringLiteral("frmReview"));
  setWindowTitle(QStringLiteral("%1 - Design Review").arg(QString::fromUtf8(kWindowCaption)));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buildHeading());
  layout->addWidget(buildBadge());
  layout->addWidget(buildScroller(), 1);
  connect(addWindowAction(*this, QStringLiteral("Copy review"), QKeySequence::Copy), &QAction::triggered, this,
          &ReviewWindow::copyReview);
  connect(addWindowAction(*this, QStringLiteral("Save gland\u2026"), QKeySequence::Save), &QAction::triggered, this,
          &ReviewWindow::saveRequested);
  listRules();
  fill(loadedForm());
  connectInputs();
  reviewAgain();
  ensurePolished();  // sizes in the fonts the window is shown in
  arrange(QWIDGETSIZE_MAX);
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QMargins margins = layout->contentsMargins();
  twoColumnWidth_ = scroller_->widget()->minimumSizeHint().width() + margins.left() + margins.right() + bar;
  setMinimumSize(kMinimumSize);
  resize(sizeHint());
  giveMnemonics(*this);
}

QScrollArea* ReviewWindow::buildScroller() {
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(buildInputs());
  layout->addLayout(buildRules());
  layout->addWidget(buildChecks());
  layout->addWidget(buildPictures(), 1);
  scroller_ = new QScrollArea;
  scroller_->setObjectName(QStringLiteral("scroller"));
  scroller_->setFrameShape(QFrame::NoFrame);
  scroller_->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control, scrolling to each
  scroller_->setWidgetResizable(true);
  scroller_->setWidget(content);
  return scroller_;
}

QSize ReviewWindow::sizeHint() const {
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QSize content = scroller_->widget()->sizeHint();
  const QMargins margins = layout()->contentsMargins();
  const int above = gland_->sizeHint().height() + badge_->sizeHint().height() + 2 * layout()->spacing();
  return {std::max(content.width() + bar, twoColumnWidth_) + margins.left() + margins.right(),
          content.height() + above + margins.top() + margins.bottom()};
}

QLayout* ReviewWindow::buildHeading() {
  auto* heading = new QHBoxLayout;
  gland_ = new QLabel;
  gland_->setObjectName(QStringLiteral("lblGland"));
  gland_->setWordWrap(true);
  heading->addWidget(gland_, 1);
  // EXPORT DRAWING… before PRINT, so that PRINT stays last in the heading and in the tab order.
  auto* exportDrawing = new QPushButton(QStringLiteral("EXPORT DRAWING…"));
  exportDrawing->setObjectName(QStringLiteral("cmdExportDrawing"));
  exportDrawing->setAutoDefault(true);
  exportDrawing->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));  // as Save As: another form of the gland
  exportDrawing->setToolTip(exportDrawing->shortcut().toString(QKeySequence::NativeText));
  connect(exportDrawing, &QPushButton::clicked, this, &ReviewWindow::exportDrawingRequested);
  heading->addWidget(exportDrawing, 0, Qt::AlignTop);
  exportDrawing_ = exportDrawing;
  auto* print = new QPushButton(QStringLiteral("PRINT"));
  print->setObjectName(QStringLiteral("cmdPrint"));
  print->setAutoDefault(true);  // Return on the focused button prints, as Space does
  connect(print, &QPushButton::clicked, this, &ReviewWindow::printRequested);
  heading->addWidget(print, 0, Qt::AlignTop);
  print_ = print;
  return heading;
}

QWidget* ReviewWindow::buildBadge() {
  badge_ = new QLabel;
  badge_->setObjectName(QStringLiteral("lblOverall"));
  badge_->setAlignment(Qt::AlignCenter);
  badge_->setWordWrap(true);  // a long headline takes two lines rather than a wider window
  QFont large = badge_->font();
  large.setPointSizeF(large.pointSizeF() * 1.6);
  large.setBold(true);
  badge_->setFont(large);
  badge_->setAutoFillBackground(true);
  badge_->setMargin(6);
  return badge_;
}

QLayout* ReviewWindow::buildRules() {
  auto* row = new QHBoxLayout;
  rulesShown_ = new QLabel;
  rulesShown_->setObjectName(QStringLiteral("lblRules"));
  rulesShown_->setTextFormat(Qt::PlainText);
  rulesShown_->setWordWrap(true);  // a long path takes more lines rather than a wider window
  row->addWidget(rulesShown_, 1);
  auto* choose = new QPushButton(QStringLiteral("Design rules…"));
  choose->setObjectName(QStringLiteral("cmdRules"));
  choose->setAutoDefault(true);
  connect(choose, &QPushButton::clicked, this, &ReviewWindow::rulesRequested);
  row->addWidget(choose, 0, Qt::AlignTop);
  return row;
}

QWidget* ReviewWindow::buildPictures() {
  pictures_ = new QWidget;
  auto* column = new QVBoxLayout(pictures_);
  column->setContentsMargins(0, 0, 0, 0);
  auto* row = new QBoxLayout(QBoxLayout::LeftToRight);
  drawing_ = new GlandDrawing;
  histogram_ = new SqueezeHistogram;
  for (QWidget* picture : std::initializer_list<QWidget*>{drawing_, histogram_}) {
    picture->setMinimumHeight(kPictureHeight);
    row->addWidget(picture, 1);
  }
  pictureRow_ = row;
  column->addLayout(row, 1);
  assumptions_ = new QLabel;
  assumptions_->setObjectName(QStringLiteral("lblAssumptions"));
  assumptions_->setTextFormat(Qt::PlainText);
  assumptions_->setWordWrap(true);
  column->addWidget(assumptions_);
  return pictures_;
}

QWidget* ReviewWindow::buildInputs() {
  auto* inputs = new QWidget;
  inputGrid_ = new QGridLayout(inputs);
  inputGrid_->setContentsMargins(0, 0, 0, 0);
  const auto label = [inputs](const char* text) { return new QLabel(QString::fromUtf8(text), inputs); };
  const int problemWidth = inputs->fontMetrics().averageCharWidth() * kProblemChars;
  // Made in the order shown, which is the order Tab takes.
  for (std::size_t shown = 0; shown < kInputOrder.size(); ++shown) {
    if (const auto* list = std::get_if<ReviewList>(&kInputOrder[shown])) {
      const InputShown& input = kLists[std::size_t(*list)];
      auto* combo = new QComboBox(inputs);
      combo->setObjectName(QString::fromLatin1(input.name));
      lists_[std::size_t(*list)] = combo;
      inputCells_[shown] = {label(input.caption), combo, label(input.unit)};
      continue;
    }
    const auto i = std::size_t(std::get<ReviewBox>(kInputOrder[shown]));
    boxes_[i] = new SelectAllLineEdit(inputs);
    boxes_[i]->setObjectName(QString::fromLatin1(kBoxes[i].name));
    boxes_[i]->setMinimumWidth(boxes_[i]->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kBoxChars);
    boxes_[i]->installEventFilter(this);
    problems_[i] = new QLabel(inputs);
    problems_[i]->setObjectName(QStringLiteral("lblProblem%1").arg(i));
    problems_[i]->setTextFormat(Qt::PlainText);
    problems_[i]->setWordWrap(true);  // a long problem takes two lines rather than a wider window
    problems_[i]->setMinimumWidth(problemWidth);
    setColour(problems_[i], QPalette::WindowText, kProblemText);
    inputCells_[shown] = {label(kBoxes[i].caption), boxes_[i], label(kBoxes[i].unit), problems_[i]};
  }
  return inputs;
}

void ReviewWindow::listRules() {
  rulesShown_->setText(rulesIdentity(rules_.name(), rules_.file()));
  std::vector<std::pair<QString, QVariant>> hardnesses;
  for (int hardness : rules_.hardnesses(side_->kind)) hardnesses.emplace_back(QString::number(hardness), hardness);
  relist(lists_[std::size_t(ReviewList::Hardness)], hardnesses);
  relist(lists_[std::size_t(ReviewList::Compound)], materialItems(rules_, RuleKind::Compound));
  for (ReviewList metal : {ReviewList::MetalGroove, ReviewList::MetalMating})
    relist(lists_[std::size_t(metal)], materialItems(rules_, RuleKind::Metal));
}

std::string ReviewWindow::keptRulesFile(SettingsStore& settings) {
  return settings.get(kSettingsApplication, kSettingsSection, kRulesFileKey, "");
}

void ReviewWindow::keepRulesFile(SettingsStore& settings, const std::string& rulesFile) {
  settings.save(kSettingsApplication, kSettingsSection, kRulesFileKey, rulesFile);
}

void ReviewWindow::setRules(RuleSet rules, std::string rulesFile) {
  rules_ = std::move(rules);
  rulesFile_ = std::move(rulesFile);
  keepRulesFile(settings_, rulesFile_);
  filling_ = true;
  listRules();
  showExpansions();
  filling_ = false;
  reviewAgain();
}

void ReviewWindow::connectInputs() {
  for (std::size_t i = 0; i < kLists.size(); ++i) {
    connect(lists_[i], &QComboBox::currentIndexChanged, this, [this, i] {
      save(kLists[i].settingsKey, lists_[i]->currentData().toString());
      showExpansions();
      reviewAgain();
    });
  }
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    connect(boxes_[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
      // An expansion box that shows a material's own value keeps the text typed for a custom one.
      if (!boxes_[i]->isEnabled()) return;
      if (isExpansion(i)) customTexts_[i] = text.toStdString();
      if (const char* key = kBoxes[i].settingsKey) save(key, text);
      reviewAgain();
    });
  }
}

QWidget* ReviewWindow::buildChecks() {
  checks_ = new QWidget;
  auto* grid = new QGridLayout(checks_);
  grid->setContentsMargins(0, 0, 0, 0);
  constexpr const char* kParts[] = {"Name", "Figure", "Verdict", "Reason", "Remedy"};
  for (int r = 0; r < int(rows_.size()); ++r) {
    for (int c = 0; c < 5; ++c) {
      const QString name = QStringLiteral("lbl%1%2").arg(kCheckNames[r], kParts[c]);
      // A long figure, reason or remedy takes more lines rather than a wider window; the
      // remedy stands under the reason.
      const int row = 2 * r + (c == 4), column = c == 4 ? 3 : c;
      rows_[r][c] = c == 1 || c >= 3 ? addWrappedLabel(grid, name, row, column) : addLabel(grid, name, {}, row, column);
      rows_[r][c]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QFont bold = rows_[r][2]->font();
    bold.setBold(true);
    rows_[r][2]->setFont(bold);
    rows_[r][2]->setAutoFillBackground(true);  // the verdict on its colour, as tall as its words
    rows_[r][2]->setMargin(2);
    grid->setAlignment(rows_[r][2], Qt::AlignLeft | Qt::AlignTop);
    QFont italic = rows_[r][4]->font();
    italic.setItalic(true);
    rows_[r][4]->setFont(italic);
  }
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(3, 3);
  return checks_;
}

ReviewForm ReviewWindow::loadedForm() const {
  ReviewForm form;
  const auto stored = [this](const char* key, const std::string& fallback) {
    return settings_.get(kSettingsApplication, kSettingsSection, key, fallback);
  };
  form.hardness = QString::fromStdString(stored(kLists[0].settingsKey, std::to_string(form.hardness))).toInt();
  form.compound = stored(kLists[1].settingsKey, form.compound);
  form.metalGroove = stored(kLists[2].settingsKey, form.metalGroove);
  form.metalMating = stored(kLists[3].settingsKey, form.metalMating);
  for (std::size_t i = 0; i < kBoxes.size(); ++i)
    form.texts[i] = kBoxes[i].settingsKey ? stored(kBoxes[i].settingsKey, form.texts[i]) : std::string();
  return form;
}

void ReviewWindow::fill(const ReviewForm& form) {
  filling_ = true;
  choose(lists_[std::size_t(ReviewList::Hardness)], form.hardness);
  choose(lists_[std::size_t(ReviewList::Compound)], toQString(form.compound));
  choose(lists_[std::size_t(ReviewList::MetalGroove)], toQString(form.metalGroove));
  choose(lists_[std::size_t(ReviewList::MetalMating)], toQString(form.metalMating));
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    if (isExpansion(i)) customTexts_[i] = form.texts[i];
    else boxes_[i]->setText(toQString(form.texts[i]));
  }
  showExpansions();
  filling_ = false;
}

void ReviewWindow::setInputs(const ReviewInputs& inputs) {
  ReviewForm form = reviewFormOf(inputs);
  // A coefficient that the inputs do not use leaves the one typed for a custom material as it is.
  for (ReviewBox box : kExpansionBoxes)
    if (expansionMaterial(box, form) != kCustomMaterial) form.text(box) = customTexts_[std::size_t(box)];
  fill(form);
  reviewAgain();
}

void ReviewWindow::showExpansions() {
  const ReviewForm shown = form();
  for (ReviewBox box : kExpansionBoxes) {
    QLineEdit* edit = boxes_[std::size_t(box)];
    const bool custom = expansionMaterial(box, shown) == kCustomMaterial;
    // Disabled first: the material's value is shown, not typed.
    edit->setEnabled(custom);
    edit->setText(custom ? toQString(customTexts_[std::size_t(box)]) : expansionText(box, shown, rules_));
  }
}

void ReviewWindow::save(const char* key, const QString& value) {
  settings_.save(kSettingsApplication, kSettingsSection, key, value.toStdString());
}

ReviewForm ReviewWindow::form() const {
  ReviewForm form;
  form.hardness = lists_[std::size_t(ReviewList::Hardness)]->currentData().toInt();
  form.compound = materialId(lists_[std::size_t(ReviewList::Compound)]);
  form.metalGroove = materialId(lists_[std::size_t(ReviewList::MetalGroove)]);
  form.metalMating = materialId(lists_[std::size_t(ReviewList::MetalMating)]);
  for (std::size_t i = 0; i < kBoxes.size(); ++i)
    form.texts[i] = isExpansion(i) ? customTexts_[i] : boxes_[i]->text().toStdString();
  return form;
}

void ReviewWindow::showGland(const GlandRecord& record, const GlandSide& side) {
  record_ = record;
  side_ = &side;
  reviewAgain();
}

void ReviewWindow::reviewAgain() {
  if (filling_) return;
  const GrooveFit fit = grooveFit(record_, *side_);
  const ReviewFormRead read = readReviewForm(form(), fit);
  showProblems(read);
  // Empty width boxes show the standard gland's range, which the review then uses.
  for (const auto& [box, end] : {std::pair{ReviewBox::GrooveWidthMin, 0}, {ReviewBox::GrooveWidthMax, 1}})
    boxes_[std::size_t(box)]->setPlaceholderText(
        fit.standardWidth ? toQString(reviewBoxText(float((*fit.standardWidth)[std::size_t(end)]))) : QString());
  const bool wasComplete = complete_;
  complete_ = read.inputs.has_value();
  if (complete_) {
    inputs_ = *read.inputs;
    inputs_.rulesFile = rulesFile_;
    review_ = reviewGland(record_, *side_, inputs_, rules_, table_);
    showReview();
  }
  showBadge();
  if (complete_ != wasComplete) emit completeChanged(complete_);
}

void ReviewWindow::showProblems(const ReviewFormRead& read) {
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    const bool bad = !read.problems[i].empty();
    problems_[i]->setText(toQString(read.problems[i]));
    setColour(boxes_[i], QPalette::Base, bad ? kProblemBox : palette().color(QPalette::Base));
  }
}

void ReviewWindow::showBadge() {
  // The figures of the last complete inputs stay, greyed, while the inputs shown are not.
  print_->setEnabled(complete_);
  exportDrawing_->setEnabled(complete_);
  enableWindowActions(*this, QKeySequence::Copy, complete_);
  checks_->setEnabled(complete_);
  pictures_->setEnabled(complete_);
  if (!complete_) {
    badge_->setText(QString::fromLatin1(kIncomplete));
    setColour(badge_, QPalette::Window, kIncompleteBadge);
    setColour(badge_, QPalette::WindowText, Qt::white);
    return;
  }
  const VerdictLook look = verdictLook(review_.overall);
  badge_->setText(toQString(reviewHeadline(review_)));
  setColour(badge_, QPalette::Window, look.background);
  setColour(badge_, QPalette::WindowText, look.text);
}

void ReviewWindow::showReview() {
  gland_->setText(glandIdentity(record_, *side_, review_));
  // An empty tolerance box shows the tolerance that the AS568 size brought.
  const StretchReview& stretch = review_.stretch;
  boxes_[std::size_t(ReviewBox::SealIdTolerance)]->setPlaceholderText(
      stretch.known ? QStringLiteral("%1 (%2)").arg(stretch.sealIdTolerance).arg(toQString(stretch.toleranceSource))
                    : QString());
  drawing_->setSection(glandSection(record_, *side_, review_.fill, inputs_.grooveRadius));
  histogram_->setPlot({review_.statistics, squeezeMarks(review_)});
  assumptions_->setText(QStringLiteral("Statistics: ") + toQString(statisticsAssumptions(review_)));
  showChecks();
}

void ReviewWindow::showChecks() {
  const std::vector<ReviewRow> rows = reviewRows(review_);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const ReviewRow& row = rows[r];
    const VerdictLook look = verdictLook(row.verdict);
    std::array<QLabel*, 5>& labels = rows_[r];
    labels[0]->setText(toQString(row.name));
    labels[1]->setText(toQString(row.figure));
    labels[2]->setText(QString::fromLatin1(look.words));
    labels[3]->setText(toQString(row.reason));
    labels[4]->setText(row.remedy.empty() ? QString() : QStringLiteral("Remedy: ") + toQString(row.remedy));
    labels[4]->setVisible(!row.remedy.empty());
    // The verdict on its colour, greyed with the rest while the inputs are incomplete.
    labels[2]->setPalette(QPalette());
    setEnabledColour(labels[2], QPalette::Window, look.background);
    setEnabledColour(labels[2], QPalette::WindowText, look.text);
    // A check not evaluated stands back in grey: it counts for nothing.
    for (int c : {0, 1, 3}) {
      labels[std::size_t(c)]->setPalette(QPalette());
      if (row.verdict == Verdict::NotEvaluated) setEnabledColour(labels[std::size_t(c)], QPalette::WindowText, kNotEvaluatedText);
    }
  }
}

void ReviewWindow::copyReview() const {
  QGuiApplication::clipboard()->setText(toQString(reviewCells(review_, inputs_)));
}

void ReviewWindow::arrange(int width) {
  const bool two = width >= twoColumnWidth_;
  if (inputGrid_->count() > 0 && two == twoColumns_) return;
  twoColumns_ = two;
  for (std::size_t i = 0; i < inputCells_.size(); ++i) {
    const int row = two ? int(i) % kInputsPerColumn : int(i), column = two ? int(i) / kInputsPerColumn * 4 : 0;
    for (int part = 0; part < 4; ++part) {
      if (QWidget* cell = inputCells_[i][std::size_t(part)]) {
        inputGrid_->removeWidget(cell);
        inputGrid_->addWidget(cell, row, column + part);
      }
    }
  }
  inputGrid_->setColumnStretch(3, 1);
  inputGrid_->setColumnStretch(7, two ? 1 : 0);
  pictureRow_->setDirection(two ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
  // Now, not when the layouts next run: the window's size hint follows at once.
  inputGrid_->parentWidget()->updateGeometry();
  pictures_->updateGeometry();
}

void ReviewWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  arrange(width());
}

bool ReviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
    if (auto* box = qobject_cast<QLineEdit*>(watched); box && !box->hasSelectedText()) return true;
  return QWidget::eventFilter(watched, event);
}

void ReviewWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit dismissed();
}

}  // namespace glandwise
