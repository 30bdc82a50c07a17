#include "gland_editor.h"

#include <QLabel>
#include <QPushButton>
#include <optional>
#include <variant>
#include <vector>

#include "editor.h"
#include "numbers.h"
#include "platform_prompts.h"

namespace glandwise {
namespace {

// A label's objectName and its caption.
struct Caption {
  const char* name;
  const char* text;
};

// A label placed by its top left corner (twips); its width follows its caption.
struct PlacedCaption {
  Caption caption;
  int left;
  int top;
};

// What a value label of the editor shows.
enum class Shown { CrossSection, GrooveWidth, CrossSectionTolerance };

struct ValueLabel {
  const char* name;
  Shown shown;
};

// One row of the editor: a caption, then a text box or a value label (named here), a unit
// caption, and on some rows a tolerance box on the right.
struct EditorRow {
  Caption caption;
  std::variant<EditorBox, const char*> entry;
  Caption unit;
  std::optional<EditorBox> tolerance;
};

// Everything that differs between the rod-groove and the housing-groove editor on screen.
// Geometry is in twips from the client area's top left corner.
struct EditorLayout {
  std::array<EditorRow, 8> rows;  // top to bottom; their boxes in this order are the tab order
  int entryLeft;                  // text boxes and value labels of the entry column
  int unitLeft;                   // unit captions
  PlacedCaption glandTypeCaption;  // "Gland Type"
  PlacedCaption glandType;         // the fixed gland-type text beside it
  PlacedCaption toleranceCaption;  // "Tolerance +/-" before the cross-section tolerance
  int crossSectionToleranceLeft;   // lblWT
  std::array<ValueLabel, 3> loadOrder;  // the value labels, in the order the load step fills them
};

constexpr const char* kInchTolerance = "Inch    Tolerance +/-";
constexpr const char* kCrossSectionTolerance = "lblWT";

const EditorLayout kRodGrooveLayout{
    {{
        {{"lblID", "Seal Inside Dia."}, EditorBox::ID, {"lblIDUnit", "Inch"}, {}},
        {{"lblPDM", "Rod Dia."}, EditorBox::PD, {"lblPDMUnit", kInchTolerance}, EditorBox::PDT},
        {{"lblBDM", "Housing Dia."}, EditorBox::BD, {"lblBDMUnit", kInchTolerance}, EditorBox::BDT},
        {{"lblGDM", "Groove Dia. "}, EditorBox::GD, {"lblGDMUnit", kInchTolerance}, EditorBox::GDT},
        {{"lblPR", "Operating Pressure"}, EditorBox::PR, {"lblPRUnit", "PSI"}, {}},
        {{"lblEcc", "Eccentricity"}, EditorBox::ECC, {"lblECCUnit", "Inch"}, {}},
        {{"lblGW", "Groove Width"}, "lblGWVa", {"lblGWUnit", "Inch"}, {}},
        {{"lblW", "Cross Section Dia."}, "lblWVa", {"lblWUnit", "Inch"}, {}},
    }},
    2640,
    4320,
    {{"lblGC", "Gland Type"}, 5160, 2520},
    {{"lblGCVa", "Groove in Rod"}, 7080, 2520},
    {{"Label2", "Tolerance +/-"}, 5160, 3480},
    7080,
    {{{"lblWVa", Shown::CrossSection},
      {"lblGWVa", Shown::GrooveWidth},
      {kCrossSectionTolerance, Shown::CrossSectionTolerance}}},
};

const EditorLayout kHousingGrooveLayout{
    {{
        {{"lblSID", "Seal Inside Dia."}, EditorBox::ID, {"lblSIDUnit", "Inch"}, {}},
        {{"lblRodDia", "Housing Dia."}, EditorBox::BD, {"lblTODTFUnit", kInchTolerance}, EditorBox::BDT},
        {{"lblTOD", "Rod Dia."}, EditorBox::PD, {"lblTODUnit", kInchTolerance}, EditorBox::PDT},
        {{"lblGDF", "Groove Dia."}, EditorBox::GD, {"lblGDFUnit", kInchTolerance}, EditorBox::GDT},
        {{"lblPressure", "Operating Pressure"}, EditorBox::PR, {"lblPressureUnit", "PSI"}, {}},
        {{"lblEcc", "Eccentricity"}, EditorBox::ECC, {"Label14", "Inch"}, {}},
        {{"lblGW", "Groove Width"}, "lblGWV", {"Label10", "Inch"}, {}},
        {{"lblW", "Cross Section Dia."}, "lblWV", {"Label7", "Inch"}, {}},
    }},
    2880,
    4440,
    {{"lblGC", "Gland Type"}, 5400, 2160},
    {{"lblGCV", "Groove In Housing"}, 7080, 2160},
    {{"Label2", "Tolerance +/-"}, 5400, 3480},
    7320,
    {{{"lblGWV", Shown::GrooveWidth},
      {"lblWV", Shown::CrossSection},
      {kCrossSectionTolerance, Shown::CrossSectionTolerance}}},
};

const EditorLayout& editorLayout(const GlandSide& side) {
  return side.kind == GlandKind::RodGroove ? kRodGrooveLayout : kHousingGrooveLayout;
}

// Client area and the fixed parts of the grid (twips).
constexpr int kClientWidth = 13170;
constexpr int kClientHeight = 4140;
constexpr int kFirstRowTop = 120;
constexpr int kRowPitch = 480;
constexpr int kCaptionLeft = 120;
constexpr int kToleranceLeft = 7080;
constexpr int kBoxWidth = 1455;
constexpr int kRowHeight = 375;
constexpr int kButtonLeft = 10440;
constexpr int kButtonPitch = 720;
constexpr int kButtonWidth = 2535;
constexpr int kButtonHeight = 495;

// Font sizes (points).
constexpr double kCaptionPoints = 14.25;
constexpr double kValuePoints = 12;
constexpr double kButtonPoints = 12;

int rowTop(std::size_t row) { return kFirstRowTop + static_cast<int>(row) * kRowPitch; }

QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// A caption in bold type, as wide as its text, vertically centred on its row.
QLabel* addCaption(QWidget* parent, const Caption& caption, int left, int top) {
  auto* label = new QLabel(QString::fromUtf8(caption.text), parent);
  if (caption.name) label->setObjectName(QString::fromUtf8(caption.name));
  label->setFont(timesFont(kCaptionPoints, true));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  placeTwips(label, left, top, 0, kRowHeight);
  label->resize(label->sizeHint().width(), label->height());
  return label;
}

// A label that shows a record value, in regular type, one box wide.
QLabel* addValueLabel(QWidget* parent, const char* name, int left, int top) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setFont(timesFont(kValuePoints, false));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  placeTwips(label, left, top, kBoxWidth, kRowHeight);
  return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const char* caption, int index) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setFont(timesFont(kButtonPoints, true));
  button->setAutoDefault(false);
  placeTwips(button, kButtonLeft, kFirstRowTop + index * kButtonPitch, kButtonWidth, kButtonHeight);
  return button;
}

