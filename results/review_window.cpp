#include "results/review_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/numbers.h"
#include "widgets/controls.h"
#include "widgets/screen.h"

namespace glandwise {
namespace {

constexpr const char* kSettingsSection = "Review";
constexpr int kMinimumWidth = 1240;  // the window's least width, px

// One text box of the inputs: its control name, caption, unit and settings key (none for
// the seal's tolerance, which belongs to the seal and is not kept).
struct BoxShown {
  const char* name;
  const char* caption;
  const char* unit;
  const char* settingsKey;
};

constexpr std::array<BoxShown, kReviewBoxCount> kBoxes{{
    {"txtSealIdTol", "Seal ID tolerance ±", "inch", nullptr},
    {"txtTempMin", "Lowest temperature", "°F", "TempMin"},
    {"txtTempMax", "Highest temperature", "°F", "TempMax"},
    {"txtAlphaSeal", "Seal expansion", "per °F", "AlphaSeal"},
    {"txtAlphaMetal", "Grooved part expansion", "per °F", "AlphaMetal"},
    {"txtSwell", "Fluid swell", "%", "Swell"},
    {"txtGrooveRadius", "Groove bottom radius", "inch", "GrooveRadius"},
    {"txtSqueezeMin", "Lower squeeze limit", "%", "SqueezeMin"},
    {"txtSqueezeMax", "Upper squeeze limit", "%", "SqueezeMax"},
    {"txtGrooveWidthMin", "Narrowest groove", "inch", nullptr},
    {"txtGrooveWidthMax", "Widest groove", "inch", nullptr},
    {"txtAlphaMating", "Mating part expansion", "per °F", "AlphaMating"},
}};

constexpr std::array<int, 3> kHardnesses{70, 80, 90};
constexpr int kComboCount = 3;  // hardness, compound, metal: the inputs before the boxes

// The inputs stand in two columns of eight; each takes a caption, its control, its unit and
// its problem. The grid row and first grid column of input `input`.
std::pair<int, int> inputCell(int input) { return {input % 8, input / 8 * 4}; }
constexpr const char* kCheckNames[] = {"Fill", "Squeeze", "Extrusion", "Stretch", "Temperature", "Swell", "Statistics"};

// The colour of problems and of the box they are about.
const QColor kProblemText(0xc6, 0x28, 0x28);
const QColor kProblemBox(0xff, 0xd6, 0xd6);

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

QComboBox* makeCombo(QWidget* parent, const char* name, const QStringList& items) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  combo->addItems(items);
  return combo;
}

// The materials of a kind in the rules, each with its id as its data, and "Custom".
QComboBox* materialCombo(QWidget* parent, const char* name, const RuleSet& rules, RuleKind kind) {
  auto* combo = makeCombo(parent, name, {});
  for (const Rule* material : rules.materials(kind))
    combo->addItem(toQString(material->name), toQString(material->material));
  combo->addItem(QStringLiteral("Custom"), toQString(std::string(kCustomMaterial)));
  return combo;
}

std::string materialId(const QComboBox* combo) { return combo->currentData().toString().toStdString(); }

QLabel* addLabel(QGridLayout* grid, const QString& name, const QString& text, int row, int column) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  grid->addWidget(label, row, column);
  return label;
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

ReviewWindow::ReviewWindow(const GlandRecord& record, const GlandSide& side, const As568Table* table,
                           const RuleSet& rules, SettingsStore& settings)
    : QWidget(nullptr, Qt::Window), record_(record), side_(&side), table_(table), rules_(rules), settings_(settings) {
  setObjectName(QStringLiteral("frmReview"));
  setWindowTitle(QStringLiteral("%1 - Design Review").arg(QString::fromUtf8(kWindowCaption)));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buildHeading());
  layout->addWidget(buildInputs());
  loadSettings();  // before the badge exists: nothing is saved or reviewed while loading
  layout->addWidget(buildBadge());
  layout->addWidget(buildChecks());
  layout->addLayout(buildPictures(), 1);
  reviewAgain();
  // Wide enough for every rule in at most two lines, and no larger than a laptop screen at
  // 150 % scale.
  setMinimumSize(std::max(minimumSizeHint().width(), kMinimumWidth), minimumSizeHint().height());
  resize(minimumSize());
  giveMnemonics(*this);
}

