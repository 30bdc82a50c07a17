#pragma once
// The results sheet screen: frmResultsMale and frmResultsFemale as one widget over the
// table of what differs between them.

#include <QString>

#include "gland_side.h"
#include "record.h"
#include "screen.h"

namespace glandwise {

// The one-page results sheet of one gland kind. Constructing it is loading it: the fill
// sequence of the core rounds and shows every value, and the date label takes today's
// date in the user's short date form. The screen flow controller reacts to the signals.
class ResultsSheet : public MainScreen {
  Q_OBJECT
 public:
  ResultsSheet(GlandRecord& record, const GlandSide& side, QWidget* parent = nullptr);

  const GlandSide& side() const;

 signals:
  void editRequested();
  void eccentricityHelpRequested();  // cmdH1
  void frictionHelpRequested();      // cmdH2
  void printRequested();
  void handbookRequested();

 private:
  const GlandSide& side_;
};

}  // namespace glandwise
