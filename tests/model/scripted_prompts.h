#pragma once
// A UserPrompts that records every box shown and answers one chosen question Yes, all others No.

#include <string>
#include <vector>
#include "model/prompts.h"

namespace glandwise::testing_support {

struct ScriptedPrompts final : UserPrompts {
  struct Box { bool question; std::string text; bool beep; };  // a Yes/No question, or else an OK-only notice
  explicit ScriptedPrompts(int yesAt = -1) : yesAt(yesAt) {}
  bool askYesNo(const std::string& text, bool beep) override {
    shown.push_back({true, text, beep});
    return questions++ == yesAt;
  }
  void notify(const std::string& text, bool beep) override { shown.push_back({false, text, beep}); }
  std::vector<std::string> texts() const {
    std::vector<std::string> all;
    for (const Box& box : shown) all.push_back(box.text);
    return all;
  }
  int yesAt;  // the question answered Yes, counting from 0
  int questions = 0;
  std::vector<Box> shown;
};

}  // namespace glandwise::testing_support
