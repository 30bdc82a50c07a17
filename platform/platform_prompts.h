#pragma once
// The calculations' questions and notices shown through the platform's message boxes.

#include "platform/platform.h"
#include "model/prompts.h"

namespace glandwise {

// Turns the calculations' Yes/No questions and notices into modal message boxes,
// sounding the system beep first where the calculation asks for it.
class PlatformPrompts final : public UserPrompts {
 public:
  PlatformPrompts(MessageBoxes& boxes, Beeper& beeper) : boxes_(boxes), beeper_(beeper) {}

  bool askYesNo(const std::string& text, bool beep) override {
    if (beep) beeper_.beep();
    return boxes_.askYesNo(text);
  }
  void notify(const std::string& text, bool beep) override {
    if (beep) beeper_.beep();
    boxes_.notify(text);
  }

 private:
  MessageBoxes& boxes_;
  Beeper& beeper_;
};

}  // namespace glandwise