QLayout* ReviewWindow::buildHeading() {
  auto* heading = new QHBoxLayout;
  gland_ = new QLabel;
  gland_->setObjectName(QStringLiteral("lblGland"));
  heading->addWidget(gland_, 1);
  auto* print = new QPushButton(QStringLiteral("PRINT"));
  print->setObjectName(QStringLiteral("cmdPrint"));
  connect(print, &QPushButton::clicked, this, &ReviewWindow::printRequested);
  heading->addWidget(print);
  return heading;
}

QWidget* ReviewWindow::buildBadge() {
  badge_ = new QLabel;
  badge_->setObjectName(QStringLiteral("lblOverall"));
  badge_->setAlignment(Qt::AlignCenter);
  QFont large = badge_->font();
  large.setPointSizeF(large.pointSizeF() * 2);
  large.setBold(true);
  badge_->setFont(large);
  badge_->setAutoFillBackground(true);
  badge_->setMargin(6);
  return badge_;
}

QLayout* ReviewWindow::buildPictures() {
  auto* pictures = new QHBoxLayout;
  drawing_ = new GlandDrawing;
  histogram_ = new SqueezeHistogram;
  pictures->addWidget(drawing_, 1);
  pictures->addWidget(histogram_, 1);
  return pictures;
}

QWidget* ReviewWindow::buildInputs() {
  auto* inputs = new QWidget;
  auto* grid = new QGridLayout(inputs);
  addCombos(inputs, grid);
  addBoxes(inputs, grid);
  grid->setColumnStretch(3, 1);
  grid->setColumnStretch(7, 1);
  return inputs;
}

void ReviewWindow::addCombos(QWidget* inputs, QGridLayout* grid) {
  QStringList hardnesses;
  for (int hardness : kHardnesses) hardnesses << QString::number(hardness);
  hardness_ = makeCombo(inputs, "cboHardness", hardnesses);
  compound_ = materialCombo(inputs, "cboCompound", rules_, RuleKind::Compound);
  metal_ = materialCombo(inputs, "cboMetal", rules_, RuleKind::Metal);
  struct ComboShown {
    const char* caption;
    QComboBox* combo;
    const char* settingsKey;
  };
  const std::array<ComboShown, kComboCount> combos{{{"Hardness (Shore A)", hardness_, "Hardness"},
                                                    {"Compound", compound_, "Compound"},
                                                    {"Metal", metal_, "Metal"}}};
  for (int i = 0; i < kComboCount; ++i) {
    const auto [row, column] = inputCell(i);
    addLabel(grid, {}, QString::fromUtf8(combos[i].caption), row, column);
    grid->addWidget(combos[i].combo, row, column + 1);
    connect(combos[i].combo, &QComboBox::currentIndexChanged, this,
            [this, combo = combos[i].combo, key = combos[i].settingsKey](int index) {
              save(key, combo == hardness_ ? QString::number(index) : combo->currentData().toString());
            });
    connect(combos[i].combo, &QComboBox::currentIndexChanged, this, &ReviewWindow::reviewAgain);
  }
}

void ReviewWindow::addBoxes(QWidget* inputs, QGridLayout* grid) {
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    const auto [row, column] = inputCell(kComboCount + int(i));
    addLabel(grid, {}, QString::fromUtf8(kBoxes[i].caption), row, column);
    boxes_[i] = new SelectAllLineEdit(inputs);
    boxes_[i]->setObjectName(QString::fromLatin1(kBoxes[i].name));
    grid->addWidget(boxes_[i], row, column + 1);
    addLabel(grid, {}, QString::fromUtf8(kBoxes[i].unit), row, column + 2);
    problems_[i] = addLabel(grid, QStringLiteral("lblProblem%1").arg(i), {}, row, column + 3);
    setColour(problems_[i], QPalette::WindowText, kProblemText);
    if (const char* key = kBoxes[i].settingsKey)
      connect(boxes_[i], &QLineEdit::textChanged, this, [this, key](const QString& text) { save(key, text); });
    connect(boxes_[i], &QLineEdit::textChanged, this, &ReviewWindow::reviewAgain);
  }
}

QWidget* ReviewWindow::buildChecks() {
  auto* checks = new QWidget;
  auto* grid = new QGridLayout(checks);
  constexpr const char* kParts[] = {"Name", "Figure", "Verdict", "Reason"};
  for (int r = 0; r < int(rows_.size()); ++r)
    for (int c = 0; c < 4; ++c)
      rows_[r][c] = addLabel(grid, QStringLiteral("lbl%1%2").arg(kCheckNames[r], kParts[c]), {}, r, c);
  for (auto& row : rows_) {
    QFont bold = row[2]->font();
    bold.setBold(true);
    row[2]->setFont(bold);
    row[3]->setWordWrap(true);  // a long rule takes two lines rather than a wider window
  }
  grid->setColumnStretch(3, 1);
  return checks;
}

