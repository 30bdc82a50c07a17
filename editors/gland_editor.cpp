#include "editors/gland_editor.h"

#include <QLabel>
#include <QPushButton>
#include <optional>
#include <variant>
#include <vector>

#include "model/editor.h"
#include "model/numbers.h"
#include "platform/platform_prompts.h"
#include "widgets/controls.h"

namespace glandwise {

// What a value label of the editor shows; indexes the editor's value labels.
enum class Shown { CrossSection, GrooveWidth, CrossSectionTolerance, Count };

// A label of the editor that shows a record value.
struct ValueLabel {
  const char* name;
  Shown shown;
};

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

// One row of the editor: a caption, then a text box or a value label, a unit caption, and
// on some rows a tolerance box on the right.
struct EditorRow {
  Caption caption;
  std::variant<EditorBox, ValueLabel> entry;
  Caption unit;
  std::optional<EditorBox> tolerance = std::nullopt;
};

// Everything that differs between the rod-groove and the housing-groove editor on screen.
// Geometry is in twips from the client area's top left corner.
struct EditorLayout {
  const char* screenName;
  std::array<EditorRow, 8> rows;  // top to bottom; their boxes in this order are the tab order
  int entryLeft;                  // text boxes and value labels of the entry column
  int unitLeft;                   // unit captions
  PlacedCaption glandTypeCaption;  // "Gland Type"
  PlacedCaption glandType;         // the fixed gland-type text beside it
  PlacedCaption toleranceCaption;  // "Tolerance +/-" before the cross-section tolerance
  int crossSectionToleranceLeft;   // lblWT
  std::array<Shown, 3> loadOrder;  // the value labels, in the order the load step fills them
};

constexpr const char* kInchTolerance = "Inch    Tolerance +/-";
constexpr ValueLabel kCrossSectionTolerance{"lblWT", Shown::CrossSectionTolerance};

const EditorLayout kRodGrooveLayout{
    .screenName = "frmGrooveInMale",
    .rows = {{
        {.caption = {"lblID", "Seal Inside Dia."}, .entry = EditorBox::ID, .unit = {"lblIDUnit", "Inch"}},
        {.caption = {"lblPDM", "Rod Dia."}, .entry = EditorBox::PD, .unit = {"lblPDMUnit", kInchTolerance},
         .tolerance = EditorBox::PDT},
        {.caption = {"lblBDM", "Housing Dia."}, .entry = EditorBox::BD, .unit = {"lblBDMUnit", kInchTolerance},
         .tolerance = EditorBox::BDT},
        {.caption = {"lblGDM", "Groove Dia. "}, .entry = EditorBox::GD, .unit = {"lblGDMUnit", kInchTolerance},
         .tolerance = EditorBox::GDT},
        {.caption = {"lblPR", "Operating Pressure"}, .entry = EditorBox::PR, .unit = {"lblPRUnit", "PSI"}},
        {.caption = {"lblEcc", "Eccentricity"}, .entry = EditorBox::ECC, .unit = {"lblECCUnit", "Inch"}},
        {.caption = {"lblGW", "Groove Width"}, .entry = ValueLabel{"lblGWVa", Shown::GrooveWidth},
         .unit = {"lblGWUnit", "Inch"}},
        {.caption = {"lblW", "Cross Section Dia."}, .entry = ValueLabel{"lblWVa", Shown::CrossSection},
         .unit = {"lblWUnit", "Inch"}},
    }},
    .entryLeft = 2640,
    .unitLeft = 4320,
    .glandTypeCaption = {{"lblGC", "Gland Type"}, 5160, 2520},
    .glandType = {{"lblGCVa", "Groove in Rod"}, 7080, 2520},
    .toleranceCaption = {{"Label2", "Tolerance +/-"}, 5160, 3480},
    .crossSectionToleranceLeft = 7080,
    .loadOrder = {Shown::CrossSection, Shown::GrooveWidth, Shown::CrossSectionTolerance},
};

const EditorLayout kHousingGrooveLayout{
    .screenName = "frmGrooveInFemale",
    .rows = {{
        {.caption = {"lblSID", "Seal Inside Dia."}, .entry = EditorBox::ID, .unit = {"lblSIDUnit", "Inch"}},
        {.caption = {"lblRodDia", "Housing Dia."}, .entry = EditorBox::BD, .unit = {"lblTODTFUnit", kInchTolerance},
         .tolerance = EditorBox::BDT},
        {.caption = {"lblTOD", "Rod Dia."}, .entry = EditorBox::PD, .unit = {"lblTODUnit", kInchTolerance},
         .tolerance = EditorBox::PDT},
        {.caption = {"lblGDF", "Groove Dia."}, .entry = EditorBox::GD, .unit = {"lblGDFUnit", kInchTolerance},
         .tolerance = EditorBox::GDT},
        {.caption = {"lblPressure", "Operating Pressure"}, .entry = EditorBox::PR,
         .unit = {"lblPressureUnit", "PSI"}},
        {.caption = {"lblEcc", "Eccentricity"}, .entry = EditorBox::ECC, .unit = {"Label14", "Inch"}},
        {.caption = {"lblGW", "Groove Width"}, .entry = ValueLabel{"lblGWV", Shown::GrooveWidth},
         .unit = {"Label10", "Inch"}},
        {.caption = {"lblW", "Cross Section Dia."}, .entry = ValueLabel{"lblWV", Shown::CrossSection},
         .unit = {"Label7", "Inch"}},
    }},
    .entryLeft = 2880,
    .unitLeft = 4440,
    .glandTypeCaption = {{"lblGC", "Gland Type"}, 5400, 2160},
    .glandType = {{"lblGCV", "Groove In Housing"}, 7080, 2160},
    .toleranceCaption = {{"Label2", "Tolerance +/-"}, 5400, 3480},
    .crossSectionToleranceLeft = 7320,
    .loadOrder = {Shown::GrooveWidth, Shown::CrossSection, Shown::CrossSectionTolerance},
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

// A caption in bold type, as wide as its text, vertically centred on its row.
void addCaption(QWidget* parent, const Caption& caption, int left, int top) {
  makeLabel(parent, caption.name, QString::fromUtf8(caption.text), timesFont(kCaptionPoints, true),
            {left, top, 0, kRowHeight});
}

QPushButton* addButton(QWidget* parent, const char* name, const char* caption, int index) {
  return makeButton(parent, name, QString::fromUtf8(caption),
                    {kButtonLeft, kFirstRowTop + index * kButtonPitch, kButtonWidth, kButtonHeight},
                    timesFont(kButtonPoints, true));
}

// A label that shows a record value, in regular type, one box wide.
QLabel* makeValueLabel(QWidget* parent, const ValueLabel& value, int left, int top) {
  return makeLabel(parent, value.name, {}, timesFont(kValuePoints, false), {left, top, kBoxWidth, kRowHeight});
}

QString shownText(const GlandRecord& record, Shown shown) {
  switch (shown) {
    case Shown::CrossSection: return toQString(NumberText(record.W));
    case Shown::GrooveWidth: return toQString(record.GW);
    case Shown::CrossSectionTolerance: return toQString(NumberText(record.WT));
    case Shown::Count: break;
  }
  return {};
}

}  // namespace

GlandEditor::GlandEditor(GlandRecord& record, const GlandSide& side, const Platform& platform, QWidget* parent)
    : ScrollingScreen(QSize(twips(kClientWidth), twips(kClientHeight)), parent),
      record_(record),
      side_(side),
      platform_(platform) {
  setObjectName(QString::fromUtf8(editorLayout(side).screenName));
  buildRows();
  buildButtons();
  giveMnemonics(*this);
  connect(addWindowAction(*this, QStringLiteral("Save gland\u2026"), QKeySequence::Save), &QAction::triggered, this,
          &GlandEditor::saveRequested);
  load();
}

const GlandSide& GlandEditor::side() const { return side_; }

void GlandEditor::addValueLabel(const ValueLabel& value, int left, int top) {
  values_[static_cast<std::size_t>(value.shown)] = makeValueLabel(canvas(), value, left, top);
}

void GlandEditor::buildRows() {
  const EditorLayout& layout = editorLayout(side_);
  std::vector<QWidget*> tabOrder;
  for (std::size_t i = 0; i < layout.rows.size(); ++i) {
    const EditorRow& row = layout.rows[i];
    const int top = rowTop(i);
    addCaption(canvas(), row.caption, kCaptionLeft, top);
    if (const auto* box = std::get_if<EditorBox>(&row.entry))
      tabOrder.push_back(addBox(*box, layout.entryLeft, top));
    else
      addValueLabel(std::get<ValueLabel>(row.entry), layout.entryLeft, top);
    addCaption(canvas(), row.unit, layout.unitLeft, top);
    if (row.tolerance) tabOrder.push_back(addBox(*row.tolerance, kToleranceLeft, top));
  }
  for (const PlacedCaption& placed : {layout.glandTypeCaption, layout.glandType, layout.toleranceCaption})
    addCaption(canvas(), placed.caption, placed.left, placed.top);
  addValueLabel(kCrossSectionTolerance, layout.crossSectionToleranceLeft, layout.toleranceCaption.top);
  for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

QLineEdit* GlandEditor::addBox(EditorBox box, int left, int top) {
  auto* edit = new SelectAllLineEdit(canvas());
  edit->setObjectName(toQString(editorBoxName(side_, box)));
  edit->setFont(timesFont(kValuePoints, false));
  placeTwips(edit, left, top, kBoxWidth, kRowHeight);
  connect(edit, &QLineEdit::returnPressed, this, &GlandEditor::confirm);
  boxes_[static_cast<std::size_t>(box)] = edit;
  return edit;
}

void GlandEditor::buildButtons() {
  auto* handbook = addButton(canvas(), "cmdHandbook", "O-RING HANDBBOK", 0);
  auto* back = addButton(canvas(), "cmdBack", "<  BACK", 1);
  auto* ok = addButton(canvas(), "cmdOk", "OK", 2);
  auto* exit = addButton(canvas(), "cmdExit", "EXIT", 3);
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
  for (Shown shown : editorLayout(side_).loadOrder)
    values_[static_cast<std::size_t>(shown)]->setText(shownText(record_, shown));
}

EditorTexts GlandEditor::texts() const {
  EditorTexts texts;
  for (std::size_t i = 0; i < kEditorBoxCount; ++i) texts[i] = boxes_[i]->text().toStdString();
  return texts;
}

void GlandEditor::typeEdits(const std::vector<EditorEdit>& edits) {
  for (const EditorEdit& edit : edits) boxes_[static_cast<std::size_t>(edit.box)]->setText(toQString(edit.text));
}

void GlandEditor::confirm() {
  PlatformPrompts prompts(platform_.messageBoxes, platform_.beeper);
  const OkResult result = editorOk(record_, side_, texts(), prompts);
  switch (result.outcome) {
    case OkOutcome::GoOn: emit analysed(); break;
    case OkOutcome::Refused: emit refused(result.beep); break;
    case OkOutcome::Stayed: break;  // the user goes on editing; the boxes stay as typed
  }
}

}  // namespace glandwise
