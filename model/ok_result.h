#pragma once
// What an OK button's action came to.

#include <span>
#include <string>

#include "model/numbers.h"
#include "model/record.h"

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

// A refusal: ErrorText := `message`, for the message dialog.
inline OkResult refuse(GlandRecord& record, std::string message, bool beep) {
  record.ErrorText = message;
  return {OkOutcome::Refused, std::move(message), beep};
}

// The refusal for typed numbers that cannot be used, or nullptr when all can: a text that
// is not a number is reported before one beyond the float range.
inline const char* numberRefusal(std::span<const ParsedNumber> numbers) {
  for (const ParsedNumber& n : numbers)
    if (n.status == NumberStatus::NotNumber) return kNumericValuesOnly;
  for (const ParsedNumber& n : numbers)
    if (n.status == NumberStatus::TooLarge) return kValueTooLarge;
  return nullptr;
}

}  // namespace glandwise
