#pragma once
// The results sheet's logo picture.

#include <QWidget>

namespace glandwise {

// The sheet's logo: an o-ring's cross-section seated in a rectangular gland groove, with
// the program's name beside it. Painted, so that it prints as sharply as the text.
class SealLogo : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace glandwise
