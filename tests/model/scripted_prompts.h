#pragma once
// A UserPrompts that answers questions from a script and records every box shown.

#include <deque>
#include <string>
#include <vector>

#include "model/prompts.h"

namespace glandwise::testing_support {

// One message box as the user would have seen it.
struct ShownBox {
  bool question;  // Yes/No question (true) or OK-only notice (false)
  std::string text;
  bool beep;
};

// Answers Yes/No questions in order from `answers` (No once they run out) and records
// every question and notice.
class ScriptedPrompts final : public UserPrompts {
 public:
  explicit ScriptedPrompts(std::deque<bool> answers = {}) : answers_(std::move(answers)) {}

  bool askYesNo(const std::string& text, bool beep) override {
    shown.push_back({true, text, beep});
    if (answers_.empty()) return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
  }
  void notify(const std::string& text, bool beep) override { shown.push_back({false, text, beep}); }

  std::vector<ShownBox> shown;

 private:
  std::deque<bool> answers_;
};

}  // namespace glandwise::testing_support
