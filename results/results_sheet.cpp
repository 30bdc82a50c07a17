#include "results/results_sheet.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <vector>

#include "model/sheet.h"
#include "results/review_page.h"
#include "widgets/artwork.h"
#include "widgets/controls.h"

namespace glandwise {
namespace {

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
  const char* screenName;
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
  TwipRect squeezeHeading;         // "Radial Squeeze"
  int percentHeadingLeft;     // "Radial Squeeze Percent"
  int percentUnitLeft;        // its "(%)"
  TwipRect squeezeUnit;            // "(Inch)" under "Radial Squeeze"
  int eccentricityHelpTop;    // cmdH1
};

const SheetLayout kRodGrooveSheet{
    .screenName = "frmResultsMale",
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
    .screenName = "frmResultsFemale",
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

// One line of the header block: its bold caption at kCaptionLeft and the place of the value
// label beside it, for the header rows of the sheet's fields.
struct HeaderLine {
  int top;
  const char* captionName;
  const char* caption;
  int valueLeft;
  int valueWidth;
};

std::array<HeaderLine, 14> headerLines(const SheetLayout& l) {
  return {{
      {.top = 1560, .captionName = "lblW", .caption = "Cross Section Dia. =", .valueLeft = 3240, .valueWidth = 4695},
      {.top = 1920,
       .captionName = "lblEWM",
       .caption = "Effective Cross Section Dia. =",
       .valueLeft = l.effectiveLeft,
       .valueWidth = 2295},
      {.top = 2280, .captionName = "lblGC", .caption = "Gland Type =", .valueLeft = 2520, .valueWidth = 3255},
      {.top = 2640, .captionName = "lblID", .caption = "Seal Inside Dia. =", .valueLeft = 3000, .valueWidth = 5175},
      {.top = 3000, .captionName = "lblPDM", .caption = "Rod Dia.  =", .valueLeft = 2280, .valueWidth = 5175},
      {.top = 3360, .captionName = "lblBDM", .caption = "Housing Dia. =", .valueLeft = 2640, .valueWidth = 4815},
      {.top = 3720, .captionName = "lblGDM", .caption = "Groove Dia. =", .valueLeft = 2640, .valueWidth = 4815},
      {.top = 4080, .captionName = "lblGW", .caption = "Groove Width =", .valueLeft = 2760, .valueWidth = 5415},
      {.top = 4440,
       .captionName = "lblECC",
       .caption = "Machining Eccentricity, FIM =",
       .valueLeft = 4440,
       .valueWidth = l.eccentricityWidth},
      {.top = 4800, .captionName = "lblPR", .caption = "Operating Pressure =", .valueLeft = 3360, .valueWidth = 3255},
      {.top = 5160,
       .captionName = "lblPSM",
       .caption = "% Nominal Stretch =",
       .valueLeft = l.stretchLeft,
       .valueWidth = 3255},
      {.top = 6840,
       .captionName = "lblF70M",
       .caption = "Estimated Running Friction, 70 Duro, Lbs. =",
       .valueLeft = 5760,
       .valueWidth = 1575},
      {.top = 7200,
       .captionName = "lblF80M",
       .caption = "Estimated Running Friction, 80 Duro, Lbs. =",
       .valueLeft = 5760,
       .valueWidth = l.friction80Width},
      {.top = 7560,
       .captionName = "lblF90M",
       .caption = "Estimated Running Friction, 90 Duro, Lbs. =",
       .valueLeft = 5760,
       .valueWidth = 1575},
  }};
}

// The four value cells of results-table row `row` (0 = worst-case MMC ... 4 = worst-case
// LMC) at `top`: squeeze, squeeze percent, extrusion gap, gland height.
std::array<TwipRect, 4> cellBoxes(const SheetLayout& l, int row, int top) {
  const bool mmcConcentric = row == 1, lmc = row >= 3;
  return {{
      {lmc ? l.lmcSqueezeLeft : 3720, top, lmc ? l.lmcSqueezeWidth : 975, kLineHeight},
      {mmcConcentric ? l.percentMmcLeft : l.percentLeft, top, mmcConcentric ? 1215 : 1095, kLineHeight},
      {6600, top, 1815, kLineHeight},
      {8640, top, 1815, kLineHeight},
  }};
}

// One row of the results table: its bold caption and the top of its value cells.
struct TableRow {
  const char* captionName;
  const char* caption;
  int captionTop;
  int captionHeight;
  int valueTop;
};

constexpr std::array<TableRow, 5> kTableRows{{
    {.captionName = "Label11",
     .caption = "Worst Case MMC Eccentric, Loaded Side",
     .captionTop = 9360,
     .captionHeight = kTwoLineHeight,
     .valueTop = 9480},
    {.captionName = "Label12",
     .caption = "MMC Concentric",
     .captionTop = 10080,
     .captionHeight = kLineHeight,
     .valueTop = 10080},
    {.captionName = "Label14",
     .caption = "Nominal",
     .captionTop = 10680,
     .captionHeight = kLineHeight,
     .valueTop = 10680},
    {.captionName = "Label15",
     .caption = "LMC Concentric",
     .captionTop = 11280,
     .captionHeight = kLineHeight,
     .valueTop = 11280},
    {.captionName = "Label16",
     .caption = "Worst Case LMC Eccentric, Unloaded Side",
     .captionTop = 11760,
     .captionHeight = kTwoLineHeight,
     .valueTop = 11880},
}};

// The grid's value cells by row and column: indexes into the sheet's fields.
using GridCells = std::array<std::array<std::size_t, 4>, kTableRows.size()>;
GridCells gridCells(const std::vector<SheetField>& fields) {
  GridCells cells{};
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (fields[i].place.area == SheetPlace::Area::Grid)
      cells[static_cast<std::size_t>(fields[i].place.row)][static_cast<std::size_t>(fields[i].place.column)] = i;
  return cells;
}

// The grid's column headings with their units, as one line each.
constexpr std::array<const char*, 4> kColumnHeadings{"Radial Squeeze (Inch)", "Radial Squeeze Percent (%)",
                                                     "Radial Extrusion Gap (Inch)", "Radial Gland Height (Inch)"};

constexpr const char* kAssumptionsCaption = "Assumptions for friction calculations:";
constexpr const char* kAssumptions =
    "Room temperature axial running friction of AN6227 O-Rings on a 15 micro-inch chromed running surface "
    "lubricated with MIL-H-5606 hydraulic oil, at a speed greater than one foot per minute. (Static friction is "
    "estimated to be 3 to 5 times higher.)";
// The header line above which the friction assumptions stand.
constexpr int kFirstFrictionLine = 11;

QFont textFont(bool bold) { return timesFont(kTextPoints, bold); }

// `image` drawn on white, without transparency.
QImage onWhite(const QImage& image) {
  QImage opaque(image.size(), QImage::Format_RGB32);
  opaque.setDevicePixelRatio(image.devicePixelRatio());
  opaque.fill(Qt::white);
  QPainter(&opaque).drawImage(0, 0, image);
  return opaque;
}

// A bold caption; word-wrapped when its rectangle is taller than one line.
void addCaption(QWidget* parent, const char* name, const char* text, const TwipRect& box,
                Qt::Alignment alignment = kTopLeft) {
  makeLabel(parent, name, QString::fromUtf8(text), textFont(true), box, alignment,
            box.height > kLineHeight && box.width > 0);
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

// The cells joined by tabs, without empty cells at the end.
QString tabSeparated(const SheetCells& cells) {
  QStringList row;
  for (const std::string* cell : {&cells.value, &cells.unit, &cells.tolerance, &cells.note})
    row << QString::fromStdString(*cell);
  while (!row.isEmpty() && row.back().isEmpty()) row.removeLast();
  return row.join('\t');
}

}  // namespace

ResultsSheet::ResultsSheet(GlandRecord& record, const GlandSide& side, QWidget* parent)
    : ScrollingScreen(QSize(twips(kClientWidth), twips(sheetLayout(side).clientHeight)), parent),
      side_(side),
      canvas_(canvas()),
      page_(new QWidget(canvas_)),
      values_(sheetFields(side).size()) {
  setObjectName(QString::fromUtf8(sheetLayout(side).screenName));
  canvas_->setObjectName(QStringLiteral("sheet"));
  page_->setObjectName(QStringLiteral("page"));
  page_->setGeometry(canvas_->rect());
  page_->setAutoFillBackground(true);
  QPalette white = page_->palette();
  white.setColor(QPalette::Window, Qt::white);
  page_->setPalette(white);

  buildTitleBlock();
  buildHeader();
  buildTable();
  buildButtons();
  giveMnemonics(*this);
  connect(addWindowAction(*this, QStringLiteral("Copy results"), QKeySequence::Copy), &QAction::triggered, this,
          [this] { copyResults(); });
  connect(addWindowAction(*this, QStringLiteral("Save gland\u2026"), QKeySequence::Save), &QAction::triggered, this,
          &ResultsSheet::saveRequested);
  load(record);
}

const GlandSide& ResultsSheet::side() const { return side_; }

void ResultsSheet::showEvent(QShowEvent* event) {
  MainScreen::showEvent(event);
  setAttribute(Qt::WA_KeyboardFocusChange);  // the focus frame shows before any key is pressed
}

void ResultsSheet::buildTitleBlock() {
  const SheetLayout& layout = sheetLayout(side_);
  auto* logo = new QLabel(page_);
  logo->setObjectName(QStringLiteral("Image1"));
  // Opaque on the white page: a print system that meets transparency on a page may send the
  // whole page to the printer as one picture, without its text.
  logo->setPixmap(QPixmap::fromImage(onWhite(logoImage())));
  placeTwips(logo, 8160, 30, 2445, 525);
  makeLabel(page_, "lblTitle", QStringLiteral("Glandwise - Results"), timesFont(kTitlePoints, true),
            {3840, 600, 3255, kTitleHeight}, Qt::AlignHCenter | Qt::AlignTop);
  addCaption(page_, "Label4", "v 2.1a", {layout.versionLeft, 780, layout.versionWidth, kLineHeight});
  addCaption(page_, "Label2", layout.subtitle, {3480, 960, 3855, kLineHeight}, Qt::AlignHCenter | Qt::AlignTop);
}

void ResultsSheet::buildHeader() {
  date_ = makeLabel(page_, "lblDate", {}, textFont(true), {8160, 1200, 2655, kLineHeight}, kTopLeft);
  const std::array<HeaderLine, 14> lines = headerLines(sheetLayout(side_));
  const std::vector<SheetField>& fields = sheetFields(side_);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].place.area != SheetPlace::Area::Header) continue;
    const HeaderLine& line = lines[static_cast<std::size_t>(fields[i].place.row)];
    addCaption(page_, line.captionName, line.caption, {kCaptionLeft, line.top, 0, kLineHeight});
    values_[i] = makeLabel(page_, fields[i].objectName, {}, textFont(false),
                           {line.valueLeft, line.top, line.valueWidth, kLineHeight}, kTopLeft);
  }
  addCaption(page_, "Label3", kAssumptionsCaption, {kCaptionLeft, 5520, 0, kLineHeight});
  makeLabel(page_, "Label1", QString::fromUtf8(kAssumptions), textFont(false), {kCaptionLeft, 5880, 9375, 975},
            kTopLeft, true);
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

  const std::vector<SheetField>& fields = sheetFields(side_);
  const GridCells cellField = gridCells(fields);

  for (std::size_t r = 0; r < kTableRows.size(); ++r) {
    const TableRow& row = kTableRows[r];
    addCaption(page_, row.captionName, row.caption, {kRowCaptionLeft, row.captionTop, kRowCaptionWidth, row.captionHeight});
    const std::array<TwipRect, 4> cells = cellBoxes(l, static_cast<int>(r), row.valueTop);
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const std::size_t field = cellField[r][c];
      values_[field] = makeLabel(page_, fields[field].objectName, {}, textFont(false), cells[c],
                                 Qt::AlignRight | Qt::AlignTop);
    }
  }
}

