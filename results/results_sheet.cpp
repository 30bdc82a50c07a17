#include "results_sheet.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <vector>

#include "artwork.h"
#include "sheet.h"

namespace glandwise {
namespace {

using Member = float GlandRecord::*;

// A label's position and size, in twips from the client area's top left corner. A width
// of 0 makes the label as wide as its text.
struct Box {
  int left;
  int top;
  int width;
  int height;
};

// The parts of the sheet that both kinds share (twips).
constexpr int kClientWidth = 11070;
constexpr int kCaptionLeft = 960;
constexpr int kLineHeight = 270;  // one line of 12 pt type
constexpr int kTwoLineHeight = 570;  // a word-wrapped row caption
constexpr int kTitleHeight = 345;  // one line of 14.25 pt type
constexpr int kGridLeft = 960;
constexpr int kGridRight = 10560;
constexpr int kGridTop = 8040;
constexpr int kGridBottom = 12360;
constexpr int kHeadingTop = 8160;
constexpr int kHeadingUnitTop = 8880;
// "Radial Squeeze Percent" wraps to three lines: it starts a little higher than the other
// headings, and "(%)" sits under it, clear of the grid line below.
constexpr int kPercentHeadingTop = 8085;
constexpr int kPercentUnitTop = 8955;
constexpr int kRowCaptionLeft = 1080;
constexpr int kRowCaptionWidth = 2610;  // the longest word-wrapped line just clears the grid
constexpr int kButtonLeft = 8160;
constexpr int kButtonWidth = 2535;
constexpr int kButtonHeight = 495;
constexpr int kHelpWidth = 735;
constexpr int kHelpHeight = 255;
constexpr double kTextPoints = 12;
constexpr double kTitlePoints = 14.25;

// Everything that differs between the rod-groove and the housing-groove sheet on screen.
// Lefts and widths in twips.
struct SheetLayout {
  int clientHeight;
  const char* subtitle;       // Label2
  int versionLeft;            // Label4 "v 2.1a"
  int versionWidth;
  int effectiveLeft;          // value label of the effective cross-section
  int stretchLeft;            // value label of the percent stretch
  int eccentricityWidth;      // lblECCV
  int friction80Width;        // value label of the 80 durometer friction
  int thirdVerticalLine;      // x of the grid line between squeeze percent and gap
  int secondHorizontalLine;   // y of the grid line under the column headings
  int percentLeft;            // Radial Squeeze Percent cells
  int percentMmcLeft;         // ... in the MMC Concentric row
  int lmcSqueezeLeft;         // Radial Squeeze cells of the two LMC rows
  int lmcSqueezeWidth;
  Box squeezeHeading;         // "Radial Squeeze"
  int percentHeadingLeft;     // "Radial Squeeze Percent"
  int percentUnitLeft;        // its "(%)"
  Box squeezeUnit;            // "(Inch)" under "Radial Squeeze"
  int eccentricityHelpTop;    // cmdH1
};

const SheetLayout kRodGrooveSheet{
    .clientHeight = 12465,
    .subtitle = "Groove In Rod",
    .versionLeft = 10080,
    .versionWidth = 765,
    .effectiveLeft = 4080,
    .stretchLeft = 3360,
    .eccentricityWidth = 2415,
    .friction80Width = 1455,
    .thirdVerticalLine = 6240,
    .secondHorizontalLine = 9240,
    .percentLeft = 5040,
    .percentMmcLeft = 4920,
    .lmcSqueezeLeft = 3720,
    .lmcSqueezeWidth = 975,
    .squeezeHeading = {3720, kHeadingTop, 1095, 720},
    .percentHeadingLeft = 4800,
    .percentUnitLeft = 5280,
    .squeezeUnit = {3960, kHeadingUnitTop, 735, kLineHeight},
    .eccentricityHelpTop = 4460,
};

const SheetLayout kHousingGrooveSheet{
    .clientHeight = 12495,
    .subtitle = "Groove In Housing",
    .versionLeft = 10050,
    .versionWidth = 735,
    .effectiveLeft = 4200,
    .stretchLeft = 3480,
    .eccentricityWidth = 1455,
    .friction80Width = 1575,
    .thirdVerticalLine = 6360,
    .secondHorizontalLine = 9360,
    .percentLeft = 5160,
    .percentMmcLeft = 5040,
    .lmcSqueezeLeft = 3840,
    .lmcSqueezeWidth = 855,
    .squeezeHeading = {3840, kHeadingTop, 855, 720},
    .percentHeadingLeft = 4920,
    .percentUnitLeft = 5400,
    .squeezeUnit = {3840, kHeadingUnitTop, 855, kLineHeight},
    .eccentricityHelpTop = 4440,
};

const SheetLayout& sheetLayout(const GlandSide& side) {
  return side.kind == GlandKind::RodGroove ? kRodGrooveSheet : kHousingGrooveSheet;
}

// One line of the header block: a bold caption at kCaptionLeft and the value label beside it.
struct HeaderLine {
  int top;
  const char* captionName;  // nullptr: the value label stands alone (the date)
  const char* caption;
  std::string valueName;
  int valueLeft;
  int valueWidth;
  bool boldValue = false;
};

// The four value cells of results-table row `row` (0 = worst-case MMC ... 4 = worst-case
// LMC) at `top`: squeeze, squeeze percent, extrusion gap, gland height.
std::array<Box, 4> cellBoxes(const SheetLayout& l, std::size_t row, int top) {
  const bool mmcConcentric = row == 1, lmc = row >= 3;
  return {{
      {lmc ? l.lmcSqueezeLeft : 3720, top, lmc ? l.lmcSqueezeWidth : 975, kLineHeight},
      {mmcConcentric ? l.percentMmcLeft : l.percentLeft, top, mmcConcentric ? 1215 : 1095, kLineHeight},
      {6600, top, 1815, kLineHeight},
      {8640, top, 1815, kLineHeight},
  }};
}

// One row of the results table: its bold caption and the record values of its four cells.
struct TableRow {
  const char* captionName;
  const char* caption;
  int captionTop;
  int captionHeight;
  int valueTop;
  std::array<Member, 4> cells;  // squeeze, squeeze percent, extrusion gap, gland height
};

std::string fieldName(Member member) {
  for (const FloatField& field : floatFields())
    if (field.member == member) return std::string(field.name);
  return {};
}

// The header block's value label of a record value, e.g. "lblEWMV".
std::string headerValueName(Member member) { return "lbl" + fieldName(member) + "V"; }

// A results-table cell of a record value, e.g. "lblCMMaxE".
QString cellName(Member member) { return QString::fromStdString("lbl" + fieldName(member)); }

std::vector<HeaderLine> headerLines(const GlandSide& s, const SheetLayout& l) {
  return {
      {1200, nullptr, nullptr, "lblDate", 8160, 2655, true},
      {1560, "lblW", "Cross Section Dia. =", "lblWV", 3240, 4695},
      {1920, "lblEWM", "Effective Cross Section Dia. =", headerValueName(s.EW), l.effectiveLeft, 2295},
      {2280, "lblGC", "Gland Type =", "lblGCV", 2520, 3255},
      {2640, "lblID", "Seal Inside Dia. =", "lblIDV", 3000, 5175},
      {3000, "lblPDM", "Rod Dia.  =", headerValueName(s.rod.nominal), 2280, 5175},
      {3360, "lblBDM", "Housing Dia. =", headerValueName(s.bore.nominal), 2640, 4815},
      {3720, "lblGDM", "Groove Dia. =", headerValueName(s.groove.nominal), 2640, 4815},
      {4080, "lblGW", "Groove Width =", "lblGWV", 2760, 5415},
      {4440, "lblECC", "Machining Eccentricity, FIM =", "lblECCV", 4440, l.eccentricityWidth},
      {4800, "lblPR", "Operating Pressure =", "lblPRV", 3360, 3255},
      {5160, "lblPSM", "% Nominal Stretch =", headerValueName(s.PS), l.stretchLeft, 3255},
      {6840, "lblF70M", "Estimated Running Friction, 70 Duro, Lbs. =", headerValueName(s.F70), 5760, 1575},
      {7200, "lblF80M", "Estimated Running Friction, 80 Duro, Lbs. =", headerValueName(s.F80), 5760,
       l.friction80Width},
      {7560, "lblF90M", "Estimated Running Friction, 90 Duro, Lbs. =", headerValueName(s.F90), 5760, 1575},
  };
}

// MMC rows pair the largest squeeze with the smallest gap and gland height, LMC rows the reverse.
std::array<TableRow, 5> tableRows(const GlandSide& s) {
  return {{
      {"Label11", "Worst Case MMC Eccentric, Loaded Side", 9360, kTwoLineHeight, 9480,
       {s.CMaxE, s.PCMaxE, s.EGMinE, s.GHMinE}},
      {"Label12", "MMC Concentric", 10080, kLineHeight, 10080, {s.CMax, s.PCMax, s.EGMin, s.GHMin}},
      {"Label14", "Nominal", 10680, kLineHeight, 10680, {s.C, s.PC, s.EG, s.GH}},
      {"Label15", "LMC Concentric", 11280, kLineHeight, 11280, {s.CMin, s.PCMin, s.EGMax, s.GHMax}},
      {"Label16", "Worst Case LMC Eccentric, Unloaded Side", 11760, kTwoLineHeight, 11880,
       {s.CMinE, s.PCMinE, s.EGMaxE, s.GHMaxE}},
  }};
}

enum class Weight { Regular, Bold };

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const Box& box, Weight weight,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, double points = kTextPoints) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(timesFont(points, weight == Weight::Bold));
  label->setAlignment(alignment);
  label->setWordWrap(box.height > kLineHeight && box.width > 0);
  placeTwips(label, box.left, box.top, box.width, box.height);
  if (box.width == 0) label->resize(label->sizeHint().width(), label->height());
  return label;
}

