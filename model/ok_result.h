#pragma once
// What an OK button's action came to.

#include <string>

namespace glandwise {

enum class OkOutcome {
  GoOn,     // every check passed: the next screen opens
  Refused,  // invalid input: `message` goes to the message dialog, the screen stays
  Stayed,   // the user answered Yes to "Do you want to edit dimensions ?"
};

struct OkResult {
  OkOutcome outcome = OkOutcome::GoOn;
  std::string message;  // the refusal's text (also left in the record's ErrorText)
  bool beep = false;    // whether the refusal sounds the system beep first

  static OkResult goOn() { return {}; }
  static OkResult stayed() { return {OkOutcome::Stayed, {}, false}; }
};

// Shared refusal texts.
inline constexpr const char* kNumericValuesOnly = "Enter numeric values only.";
inline constexpr const char* kValueTooLarge =
    "Value too large. Enter numbers between -3.4E+38 and 3.4E+38.";

}  // namespace glandwise