void ResultsSheet::buildButtons() {
  const auto button = [this](const char* name, const char* caption, TwipRect place, const QFont& font) {
    return makeButton(canvas_, name, QString::fromUtf8(caption), place, font);
  };
  auto* handbook = button("cmdHandbook", "O-RING HANDBOOK", {kButtonLeft, 2040, kButtonWidth, kButtonHeight}, textFont(true));
  auto* print = button("cmdPrint", "PRINT REPORT", {kButtonLeft, 2880, kButtonWidth, kButtonHeight}, textFont(true));
  auto* edit = button("cmdEdit", "EDIT", {kButtonLeft, 3720, kButtonWidth, kButtonHeight}, textFont(true));
  auto* exit = button("cmdExit", "EXIT", {kButtonLeft, 4560, kButtonWidth, kButtonHeight}, textFont(true));
  // Below EXIT, clear of the friction assumptions' text under it.
  auto* review = button("cmdReview", "DESIGN REVIEW", {kButtonLeft, 5370, kButtonWidth, kButtonHeight}, textFont(true));
  // The Help buttons keep the platform's button font.
  auto* eccHelp = button("cmdH1", "Help", {0, sheetLayout(side_).eccentricityHelpTop, kHelpWidth, kHelpHeight}, QFont());
  auto* frictionHelp = button("cmdH2", "Help", {0, 6840, kHelpWidth, kHelpHeight}, QFont());
  // The sheet opens with a visible focus on EDIT, so that Return goes back to the editor.
  edit->setFocus();
  connect(handbook, &QPushButton::clicked, this, &ResultsSheet::handbookRequested);
  connect(print, &QPushButton::clicked, this, &ResultsSheet::printRequested);
  connect(edit, &QPushButton::clicked, this, &ResultsSheet::editRequested);
  connect(exit, &QPushButton::clicked, this, &MainScreen::exitRequested);
  connect(review, &QPushButton::clicked, this, &ResultsSheet::reviewRequested);
  connect(eccHelp, &QPushButton::clicked, this, &ResultsSheet::eccentricityHelpRequested);
  connect(frictionHelp, &QPushButton::clicked, this, &ResultsSheet::frictionHelpRequested);
}