QLabel* addCaption(QWidget* parent, const char* name, const char* text, const Box& box,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
  return addLabel(parent, QString::fromUtf8(name), QString::fromUtf8(text), box, Weight::Bold, alignment);
}

// A thin black line of the results grid, one pixel wide.
void addGridLine(QWidget* parent, int number, int left, int top, int right, int bottom) {
  auto* line = new QFrame(parent);
  line->setObjectName(QStringLiteral("Line%1").arg(number));
  line->setFrameShape(QFrame::NoFrame);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, Qt::black);
  line->setPalette(palette);
  line->setGeometry(twips(left), twips(top), std::max(1, twips(right - left)), std::max(1, twips(bottom - top)));
}

QPushButton* addButton(QWidget* parent, const char* name, const char* caption, const Box& box, bool bold) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromUtf8(name));
  if (bold) button->setFont(timesFont(kTextPoints, true));
  button->setAutoDefault(false);
  placeTwips(button, box.left, box.top, box.width, box.height);
  return button;
}

}  // namespace

ResultsSheet::ResultsSheet(GlandRecord& record, const GlandSide& side, QWidget* parent)
    : MainScreen(parent), side_(side), page_(new QWidget(this)) {
  const SheetLayout& layout = sheetLayout(side);
  setObjectName(side.kind == GlandKind::RodGroove ? QStringLiteral("frmResultsMale")
                                                  : QStringLiteral("frmResultsFemale"));
  setFixedSize(twips(kClientWidth), twips(layout.clientHeight));
  page_->setObjectName(QStringLiteral("page"));
  page_->setGeometry(rect());
  page_->setAutoFillBackground(true);
  QPalette white = page_->palette();
  white.setColor(QPalette::Window, Qt::white);
  page_->setPalette(white);

  buildTitleBlock();
  buildHeader();
  buildTable();
  buildButtons();
  load(record);
}

