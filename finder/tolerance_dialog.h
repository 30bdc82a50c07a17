#pragma once
// The tolerance allocation of one candidate: the widest ladder pairs that keep its yield at
// a target, to carry into the editor.

#include <QDialog>

#include "model/as568.h"
#include "model/gland_input.h"
#include "model/tolerance_allocation.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace glandwise {

// Shows the pairs of groove and mating tolerances that reach the target yield, widest first,
// for the gland `input`; the target can be retyped. OK takes the chosen pair. It is not
// modal: the Find a seal window stays usable while it is open.
class ToleranceDialog : public QDialog {
  Q_OBJECT
 public:
  ToleranceDialog(const GlandInput& input, const QString& identity, const As568Table* table, const RuleSet& rules,
                  QWidget* parent);

  // The gland with the chosen pair typed into the editor's boxes, or nothing when none is.
  std::optional<GlandInput> chosenGland() const;

 private:
  // Reads the target and allocates again.
  void allocate();

  GlandInput input_;
  const As568Table* table_;
  const RuleSet& rules_;
  ToleranceAllocation allocation_;
  QLineEdit* target_;     // txtTarget: the target yield, %
  QListWidget* choices_;  // lstChoices: the pairs, widest first
  QLabel* outcome_;       // lblOutcome: what the search found, or why the target is unusable
};

}  // namespace glandwise
