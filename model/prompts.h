#pragma once
// How the calculations talk to the user: Yes/No questions and OK-only notices.

#include <string>

namespace glandwise {

// The message boxes that the checks and the gland analysis show. The desktop program
// shows modal message boxes; tests and the batch calculator answer from a script.
// `beep` asks for the system's short audible alert before the box appears.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // A Yes/No question; returns true for Yes. `text` is the statement, two line feeds
  // and the question.
  virtual bool askYesNo(const std::string& text, bool beep) = 0;
  // A notice with an OK button only; returns when the user has acknowledged it.
  virtual void notify(const std::string& text, bool beep) = 0;
};

// Answers every question No and ignores every notice: the unattended path.
class SilentPrompts final : public UserPrompts {
 public:
  bool askYesNo(const std::string&, bool) override { return false; }
  void notify(const std::string&, bool) override {}
};

}  // namespace glandwise
