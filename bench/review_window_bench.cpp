// The review window's answer to a keystroke: the fluid swell box retyped, the review
// recomputed with its 100,000-assembly Monte Carlo, the layouts updated and the window
// repainted at once, offscreen, as a 1024 x 740 window on a 100 % screen shows it.

#include <benchmark/benchmark.h>

#include <map>

#include <QApplication>
#include <QLineEdit>
#include <QWindow>

#include "model/editor.h"
#include "model/review_rules.h"
#include "model/selection.h"
#include "model/sheet.h"
#include "results/review_window.h"

using namespace glandwise;

namespace {

// Settings kept in memory for the run.
class MemorySettings final : public SettingsStore {
 public:
  std::string get(const std::string& application, const std::string& section, const std::string& key,
                  const std::string& fallback) override {
    const auto found = values_.find(application + "/" + section + "/" + key);
    return found == values_.end() ? fallback : found->second;
  }
  void save(const std::string& application, const std::string& section, const std::string& key,
            const std::string& value) override {
    values_[application + "/" + section + "/" + key] = value;
  }

 private:
  std::map<std::string, std::string> values_;
};

// The standard 0.139 gland in the rod on a 2 inch bore with a 1.75 inch seal at 1000 psi, analysed.
GlandRecord analysedGland() {
  GlandRecord r;
  SelectionEntries e;
  selectCrossSection(r, e, 2);
  selectGlandType(r, e, GlandKind::RodGroove);
  e.housingDia = "2";
  e.sealInsideDia = "1.75";
  e.pressure = "1000";
  selectionOk(r, e);
  SilentPrompts silent;
  editorOk(r, kRodGroove, editorLoad(r, kRodGroove), silent);
  fillSheet(r, kRodGroove);
  return r;
}

void ReviewWindowKeystroke(benchmark::State& state) {
  MemorySettings settings;
  ReviewWindow window(analysedGland(), kRodGroove, nullptr, *RuleSet::load(GLANDWISE_REVIEW_RULES).rules, {},
                      settings);
  window.resize(1024, 740);
  window.show();
  while (!window.windowHandle()->isExposed()) QCoreApplication::processEvents();  // else repaint paints nothing
  auto* swell = window.findChild<QLineEdit*>(QStringLiteral("txtSwell"));
  int typed = 0;
  for (auto _ : state) {
    swell->setText(QString::number(10 + typed++ % 2));  // a keystroke: 10, 11, 10, ...
    QCoreApplication::sendPostedEvents();              // the layouts the new texts ask for
    window.repaint();
  }
}

}  // namespace

BENCHMARK(ReviewWindowKeystroke)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
