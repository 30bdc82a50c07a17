// Properties over many random inputs: nothing crashes, nothing non-finite is stored or
// shown, the loaded-side gap is zero and the friction ignores tolerances and eccentricity.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/editor.h"
#include "tests/model/scripted_prompts.h"
#include "model/selection.h"
#include "model/sheet.h"

using namespace glandwise;
using testing_support::ScriptedPrompts;

namespace {

// Texts a user might type, from ordinary figures to garbage and the float range's edges.
class TextGenerator {
 public:
  explicit TextGenerator(unsigned seed) : random_(seed) {}

  std::string next() {
    switch (pick(6)) {
      case 0: return plausible();
      case 1: return plausible();
      case 2: return extremes_[pick(extremes_.size())];
      case 3: return garbage();
      case 4: return std::to_string(std::uniform_real_distribution<double>(-5, 5)(random_));
      default: return plausible() + "e" + std::to_string(static_cast<int>(pick(90)) - 45);
    }
  }

 private:
  std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

  std::string plausible() {
    return std::to_string(pick(4)) + "." + std::to_string(pick(100000));
  }

  std::string garbage() {
    static const std::string alphabet = "0123456789.+-eE ,$x\tinfa";
    std::string text;
    for (std::size_t i = pick(8); i > 0; --i) text += alphabet[pick(alphabet.size())];
    return text;
  }

  std::mt19937 random_;
  const std::vector<std::string> extremes_{"3.4e38", "-3.4e38", "1e38", "1e-45", "1e-38", "-0", "0", "1e39",
                                           "1e20", "0.0000001", "1500", "99999999"};
};

bool finiteRecord(const GlandRecord& r) {
  for (const FloatField& f : floatFields())
    if (!std::isfinite(r.*f.member)) return false;
  return true;
}

bool showsNonFinite(const std::string& text) {
  return text.find("Inf") != std::string::npos || text.find("NaN") != std::string::npos;
}

}  // namespace

TEST(Properties, RandomTextsNeverCrashOrShowNonFiniteFigures) {
  TextGenerator texts(20261206);
  std::mt19937 choices(7);
  int reachedSheet = 0;
  for (int run = 0; run < 20000; ++run) {
    GlandRecord r;
    SelectionEntries e;
    selectCrossSection(r, e, static_cast<int>(choices() % 5));
    const GlandSide& side = choices() % 2 ? kRodGroove : kHousingGroove;
    selectGlandType(r, e, side.kind);
    e.sealInsideDia = texts.next();
    (side.kind == GlandKind::RodGroove ? e.housingDia : e.rodDia) = texts.next();
    e.pressure = choices() % 2 ? texts.next() : "100";
    const OkResult selection = selectionOk(r, e);
    ASSERT_TRUE(finiteRecord(r));
    ASSERT_FALSE(showsNonFinite(selection.message)) << selection.message;
    if (selection.outcome != OkOutcome::GoOn) continue;

    EditorTexts boxes = editorLoad(r, side);
    for (std::string& box : boxes)
      if (choices() % 4 == 0) box = texts.next();
    ScriptedPrompts prompts;
    const OkResult edit = editorOk(r, side, boxes, prompts);
    ASSERT_TRUE(finiteRecord(r)) << "run " << run;
    ASSERT_FALSE(showsNonFinite(edit.message)) << edit.message;
    for (const auto& box : prompts.shown) ASSERT_FALSE(showsNonFinite(box.text)) << box.text;
    if (edit.outcome != OkOutcome::GoOn) continue;

    ++reachedSheet;
    EXPECT_EQ(r.*side.EGMinE, 0.0f);
    for (const SheetLabel& label : fillSheet(r, side)) ASSERT_FALSE(showsNonFinite(label.caption)) << label.caption;
    ASSERT_TRUE(finiteRecord(r));
  }
  EXPECT_GT(reachedSheet, 500);  // the generator must exercise the whole path
}

TEST(Properties, FrictionIgnoresTolerancesAndEccentricity) {
  std::mt19937 random(11);
  std::uniform_real_distribution<float> tolerance(-0.01f, 0.01f);
  for (int run = 0; run < 500; ++run) {
    for (const GlandSide* side : {&kRodGroove, &kHousingGroove}) {
      GlandRecord r;
      SelectionEntries e;
      selectCrossSection(r, e, run % 5);
      selectGlandType(r, e, side->kind);
      (side->kind == GlandKind::RodGroove ? e.housingDia : e.rodDia) = std::to_string(1 + run % 7);
      e.sealInsideDia = std::to_string(0.5 + run % 7);
      e.pressure = std::to_string(1 + run * 3 % 1500);
      ASSERT_EQ(selectionOk(r, e).outcome, OkOutcome::GoOn);
      SilentPrompts silent;
      EditorTexts boxes = editorLoad(r, *side);
      GlandRecord plain = r;
      ASSERT_EQ(editorOk(plain, *side, boxes, silent).outcome, OkOutcome::GoOn);
      for (EditorBox box : {EditorBox::PDT, EditorBox::BDT, EditorBox::GDT, EditorBox::ECC})
        boxes[static_cast<std::size_t>(box)] = std::to_string(tolerance(random));
      GlandRecord loose = r;
      ASSERT_EQ(editorOk(loose, *side, boxes, silent).outcome, OkOutcome::GoOn);
      EXPECT_EQ(plain.*side->F70, loose.*side->F70);
      EXPECT_EQ(plain.*side->F80, loose.*side->F80);
      EXPECT_EQ(plain.*side->F90, loose.*side->F90);
      EXPECT_EQ(loose.*side->EGMinE, 0.0f);
    }
  }
}
