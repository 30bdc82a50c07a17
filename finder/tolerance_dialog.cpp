#include "finder/tolerance_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "model/numbers.h"
#include "widgets/controls.h"
#include "widgets/screen.h"

namespace glandwise {
namespace {

QString choiceText(const ToleranceChoice& choice) {
  return QStringLiteral("groove ±%1 inch, mating ±%2 inch: yield %3 %")
      .arg(toQString(NumberText(choice.groove)), toQString(NumberText(choice.mating)),
           toQString(FigureText(choice.yieldPercent, 2)));
}

}  // namespace

ToleranceDialog::ToleranceDialog(const GlandInput& input, const QString& identity, const As568Table* table,
                                 const RuleSet& rules, QWidget* parent)
    : QDialog(parent), input_(input), table_(table), rules_(rules) {
  setObjectName(QStringLiteral("frmTolerances"));
  setWindowTitle(QStringLiteral("%1 - Tolerances").arg(QString::fromUtf8(kWindowCaption)));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(identity);
  heading->setWordWrap(true);
  layout->addWidget(heading);
  auto* form = new QFormLayout;
  target_ = new SelectAllLineEdit(toQString(FigureText(kDefaultYieldTarget, 2)));
  target_->setObjectName(QStringLiteral("txtTarget"));
  form->addRow(QStringLiteral("&Target yield (%)"), target_);
  layout->addLayout(form);
  choices_ = new QListWidget;
  choices_->setObjectName(QStringLiteral("lstChoices"));
  choices_->setMinimumHeight(5 * choices_->fontMetrics().height());
  layout->addWidget(choices_, 1);
  outcome_ = new QLabel;
  outcome_->setObjectName(QStringLiteral("lblOutcome"));
  outcome_->setWordWrap(true);
  layout->addWidget(outcome_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOk"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(target_, &QLineEdit::textChanged, this, &ToleranceDialog::allocate);
  connect(choices_, &QListWidget::itemActivated, this, &QDialog::accept);
  allocate();
  choices_->setFocus();
}

void ToleranceDialog::allocate() {
  choices_->clear();
  const ParsedNumber target = parseNumber(target_->text().toStdString());
  if (target.status != NumberStatus::Number || !(target.value > 0 && target.value <= 100)) {
    outcome_->setText(QStringLiteral("The target yield must be a number above 0 and at most 100."));
    return;
  }
  allocation_ = allocateTolerances(input_, table_, rules_, target.value);
  for (const ToleranceChoice& choice : allocation_.choices) choices_->addItem(choiceText(choice));
  choices_->setCurrentRow(0);
  // Every pair whole on one line, however few or many.
  choices_->setMinimumWidth(choices_->sizeHintForColumn(0) + 2 * choices_->frameWidth() +
                            choices_->verticalScrollBar()->sizeHint().width());
  outcome_->setText(allocation_.choices.empty()
                        ? QStringLiteral("No pair of the ladder reaches the target: the narrowest, %1.")
                              .arg(choiceText(allocation_.narrowest))
                        : QStringLiteral("The widest pairs that reach the target, widest first (%1 pairs reviewed). "
                                         "OK types the chosen pair into the editor.")
                              .arg(allocation_.reviewed));
}

std::optional<GlandInput> ToleranceDialog::chosenGland() const {
  const int row = choices_->currentRow();
  if (row < 0 || row >= int(allocation_.choices.size())) return std::nullopt;
  const ToleranceChoice& choice = allocation_.choices[std::size_t(row)];
  return withTolerances(input_, choice.groove, choice.mating);
}

}  // namespace glandwise
