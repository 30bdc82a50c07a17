// The handbook buttons of the selection screen and of the other screens, over substituted
// settings, file dialog and document opener.

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/handbook.h"
#include "platform/print_dialog.h"

using namespace glandwise;

namespace {

// In-memory per-user settings that outlive a "run" of the launcher.
class MemorySettings final : public SettingsStore {
 public:
  std::string get(const std::string& application, const std::string& section, const std::string& key,
                  const std::string& fallback) override {
    const auto it = values.find(application + "/" + section + "/" + key);
    return it == values.end() ? fallback : it->second;
  }
  void save(const std::string& application, const std::string& section, const std::string& key,
            const std::string& value) override {
    values[application + "/" + section + "/" + key] = value;
    ++saves;
  }
  std::map<std::string, std::string> values;
  int saves = 0;
};

// A file dialog that returns scripted choices (nothing = cancel) and records each opening.
class ScriptedFileDialog final : public FileDialog {
 public:
  struct Opening { std::string title, filter, current; };
  std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                      const std::string& current) override {
    openings.push_back({title, filter, current});
    if (choices.empty()) return std::nullopt;
    auto choice = choices.front();
    choices.pop_front();
    return choice;
  }
  std::deque<std::optional<std::string>> choices;
  std::vector<Opening> openings;
};

class RecordingOpener final : public DocumentOpener {
 public:
  bool open(const std::string& path) override {
    opened.push_back(path);
    return result;
  }
  std::vector<std::string> opened;
  bool result = true;
};

class RecordingBoxes final : public MessageBoxes {
 public:
  bool askYesNo(const std::string&) override { return false; }
  void notify(const std::string& text) override { notices.push_back(text); }
  std::vector<std::string> notices;
};

class SilentBeeper final : public Beeper {
 public:
  void beep() override {}
};

// The handbook never prints; a Print dialog that always cancels completes the platform.
class CancellingPrintDialog final : public PrintDialog {
 public:
  bool choosePrinter(QPrinter&, QWidget*) override { return false; }
};

class HandbookTest : public testing::Test {
 protected:
  // A fresh program run over the same per-user settings.
  HandbookLauncher newRun() {
    record = GlandRecord{};
    return HandbookLauncher(record, platform);
  }

  MemorySettings settings;
  ScriptedFileDialog dialog;
  RecordingOpener opener;
  RecordingBoxes boxes;
  SilentBeeper beeper;
  CancellingPrintDialog printDialog;
  Platform platform{boxes, beeper, settings, dialog, opener, printDialog};
  GlandRecord record;
};

const std::string kStoredKey = "MyApp/Config/SelectedFile";

}  // namespace

TEST_F(HandbookTest, FirstRunChoosesThenOpensOnTheSecondPress) {
  HandbookLauncher launcher = newRun();
  HandbookDialogMemory memory;
  std::string box = launcher.loadStoredPath();
  EXPECT_EQ(box, "");
  dialog.choices = {"/docs/oring.pdf"};
  box = launcher.pressOnSelectionScreen(box, memory);
  EXPECT_EQ(box, "/docs/oring.pdf");
  EXPECT_EQ(settings.values[kStoredKey], "/docs/oring.pdf");
  EXPECT_EQ(record.SelectedFile, "/docs/oring.pdf");
  EXPECT_TRUE(opener.opened.empty());
  ASSERT_EQ(dialog.openings.size(), 1u);
  EXPECT_EQ(dialog.openings[0].title, "Select PDF File");
  EXPECT_EQ(dialog.openings[0].filter, "PDF Files (*.pdf)");

  launcher.pressOnSelectionScreen(box, memory);
  EXPECT_EQ(opener.opened, std::vector<std::string>{"/docs/oring.pdf"});
}

