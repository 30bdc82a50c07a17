#include "app/dialogs.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/artwork.h"
#include "widgets/controls.h"
#include "widgets/screen.h"

namespace glandwise {

const InfoTexts kEccentricityInfo{
    .dialogName = "frmEccInfo",
    .headingName = "lblEcc",
    .heading = "Eccentricity:",
    .bodyName = "lblEccInfo",
    .body = "Eccentricity is the total dial indicator reading (TIR) between the O-Ring groove and the cylindrical rod or "
    "housing surface that the groove is cut into.",
    .widthTwips = 6000};

const InfoTexts kFrictionInfo{
    .dialogName = "frmFrictionInfo",
    .headingName = "lblFriction",
    .heading = "Estimated Running Friction:",
    .bodyName = "lblFrictionInfo",
    .body = "Estimated running friction calculations are based on the procedure given in the \"Parker O-Ring Handbook\" "
    "ORD-001 p. (A6-5 to A6-8) for estimating the room temperature axial running friction of an o-ring on a 15 "
    "micro-inch chromed surface lubricated with MIL-H-5606 hydraulic oil. The friction calculation considers the "
    "combined effect of two frictions, friction due to fluid pressure and friction due to O-Ring compression. "
    "Nominal dimensions are considered for friction calculations. For detailed information please refer to the "
    "reference mentioned above. ",
    .widthTwips = 7800};

SystemDialog::SystemDialog(const char* name) : QWidget(nullptr, Qt::Dialog) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(QString::fromUtf8(kWindowCaption));
}

void SystemDialog::dismiss() { emit dismissed(); }

void SystemDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  dismiss();
}

void SystemDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    dismiss();
  else
    QWidget::keyPressEvent(event);
}

namespace {

// frmError's client area and controls, twips.
constexpr int kErrorWidth = 6300;
constexpr int kErrorHeight = 1950;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 420;

}  // namespace

MessageDialog::MessageDialog(GlandRecord& record) : SystemDialog("frmError"), record_(record) {
  setFixedSize(twips(kErrorWidth), twips(kErrorHeight));

  auto* sign = new QLabel(this);
  sign->setObjectName(QStringLiteral("Image1"));
  sign->setPixmap(QPixmap::fromImage(warningSignImage()));
  sign->setGeometry(twips(240), twips(240), kWarningSignSize, kWarningSignSize);

  message_ = makeLabel(this, "lblError", {}, timesFont(11, true), {960, 120, kErrorWidth - 960 - 240, 1080},
                       Qt::AlignCenter, true);

  QPushButton* ok = makeButton(this, "cmdOk", QStringLiteral("OK"),
                               {(kErrorWidth - kButtonWidth) / 2, 1350, kButtonWidth, kButtonHeight},
                               shellButtonFont());
  connect(ok, &QPushButton::clicked, this, &MessageDialog::dismiss);
  ok->setDefault(true);
  ok->setFocus();
  giveMnemonics(*this);
  showErrorText();
}

void MessageDialog::showErrorText() { message_->setText(QString::fromStdString(record_.ErrorText)); }

void MessageDialog::dismiss() {
  record_.ErrorText = "ERROR";
  SystemDialog::dismiss();
}

InfoDialog::InfoDialog(const InfoTexts& texts) : SystemDialog(texts.dialogName) {
  auto* heading = new QLabel(QString::fromUtf8(texts.heading));
  heading->setObjectName(QString::fromLatin1(texts.headingName));
  heading->setFont(timesFont(12, true));

  auto* body = new QLabel(QString::fromUtf8(texts.body));
  body->setObjectName(QString::fromLatin1(texts.bodyName));
  body->setFont(timesFont(11, false));
  body->setTextFormat(Qt::PlainText);
  body->setWordWrap(true);

  auto* close = new QPushButton(QStringLiteral("Close"));
  close->setObjectName(QStringLiteral("cmdClose"));
  close->setFont(timesFont(10, true));
  close->setFixedSize(twips(kButtonWidth), twips(kButtonHeight));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &InfoDialog::dismiss);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(twips(240), twips(240), twips(240), twips(240));
  layout->setSpacing(twips(150));
  layout->addWidget(heading);
  layout->addWidget(body);
  layout->addLayout(buttons);

  setFixedWidth(twips(texts.widthTwips));
  setFixedHeight(layout->heightForWidth(twips(texts.widthTwips)));
  close->setFocus();
  giveMnemonics(*this);
}

}  // namespace glandwise
