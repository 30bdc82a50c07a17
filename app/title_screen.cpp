#include "app/title_screen.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "widgets/artwork.h"
#include "widgets/controls.h"

namespace glandwise {

const char* const kProgramDescription =
    "Glandwise generates 'Standard' static o-ring gland dimensions and presents them in an editable format so "
    "the user can optimize them for function, manufacturability, ease of assembly, etc. Compression results take "
    "into account cross-sectional reduction due to stretch. Compression and extrusion gap results are given for "
    "nominal and worst case sizes, and for concentric and eccentric positions. Nominal running friction is also "
    "calculated. All dimensions are in inches. All dimensions use bilateral tolerances.";

const char* const kDisclaimer =
    "YOU USE THIS SOFTWARE ENTIRELY AT YOUR OWN RISK. IT IS PROVIDED \"AS IS\" AND WITH ALL FAULTS. GLANDWISE, "
    "ITS PUBLISHER, MAKES NO WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING WITHOUT LIMITATION ANY WARRANTY "
    "OF MERCHANTABILITY, OF PERFORMANCE, OR OF FITNESS FOR A PARTICULAR USE OR PURPOSE. IN NO EVENT SHALL "
    "GLANDWISE OR ITS AGENTS OR EMPLOYEES BE LIABLE FOR ANY LOSS OR DAMAGE OF ANY KIND ARISING FROM THE USE OF, "
    "REFERENCE TO, OR RELIANCE ON THIS SOFTWARE, INCLUDING CONSEQUENTIAL, SPECIAL (INCLUDING LOSS OF PROFIT), "
    "DIRECT, INDIRECT AND INCIDENTAL DAMAGES, EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGES.";

const char* const kPublisherNotice = "\u00a9 2024\u20132026 Glandwise. All rights reserved.";

namespace {

// Client area, twips.
constexpr int kWidth = 9000;
constexpr int kHeight = 5700;
constexpr int kMargin = 360;
constexpr int kTextWidth = kWidth - 2 * kMargin;

}  // namespace

TitleScreen::TitleScreen(QWidget* parent) : MainScreen(parent) {
  setObjectName(QStringLiteral("frmTitle"));
  setFixedSize(twips(kWidth), twips(kHeight));

  // The revision follows the name at its baseline, wherever the name's font ends it.
  QLabel* name = makeLabel(this, "Label3", QStringLiteral("Glandwise"), timesFont(24, true), {kMargin, 180, 0, 660});
  QLabel* revision = makeLabel(this, "Label4", QStringLiteral("Rev. 2.1a"), timesFont(12, true), {0, 330, 1500, 420});
  revision->move(name->geometry().right() + 10, revision->y());

  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("Image1"));
  logo->setPixmap(QPixmap::fromImage(logoImage()));
  logo->setGeometry(twips(kWidth - kMargin) - kLogoWidth, twips(240), kLogoWidth, kLogoHeight);

  makeLabel(this, "Label2", QString::fromUtf8(kProgramDescription), timesFont(11, false),
            {kMargin, 960, kTextWidth, 1620}, kTopLeft, true);
  makeLabel(this, "Label1", QStringLiteral("DISCLAIMER"), timesFont(11, true), {kMargin, 2700, kTextWidth, 330});
  makeLabel(this, "Label5", QString::fromUtf8(kDisclaimer), timesFont(8, true), {kMargin, 3060, kTextWidth, 1800},
            kTopLeft, true);
  makeLabel(this, "Label6", QString::fromUtf8(kPublisherNotice), timesFont(8, false), {kMargin, 5100, 4500, 300});

  QPushButton* ok = makeButton(this, "cmdOk", QStringLiteral("OK"), {5880, 4980, 1260, 450}, shellButtonFont());
  QPushButton* exit =
      makeButton(this, "cmdExit", QStringLiteral("EXIT"), {7380, 4980, 1260, 450}, shellButtonFont());
  connect(ok, &QPushButton::clicked, this, &TitleScreen::okRequested);
  connect(exit, &QPushButton::clicked, this, &MainScreen::exitRequested);
  ok->setFocus();
  giveMnemonics(*this);
}

}  // namespace glandwise