TEST_F(HandbookTest, NextRunShowsTheStoredPathAndOpensAtOnce) {
  settings.values[kStoredKey] = "/docs/oring.pdf";
  HandbookLauncher launcher = newRun();
  HandbookDialogMemory memory;
  const std::string box = launcher.loadStoredPath();
  EXPECT_EQ(box, "/docs/oring.pdf");
  launcher.pressOnSelectionScreen(box, memory);
  EXPECT_EQ(opener.opened, std::vector<std::string>{"/docs/oring.pdf"});
  EXPECT_TRUE(dialog.openings.empty());
}

TEST_F(HandbookTest, ClearedBoxAsksAgainAndCancelStoresTheDialogsPreviousName) {
  HandbookLauncher launcher = newRun();
  HandbookDialogMemory memory;
  launcher.loadStoredPath();
  // Cancel before anything was chosen on this screen stores empty text.
  std::string box = launcher.pressOnSelectionScreen("", memory);
  EXPECT_EQ(box, "");
  EXPECT_EQ(settings.saves, 1);
  EXPECT_EQ(settings.values[kStoredKey], "");
  // Choose, clear the box, cancel: the file chosen earlier on this screen comes back.
  dialog.choices = {"/a.pdf"};
  box = launcher.pressOnSelectionScreen("", memory);
  box = launcher.pressOnSelectionScreen("", memory);
  EXPECT_EQ(box, "/a.pdf");
  EXPECT_EQ(settings.values[kStoredKey], "/a.pdf");
  EXPECT_EQ(dialog.openings.back().current, "/a.pdf");
  EXPECT_TRUE(opener.opened.empty());
}

TEST_F(HandbookTest, TypedPathDoesNotChangeWhatOpens) {
  settings.values[kStoredKey] = "/docs/oring.pdf";
  HandbookLauncher launcher = newRun();
  HandbookDialogMemory memory;
  launcher.loadStoredPath();
  const std::string box = launcher.pressOnSelectionScreen("/elsewhere/typed.pdf", memory);
  EXPECT_EQ(box, "/elsewhere/typed.pdf");
  EXPECT_EQ(opener.opened, std::vector<std::string>{"/docs/oring.pdf"});
}

TEST_F(HandbookTest, OtherScreensAskOpenAtOnceAndNeverStore) {
  HandbookLauncher launcher = newRun();
  launcher.loadStoredPath();
  HandbookDialogMemory editorMemory;
  dialog.choices = {"/docs/editor.pdf"};
  launcher.pressOnOtherScreen(editorMemory);
  EXPECT_EQ(opener.opened, std::vector<std::string>{"/docs/editor.pdf"});
  EXPECT_EQ(record.SelectedFile, "/docs/editor.pdf");
  EXPECT_EQ(settings.saves, 0);
  // A later press opens the known path without asking.
  launcher.pressOnOtherScreen(editorMemory);
  EXPECT_EQ(dialog.openings.size(), 1u);
  EXPECT_EQ(opener.opened.size(), 2u);
  // After a restart the selection screen still shows no path.
  EXPECT_EQ(newRun().loadStoredPath(), "");
}

TEST_F(HandbookTest, CancelledDialogOnAnotherScreenOpensNothing) {
  HandbookLauncher launcher = newRun();
  HandbookDialogMemory memory;
  launcher.pressOnOtherScreen(memory);
  EXPECT_TRUE(opener.opened.empty());
  EXPECT_TRUE(boxes.notices.empty());
  EXPECT_EQ(record.SelectedFile, "");
}

TEST_F(HandbookTest, FailedOpenNamesTheFile) {
  settings.values[kStoredKey] = "/gone/oring.pdf";
  opener.result = false;
  HandbookLauncher launcher = newRun();
  HandbookDialogMemory memory;
  launcher.pressOnSelectionScreen(launcher.loadStoredPath(), memory);
  ASSERT_EQ(boxes.notices.size(), 1u);
  EXPECT_NE(boxes.notices[0].find("/gone/oring.pdf"), std::string::npos);
  EXPECT_FALSE(StartDoc(opener, "/x.pdf"));
}