QString shownText(const GlandRecord& record, Shown shown) {
  switch (shown) {
    case Shown::CrossSection: return toQString(NumberText(record.W));
    case Shown::GrooveWidth: return toQString(record.GW);
    case Shown::CrossSectionTolerance: return toQString(NumberText(record.WT));
  }
  return {};
}

}  // namespace

GlandEditor::GlandEditor(GlandRecord& record, const GlandSide& side, const Platform& platform, QWidget* parent)
    : MainScreen(parent), record_(record), side_(side), platform_(platform) {
  setObjectName(side.kind == GlandKind::RodGroove ? QStringLiteral("frmGrooveInMale")
                                                  : QStringLiteral("frmGrooveInFemale"));
  setFixedSize(twips(kClientWidth), twips(kClientHeight));
  buildRows();
  buildButtons();
  load();
}

const GlandSide& GlandEditor::side() const { return side_; }

void GlandEditor::buildRows() {
  const EditorLayout& layout = editorLayout(side_);
  std::vector<QWidget*> tabOrder;
  for (std::size_t i = 0; i < layout.rows.size(); ++i) {
    const EditorRow& row = layout.rows[i];
    const int top = rowTop(i);
    addCaption(this, row.caption, kCaptionLeft, top);
    if (const auto* box = std::get_if<EditorBox>(&row.entry))
      tabOrder.push_back(addBox(*box, layout.entryLeft, top));
    else
      addValueLabel(this, std::get<const char*>(row.entry), layout.entryLeft, top);
    addCaption(this, row.unit, layout.unitLeft, top);
    if (row.tolerance) tabOrder.push_back(addBox(*row.tolerance, kToleranceLeft, top));
  }
  for (const PlacedCaption& placed : {layout.glandTypeCaption, layout.glandType, layout.toleranceCaption})
    addCaption(this, placed.caption, placed.left, placed.top);
  addValueLabel(this, kCrossSectionTolerance, layout.crossSectionToleranceLeft, layout.toleranceCaption.top);
  for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

QLineEdit* GlandEditor::addBox(EditorBox box, int left, int top) {
  auto* edit = new SelectAllLineEdit(this);
  edit->setObjectName(toQString(editorBoxName(side_, box)));
  edit->setFont(timesFont(kValuePoints, false));
  placeTwips(edit, left, top, kBoxWidth, kRowHeight);
  connect(edit, &QLineEdit::returnPressed, this, &GlandEditor::confirm);
  boxes_[static_cast<std::size_t>(box)] = edit;
  return edit;
}

void GlandEditor::buildButtons() {
  auto* handbook = addButton(this, "cmdHandbook", "O-RING HANDBBOK", 0);
  auto* back = addButton(this, "cmdBack", "<  BACK", 1);
  auto* ok = addButton(this, "cmdOk", "OK", 2);
  auto* exit = addButton(this, "cmdExit", "EXIT", 3);
  setTabOrder(boxes_[static_cast<std::size_t>(EditorBox::ECC)], handbook);
  setTabOrder(handbook, back);
  setTabOrder(back, ok);
  setTabOrder(ok, exit);
  connect(handbook, &QPushButton::clicked, this, &GlandEditor::handbookRequested);
  connect(back, &QPushButton::clicked, this, &GlandEditor::backRequested);
  connect(ok, &QPushButton::clicked, this, &GlandEditor::confirm);
  connect(exit, &QPushButton::clicked, this, &MainScreen::exitRequested);
}

void GlandEditor::load() {
  const EditorTexts texts = editorLoad(record_, side_);
  for (std::size_t i = 0; i < kEditorBoxCount; ++i) boxes_[i]->setText(toQString(texts[i]));
  for (const ValueLabel& value : editorLayout(side_).loadOrder)
    findChild<QLabel*>(QString::fromUtf8(value.name))->setText(shownText(record_, value.shown));
}

void GlandEditor::confirm() {
  EditorTexts texts;
  for (std::size_t i = 0; i < kEditorBoxCount; ++i) texts[i] = boxes_[i]->text().toStdString();
  PlatformPrompts prompts(platform_.messageBoxes, platform_.beeper);
  const OkResult result = editorOk(record_, side_, texts, prompts);
  switch (result.outcome) {
    case OkOutcome::GoOn: emit analysed(); break;
    case OkOutcome::Refused: emit refused(toQString(result.message), result.beep); break;
    case OkOutcome::Stayed: break;  // the user goes on editing; the boxes stay as typed
  }
}

}  // namespace glandwise
