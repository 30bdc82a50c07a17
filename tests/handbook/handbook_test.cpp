// The handbook buttons of every screen, over in-memory settings, a scripted file dialog and a recording opener.

#include <gtest/gtest.h>
#include <map>
#include "app/handbook.h"
#include "platform/print_dialog.h"

using namespace glandwise;

namespace {

using Text = const std::string&;

// Documents under /gone/ cannot be opened; an empty choice stands for a cancelled dialog.
struct Fakes final : SettingsStore, FileDialog, DocumentOpener, MessageBoxes, Beeper, PrintDialog {
  std::string get(Text a, Text s, Text k, Text fallback) override {
    return settings.contains(a + "/" + s + "/" + k) ? settings[a + "/" + s + "/" + k] : fallback;
  }
  void save(Text a, Text s, Text k, Text value) override { settings[a + "/" + s + "/" + k] = value, ++saves; }
  std::optional<std::string> openFile(Text title, Text filter, Text) override {
    dialogs.push_back(title + "|" + filter);
    const std::string choice = dialogs.size() <= choices.size() ? choices[dialogs.size() - 1] : "";
    return choice.empty() ? std::nullopt : std::optional(choice);
  }
  std::optional<std::string> saveFile(Text, Text, Text) override { return std::nullopt; }
  bool open(Text path) override { opened.push_back(path); return !path.starts_with("/gone/"); }
  bool askYesNo(Text) override { return false; }
  void notify(Text text) override { notices.push_back(text); }
  void beep() override {}
  bool choosePrinter(QPrinter&, QWidget*) override { return false; }

  std::map<std::string, std::string> settings;
  int saves = 0;
  std::vector<std::string> choices, dialogs, opened, notices;
};

struct HandbookCase {
  const char* name;
  const char* stored;  // the per-user setting when the first run starts, if any
  std::vector<std::string> choices;
  // L: the selection screen loads; C: the user clears its path box; T: types "/typed.pdf" into it;
  // F: presses its button; O: presses the button of an editor or a results sheet; R: a new run.
  std::string steps;
  std::vector<std::string> opened;
  int dialogs, saves;
  std::string box, setting, selectedFile;  // at the end
};

const std::string kDoc = "/docs/oring.pdf", kGone = "/gone/oring.pdf";
const HandbookCase kCases[] = {
    {"FirstRunChoosesThenOpensOnTheSecondPress", nullptr, {kDoc}, "LFF", {kDoc}, 1, 1, kDoc, kDoc, kDoc},
    {"NextRunOpensTheStoredPathNotATypedOne", kDoc.c_str(), {}, "LTF", {kDoc}, 0, 0, "/typed.pdf", kDoc, kDoc},
    {"ClearedBoxAsksAgainAndCancelKeepsTheLastChoice", kDoc.c_str(), {"", "/a.pdf", ""}, "LCFCFCF", {}, 3, 3,
     "/a.pdf", "/a.pdf", "/a.pdf"},
    {"OtherScreensAskOpenAtOnceAndNeverStore", nullptr, {kDoc}, "LOORL", {kDoc, kDoc}, 1, 0, "", "", ""},
    {"CancelOnAnotherScreenOpensNothingAndEachScreenHasItsOwnDialog", nullptr, {"", kDoc, ""}, "LOOF", {kDoc}, 3, 1,
     "", "", ""},
    {"FailedOpenIsReportedWithTheFileName", kGone.c_str(), {}, "LF", {kGone}, 0, 0, kGone, kGone, kGone},
};

}  // namespace

TEST(Handbook, ButtonsOfEveryScreen) {
  const std::string key = "MyApp/Config/SelectedFile";
  for (const HandbookCase& c : kCases) {
    SCOPED_TRACE(c.name);
    Fakes fakes;
    if (c.stored) fakes.settings[key] = c.stored;
    fakes.choices = c.choices;
    GlandRecord record;
    HandbookLauncher launcher(record, Platform{fakes, fakes, fakes, fakes, fakes, fakes});
    HandbookDialogMemory selectionDialog, otherDialog;
    std::string box;
    for (const char step : c.steps) {
      switch (step) {
        case 'L': box = launcher.loadStoredPath(); break;
        case 'C': box.clear(); break;
        case 'T': box = "/typed.pdf"; break;
        case 'F': box = launcher.pressOnSelectionScreen(box, selectionDialog); break;
        case 'O': launcher.pressOnOtherScreen(otherDialog); break;
        default: record = GlandRecord{}, selectionDialog = otherDialog = {};  // the settings outlive a run
      }
    }
    EXPECT_EQ(fakes.opened, c.opened);
    EXPECT_EQ(fakes.dialogs, std::vector<std::string>(c.dialogs, "Select PDF File|PDF Files (*.pdf)"));
    EXPECT_EQ(fakes.saves, c.saves);
    EXPECT_EQ(box, c.box);
    EXPECT_EQ(fakes.settings[key], c.setting);
    EXPECT_EQ(record.SelectedFile, c.selectedFile);
    // A document that cannot be opened is named in a notice.
    EXPECT_EQ(fakes.notices.size(), std::count(c.opened.begin(), c.opened.end(), kGone));
    for (const std::string& notice : fakes.notices) EXPECT_NE(notice.find(kGone), std::string::npos);
  }
}

// Catches a notice that repeats a path of any length (100,000 characters made it taller than
// the screen) or breaks its lines, and a shortened path that loses the file's name or cuts
// a character in two.
TEST(Handbook, NoticesShortenLongPathsInTheMiddle) {
  EXPECT_EQ(shortenedPath(kDoc), kDoc);
  EXPECT_EQ(shortenedPath("/a\nb\r\x1b\u2028\u00e9.pdf"), "/a\\nb\\r\\x1b\\u2028\u00e9.pdf");
  const std::string longPath = "/gone/" + std::string(100000, 'x') + "/\u00e9t\u00e9/handbook.pdf";
  Fakes fakes;
  fakes.settings["MyApp/Config/SelectedFile"] = longPath;
  GlandRecord record;
  HandbookLauncher launcher(record, Platform{fakes, fakes, fakes, fakes, fakes, fakes});
  HandbookDialogMemory dialog;
  launcher.pressOnSelectionScreen(launcher.loadStoredPath(), dialog);
  ASSERT_EQ(fakes.notices.size(), 1u);
  EXPECT_LT(fakes.notices[0].size(), 300u);
  const std::string shown = shortenedPath(longPath);
  EXPECT_TRUE(shown.starts_with("/gone/xxx") && shown.ends_with("/\u00e9t\u00e9/handbook.pdf")) << shown;
  EXPECT_NE(fakes.notices[0].find(shown), std::string::npos);
  // Both cuts on either byte of a two-byte character: never half a character.
  for (std::size_t pad = 0; pad < 2; ++pad) {
    const std::string text = shortenedPath(std::string(39 + pad, 'a') + "\u00e9" + std::string(200, 'm') +
                                           "\u00e9" + std::string(78 + pad, 'b'));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\xc3'), std::count(text.begin(), text.end(), '\xa9')) << text;
  }
}