void ReviewWindow::loadSettings() {
  const ReviewForm defaults;
  const auto stored = [this](const char* key, const std::string& fallback) {
    return QString::fromStdString(settings_.get(kSettingsApplication, kSettingsSection, key, fallback));
  };
  const auto hardness = std::ranges::find(kHardnesses, defaults.hardness) - kHardnesses.begin();
  hardness_->setCurrentIndex(stored("Hardness", std::to_string(hardness)).toInt());
  for (const auto& [combo, key, id] : {std::tuple{compound_, "Compound", defaults.compound},
                                      {metal_, "Metal", defaults.metalGroove}})
    combo->setCurrentIndex(std::max(0, combo->findData(stored(key, id))));
  for (std::size_t i = 0; i < kBoxes.size(); ++i)
    boxes_[i]->setText(kBoxes[i].settingsKey ? stored(kBoxes[i].settingsKey, defaults.texts[i]) : QString());
}

void ReviewWindow::save(const char* key, const QString& value) {
  if (badge_) settings_.save(kSettingsApplication, kSettingsSection, key, value.toStdString());
}

ReviewForm ReviewWindow::form() const {
  ReviewForm form;
  form.hardness = kHardnesses[std::size_t(std::max(0, hardness_->currentIndex()))];
  form.compound = materialId(compound_);
  form.metalGroove = form.metalMating = materialId(metal_);
  for (std::size_t i = 0; i < kBoxes.size(); ++i) form.texts[i] = boxes_[i]->text().toStdString();
  return form;
}

void ReviewWindow::showGland(const GlandRecord& record, const GlandSide& side) {
  record_ = record;
  side_ = &side;
  reviewAgain();
}

void ReviewWindow::reviewAgain() {
  if (!badge_) return;  // still being built
  boxes_[std::size_t(ReviewBox::AlphaSeal)]->setEnabled(materialId(compound_) == kCustomMaterial);
  for (ReviewBox box : {ReviewBox::AlphaGroove, ReviewBox::AlphaMating})
    boxes_[std::size_t(box)]->setEnabled(materialId(metal_) == kCustomMaterial);
  const ReviewFormRead read = readReviewForm(form(), grooveFit(record_, *side_));
  showProblems(read);
  if (!read.inputs) return;
  inputs_ = *read.inputs;
  review_ = reviewGland(record_, *side_, inputs_, rules_, table_);
  showReview();
}

void ReviewWindow::showProblems(const ReviewFormRead& read) {
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    const bool bad = !read.problems[i].empty();
    problems_[i]->setText(toQString(read.problems[i]));
    setColour(boxes_[i], QPalette::Base, bad ? kProblemBox : palette().color(QPalette::Base));
  }
}

void ReviewWindow::showReview() {
  gland_->setText(glandIdentity(record_, *side_, review_));
  // An empty tolerance box shows the tolerance that the AS568 size brought.
  const StretchReview& stretch = review_.stretch;
  boxes_[std::size_t(ReviewBox::SealIdTolerance)]->setPlaceholderText(
      stretch.known ? QStringLiteral("%1 (%2)").arg(stretch.sealIdTolerance).arg(toQString(stretch.toleranceSource))
                    : QString());
  const VerdictLook look = verdictLook(review_.overall);
  badge_->setText(QString::fromLatin1(look.words));
  setColour(badge_, QPalette::Window, look.background);
  setColour(badge_, QPalette::WindowText, look.text);
  const GlandSection section = glandSection(record_, *side_, review_, inputs_.grooveRadius);
  drawing_->setSection(section);
  histogram_->setPlot({review_.statistics, review_.squeeze.lowerLimit, review_.squeeze.upperLimit,
                       section.worstMmcSqueeze, section.worstLmcSqueeze});
  const std::vector<ReviewRow> rows = reviewRows(review_);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    rows_[r][0]->setText(toQString(rows[r].name));
    rows_[r][1]->setText(toQString(rows[r].figure));
    rows_[r][2]->setText(QString::fromLatin1(verdictLook(rows[r].verdict).words));
    rows_[r][3]->setText(toQString(rows[r].reason));
    rows_[r][3]->setToolTip(rows_[r][3]->text());
  }
}

void ReviewWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit dismissed();
}

void ReviewWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    emit dismissed();
  else
    QWidget::keyPressEvent(event);
}

}  // namespace glandwise