const GlandSide& ResultsSheet::side() const { return side_; }

QWidget* ResultsSheet::reportPage() const { return page_; }

void ResultsSheet::buildTitleBlock() {
  const SheetLayout& layout = sheetLayout(side_);
  auto* logo = new QLabel(page_);
  logo->setObjectName(QStringLiteral("Image1"));
  logo->setPixmap(QPixmap::fromImage(logoImage()));
  placeTwips(logo, 8160, 30, 2445, 525);
  addLabel(page_, QStringLiteral("lblTitle"), QStringLiteral("Glandwise - Results"), {3840, 600, 3255, kTitleHeight},
           Weight::Bold, Qt::AlignHCenter | Qt::AlignTop, kTitlePoints);
  addCaption(page_, "Label4", "v 2.1a", {layout.versionLeft, 780, layout.versionWidth, kLineHeight});
  addCaption(page_, "Label2", layout.subtitle, {3480, 960, 3855, kLineHeight}, Qt::AlignHCenter | Qt::AlignTop);
}

void ResultsSheet::buildHeader() {
  for (const HeaderLine& line : headerLines(side_, sheetLayout(side_))) {
    if (line.captionName) addCaption(page_, line.captionName, line.caption, {kCaptionLeft, line.top, 0, kLineHeight});
    addLabel(page_, QString::fromStdString(line.valueName), {}, {line.valueLeft, line.top, line.valueWidth, kLineHeight},
             line.boldValue ? Weight::Bold : Weight::Regular);
  }
  addCaption(page_, "Label3", "Assumptions for friction calculations:", {kCaptionLeft, 5520, 0, kLineHeight});
  addLabel(page_, QStringLiteral("Label1"),
           QStringLiteral("Room temperature axial running friction of AN6227 O-Rings on a 15 micro-inch chromed "
                          "running surface lubricated with MIL-H-5606 hydraulic oil, at a speed greater than one "
                          "foot per minute. (Static friction is estimated to be 3 to 5 times higher.)"),
           {kCaptionLeft, 5880, 9375, 975}, Weight::Regular);
}

