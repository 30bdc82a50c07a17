#pragma once
// Helpers shared by the editor, results-sheet and gland-flow screen tests: glands prepared
// through the core's selection step, typed edits, and reading a screen's boxes and labels.

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QStringList>
#include <QTest>
#include <string>

#include "model/editor.h"
#include "model/gland_side.h"
#include "tests/gui/program_fixture.h"
#include "model/record.h"
#include "model/selection.h"

namespace glandwise::testing {

// Cross-section option indices of the selection screen (0.070 ... 0.275 inch).
inline constexpr int kSection070 = 0;
inline constexpr int kSection139 = 2;

// A standard gland as the selection screen's OK leaves it in the record: cross-section
// `section`, seal inside diameter `sealId`, the housing bore (rod groove) or the rod
// (housing groove) `diameter`, pressure 1000 psi.
inline GlandRecord standardGland(GlandKind kind, int section, const char* sealId, const char* diameter) {
  GlandRecord record;
  SelectionEntries entries;
  selectCrossSection(record, entries, section);
  selectGlandType(record, entries, kind);
  entries.sealInsideDia = sealId;
  (kind == GlandKind::RodGroove ? entries.housingDia : entries.rodDia) = diameter;
  entries.pressure = "1000";
  const OkResult result = selectionOk(record, entries);
  if (result.outcome != OkOutcome::GoOn)
    QTest::qFail(qPrintable(QString::fromStdString("selection refused: " + result.message)), __FILE__, __LINE__);
  return record;
}

// Types edits given as "objectName=text" (text may be empty) into the boxes of `screen`.
inline bool typeEdits(QWidget* screen, const QStringList& edits) {
  for (const QString& edit : edits) {
    const qsizetype split = edit.indexOf(QLatin1Char('='));
    if (!ProgramFixture::type(screen, qPrintable(edit.left(split)), edit.mid(split + 1))) return false;
  }
  return true;
}

// The texts of the editor's nine boxes, in the order the OK action stores them.
inline QStringList boxTexts(QWidget* editor, const GlandSide& side) {
  QStringList texts;
  for (std::size_t i = 0; i < kEditorBoxCount; ++i) {
    const std::string_view name = editorBoxName(side, static_cast<EditorBox>(i));
    auto* box = editor->findChild<QLineEdit*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    texts << (box ? box->text() : QStringLiteral("<missing %1>").arg(QString::fromUtf8(name.data())));
  }
  return texts;
}

// Every float of the record, by name, for comparing whole records.
inline QMap<QString, float> recordFloats(const GlandRecord& record) {
  QMap<QString, float> floats;
  for (const FloatField& field : floatFields())
    floats.insert(QString::fromUtf8(field.name.data(), qsizetype(field.name.size())), record.*field.member);
  return floats;
}

// The caption of the label `name` on `screen`, or a marker when there is no such label.
inline QString labelText(QWidget* screen, const QString& name) {
  auto* label = screen->findChild<QLabel*>(name);
  return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

}  // namespace glandwise::testing
