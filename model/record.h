#pragma once
// The gland data record: the one shared state of a Glandwise run.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace glandwise {

// Every 32-bit float of the record, by name, in the order the data dictionary lists them.
// Lengths in inch, pressure in psi, areas in square inch, forces in pounds, percentages
// as percent. The suffix M marks the rod-groove gland ("PLUG"), F the housing-groove gland
// ("THROAT"); Max/Min are limits or extremes over the tolerance range; a final E is the
// worst-case eccentric position.
#define GLANDWISE_SIDE_FLOATS(X, S)                                                        \
  X(BD##S) X(BDT##S) X(PD##S) X(PDT##S) X(GD##S) X(GDT##S)                                 \
  X(BD##S##Max) X(BD##S##Min) X(PD##S##Max) X(PD##S##Min) X(GD##S##Max) X(GD##S##Min)      \
  X(PS##S) X(EW##S) X(RW##S) X(GH##S) X(C##S) X(PC##S) X(EG##S)                            \
  X(EW##S##Max) X(EW##S##Min)                                                              \
  X(C##S##Max) X(C##S##Min) X(C##S##MaxE) X(C##S##MinE)                                    \
  X(PC##S##Max) X(PC##S##Min) X(PC##S##MaxE) X(PC##S##MinE)                                \
  X(EG##S##Min) X(EG##S##Max) X(EG##S##MinE) X(EG##S##MaxE)                                \
  X(GH##S##Min) X(GH##S##Max) X(GH##S##MinE) X(GH##S##MaxE)                                \
  X(AP##S) X(LP##S) X(FH##S) X(FC70##S) X(FC80##S) X(FC90##S) X(F70##S) X(F80##S) X(F90##S)

#define GLANDWISE_FLOATS(X) \
  X(W) X(WT) X(ID) X(PR) X(ECC) GLANDWISE_SIDE_FLOATS(X, M) GLANDWISE_SIDE_FLOATS(X, F)

// The record itself: every number of the run as a 32-bit float (stored after every
// calculation step), the last Yes/No answer, and four texts. One instance serves the whole
// run; every screen and procedure reads and writes it by name. Everything starts at 0 or
// empty and is only ever overwritten.
struct GlandRecord {
#define GLANDWISE_DECLARE_FLOAT(name) float name = 0.0f;
  GLANDWISE_FLOATS(GLANDWISE_DECLARE_FLOAT)
#undef GLANDWISE_DECLARE_FLOAT

  std::int16_t Answer = 0;    // last Yes/No answer: 6 Yes, 7 No
  std::string GW;             // recommended groove-width range, e.g. "0.093 to  0.098"
  std::string GlandType;      // "PLUG" (groove in the rod) or "THROAT" (groove in the housing)
  std::string ErrorText;      // message the message dialog shows next
  std::string SelectedFile;   // full path of the handbook document
};

// A float variable of the record, for code that walks the record by name.
struct FloatField {
  std::string_view name;
  float GlandRecord::*member;
};

#define GLANDWISE_COUNT_FLOAT(name) +1
inline constexpr std::size_t kFloatFieldCount = 0 GLANDWISE_FLOATS(GLANDWISE_COUNT_FLOAT);
#undef GLANDWISE_COUNT_FLOAT

// Every float variable of the record, in declaration order.
const std::array<FloatField, kFloatFieldCount>& floatFields();

// The 16-bit answer codes of a Yes/No question.
inline constexpr std::int16_t kAnswerYes = 6;
inline constexpr std::int16_t kAnswerNo = 7;

}  // namespace glandwise