void ResultsSheet::buildTable() {
  const SheetLayout& l = sheetLayout(side_);
  const int verticals[] = {kGridLeft, 3720, 4800, l.thirdVerticalLine, 8520, kGridRight};
  const int horizontals[] = {kGridTop, l.secondHorizontalLine, 9960, 10560, 11160, 11760, kGridBottom};
  int number = 1;
  for (int x : verticals) addGridLine(page_, number++, x, kGridTop, x, kGridBottom);
  for (int y : horizontals) addGridLine(page_, number++, kGridLeft, y, kGridRight, y);

  // Column headings, centred in their columns, with their units below.
  const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
  // The gap heading keeps clear of its grid lines, so that it wraps like its neighbours.
  const int gapLeft = l.thirdVerticalLine + 120, gapWidth = 8520 - 120 - gapLeft;
  addCaption(page_, "Label17", "Radial Squeeze", l.squeezeHeading, centred);
  addCaption(page_, "Label18", "Radial Squeeze Percent", {l.percentHeadingLeft, kPercentHeadingTop, 1440, kPercentUnitTop - kPercentHeadingTop}, centred);
  addCaption(page_, "Label19", "Radial Extrusion Gap", {gapLeft, kHeadingTop, gapWidth, 720}, centred);
  addCaption(page_, "Label20", "Radial Gland Height", {8520, kHeadingTop, kGridRight - 8520, 720}, centred);
  addCaption(page_, "Label21", "(Inch)", l.squeezeUnit, centred);
  addCaption(page_, "Label22", "(%)", {l.percentUnitLeft, kPercentUnitTop, 495, kLineHeight}, centred);
  addCaption(page_, "Label23", "(Inch)", {gapLeft, kHeadingUnitTop, gapWidth, kLineHeight}, centred);
  addCaption(page_, "Label24", "(Inch)", {8520, kHeadingUnitTop, kGridRight - 8520, kLineHeight}, centred);

  const std::array<TableRow, 5> rows = tableRows(side_);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TableRow& row = rows[i];
    addCaption(page_, row.captionName, row.caption, {kRowCaptionLeft, row.captionTop, kRowCaptionWidth, row.captionHeight});
    const std::array<Box, 4> cells = cellBoxes(l, i, row.valueTop);
    for (std::size_t c = 0; c < row.cells.size(); ++c)
      addLabel(page_, cellName(row.cells[c]), {}, cells[c], Weight::Regular, Qt::AlignRight | Qt::AlignTop);
  }
}

void ResultsSheet::buildButtons() {
  auto* handbook = addButton(this, "cmdHandbook", "O-RING HANDBOOK", {kButtonLeft, 2040, kButtonWidth, kButtonHeight}, true);
  auto* print = addButton(this, "cmdPrint", "PRINT REPORT", {kButtonLeft, 2880, kButtonWidth, kButtonHeight}, true);
  auto* edit = addButton(this, "cmdEdit", "EDIT", {kButtonLeft, 3720, kButtonWidth, kButtonHeight}, true);
  auto* exit = addButton(this, "cmdExit", "EXIT", {kButtonLeft, 4560, kButtonWidth, kButtonHeight}, true);
  auto* eccHelp = addButton(this, "cmdH1", "Help", {0, sheetLayout(side_).eccentricityHelpTop, kHelpWidth, kHelpHeight}, false);
  auto* frictionHelp = addButton(this, "cmdH2", "Help", {0, 6840, kHelpWidth, kHelpHeight}, false);
  connect(handbook, &QPushButton::clicked, this, &ResultsSheet::handbookRequested);
  connect(print, &QPushButton::clicked, this, &ResultsSheet::printRequested);
  connect(edit, &QPushButton::clicked, this, &ResultsSheet::editRequested);
  connect(exit, &QPushButton::clicked, this, &MainScreen::exitRequested);
  connect(eccHelp, &QPushButton::clicked, this, &ResultsSheet::eccentricityHelpRequested);
  connect(frictionHelp, &QPushButton::clicked, this, &ResultsSheet::frictionHelpRequested);
}

void ResultsSheet::load(GlandRecord& record) {
  for (const SheetLabel& label : fillSheet(record, side_))
    page_->findChild<QLabel*>(QString::fromStdString(label.objectName))->setText(QString::fromStdString(label.caption));
  const QString today = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
  page_->findChild<QLabel*>(QStringLiteral("lblDate"))
      ->setText(QString::fromStdString(sheetDateCaption(today.toStdString())));
}

}  // namespace glandwise