QString ResultsSheet::plainText() const {
  const SheetLayout& layout = sheetLayout(side_);
  QStringList lines{QStringLiteral("Glandwise - Results"), QString::fromUtf8(layout.subtitle), date_->text(), {}};
  const std::array<HeaderLine, 14> header = headerLines(layout);
  lines << QStringLiteral("\tValue\tUnit\tTolerance +/-");
  for (std::size_t row = 0; row < header.size(); ++row) {
    if (row == kFirstFrictionLine) lines << QStringLiteral("%1\t%2").arg(kAssumptionsCaption, kAssumptions);
    // The caption without its " =": the value has its own cell.
    QString caption = QString::fromUtf8(header[row].caption);
    if (caption.endsWith('=')) caption = caption.chopped(1).trimmed();
    lines << caption + '\t' + headerCells_[qsizetype(row)];
  }
  lines << QString();
  const std::vector<SheetField>& fields = sheetFields(side_);
  QStringList headings{QString()};
  for (const char* heading : kColumnHeadings) headings << QString::fromUtf8(heading);
  lines << headings.join('\t');
  const GridCells cells = gridCells(fields);
  for (std::size_t row = 0; row < kTableRows.size(); ++row) {
    QStringList cellsText{QString::fromUtf8(kTableRows[row].caption)};
    for (std::size_t field : cells[row]) cellsText << values_[field]->text();
    lines << cellsText.join('\t');
  }
  return lines.join('\n') + '\n';
}

void ResultsSheet::copyResults() const { QGuiApplication::clipboard()->setText(plainText()); }

void ResultsSheet::load(GlandRecord& record) {
  const std::vector<SheetLabel> labels = fillSheet(record, side_);
  for (std::size_t i = 0; i < labels.size(); ++i) values_[i]->setText(QString::fromStdString(labels[i].caption));
  headerCells_ = QStringList(headerLines(sheetLayout(side_)).size());
  for (const SheetField& field : sheetFields(side_))
    if (field.place.area == SheetPlace::Area::Header)
      headerCells_[field.place.row] = tabSeparated(sheetCells(record, side_, field));
  date_->setText(QString::fromStdString(sheetDateCaption(todayText().toStdString())));
}

}  // namespace glandwise
